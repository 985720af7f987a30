#include "BitmapCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace kolvi {

namespace {

void TraceLineWithoutEnd(Point from, Point to, std::vector<Point>& pixels) {
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int stepX = from.x < to.x ? 1 : -1;
    const int stepY = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    Point p = from;
    while (p.x != to.x || p.y != to.y) {
        pixels.push_back(p);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            p.y += stepY;
        }
    }
}

} // namespace

std::vector<Point> PolylinePixels(std::span<const Point> points) {
    std::vector<Point> pixels;
    for (std::size_t i = 1; i < points.size(); ++i) {
        TraceLineWithoutEnd(points[i - 1], points[i], pixels);
    }
    return pixels;
}

void DrawPolyline(Bitmap24& bitmap, std::span<const Point> points, TColor rgb) {
    for (const Point& p : PolylinePixels(points)) {
        bitmap.SetPixel(p.x, p.y, rgb);
    }
}

void FillConvexPolygon(Bitmap24& bitmap, std::span<const Point> corners, TColor rgb) {
    if (corners.size() < 3) {
        return;
    }
    int top = std::numeric_limits<int>::max();
    int bottom = std::numeric_limits<int>::min();
    for (const Point& p : corners) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    top = std::max(top, 0);
    bottom = std::min(bottom, bitmap.Height() - 1);
    for (int y = top; y <= bottom; ++y) {
        // Crossings of this row with the edges, in exact fractions, widened to whole pixels.
        double left = std::numeric_limits<double>::max();
        double right = std::numeric_limits<double>::lowest();
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const Point a = corners[i];
            const Point b = corners[(i + 1) % corners.size()];
            if ((y < a.y && y < b.y) || (y > a.y && y > b.y)) {
                continue;
            }
            if (a.y == b.y) {
                left = std::min({left, double(a.x), double(b.x)});
                right = std::max({right, double(a.x), double(b.x)});
                continue;
            }
            const double x = a.x + double(b.x - a.x) * (y - a.y) / double(b.y - a.y);
            left = std::min(left, x);
            right = std::max(right, x);
        }
        for (int x = static_cast<int>(std::ceil(left - 1e-9));
             x <= static_cast<int>(std::floor(right + 1e-9)); ++x) {
            bitmap.SetPixel(x, y, rgb);
        }
    }
}

} // namespace kolvi
