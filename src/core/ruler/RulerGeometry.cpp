#include "RulerGeometry.h"

#include <algorithm>
#include <array>

namespace kolvi {

namespace {

constexpr int TickEvery = 5;
constexpr int MarkBandDepth = 5;
// Extra room the size command leaves beyond the pointer, as designed.
constexpr int CursorSizeSpareWidth = 55;
constexpr int CursorSizeSpareHeight = 15;

void FillRect(Bitmap24& bitmap, int left, int top, int right, int bottom, TColor rgb) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, bitmap.Width());
    bottom = std::min(bottom, bitmap.Height());
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
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

void DrawScale(Bitmap24& scale, bool horizontal, TColor fill, TColor line) {
    scale.Fill(fill);
    const int w = scale.Width();
    const int h = scale.Height();
    for (const ScaleTick& tick : ScaleTicks(horizontal ? w : h)) {
        // Lines leave out their end point: the ticks end on the edge line.
        const std::array<Point, 2> ends =
            horizontal
                ? std::array<Point, 2>{{{tick.position, h - tick.length}, {tick.position, h - 1}}}
                : std::array<Point, 2>{{{w - tick.length, tick.position}, {w - 1, tick.position}}};
        DrawPolyline(scale, ends, line);
    }
    const std::array<Point, 2> edge = horizontal ? std::array<Point, 2>{{{0, h - 1}, {w, h - 1}}}
                                                 : std::array<Point, 2>{{{w - 1, 0}, {w - 1, h}}};
    DrawPolyline(scale, edge, line);
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

std::string MarkLabel(int length) {
    return std::to_string(length) + "[px]";
}

void DrawMark(Bitmap24& ruler, bool horizontal, const RulerMark& mark) {
    const int across = horizontal ? ruler.Height() : ruler.Width();
    if (horizontal) {
        FillRect(ruler, mark.bandFrom, 0, mark.bandTo, MarkBandDepth, RulerMarkRed);
    } else {
        FillRect(ruler, 0, mark.bandFrom, MarkBandDepth, mark.bandTo, RulerMarkRed);
    }
    for (const int at : mark.lines) {
        if (horizontal) {
            FillRect(ruler, at, 0, at + 1, across, RulerMarkRed);
        } else {
            FillRect(ruler, 0, at, across, at + 1, RulerMarkRed);
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
