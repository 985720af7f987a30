#include "color/ColorCode.h"
#include "text/AsciiCase.h"

#include <gtest/gtest.h>

#include <array>
#include <iterator>
#include <string>

namespace kolvi {
namespace {

using namespace std::string_literals;

// Not reachable by any code or name, so a row that falls back is unmistakable.
constexpr TColor Fallback = 0x7F00ABCDu;

struct ParseRow {
    const char* name;
    std::string text;
    TColor expected;
};

TEST(ColorCodeTest, ParsesTheThreeNotationsAndRejectsMalformedText) {
    const TColor code123456 = MakeColor(0x12, 0x34, 0x56);
    const ParseRow rows[] = {
        {"hash, mixed case digits", "#1a2B3c", MakeColor(0x1A, 0x2B, 0x3C)},
        {"hash, trailing words ignored", "#123456 and more words", code123456},
        {"hash, trailing line break", "#123456\r\n", code123456},
        {"hash, bytes after NUL ignored", "#123456\0zz"s, code123456},
        {"plain digits", "123456", code123456},
        {"plain digits, trailing text", "123456789", code123456},
        {"value notation", "0x00563412", code123456},
        {"value notation, lower-case digits", "0x000000ff", MakeColor(0xFF, 0, 0)},
        {"value notation, trailing text", "0x00FFFFFF;", MakeColor(0xFF, 0xFF, 0xFF)},
        {"emptied combo with zeros appended", "000000", 0},
        {"partly typed code with zeros appended", "#12345000000", MakeColor(0x12, 0x34, 0x50)},
        {"hash and one digit with zeros appended", "#F000000", MakeColor(0xF0, 0, 0)},

        {"empty", "", Fallback},
        {"value without its 00", "0x563412", Fallback},
        {"upper-case X", "0X00563412", Fallback},
        {"value notation one byte short", "0x0056341", Fallback},
        {"value notation, bad digit", "0x0056341G", Fallback},
        {"hash, six characters", "#12345", Fallback},
        {"hash, five digits then line break", "#12345\n", Fallback},
        {"leading blank", " #123456", Fallback},
        {"five digits", "12345", Fallback},
        {"blank inside a pair", "#12 456", Fallback},
        {"sign inside a pair", "#+12345", Fallback},
        {"minus inside a pair", "#-1-1-1", Fallback},
        {"x inside a pair", "#x1x1x1", Fallback},
        {"dollar inside a pair", "#$1$1$1", Fallback},
        {"letter beyond F", "#1G3456", Fallback},
        {"letter beyond F, no prefix", "12345G", Fallback},
        {"NUL inside a pair",
         "#12\0"
         "456"s,
         Fallback},
        {"high bytes", "\xFF\xFE\xFD\xFC\xFB\xFA\xF9", Fallback},
        {"Shift-JIS text", "\x83\x4A\x83\x89\x81\x5B", Fallback},
        {"hash alone", "#", Fallback},
        {"double hash", "##123456", Fallback},
    };
    for (const ParseRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ParseColorCode(row.text, Fallback), row.expected);
    }
}

TEST(ColorCodeTest, ReadsColourNamesOnlyAsTheWholeText) {
    const ParseRow rows[] = {
        {"all upper case", "CLRED", MakeColor(0xFF, 0, 0)},
        {"all lower case", "clbtnface", clBtnFace},
        {"none", "clNone", clNone},
        {"digit in the name", "CL3dDkShadow", SystemColorFlag | 21},
        {"leading blank", " clRed", Fallback},
        {"trailing line break", "clRed\n", Fallback},
        {"zeros appended while typing", "clRed000000", Fallback},
        {"one letter more", "clRedd", Fallback},
        {"one letter less", "clRe", Fallback},
        {"prefix alone", "cl", Fallback},
        {"with a hash", "#clRed", Fallback},
        {"NUL after the name", "clRed\0"s, Fallback},
        // 0x13 | 0x20 is '3': a case fold by bit trick would accept it.
        {"control byte folding onto a digit",
         "cl\x13"
         "DLight",
         Fallback},
        // 0xC1 with its top bit dropped is 'A': bytes above ASCII never fold.
        {"high byte in place of a letter", "cl\xC1qua", Fallback},
    };
    for (const ParseRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ParseColorCode(row.text, Fallback), row.expected);
    }
}

TEST(ColorCodeTest, KnowsEveryColourName) {
    struct NameRow {
        const char* name;
        TColor value;
    };
    const NameRow plain[] = {
        {"clBlack", MakeColor(0x00, 0x00, 0x00)},
        {"clMaroon", MakeColor(0x80, 0x00, 0x00)},
        {"clGreen", MakeColor(0x00, 0x80, 0x00)},
        {"clOlive", MakeColor(0x80, 0x80, 0x00)},
        {"clNavy", MakeColor(0x00, 0x00, 0x80)},
        {"clPurple", MakeColor(0x80, 0x00, 0x80)},
        {"clTeal", MakeColor(0x00, 0x80, 0x80)},
        {"clGray", MakeColor(0x80, 0x80, 0x80)},
        {"clSilver", MakeColor(0xC0, 0xC0, 0xC0)},
        {"clRed", MakeColor(0xFF, 0x00, 0x00)},
        {"clLime", MakeColor(0x00, 0xFF, 0x00)},
        {"clYellow", MakeColor(0xFF, 0xFF, 0x00)},
        {"clBlue", MakeColor(0x00, 0x00, 0xFF)},
        {"clFuchsia", MakeColor(0xFF, 0x00, 0xFF)},
        {"clAqua", MakeColor(0x00, 0xFF, 0xFF)},
        {"clWhite", MakeColor(0xFF, 0xFF, 0xFF)},
        {"clNone", clNone},
    };
    const char* const system[] = {
        "clScrollBar",    "clBackground",  "clActiveCaption", "clInactiveCaption",
        "clMenu",         "clWindow",      "clWindowFrame",   "clMenuText",
        "clWindowText",   "clCaptionText", "clActiveBorder",  "clInactiveBorder",
        "clAppWorkSpace", "clHighlight",   "clHighlightText", "clBtnFace",
        "clBtnShadow",    "clGrayText",    "clBtnText",       "clInactiveCaptionText",
        "clBtnHighlight", "cl3DDkShadow",  "cl3DLight",       "clInfoText",
        "clInfoBk",
    };
    static_assert(std::size(plain) + std::size(system) == 42);
    auto check = [](const std::string& name, TColor value) {
        SCOPED_TRACE(name);
        EXPECT_EQ(ParseColorCode(name, Fallback), value);
        EXPECT_EQ(ParseColorCode(UpperCaseAscii(name), Fallback), value);
        EXPECT_EQ(ParseColorCode(LowerCaseAscii(name), Fallback), value);
    };
    for (const NameRow& row : plain) {
        check(row.name, row.value);
    }
    for (unsigned index = 0; index < std::size(system); ++index) {
        check(system[index], SystemColorFlag | index);
    }
}

