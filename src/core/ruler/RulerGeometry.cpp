#include "RulerGeometry.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kolvi {

namespace {

constexpr int TickEvery = 5;
constexpr int MarkBandDepth = 5;
// Extra room the size command leaves beyond the pointer, as designed.
constexpr int CursorSizeSpareWidth = 55;
constexpr int CursorSizeSpareHeight = 15;

// Fills a rectangle given in the ruler's pixels on a bitmap of device pixels,
// `scale` of them to one ruler pixel: edges fall on whole device pixels, so
// nothing is blurred. Far-out rectangles are clipped before any arithmetic
// could overflow.
void FillScaled(Bitmap24& bitmap, double scale, double left, double top, double right,
                double bottom, TColor rgb) {
    const auto device = [scale](double v, int limit) {
        return static_cast<int>(std::clamp(std::floor(v * scale), 0.0, static_cast<double>(limit)));
    };
    const int x0 = device(left, bitmap.Width());
    const int x1 = device(right, bitmap.Width());
    const int y0 = device(top, bitmap.Height());
    const int y1 = device(bottom, bitmap.Height());
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            bitmap.SetPixel(x, y, rgb);
        }
    }
}

} // namespace

int SnapToFive(int position) {
    return position / TickEvery * TickEvery;
}

int ClampRulerExtent(int extent, int screenExtent) {
    return std::clamp(extent, RulerMinimumSize, std::max(RulerMinimumSize, screenExtent));
}

std::vector<Point> RulerRegion(int screenWidth, int screenHeight) {
    return {{0, 0},
            {screenWidth, 0},
            {screenWidth, RulerBand},
            {RulerBand, RulerBand},
            {RulerBand, screenHeight},
            {0, screenHeight}};
}

std::vector<ScaleTick> ScaleTicks(int extent) {
    std::vector<ScaleTick> ticks;
    ticks.reserve(static_cast<std::size_t>(std::max(extent, 0) / TickEvery + 1));
    for (int p = 0; p < extent; p += TickEvery) {
        if (p % 100 == 0) {
            ticks.push_back({p, 12, true});
        } else if (p % 20 == 0) {
            ticks.push_back({p, 10, false});
        } else {
            ticks.push_back({p, 5, false});
        }
    }
    return ticks;
}

void DrawScale(Bitmap24& scale, bool horizontal, TColor fill, TColor line, double pixelRatio) {
    scale.Fill(fill);
    const double along = (horizontal ? scale.Width() : scale.Height()) / pixelRatio;
    constexpr double band = RulerBand;
    for (const ScaleTick& tick : ScaleTicks(static_cast<int>(std::ceil(along)))) {
        // Lines leave out their end point: the ticks end on the edge line.
        const double p = tick.position;
        if (horizontal) {
            FillScaled(scale, pixelRatio, p, band - tick.length, p + 1, band - 1, line);
        } else {
            FillScaled(scale, pixelRatio, band - tick.length, p, band - 1, p + 1, line);
        }
    }
    if (horizontal) {
        FillScaled(scale, pixelRatio, 0, band - 1, along, band, line);
    } else {
        FillScaled(scale, pixelRatio, band - 1, 0, band, along, line);
    }
}

Point ScaleNumberAt(bool horizontal, int position, Extent number, int digitsHeight) {
    if (horizontal) {
        return {position, RulerBand - 12 - digitsHeight};
    }
    return {RulerBand - 12 - number.width, position};
}

RulerMark SingleMark(bool horizontal, int position) {
    RulerMark mark;
    mark.bandFrom = 0;
    mark.bandTo = position;
    mark.lines = {position};
    mark.length = position;
    mark.labelAt = horizontal ? Point{position + 1, 7} : Point{7, position + 1};
    return mark;
}

RulerMark SpanMark(bool horizontal, int anchor, int position, Extent label) {
    RulerMark mark;
    const int low = std::min(anchor, position);
    const int distance = std::max(anchor, position) - low;
    mark.bandFrom = low;
    mark.bandTo = low + distance;
    mark.lines = {anchor, position};
    mark.length = distance;
    // Centred between the lines; each halving truncates.
    const int along = low + distance / 2 - (horizontal ? label.width : label.height) / 2;
    mark.labelAt = horizontal ? Point{along, 5} : Point{5, along};
    return mark;
}

std::string MarkLabel(int from, int to, double pixelRatio) {
    std::string label = std::to_string(to - from);
    label += "[px]";
    if (pixelRatio != 1.0) {
        // On a scaled screen also the device pixels between the lines as they
        // are drawn, for whoever counts those.
        const auto device = [pixelRatio](int v) {
            return static_cast<long long>(std::floor(v * pixelRatio));
        };
        label += ' ';
        label += std::to_string(device(to) - device(from));
        label += "[dp]";
    }
    return label;
}

void DrawMark(Bitmap24& ruler, bool horizontal, const RulerMark& mark, double pixelRatio) {
    constexpr double band = RulerBand;
    if (horizontal) {
        FillScaled(ruler, pixelRatio, mark.bandFrom, 0, mark.bandTo, MarkBandDepth, RulerMarkRed);
    } else {
        FillScaled(ruler, pixelRatio, 0, mark.bandFrom, MarkBandDepth, mark.bandTo, RulerMarkRed);
    }
    for (const int at : mark.lines) {
        if (horizontal) {
            FillScaled(ruler, pixelRatio, at, 0, at + 1.0, band, RulerMarkRed);
        } else {
            FillScaled(ruler, pixelRatio, 0, at, band, at + 1.0, RulerMarkRed);
        }
    }
}

Point CursorMarkPosition(Point pointer, int screenWidth, int screenHeight) {
    return {std::min(std::max(0, pointer.x - RulerBand), screenWidth),
            std::min(std::max(0, pointer.y - RulerBand), screenHeight)};
}

Extent CursorSizeExtent(Point pointer, int widthStrip, int heightStrip) {
    return {pointer.x + widthStrip + CursorSizeSpareWidth,
            pointer.y + heightStrip + CursorSizeSpareHeight};
}

} // namespace kolvi
