#include "lists/ColorHistory.h"

#include "color/ColorCode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kolvi {
namespace {

using Lines = std::vector<std::string>;

std::string Code(int i) {
    return FormatColorCode(MakeColor(i, 0x10, 0x20));
}

TEST(ColorHistoryTest, StoresTheUpperCaseCodeTwiceNewestFirst) {
    ColorHistory history;
    EXPECT_TRUE(history.Lines().empty());
    history.AddToHistory("#ff0000");
    history.AddToHistory("#00Ff00");
    EXPECT_EQ(history.Lines(), (Lines{"#00FF00#00FF00", "#FF0000#FF0000"}));
}

TEST(ColorHistoryTest, ACopiedColourAppearsOnceAtTheFront) {
    struct Row {
        const char* name;
        std::vector<std::string> copies;
        Lines expected;
    };
    const Row rows[] = {
        {"same colour twice", {"#FF0000", "#FF0000"}, {"#FF0000#FF0000"}},
        {"same colour in the other case", {"#abcdef", "#ABCDEF"}, {"#ABCDEF#ABCDEF"}},
        {"older copy moves to the front",
         {"#FF0000", "#00FF00", "#0000FF", "#ff0000"},
         {"#FF0000#FF0000", "#0000FF#0000FF", "#00FF00#00FF00"}},
        {"newest copied again",
         {"#FF0000", "#00FF00", "#00FF00"},
         {"#00FF00#00FF00", "#FF0000#FF0000"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ColorHistory history;
        for (const std::string& code : row.copies) {
            history.AddToHistory(code);
        }
        EXPECT_EQ(history.Lines(), row.expected);
    }
}

TEST(ColorHistoryTest, KeepsTheNewestSixteen) {
    ColorHistory history;
    for (int i = 0; i < 17; ++i) {
        history.AddToHistory(Code(i));
    }
    ASSERT_EQ(history.Lines().size(), ColorHistory::Capacity);
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(history.Lines()[static_cast<std::size_t>(k)], Code(16 - k) + Code(16 - k));
    }

    // Copying a colour still held reorders a full history without losing another line.
    history.AddToHistory(Code(1));
    ASSERT_EQ(history.Lines().size(), ColorHistory::Capacity);
    EXPECT_EQ(history.Lines().front(), Code(1) + Code(1));
    EXPECT_EQ(history.Lines().back(), Code(2) + Code(2));
}

} // namespace
} // namespace kolvi