TEST(ColorCodeTest, SystemColourNamesResolveThroughTheTableWhenFormatted) {
    ResetSystemColors();
    const TColor face = ParseColorCode("clBtnFace", Fallback);
    EXPECT_EQ(face, clBtnFace);
    EXPECT_EQ(FormatColorCode(face), "#ECE9D8");

    SetSystemColor(15, MakeColor(0x01, 0x02, 0x03));
    EXPECT_EQ(FormatColorCode(face), "#010203");
    const std::array<std::string, 3> expected = {"#010203", "010203", "0x00030201"};
    EXPECT_EQ(ColorCodeEntries(face), expected);
    ResetSystemColors();

    // clNone carries no flag: it formats as the white its low bytes spell.
    EXPECT_EQ(FormatColorCode(ParseColorCode("clNone", Fallback)), "#FFFFFF");
    // An index past the table resolves to black rather than reading beyond it.
    EXPECT_EQ(FormatColorCode(SystemColorFlag | 0xFF), "#000000");
}

TEST(ColorCodeTest, EntriesFollowTheThreeNotations) {
    struct EntryRow {
        const char* name;
        TColor color;
        std::array<std::string, 3> upper;
        std::array<std::string, 3> lower;
    };
    const EntryRow rows[] = {
        {"pure red",
         MakeColor(0xFF, 0, 0),
         {"#FF0000", "FF0000", "0x000000FF"},
         {"#ff0000", "ff0000", "0x000000ff"}},
        {"distinct components",
         MakeColor(0x12, 0x34, 0x56),
         {"#123456", "123456", "0x00563412"},
         {"#123456", "123456", "0x00563412"}},
        {"letters in every place",
         MakeColor(0xAB, 0xCD, 0xEF),
         {"#ABCDEF", "ABCDEF", "0x00EFCDAB"},
         {"#abcdef", "abcdef", "0x00efcdab"}},
    };
    for (const EntryRow& row : rows) {
        SCOPED_TRACE(row.name);
        const auto entries = ColorCodeEntries(row.color);
        EXPECT_EQ(entries, row.upper);
        EXPECT_EQ(FormatColorCode(row.color), row.upper[0]);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(LowerCaseAscii(entries[i]), row.lower[i]);
        }
    }
}

TEST(ColorCodeTest, EveryEntryParsesBackToItsColour) {
    // A stride prime to 2^24 walks colours with every digit in every position.
    for (TColor color = 0; color <= 0xFFFFFFu; color += 40'961u) {
        for (const TColor probe : {color, 0xFFFFFFu - color}) {
            SCOPED_TRACE(FormatColorCode(probe));
            ASSERT_EQ(ParseColorCode(FormatColorCode(probe), Fallback), probe);
            for (const std::string& entry : ColorCodeEntries(probe)) {
                ASSERT_EQ(ParseColorCode(entry, Fallback), probe) << entry;
                ASSERT_EQ(ParseColorCode(LowerCaseAscii(entry), Fallback), probe) << entry;
            }
        }
    }
}

TEST(ColorCodeTest, CaseHelpersTouchOnlyAsciiLetters) {
    const std::string mixed = "#aB\x83\x41z\xC1\xE1@[`{"s;
    EXPECT_EQ(LowerCaseAscii(mixed), "#ab\x83\x61z\xC1\xE1@[`{"s);
    EXPECT_EQ(UpperCaseAscii(mixed), "#AB\x83\x41Z\xC1\xE1@[`{"s);
    EXPECT_TRUE(SameTextAscii("#ff00Aa", "#FF00aA"));
    EXPECT_FALSE(SameTextAscii("@", "`"));
    EXPECT_FALSE(SameTextAscii("\xC1", "\xE1"));
    EXPECT_FALSE(SameTextAscii("ab", "abc"));
}

TEST(ColorCodeTest, HugeClipboardTextParsesLikeItsStart) {
    const std::string tail(4u << 20, 'x');
    EXPECT_EQ(ParseColorCode("#123456" + tail, Fallback), MakeColor(0x12, 0x34, 0x56));
    EXPECT_EQ(ParseColorCode("0x00563412" + tail, Fallback), MakeColor(0x12, 0x34, 0x56));
    EXPECT_EQ(ParseColorCode("clRed" + tail, Fallback), Fallback);
    EXPECT_EQ(ParseColorCode(tail, Fallback), Fallback);
}

} // namespace
} // namespace kolvi
