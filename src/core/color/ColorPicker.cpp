#include "ColorPicker.h"

#include "BitmapCanvas.h"

#include <algorithm>
#include <array>
#include <optional>

namespace kolvi {

namespace {

constexpr TColor Black = 0x000000;
constexpr TColor White = 0xFFFFFF;

// Clears the busy flag however the render ends, so that an error inside one
// render never blocks the later ones.
class RenderScope {
  public:
    explicit RenderScope(bool& busy) : busy_(busy) { busy_ = true; }
    ~RenderScope() { busy_ = false; }
    RenderScope(const RenderScope&) = delete;
    RenderScope& operator=(const RenderScope&) = delete;

  private:
    bool& busy_;
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
        baseRow_ = 0;
        fieldX_ = 0;
        fieldY_ = 255;
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
        baseRow_ = a;
    } else if (maxChannel == Blue && minChannel == Green) {
        baseRow_ = 42 + b2;
    } else if (maxChannel == Blue && minChannel == Red) {
        baseRow_ = 84 + a;
    } else if (maxChannel == Green && minChannel == Red) {
        baseRow_ = 126 + b2;
    } else if (maxChannel == Green && minChannel == Blue) {
        baseRow_ = 168 + a;
    } else {
        baseRow_ = 210 + b2;
    }

    SelectBaseHue(hue[Red], hue[Green], hue[Blue]);
}

int ColorPicker::FieldPosition(int maxValue, int midValue, int minValue) {
    fieldY_ = Clamp255(255 - maxValue);
    if (fieldY_ == 255) {
        fieldX_ = 255;
        return 0;
    }
    fieldX_ = 255 - (minValue * 255) / (255 - fieldY_);
    if (midValue == minValue) {
        return 0;
    }
    return Clamp255(((midValue * 255) / (255 - fieldY_) + fieldX_ - 255) * 255 / fieldX_);
}

void ColorPicker::SelectStripRow(int row, bool follow) {
    baseRow_ = row;
    SelectBaseRow(follow);
}

void ColorPicker::MoveMarker(int x, int y) {
    fieldX_ = x;
    fieldY_ = y;
    PlaceMarker();
}

void ColorPicker::BuildQuantTables() {
    tables_ = kolvi::BuildQuantTables(pickerMode_);
    renderer_.SetTables(tables_);
}

void ColorPicker::RenderBaseStrip() {
    kolvi::RenderBaseStrip(strip_, tables_);
    listener_.StripImageChanged();
}

void ColorPicker::RenderField(TColor base, bool follow) {
    if (renderBusy_) {
        // Input handled between the rows of a running render: the newest such
        // request replaces it. The running render stops after its row and the
        // newest is drawn whole, so the field always ends up drawn for the
        // latest colour and mode, and no stale render is finished first.
        pending_ = RenderRequest{base, follow};
        return;
    }
    std::optional<RenderRequest> next = RenderRequest{base, follow};
    while (next) {
        const RenderRequest request = *next;
        pending_.reset();
        const bool finished = RenderWholeField(request.base);
        if (pending_) {
            next = pending_;
        } else if (finished && request.follow && baseColor_ != request.base) {
            next = RenderRequest{baseColor_, true};
        } else {
            next.reset();
        }
    }
}

bool ColorPicker::RenderWholeField(TColor base) {
    const RGB rgb = SplitRGB(base);
    renderer_.Begin(tables_.red[static_cast<std::size_t>(Clamp255(rgb.r))],
                    tables_.green[static_cast<std::size_t>(Clamp255(rgb.g))],
                    tables_.blue[static_cast<std::size_t>(Clamp255(rgb.b))]);
    {
        RenderScope scope(renderBusy_);
        for (int y = 0; y < FieldSize; ++y) {
            renderer_.RenderRow(y, field_.Row(y));
            listener_.FieldRowRendered(y + 1);
            if (pending_) {
                return false;
            }
        }
    }
    listener_.FieldImageChanged();
    PlaceMarker();
    return true;
}

void ColorPicker::PlaceMarker() {
    fieldX_ = std::clamp(fieldX_, 0, FieldSize - 1);
    fieldY_ = std::clamp(fieldY_, 0, FieldSize - 1);
    const int x = fieldX_;
    const int y = fieldY_;
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
    markerPen_ = fieldY_ < FieldSize / 2 ? Black : White;
    listener_.MarkerPlaced();
    SetCurrentColor(PixelAt(&field_, fieldX_, fieldY_));
}

void ColorPicker::SelectBaseRow(bool follow) {
    baseRow_ = std::clamp(baseRow_, 0, StripHeight - 1);
    SetBaseColor(PixelAt(&strip_, 0, baseRow_));
    RenderField(baseColor_, follow);
    DrawSlider();
}

void ColorPicker::SelectBaseHue(int r, int g, int b) {
    baseRow_ = std::clamp(baseRow_, 0, StripHeight - 1);
    SetBaseColor(PixelAt(&strip_, 0, baseRow_));
    RenderField(MakeColor(r, g, b), false);
    DrawSlider();
}

void ColorPicker::DrawSlider() {
    baseRow_ = std::clamp(baseRow_, 0, StripHeight - 1);
    slider_.Fill(ResolveColor(clBtnFace));
    const std::array<Point, 3> pointer = {{{0, baseRow_ + 5}, {10, baseRow_}, {10, baseRow_ + 10}}};
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
