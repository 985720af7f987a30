#pragma once

#include <QImage>
#include <QPoint>

namespace kolvi {

inline constexpr int ScreenSampleSize = 9;

// The 9 x 9 pixels around the mouse pointer, the pointer's pixel at (4, 4).
// Parts beyond the screen's edge are black, so the centre is exact in corners.
struct ScreenSample {
    QImage pixels;
    bool valid = false;
};

ScreenSample GrabAroundCursor();

} // namespace kolvi
