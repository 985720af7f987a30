#include "ColorPicker.h"

#include "BitmapCanvas.h"

#include <algorithm>
#include <array>
#include <optional>

namespace kolvi {

namespace {

constexpr TColor Black = 0x000000;
constexpr TColor White = 0xFFFFFF;

// Clears the busy flag and the row counter however the render ends, so that an
// error inside one render never blocks the later ones.
class RenderScope {
  public:
    RenderScope(bool& busy, int& row) : busy_(busy), row_(row) {
        busy_ = true;
        row_ = 0;
    }
    ~RenderScope() {
        busy_ = false;
        row_ = 0;
    }
    RenderScope(const RenderScope&) = delete;
    RenderScope& operator=(const RenderScope&) = delete;

  private:
    bool& busy_;
    int& row_;
};

} // namespace

ColorPicker::ColorPicker(PickerListener& listener)
    : listener_(listener), tables_(kolvi::BuildQuantTables(FullColorMode)) {
    renderer_.SetTables(tables_);
}

void ColorPicker::SetColor(TColor color) {
    const RGB rgb = SplitRGB(color);
    SetColorRGB(rgb.r, rgb.g, rgb.b);
}

void ColorPicker::SetColorRGB(int r, int g, int b) {
    r = Clamp255(r);
    g = Clamp255(g);
    b = Clamp255(b);
    if (r == 0 && g == 0 && b == 0) {
        BaseRow = 0;
        RenderRow = 0;
        FieldX = 0;
        FieldY = 255;
        SelectBaseRow(false);
        return;
    }

    enum Channel { Red, Green, Blue };
    const std::array<int, 3> value = {r, g, b};
    Channel maxChannel;
    Channel midChannel;
    Channel minChannel;
    if (r >= g && r >= b) {
        maxChannel = Red;
        midChannel = g > b ? Green : Blue;
        minChannel = g > b ? Blue : Green;
    } else if (g >= b) {
        maxChannel = Green;
        midChannel = r > b ? Red : Blue;
        minChannel = r > b ? Blue : Red;
    } else {
        maxChannel = Blue;
        midChannel = r > g ? Red : Green;
        minChannel = r > g ? Green : Red;
    }

    const int minValue = value[minChannel];
    const int d = FieldPosition(value[maxChannel], value[midChannel], minValue);
    std::array<int, 3> hue{};
    hue[maxChannel] = 255;
    hue[minChannel] = 0;
    hue[midChannel] = d;

    const int a = d == minValue ? 0 : d * 42 / 255;
    const int b2 = (255 - d) * 42 / 255;
    if (maxChannel == Red && minChannel == Green) {
        BaseRow = a;
    } else if (maxChannel == Blue && minChannel == Green) {
        BaseRow = 42 + b2;
    } else if (maxChannel == Blue && minChannel == Red) {
        BaseRow = 84 + a;
    } else if (maxChannel == Green && minChannel == Red) {
        BaseRow = 126 + b2;
    } else if (maxChannel == Green && minChannel == Blue) {
        BaseRow = 168 + a;
    } else {
        BaseRow = 210 + b2;
    }

    RenderRow = 0;
    SelectBaseHue(hue[Red], hue[Green], hue[Blue]);
}

int ColorPicker::FieldPosition(int maxValue, int midValue, int minValue) {
    FieldY = Clamp255(255 - maxValue);
    if (FieldY == 255) {
        FieldX = 255;
        return 0;
    }
    FieldX = 255 - (minValue * 255) / (255 - FieldY);
    if (midValue == minValue) {
        return 0;
    }
    return Clamp255(((midValue * 255) / (255 - FieldY) + FieldX - 255) * 255 / FieldX);
}

void ColorPicker::BuildQuantTables() {
    tables_ = kolvi::BuildQuantTables(PickerMode);
    renderer_.SetTables(tables_);
}

void ColorPicker::RenderBaseStrip() {
    kolvi::RenderBaseStrip(strip_, tables_);
    listener_.StripImageChanged();
}

void ColorPicker::RenderField(TColor base, bool follow) {
    if (RenderBusy) {
        // Input handled between the rows of a running render: the newest such
        // request is rendered as soon as the running render ends, so the field
        // always ends up drawn whole, for the latest colour and mode.
        pending_ = RenderRequest{base, follow};
        return;
    }
    std::optional<RenderRequest> next = RenderRequest{base, follow};
    while (next) {
        const RenderRequest request = *next;
        pending_.reset();
        RenderWholeField(request.base);
        if (pending_) {
            next = pending_;
        } else if (request.follow && baseColor_ != request.base) {
            next = RenderRequest{baseColor_, true};
        } else {
            next.reset();
        }
    }
}

void ColorPicker::RenderWholeField(TColor base) {
    const RGB rgb = SplitRGB(base);
    renderer_.Begin(tables_.red[static_cast<std::size_t>(Clamp255(rgb.r))],
                    tables_.green[static_cast<std::size_t>(Clamp255(rgb.g))],
                    tables_.blue[static_cast<std::size_t>(Clamp255(rgb.b))]);
    {
        RenderScope scope(RenderBusy, RenderRow);
        while (RenderRow < FieldSize) {
            const int y = std::max(RenderRow, 0);
            renderer_.RenderRow(y, field_.Row(y));
            RenderRow = y + 1;
            listener_.FieldRowRendered();
        }
    }
    listener_.FieldImageChanged();
    PlaceMarker();
}

void ColorPicker::PlaceMarker() {
    FieldX = std::clamp(FieldX, 0, FieldSize - 1);
    FieldY = std::clamp(FieldY, 0, FieldSize - 1);
    const int x = FieldX;
    const int y = FieldY;
    const std::array<Point, 9> ring = {{{x - 2, y - 4},
                                        {x + 2, y - 4},
                                        {x + 4, y - 2},
                                        {x + 4, y + 2},
                                        {x + 2, y + 4},
                                        {x - 2, y + 4},
                                        {x - 4, y + 2},
                                        {x - 4, y - 2},
                                        {x - 2, y - 4}}};
    markerPixels_ = PolylinePixels(ring);
    markerPen_ = FieldY < FieldSize / 2 ? Black : White;
    listener_.MarkerPlaced();
    SetCurrentColor(PixelAt(&field_, FieldX, FieldY));
}

void ColorPicker::SelectBaseRow(bool follow) {
    BaseRow = std::clamp(BaseRow, 0, StripHeight - 1);
    SetBaseColor(PixelAt(&strip_, 0, BaseRow));
    RenderField(baseColor_, follow);
    DrawSlider();
}

void ColorPicker::SelectBaseHue(int r, int g, int b) {
    BaseRow = std::clamp(BaseRow, 0, StripHeight - 1);
    SetBaseColor(PixelAt(&strip_, 0, BaseRow));
    RenderField(MakeColor(r, g, b), false);
    DrawSlider();
}

void ColorPicker::DrawSlider() {
    BaseRow = std::clamp(BaseRow, 0, StripHeight - 1);
    slider_.Fill(ResolveColor(clBtnFace));
    const std::array<Point, 3> pointer = {{{0, BaseRow + 5}, {10, BaseRow}, {10, BaseRow + 10}}};
    FillConvexPolygon(slider_, pointer, ResolveColor(baseColor_));
    const std::array<Point, 4> outline = {{pointer[0], pointer[1], pointer[2], pointer[0]}};
    DrawPolyline(slider_, outline, Black);
    listener_.SliderImageChanged();
}

void ColorPicker::ApplyMode() {
    BuildQuantTables();
    RenderBaseStrip();
    SelectBaseRow(false);
}

void ColorPicker::SetCurrentColor(TColor color) {
    currentColor_ = color;
    listener_.CurrentColorSet(color);
}

void ColorPicker::SetBaseColor(TColor color) {
    baseColor_ = color;
    listener_.BaseColorSet(color);
}

} // namespace kolvi
