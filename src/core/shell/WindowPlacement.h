#pragma once

#include <vector>

namespace kolvi {

struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

struct Screen {
    ScreenRect geometry;
    // Without panels and task bars: where a window is put when it must move.
    ScreenRect available;
};

struct WindowPosition {
    int x = 0;
    int y = 0;
    friend bool operator==(const WindowPosition&, const WindowPosition&) = default;
};

// A stored window position is kept exactly as long as the window's title bar
// can be reached on some screen: a strip as high as a title bar along its top
// edge, inside one screen and at least a grip wide. Otherwise (a monitor
// unplugged, a hand-edited file) the window is moved by the least distance
// that puts it whole on the nearest screen, or at its top-left corner when it
// is larger than that screen.
WindowPosition ReachablePosition(WindowPosition stored, int width, int height,
                                 const std::vector<Screen>& screens);

// The least move that puts a window whole on the nearest screen (its top-left
// corner when it is larger than that screen).
WindowPosition MoveOntoNearestScreen(WindowPosition stored, int width, int height,
                                     const std::vector<Screen>& screens);

} // namespace kolvi
