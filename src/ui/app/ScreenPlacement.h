#pragma once

#include <QPoint>
#include <QSize>

namespace kolvi {

// A stored window position on the screens there are now: kept when the window
// can be reached there, else moved onto the nearest screen.
QPoint ReachableOnTheScreens(QPoint stored, QSize outerSize);

} // namespace kolvi
