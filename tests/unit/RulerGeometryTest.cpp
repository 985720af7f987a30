#include "ruler/RulerGeometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace kolvi {
namespace {

TEST(RulerGeometry, SnappingAndSizeLimits) {
    for (const auto& [in, out] : std::vector<std::pair<int, int>>{
             {0, 0}, {4, 0}, {5, 5}, {9, 5}, {137, 135}, {-3, 0}, {-7, -5}}) {
        EXPECT_EQ(SnapToFive(in), out) << in;
    }
    struct Row {
        int extent, screen, expected;
    };
    for (const Row& row : {Row{150 - 100, 1024, 80}, Row{79, 1024, 80}, Row{500, 1024, 500},
                           Row{2000, 1024, 1024}, Row{50, 60, 80}}) {
        EXPECT_EQ(ClampRulerExtent(row.extent, row.screen), row.expected) << row.extent;
    }
}

TEST(RulerGeometry, TicksEveryFiveLongerEveryTwentyNumberedEveryHundred) {
    const std::vector<ScaleTick> ticks = ScaleTicks(205);
    ASSERT_EQ(ticks.size(), 41u); // 0, 5, ..., 200
    const auto at = [&](int p) { return ticks[static_cast<std::size_t>(p / 5)]; };
    EXPECT_TRUE(at(0).numbered && at(0).length == 12);
    EXPECT_TRUE(!at(5).numbered && at(5).length == 5);
    EXPECT_TRUE(!at(20).numbered && at(20).length == 10);
    EXPECT_TRUE(!at(60).numbered && at(60).length == 10);
    EXPECT_TRUE(at(100).numbered && at(100).length == 12);
    EXPECT_TRUE(at(200).numbered);
    EXPECT_TRUE(ScaleTicks(0).empty());
}

TEST(RulerGeometry, BareScalesTicksMeetTheEdgeLine) {
    constexpr TColor fill = 0xE1FFFF;
    constexpr TColor line = 0x000000;
    Bitmap24 top(300, RulerBand);
    DrawScale(top, true, fill, line);
    EXPECT_EQ(PixelAt(&top, 150, 39), line) << "edge line along the inner edge";
    EXPECT_EQ(PixelAt(&top, 100, 28), line) << "12-pixel tick at 100";
    EXPECT_EQ(PixelAt(&top, 100, 27), fill);
    EXPECT_EQ(PixelAt(&top, 40, 30), line) << "10-pixel tick at 40";
    EXPECT_EQ(PixelAt(&top, 40, 29), fill);
    EXPECT_EQ(PixelAt(&top, 45, 35), line) << "5-pixel tick at 45";
    EXPECT_EQ(PixelAt(&top, 45, 34), fill);
    EXPECT_EQ(PixelAt(&top, 46, 38), fill) << "nothing between the ticks";

    Bitmap24 left(RulerBand, 300);
    DrawScale(left, false, fill, line);
    EXPECT_EQ(PixelAt(&left, 39, 150), line);
    EXPECT_EQ(PixelAt(&left, 28, 200), line);
    EXPECT_EQ(PixelAt(&left, 27, 200), fill);
    EXPECT_EQ(PixelAt(&left, 34, 5), fill);
    EXPECT_EQ(PixelAt(&left, 35, 5), line);
}

TEST(RulerGeometry, NumbersSitAgainstTheirTicks) {
    EXPECT_EQ(ScaleNumberAt(true, 300, {21, 13}, 13), (Point{300, 15}));
    EXPECT_EQ(ScaleNumberAt(false, 300, {21, 13}, 13), (Point{7, 300}));
}

TEST(RulerGeometry, SingleAndSpanMarks) {
    struct Row {
        const char* name;
        bool horizontal;
        bool span;
        int anchor, position;
        Extent label;
        int bandFrom, bandTo, length;
        std::vector<int> lines;
        Point labelAt;
    };
    const Row rows[] = {
        {"single on the top ruler", true, false, 0, 120, {}, 0, 120, 120, {120}, {121, 7}},
        {"single on the left ruler", false, false, 0, 64, {}, 0, 64, 64, {64}, {7, 65}},
        {"single at the origin", true, false, 0, 0, {}, 0, 0, 0, {0}, {1, 7}},
        {"span to the right", true, true, 100, 160, {40, 13}, 100, 160, 60, {100, 160}, {110, 5}},
        {"span to the left", true, true, 160, 100, {40, 13}, 100, 160, 60, {160, 100}, {110, 5}},
        {"zero span", true, true, 50, 50, {30, 13}, 50, 50, 0, {50, 50}, {35, 5}},
        {"span on the left ruler centres by height",
         false,
         true,
         10,
         31,
         {40, 13},
         10,
         31,
         21,
         {10, 31},
         {5, 14}},
        {"beyond the visible end", true, false, 0, 5000, {}, 0, 5000, 5000, {5000}, {5001, 7}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const RulerMark mark = row.span
                                   ? SpanMark(row.horizontal, row.anchor, row.position, row.label)
                                   : SingleMark(row.horizontal, row.position);
        EXPECT_EQ(mark.bandFrom, row.bandFrom);
        EXPECT_EQ(mark.bandTo, row.bandTo);
        EXPECT_EQ(mark.length, row.length);
        EXPECT_EQ(mark.lines, row.lines);
        EXPECT_EQ(mark.labelAt, row.labelAt);
    }
    EXPECT_EQ(MarkLabel(0, 120), "120[px]");
    EXPECT_EQ(MarkLabel(50, 50), "0[px]");
}

TEST(RulerGeometry, AMarkIsARedBandOnTheOuterEdgeAndRedLinesAcross) {
    Bitmap24 top(300, RulerBand);
    top.Fill(0xFFFFFF);
    DrawMark(top, true, SpanMark(true, 50, 80, {20, 13}));
    EXPECT_EQ(PixelAt(&top, 50, 39), RulerMarkRed) << "line at the anchor, full depth";
    EXPECT_EQ(PixelAt(&top, 80, 20), RulerMarkRed) << "line at the position";
    EXPECT_EQ(PixelAt(&top, 60, 4), RulerMarkRed) << "band rows 0-4";
    EXPECT_EQ(PixelAt(&top, 60, 5), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(&top, 49, 0), 0xFFFFFFu) << "nothing before the span";
    Bitmap24 left(RulerBand, 300);
    left.Fill(0xFFFFFF);
    DrawMark(left, false, SingleMark(false, 200));
    EXPECT_EQ(PixelAt(&left, 4, 0), RulerMarkRed);
    EXPECT_EQ(PixelAt(&left, 5, 100), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(&left, 39, 200), RulerMarkRed);
    DrawMark(left, false, SingleMark(false, 9000)); // beyond the image: clipped, no fault
}

TEST(RulerGeometry, OnAScaledScreenTheScaleIsDrawnInDevicePixels) {
    constexpr TColor fill = 0xE1FFFF;
    constexpr TColor line = 0x000000;
    Bitmap24 top(600, 2 * RulerBand);
    DrawScale(top, true, fill, line, 2.0);
    // The tick at 100 is 2 device pixels wide and 24 long; the edge line 2 high.
    EXPECT_EQ(PixelAt(&top, 200, 56), line);
    EXPECT_EQ(PixelAt(&top, 201, 56), line);
    EXPECT_EQ(PixelAt(&top, 202, 56), fill);
    EXPECT_EQ(PixelAt(&top, 200, 55), fill);
    EXPECT_EQ(PixelAt(&top, 152, 78), line);
    EXPECT_EQ(PixelAt(&top, 152, 77), fill);
    DrawMark(top, true, SingleMark(true, 120), 2.0);
    EXPECT_EQ(PixelAt(&top, 240, 40), RulerMarkRed);
    EXPECT_EQ(PixelAt(&top, 241, 40), RulerMarkRed);
    EXPECT_NE(PixelAt(&top, 242, 40), RulerMarkRed);
    EXPECT_EQ(PixelAt(&top, 10, 9), RulerMarkRed) << "the band is 10 device pixels deep";
    EXPECT_NE(PixelAt(&top, 10, 10), RulerMarkRed);

    EXPECT_EQ(MarkLabel(0, 120, 1.0), "120[px]");
    EXPECT_EQ(MarkLabel(0, 120, 2.0), "120[px] 240[dp]");
    // At 1.5 the lines fall on whole device pixels: the label counts those.
    EXPECT_EQ(MarkLabel(0, 121, 1.5), "121[px] 181[dp]");
    EXPECT_EQ(MarkLabel(2, 3, 1.5), "1[px] 1[dp]");
}

TEST(RulerGeometry, CursorCommandsFormulas) {
    struct Row {
        Point pointer;
        Point mark;
        Extent size;
    };
    const Row rows[] = {
        {{10, 10}, {0, 0}, {75, 35}},              // corner square: 0 on both, 80 x 80 once clamped
        {{-300, 500}, {0, 460}, {-235, 525}},      // left of the window
        {{5000, 5000}, {1024, 768}, {5065, 5025}}, // far out: at most the screen
        {{140, 90}, {100, 50}, {205, 115}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CursorMarkPosition(row.pointer, 1024, 768), row.mark);
        EXPECT_EQ(CursorSizeExtent(row.pointer, 10, 10), row.size);
    }
}

} // namespace
} // namespace kolvi
