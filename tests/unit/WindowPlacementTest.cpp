#include "shell/WindowPlacement.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace kolvi {
namespace {

TEST(WindowPlacement, AReachablePositionStaysAndAnUnreachableOneComesToTheNearestScreen) {
    // Two monitors side by side; the left one has a 24-pixel panel at its top.
    const std::vector<Screen> screens = {
        {{0, 0, 1280, 1024}, {0, 24, 1280, 1000}},
        {{1280, 0, 1920, 1080}, {1280, 0, 1920, 1080}},
    };
    constexpr int w = 417;
    constexpr int h = 330;
    constexpr int far = std::numeric_limits<int>::max();
    struct Row {
        const char* name;
        WindowPosition stored;
        WindowPosition expected;
    };
    const Row rows[] = {
        {"designed position", {189, 113}, {189, 113}},
        {"top edge on the panel's screen line", {10, 0}, {10, 0}},
        {"mostly off the right monitor, a grip left", {3160, 500}, {3160, 500}},
        {"across both monitors", {1100, 300}, {1100, 300}},
        {"off the right edge of both", {3300, 500}, {3200 - w, 500}},
        {"above the top: the title bar is out of reach", {300, -10}, {300, 24}},
        {"too low for the title bar", {300, 1070}, {300, 1024 - h}},
        {"only a sliver of title bar", {3170, 500}, {3200 - w, 500}},
        {"a monitor that was unplugged (far left)", {-2000, 200}, {0, 200}},
        {"far out in every direction", {far, far}, {3200 - w, 1080 - h}},
        {"far out the other way", {-far - 1, -far - 1}, {0, 24}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ReachablePosition(row.stored, w, h, screens), row.expected);
    }
}

TEST(WindowPlacement, AWindowLargerThanTheScreenShowsItsTopLeftCorner) {
    const std::vector<Screen> small = {{{0, 0, 320, 240}, {0, 0, 320, 240}}};
    EXPECT_EQ(ReachablePosition({500, 500}, 417, 330, small), (WindowPosition{0, 0}));
    EXPECT_EQ(ReachablePosition({5, 5}, 417, 330, {}), (WindowPosition{5, 5}))
        << "without screens nothing is moved";
}

} // namespace
} // namespace kolvi
