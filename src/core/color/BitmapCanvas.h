#pragma once

#include "Bitmap24.h"

#include <span>
#include <vector>

namespace kolvi {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Lines join consecutive points; like a desktop canvas, each segment leaves out
// its last pixel, so a closed polyline draws every corner exactly once.
std::vector<Point> PolylinePixels(std::span<const Point> points);
void DrawPolyline(Bitmap24& bitmap, std::span<const Point> points, TColor rgb);

// Fills the pixels whose centres lie inside a convex polygon (edges included).
void FillConvexPolygon(Bitmap24& bitmap, std::span<const Point> corners, TColor rgb);

} // namespace kolvi
