#include "shell/IniFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kolvi {
namespace {

using namespace std::string_literals;

std::string ReadData(const std::string& name) {
    const std::string path = std::string(KOLVI_TEST_DATA_DIR) + "/ini/" + name;
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << "cannot open " << path;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// edge-cases.ini mixes CR LF, lone CR, lone LF and LF CR, has a comment and an
// entry before the first section, blanks around "=", a lower-case section
// name, a repeated section, lines without "=", "[a]b", a lone "[", "[]" and
// no line end after its last line.
class IniFileEdgeCases : public ::testing::Test {
  protected:
    IniFile ini = IniFile::Parse(ReadData("edge-cases.ini"));
};

TEST_F(IniFileEdgeCases, LookupFollowsTheFileRules) {
    struct Row {
        const char* name;
        std::string section;
        std::string key;
        std::optional<std::string> value; // nullopt: the fallback is returned
    };
    const std::vector<Row> rows = {
        {"lower-case section and upper-case key found", "Position", "x", "5"},
        {"blanks around = belong to key and value", "Position", "y", std::nullopt},
        {"key keeps its trailing blank", "Position", "y ", " 250"},
        {"entry ended by a lone CR", "Position", "Mode", "1"},
        {"repeated section header continues the section", "Position", "extra", "kept"},
        {"entry before the first section is dropped", "Position", "orphan", std::nullopt},
        {"comment line is no entry", "Position", "; inside a section", std::nullopt},
        {"value keeps its leading blank", "OPTIONS", "fontname", " IPAGothic"},
        {"entry after LF CR", "Options", "ColorStr", "#00FF00"},
        {"value is everything after the first =", "Unknown Section", "Path", "C:\\a=b;c"},
        {"lookup key containing = never matches", "Unknown Section", "Path=C:\\a", std::nullopt},
        {"line without = has no key", "Unknown Section", "bare line", std::nullopt},
        {"[a]b is a line of the section, not a section", "Unknown Section", "[a]b", std::nullopt},
        {"no section a exists", "a", "b", std::nullopt},
        {"lone [ is a line of the section", "Unknown Section", "[", std::nullopt},
        {"empty key", "Unknown Section", "", "empty key"},
        {"[] is a section with an empty name", "", "inside", "empty name"},
        {"missing section", "Ruler", "X", std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ini.ReadString(row.section, row.key, "<fallback>"),
                  row.value.value_or("<fallback>"));
    }
}

// What the program does at close: replace in place, append to the section,
// append new sections after all others; comments and orphan lines are gone,
// unknown sections stay, every line ends with CR LF.
TEST_F(IniFileEdgeCases, RewriteMatchesGoldenFile) {
    EXPECT_TRUE(ini.WriteInteger("Position", "x", 189));
    EXPECT_TRUE(ini.WriteInteger("Position", "y", 113));
    EXPECT_TRUE(ini.WriteInteger("Position", "Mode", 2));
    EXPECT_TRUE(ini.WriteBool("Options", "visible", false));
    EXPECT_TRUE(ini.WriteString("Options", "FontName", "Terminal"));
    EXPECT_TRUE(ini.WriteInteger("Ruler", "W", -12));
    EXPECT_TRUE(ini.WriteBool("Ruler", "StayOnTop", true));
    EXPECT_TRUE(ini.WriteInteger("Action", "ActionEditColorCopy", 24643));

    const std::string expected = ReadData("edge-cases.rewritten.ini");
    const std::string written = ini.Serialize();
    EXPECT_EQ(written, expected);
    EXPECT_EQ(IniFile::Parse(written).Serialize(), written);
    EXPECT_EQ(IniFile::Parse(written).ReadInteger("position", "Y", 0), 113);
}

TEST(IniFile, EveryKindOfLineEndSplitsLines) {
    const std::string expected = "[s]\r\nk=v\r\nj=w\r\n\r\n";
    const std::vector<std::string> inputs = {
        "[s]\r\nk=v\r\nj=w\r\n", "[s]\nk=v\nj=w\n",     "[s]\rk=v\rj=w\r",
        "[s]\n\rk=v\n\rj=w",     "[s]\r\r\nk=v\n\nj=w", "[s]\rk=v\r\nj=w\n",
    };
    for (const std::string& input : inputs) {
        SCOPED_TRACE(testing::PrintToString(input));
        EXPECT_EQ(IniFile::Parse(input).Serialize(), expected);
    }
}

TEST(IniFile, ALeadingByteOrderMarkHidesNoSection) {
    const IniFile ini = IniFile::Parse("\xEF\xBB\xBF[Position]\r\nx=5\r\n");
    EXPECT_EQ(ini.ReadInteger("Position", "x", 0), 5);
    EXPECT_EQ(ini.Serialize(), "[Position]\r\nx=5\r\n\r\n");
    // Only a mark at the very start is one; elsewhere the bytes are text.
    EXPECT_EQ(IniFile::Parse("[s]\r\n\xEF\xBB\xBFk=v").ReadString("s", "\xEF\xBB\xBFk", ""), "v");
}

TEST(IniFile, EmptyModelWritesNothingUntilAKeyIsWritten) {
    IniFile ini = IniFile::Parse("");
    EXPECT_EQ(ini.Serialize(), "");
    EXPECT_EQ(IniFile::Parse("no section\r\n;comment\r\n").Serialize(), "");
    ini.WriteString("Options", "FontName", "Terminal");
    EXPECT_EQ(ini.Serialize(), "[Options]\r\nFontName=Terminal\r\n\r\n");
}

TEST(IniFile, IntegerAndBooleanForms) {
    struct Row {
        std::string text;
        std::optional<std::int32_t> value; // nullopt: not an integer
    };
    const std::vector<Row> rows = {
        {"250", 250},
        {" 250", 250},
        {"-5", -5},
        {"+7", 7},
        {"0x1F", 31},
        {"$ff", 255},
        {"X10", 16},
        {"0XFFFFFFFF", -1},
        {"0", 0},
        {"-0", 0},
        {"", std::nullopt},
        {"250 ", std::nullopt},
        {"\t1", std::nullopt},
        {"abc", std::nullopt},
        {"1.5", std::nullopt},
        {"2147483648", std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.text));
        const IniFile ini = IniFile::Parse("[S]\r\nk=" + row.text);
        EXPECT_EQ(ini.ReadInteger("S", "k", 42), row.value.value_or(42));
        for (const bool fallback : {false, true}) {
            EXPECT_EQ(ini.ReadBool("S", "k", fallback),
                      row.value.has_value() ? *row.value != 0 : fallback);
        }
    }
    const IniFile missing = IniFile::Parse("[S]\r\nother=1\r\n");
    EXPECT_EQ(missing.ReadInteger("S", "k", 42), 42);
    EXPECT_TRUE(missing.ReadBool("S", "k", true));
    EXPECT_FALSE(missing.ReadBool("S", "k", false));
}

TEST(IniFile, WrittenIntegersAndBooleansReadBack) {
    IniFile ini;
    for (const std::int32_t value : {0, -1, 24643, std::numeric_limits<std::int32_t>::min(),
                                     std::numeric_limits<std::int32_t>::max()}) {
        SCOPED_TRACE(value);
        ASSERT_TRUE(ini.WriteInteger("S", "n", value));
        EXPECT_EQ(IniFile::Parse(ini.Serialize()).ReadInteger("S", "n", 42), value);
        EXPECT_EQ(ini.ReadString("S", "n", ""), std::to_string(value));
    }
    ini.WriteBool("S", "b", true);
    EXPECT_EQ(ini.ReadString("S", "b", ""), "1");
    ini.WriteBool("S", "b", false);
    EXPECT_EQ(ini.ReadString("S", "b", ""), "0");
    EXPECT_EQ(ini.Serialize(), "[S]\r\nn=2147483647\r\nb=0\r\n\r\n");
}

// A write either reads back exactly, also after a trip through the file, or
// is refused and leaves the model alone: nothing may plant a comment, a
// section or a second line.
TEST(IniFile, WritesThatWouldNotReadBackAreRefused) {
    struct Row {
        const char* name;
        std::string section;
        std::string key;
        std::string value;
        bool accepted;
    };
    const std::vector<Row> rows = {
        {"plain", "S", "k", "v", true},
        {"blanks kept", " S ", " k ", " v ", true},
        {"= in value", "S", "k", "a=b", true},
        {"empty key and value", "S", "", "", true},
        {"[ key with plain value", "S", "[k", "v", true},
        {"] value with plain key", "S", "k", "v]", true},
        {"section name with brackets", "a]b[", "k", "v", true},
        {"NUL and high bytes", "S\0\xff"s, "k\0"s, "\x83\x41\0\xfe"s, true},
        {"CR LF in value", "S", "k", "v\r\n[Evil]\r\nx=1", false},
        {"lone LF in value", "S", "k", "v\n", false},
        {"lone CR in key", "S", "k\r", "v", false},
        {"LF in section", "S\n[T]", "k", "v", false},
        {"= in key", "S", "a=b", "v", false},
        {"key read as a comment", "S", ";k", "v", false},
        {"line read as a section header", "S", "[k", "v]", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        IniFile ini = IniFile::Parse("[S]\r\nk=old\r\n");
        const std::string before = ini.Serialize();
        EXPECT_EQ(ini.WriteString(row.section, row.key, row.value), row.accepted);
        if (row.accepted) {
            EXPECT_EQ(ini.ReadString(row.section, row.key, "<fallback>"), row.value);
            const IniFile reread = IniFile::Parse(ini.Serialize());
            EXPECT_EQ(reread.ReadString(row.section, row.key, "<fallback>"), row.value);
            EXPECT_EQ(reread.Serialize(), ini.Serialize());
        } else {
            EXPECT_EQ(ini.Serialize(), before);
        }
    }
}

TEST(IniFile, WritingReplacesTheFirstEntryOfAKeyInPlace) {
    IniFile ini = IniFile::Parse("[s]\r\na=1\r\nK=2\r\nbare\r\nk=3\r\n[t]\r\nk=4\r\n");
    EXPECT_EQ(ini.ReadString("S", "k", ""), "2");
    ini.WriteString("S", "k", "5");
    ini.WriteString("S", "BARE", "6");
    ini.WriteString("S", "new", "7");
    ini.WriteString("T", "k", "8");
    // A line without "=" hides nothing and is kept: BARE is a new entry.
    EXPECT_EQ(ini.Serialize(), "[s]\r\na=1\r\nk=5\r\nbare\r\nk=3\r\nBARE=6\r\nnew=7\r\n\r\n"
                               "[t]\r\nk=8\r\n\r\n");
}

TEST(IniFile, ArbitraryBytesSurviveARoundTrip) {
    const std::string bigValue(std::size_t{1} << 16, '\x80');
    const std::string input = "[\x83\x76\x83\x8d]\nk\0ey=v\0al\xff\r\n"s
                              "[Big]\r"
                              "key=" +
                              bigValue;
    const IniFile ini = IniFile::Parse(input);
    EXPECT_EQ(ini.ReadString("\x83\x76\x83\x8d", "K\0EY"s, ""), "v\0al\xff"s);
    EXPECT_EQ(ini.ReadString("big", "KEY", ""), bigValue);
    EXPECT_EQ(ini.Serialize(), "[\x83\x76\x83\x8d]\r\nk\0ey=v\0al\xff\r\n\r\n"s
                               "[Big]\r\nkey=" +
                                   bigValue + "\r\n\r\n");
}

// Lookups and writes go through an index: a quadratic search would make these
// shapes take minutes instead of a fraction of a second.
TEST(IniFile, LargeFilesLoadAndLookUpByIndex) {
    constexpr int count = 100000;
    std::vector<std::string> numbers;
    std::string oneSection = "[S]\r\n";
    std::string manySections;
    for (int i = 0; i < count; ++i) {
        const std::string& n = numbers.emplace_back(std::to_string(i));
        oneSection += "Key" + n + "=" + n + "\r\n";
        manySections += "[Section" + n + "]\r\nk=" + n + "\r\n\r\n";
    }
    IniFile wide = IniFile::Parse(oneSection);
    IniFile tall = IniFile::Parse(manySections);
    int mismatches = 0;
    for (int i = 0; i < count; ++i) {
        const std::string& n = numbers[static_cast<std::size_t>(i)];
        mismatches += wide.ReadInteger("s", "KEY" + n, -1) != i;
        mismatches += tall.ReadInteger("SECTION" + n, "K", -1) != i;
        wide.WriteInteger("S", "key" + n, -i);
        wide.WriteInteger("S", "new" + n, i);
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(wide.ReadInteger("S", "key99999", 0), -99999);
    EXPECT_EQ(wide.ReadInteger("S", "new99999", 0), 99999);
    EXPECT_TRUE(tall.Serialize() == manySections); // too big for a printed diff
}

} // namespace
} // namespace kolvi
