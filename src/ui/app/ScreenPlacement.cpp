#include "ScreenPlacement.h"

#include "shell/WindowPlacement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

namespace kolvi {

QPoint ReachableOnTheScreens(QPoint stored, QSize outerSize, QSize grip) {
    std::vector<Screen> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect all = screen->geometry();
        const QRect free = screen->availableGeometry();
        screens.push_back({{all.x(), all.y(), all.width(), all.height()},
                           {free.x(), free.y(), free.width(), free.height()}});
    }
    const WindowPosition from{stored.x(), stored.y()};
    const QSize reached = grip.isEmpty() ? outerSize : grip;
    if (ReachablePosition(from, reached.width(), reached.height(), screens) == from) {
        return stored;
    }
    const WindowPosition at =
        MoveOntoNearestScreen(from, outerSize.width(), outerSize.height(), screens);
    return {at.x, at.y};
}

} // namespace kolvi
