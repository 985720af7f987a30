#include "WindowPlacement.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace kolvi {

namespace {

constexpr int TitleBarHeight = 20;
constexpr int GripWidth = 40;

bool TitleBarReachable(WindowPosition at, int width, const ScreenRect& screen) {
    const std::int64_t left = std::max<std::int64_t>(at.x, screen.x);
    const std::int64_t right =
        std::min<std::int64_t>(std::int64_t{at.x} + width, std::int64_t{screen.x} + screen.width);
    return at.y >= screen.y &&
           std::int64_t{at.y} + TitleBarHeight <= std::int64_t{screen.y} + screen.height &&
           right - left >= std::min(width, GripWidth);
}

// Squared distance between the window and the screen (0 when they overlap); in
// floating point, as far-out positions would overflow any integer square.
double DistanceSquared(WindowPosition at, int width, int height, const ScreenRect& screen) {
    const auto gap = [](std::int64_t start, std::int64_t length, std::int64_t otherStart,
                        std::int64_t otherLength) {
        return std::max<std::int64_t>(
            {0, otherStart - (start + length), start - (otherStart + otherLength)});
    };
    const auto dx = static_cast<double>(gap(at.x, width, screen.x, screen.width));
    const auto dy = static_cast<double>(gap(at.y, height, screen.y, screen.height));
    return dx * dx + dy * dy;
}

int ClampInto(int position, int length, int start, int span) {
    // Larger than the screen: its top-left corner shows, with the title bar.
    const std::int64_t last = std::int64_t{start} + span - length;
    return static_cast<int>(
        std::clamp<std::int64_t>(position, start, std::max<std::int64_t>(start, last)));
}

} // namespace

WindowPosition ReachablePosition(WindowPosition stored, int width, int height,
                                 const std::vector<Screen>& screens) {
    for (const Screen& screen : screens) {
        if (TitleBarReachable(stored, width, screen.geometry)) {
            return stored;
        }
    }
    return MoveOntoNearestScreen(stored, width, height, screens);
}

WindowPosition MoveOntoNearestScreen(WindowPosition stored, int width, int height,
                                     const std::vector<Screen>& screens) {
    const Screen* nearest = nullptr;
    double nearestDistance = std::numeric_limits<double>::infinity();
    for (const Screen& screen : screens) {
        const double distance = DistanceSquared(stored, width, height, screen.geometry);
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest = &screen;
        }
    }
    if (nearest == nullptr) {
        return stored; // no screen known: nothing to measure against
    }
    const ScreenRect& target = nearest->available;
    return {ClampInto(stored.x, width, target.x, target.width),
            ClampInto(stored.y, height, target.y, target.height)};
}

} // namespace kolvi
