#include "color/ColorPicker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <stdexcept>

namespace kolvi {
namespace {

struct RecordingListener : PickerListener {
    void CurrentColorSet(TColor color) override {
        current = color;
        ++currentSets;
    }
    void BaseColorSet(TColor color) override { base = color; }
    void FieldImageChanged() override { ++fieldImages; }
    void MarkerPlaced() override {}
    void StripImageChanged() override {}
    void SliderImageChanged() override {}
    void FieldRowRendered(int) override {
        if (onRow) {
            onRow();
        }
    }
    TColor current = 0xFFFFFFFF;
    TColor base = 0;
    int currentSets = 0;
    int fieldImages = 0;
    std::function<void()> onRow;
};

struct PickerFixture : ::testing::Test {
    RecordingListener listener;
    ColorPicker picker{listener};
    void Mode(int mode) {
        picker.SetPickerMode(static_cast<std::int16_t>(mode));
        picker.ApplyMode();
    }
};

TEST_F(PickerFixture, SetColorRGBPlacesTheMarkerAndReadsTheFieldBack) {
    struct Row {
        const char* name;
        int r, g, b;
        int baseRow, fieldX, fieldY;
        TColor current;
    };
    const Row rows[] = {
        {"worked example", 200, 100, 50, 238, 192, 55, MakeColor(200, 100, 50)},
        {"black", 0, 0, 0, 0, 0, 255, 0},
        {"grey", 128, 128, 128, 0, 0, 127, MakeColor(128, 128, 128)},
        {"pure red", 255, 0, 0, 0, 255, 0, MakeColor(255, 0, 0)},
        {"pure blue", 0, 0, 255, 84, 255, 0, MakeColor(0, 0, 255)},
        {"pure green", 0, 255, 0, 168, 255, 0, MakeColor(0, 255, 0)},
        {"white", 255, 255, 255, 0, 0, 0, MakeColor(255, 255, 255)},
        {"clamped", 300, -5, 0, 0, 255, 0, MakeColor(255, 0, 0)},
        {"yellow", 255, 255, 0, 210, 255, 0, MakeColor(255, 255, 0)},
    };
    Mode(FullColorMode);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        picker.SetColorRGB(row.r, row.g, row.b);
        EXPECT_EQ(picker.BaseRow(), row.baseRow);
        EXPECT_EQ(picker.FieldX(), row.fieldX);
        EXPECT_EQ(picker.FieldY(), row.fieldY);
        EXPECT_EQ(picker.CurrentColor(), row.current);
        EXPECT_EQ(listener.current, row.current);
        EXPECT_FALSE(picker.RenderBusy());
    }
}

TEST_F(PickerFixture, FieldPositionOfTheWorkedExample) {
    EXPECT_EQ(picker.FieldPosition(200, 100, 50), 85);
    EXPECT_EQ(picker.FieldY(), 55);
    EXPECT_EQ(picker.FieldX(), 192);
}

TEST_F(PickerFixture, QuantisedModesSnapTheCurrentColour) {
    Mode(WebSafeMode);
    picker.SetColorRGB(100, 0, 0);
    EXPECT_EQ(SplitRGB(picker.CurrentColor()).r, 102);

    // Changing the mode keeps the marker where it is and reads the new field there.
    picker.SetColorRGB(200, 100, 50);
    const int x = picker.FieldX();
    const int y = picker.FieldY();
    Mode(Colors256Mode);
    EXPECT_EQ(picker.FieldX(), x);
    EXPECT_EQ(picker.FieldY(), y);
    EXPECT_EQ(picker.CurrentColor(), PixelAt(&picker.FieldBitmap(), x, y));
}

TEST_F(PickerFixture, FieldForBaseRedMatchesTheWorkedPixel) {
    Mode(FullColorMode);
    picker.RenderField(MakeColor(255, 0, 0), false);
    const Bitmap24& field = picker.FieldBitmap();
    EXPECT_EQ(PixelAt(&field, 128, 64), MakeColor(191, 96, 96));
    EXPECT_EQ(PixelAt(&field, 255, 0), MakeColor(255, 0, 0));
    for (int i = 0; i < FieldSize; ++i) {
        EXPECT_EQ(PixelAt(&field, i, 255), 0u) << "row 255 is black at column " << i;
        const int grey = 255 - (i * 255) / 255;
        EXPECT_EQ(PixelAt(&field, 0, i), MakeColor(grey, grey, grey)) << "column 0, row " << i;
    }
    Mode(WebSafeMode);
    picker.RenderField(MakeColor(255, 0, 0), false);
    EXPECT_EQ(PixelAt(&picker.FieldBitmap(), 128, 64), MakeColor(204, 102, 102));
}

TEST_F(PickerFixture, EveryDrawnPixelUsesTheModesLevels) {
    struct Row {
        int mode;
        std::set<int> redGreen;
        std::set<int> blue;
    };
    const Row rows[] = {
        {WebSafeMode, {0, 51, 102, 153, 204, 255}, {0, 51, 102, 153, 204, 255}},
        {Colors256Mode, {0, 36, 73, 109, 146, 182, 219, 255}, {0, 85, 170, 255}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.mode);
        Mode(row.mode);
        picker.SetColorRGB(90, 200, 30);
        for (const Bitmap24* bitmap : {&picker.FieldBitmap(), &picker.StripBitmap()}) {
            for (int y = 0; y < bitmap->Height(); ++y) {
                for (int x = 0; x < bitmap->Width(); ++x) {
                    const RGB c = SplitRGB(PixelAt(bitmap, x, y));
                    ASSERT_TRUE(row.redGreen.contains(c.r) && row.redGreen.contains(c.g) &&
                                row.blue.contains(c.b))
                        << x << "," << y;
                }
            }
        }
    }
    const QuantTables webSafe = BuildQuantTables(WebSafeMode);
    EXPECT_EQ(webSafe.red[25], 0);
    EXPECT_EQ(webSafe.red[26], 51);
}

TEST_F(PickerFixture, StripRunsRoundTheColourCircle) {
    Mode(FullColorMode);
    struct Row {
        int y;
        TColor color;
    };
    const Row rows[] = {{0, MakeColor(255, 0, 0)},   {42, MakeColor(255, 0, 255)},
                        {84, MakeColor(0, 0, 255)},  {126, MakeColor(0, 255, 255)},
                        {168, MakeColor(0, 255, 0)}, {210, MakeColor(255, 255, 0)},
                        {252, MakeColor(255, 0, 0)}};
    for (const Row& row : rows) {
        for (int x = 0; x < StripWidth; ++x) {
            EXPECT_EQ(PixelAt(&picker.StripBitmap(), x, row.y), row.color) << "row " << row.y;
        }
    }
}

TEST_F(PickerFixture, MarkerRingIsBlackOnTheUpperHalfAndWhiteBelow) {
    Mode(FullColorMode);
    picker.SetColorRGB(255, 0, 0);
    for (const auto& [y, pen] : {std::pair{127, TColor{0}}, std::pair{128, TColor{0xFFFFFF}}}) {
        picker.MoveMarker(100, y);
        const std::vector<Point>& ring = picker.MarkerPixels();
        const auto onRing = [&](int px, int py) {
            return std::any_of(ring.begin(), ring.end(),
                               [&](const Point& p) { return p.x == px && p.y == py; });
        };
        EXPECT_EQ(picker.MarkerPen(), pen);
        EXPECT_EQ(ring.size(), 24u);
        EXPECT_TRUE(onRing(100, y - 4) && onRing(104, y) && onRing(102, y + 4) &&
                    onRing(97, y - 3));
        // The centre stays open so the picked pixel is visible.
        EXPECT_FALSE(onRing(100, y) || onRing(101, y) || onRing(100, y - 3));
        EXPECT_EQ(picker.CurrentColor(), PixelAt(&picker.FieldBitmap(), 100, y));
    }
}

TEST_F(PickerFixture, FieldPositionsOutsideTheImageClampToTheEdge) {
    Mode(FullColorMode);
    picker.SetColorRGB(255, 0, 0);
    picker.MoveMarker(400, -30);
    EXPECT_EQ(picker.FieldX(), 255);
    EXPECT_EQ(picker.FieldY(), 0);
    picker.SelectStripRow(999, false);
    EXPECT_EQ(picker.BaseRow(), 252);
}

TEST_F(PickerFixture, SliderPointsAtTheBaseRow) {
    Mode(FullColorMode);
    picker.SetColorRGB(0, 0, 255);
    const Bitmap24& slider = picker.SliderImage();
    const int row = picker.BaseRow();
    EXPECT_EQ(PixelAt(&slider, 0, row + 5), 0u) << "tip outlined in black";
    EXPECT_EQ(PixelAt(&slider, 7, row + 5), picker.BaseColor()) << "filled with the base colour";
    EXPECT_EQ(PixelAt(&slider, 11, row + 5), ResolveColor(clBtnFace));
    EXPECT_EQ(PixelAt(&slider, 5, row - 3), ResolveColor(clBtnFace));
}

TEST_F(PickerFixture, TheNewestRequestReplacesARunningRenderAndIsDrawnAsAFreshOneWould) {
    // Strip moves arriving between the rows of running renders, as a fast drag
    // delivers them; the last one is where the drag stopped.
    const int moves[] = {84, 120, 30, 200};
    for (const bool follow : {true, false}) {
        SCOPED_TRACE(follow ? "dragging" : "released");
        Mode(FullColorMode);
        picker.SetColorRGB(255, 0, 0);
        std::size_t next = 0;
        int rows = 0;
        listener.onRow = [&] {
            if (++rows % 60 == 0 && next < std::size(moves)) {
                picker.SelectStripRow(moves[next++], follow);
            }
        };
        listener.fieldImages = 0;
        picker.SelectStripRow(42, follow);
        listener.onRow = nullptr;
        ASSERT_EQ(next, std::size(moves));
        EXPECT_FALSE(picker.RenderBusy());
        EXPECT_EQ(listener.fieldImages, 1) << "no stale field reached the screen";

        RecordingListener freshListener;
        ColorPicker fresh{freshListener};
        fresh.ApplyMode();
        fresh.MoveMarker(picker.FieldX(), picker.FieldY());
        fresh.SelectStripRow(200, false);
        EXPECT_EQ(picker.BaseColor(), fresh.BaseColor());
        EXPECT_TRUE(
            std::equal(picker.FieldBitmap().Bytes(),
                       picker.FieldBitmap().Bytes() + FieldSize * picker.FieldBitmap().Stride(),
                       fresh.FieldBitmap().Bytes()));
        EXPECT_EQ(picker.CurrentColor(), fresh.CurrentColor());
    }
}

TEST_F(PickerFixture, RequestsDuringARenderAreDrawnWholeOnceItEnds) {
    struct Row {
        const char* name;
        std::function<void(ColorPicker&)> request;
        TColor current;
        std::set<int> levels;
    };
    const Row rows[] = {
        {"a mode switch",
         [](ColorPicker& p) {
             p.SetPickerMode(WebSafeMode);
             p.ApplyMode();
         },
         MakeColor(255, 0, 0),
         {0, 51, 102, 153, 204, 255}},
        {"a typed colour",
         [](ColorPicker& p) { p.SetColorRGB(18, 52, 86); },
         MakeColor(18, 52, 86),
         {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Mode(FullColorMode);
        picker.SetColorRGB(255, 0, 0);
        int rendered = 0;
        listener.onRow = [&] {
            if (++rendered == 50) {
                row.request(picker);
            }
        };
        picker.RenderField(MakeColor(255, 0, 0), false);
        listener.onRow = nullptr;
        EXPECT_EQ(picker.CurrentColor(), row.current);
        EXPECT_EQ(picker.CurrentColor(),
                  PixelAt(&picker.FieldBitmap(), picker.FieldX(), picker.FieldY()));
        for (int y = 0; y < FieldSize && !row.levels.empty(); ++y) {
            for (int x = 0; x < FieldSize; ++x) {
                const RGB c = SplitRGB(PixelAt(&picker.FieldBitmap(), x, y));
                ASSERT_TRUE(row.levels.contains(c.r) && row.levels.contains(c.g) &&
                            row.levels.contains(c.b))
                    << "row " << y << " kept the old mode";
            }
        }
    }
}

TEST_F(PickerFixture, AnErrorInsideARenderDoesNotBlockLaterRenders) {
    Mode(FullColorMode);
    listener.onRow = [] { throw std::runtime_error("row hook failed"); };
    EXPECT_THROW(picker.SetColorRGB(0, 0, 255), std::runtime_error);
    EXPECT_FALSE(picker.RenderBusy());
    listener.onRow = nullptr;
    picker.SetColorRGB(0, 255, 0);
    EXPECT_EQ(picker.CurrentColor(), MakeColor(0, 255, 0));
}

TEST(PixelAt, OutsideOrMissingBitmapGivesTheButtonFace) {
    Bitmap24 bitmap(4, 3);
    bitmap.SetPixel(3, 2, MakeColor(1, 2, 3));
    EXPECT_EQ(PixelAt(&bitmap, 3, 2), MakeColor(1, 2, 3));
    for (const auto& [x, y] : {std::pair{-1, 0}, {0, -1}, {4, 0}, {0, 3}}) {
        EXPECT_EQ(PixelAt(&bitmap, x, y), clBtnFace);
    }
    EXPECT_EQ(PixelAt(nullptr, 0, 0), clBtnFace);
}

TEST(SplitRGB, ResolvesSystemColoursAndReadsClNoneAsWhite) {
    ResetSystemColors();
    SetSystemColor(15, MakeColor(10, 20, 30));
    EXPECT_EQ(SplitRGB(clBtnFace), (RGB{10, 20, 30}));
    EXPECT_EQ(SplitRGB(clNone), (RGB{255, 255, 255}));
    EXPECT_EQ(SplitRGB(SystemColorFlag | 200), (RGB{0, 0, 0}));
    ResetSystemColors();
}

} // namespace
} // namespace kolvi
