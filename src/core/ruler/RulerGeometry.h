#pragma once

#include "color/Bitmap24.h"
#include "color/BitmapCanvas.h"

#include <string>
#include <vector>

namespace kolvi {

// The screen ruler's rules, in its own pixels: an L of two 40-pixel bands
// whose scales count from the inner corner at window (40, 40).

inline constexpr int RulerBand = 40;
inline constexpr int RulerMinimumSize = 80;
inline constexpr TColor RulerMarkRed = 0x000000FF;

// Ctrl held: a position snaps down to a multiple of 5, toward zero (137 -> 135).
int SnapToFive(int position);

// A width or height of the window as the size limits allow it: 80 up to the
// screen's extent.
int ClampRulerExtent(int extent, int screenExtent);

// The window's shape: the two bands of a window as large as the screen.
std::vector<Point> RulerRegion(int screenWidth, int screenHeight);

// One tick of a scale: every 5 pixels; 10 long every 20, 12 long and numbered
// every 100.
struct ScaleTick {
    int position;
    int length;
    bool numbered;
};
std::vector<ScaleTick> ScaleTicks(int extent);

// Draws a bare scale: the fill, the ticks on the inner edge of the band and the
// edge line along it. `horizontal`: the top band (ticks point up from its
// bottom edge), else the left band (ticks point left from its right edge).
// The bitmap has `pixelRatio` device pixels to one ruler pixel (a scaled
// screen), so it is drawn at the screen's own resolution.
void DrawScale(Bitmap24& scale, bool horizontal, TColor fill, TColor line, double pixelRatio = 1.0);

// The size of a text as drawn, or of the window.
struct Extent {
    int width = 0;
    int height = 0;
    friend bool operator==(const Extent&, const Extent&) = default;
};

// Top-left of the number of a numbered tick at `position`: on the left band it
// ends where the tick begins; on the top band it stands on the tick, `digits`
// being the height of the scale's digits.
Point ScaleNumberAt(bool horizontal, int position, Extent number, int digitsHeight);

// A mark on one ruler: the red band along the outer edge, the red lines across
// the band, and the label in its opaque box.
struct RulerMark {
    // The band covers scale positions bandFrom .. bandTo - 1, across 0 .. 4.
    int bandFrom = 0;
    int bandTo = 0;
    std::vector<int> lines;
    int length = 0;
    Point labelAt;
};

// A single mark at a scale position, from the origin.
RulerMark SingleMark(bool horizontal, int position);
// A span between the drag's anchor and a position; the label centred between
// the lines, `label` being the size of its text.
RulerMark SpanMark(bool horizontal, int anchor, int position, Extent label);

// The label of a mark from `from` to `to` (from <= to): the length followed by
// "[px]"; on a scaled screen also the length in device pixels, as the lines are
// drawn ("120[px] 240[dp]").
std::string MarkLabel(int from, int to, double pixelRatio = 1.0);

// The band and the lines of a mark, in red, over a copy of the bare scale.
void DrawMark(Bitmap24& ruler, bool horizontal, const RulerMark& mark, double pixelRatio = 1.0);

// Where the ruler commands put a mark or the window's far corner, the pointer
// being at (x, y) in the window's client coordinates.
Point CursorMarkPosition(Point pointer, int screenWidth, int screenHeight);
Extent CursorSizeExtent(Point pointer, int widthStrip, int heightStrip);

} // namespace kolvi
