#pragma once

#include <QPoint>
#include <QSize>

namespace kolvi {

// A stored window position on the screens there are now: kept when the window
// can be reached there (by its title bar, or by the `grip` at its top-left
// corner when given), else moved whole onto the nearest screen.
QPoint ReachableOnTheScreens(QPoint stored, QSize outerSize, QSize grip = {});

} // namespace kolvi
