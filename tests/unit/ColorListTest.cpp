#include "lists/ColorList.h"
#include "lists/ColorLines.h"
#include "text/AnsiText.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace kolvi {
namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

std::string ReadData(const char* name) {
    std::ifstream file(std::string(KOLVI_TEST_DATA_DIR) + "/lists/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

Lines Load(std::string bytes) {
    return ColorLines::FromFileText(std::move(bytes)).Strings();
}

std::string Written(const Lines& lines) {
    return ColorLines::FromLines(lines).FileText();
}

TEST(ColorList, TheEdgeCaseFileLoadsAsTwoEntriesAndIsWrittenBackAsDescribed) {
    const Lines lines = Load(ReadData("edge-cases.dat"));
    ASSERT_EQ(lines, (Lines{"#FF0000red", "#12345Gbad"}));
    EXPECT_EQ(ColorListLineColor(lines[0]), MakeColor(255, 0, 0));
    EXPECT_EQ(ColorListLineName(lines[0]), "red");
    EXPECT_EQ(ColorListLineColor(lines[1]), clWindow) << "bad digits show in the window colour";
    EXPECT_EQ(ColorListLineName(lines[1]), "bad");
    EXPECT_EQ(Written(lines), ReadData("edge-cases.written.dat"));
    EXPECT_EQ(Written({}), "") << "no favourites: an empty file";
    EXPECT_EQ(ColorListLineColor("#00FF00 name with #FF0000 in it"), MakeColor(0, 255, 0));
}

TEST(ColorList, EveryLineEndAndAZeroByte) {
    const Lines expected = {"#000001one", "#000002two"};
    for (const std::string& text :
         {"#000001one\r\n#000002two\r\n"s, "#000001one\n#000002two"s, "#000001one\r#000002two\r"s,
          "#000001one\r\n\n\r#000002two"s, "#000001one\r\n#000002two\0#000003three\r\n"s}) {
        SCOPED_TRACE(testing::PrintToString(text));
        EXPECT_EQ(Load(text), expected);
    }
    EXPECT_TRUE(Load("\0#000001one"s).empty());
    EXPECT_TRUE(Load("").empty());
}

TEST(ColorList, NamesInAnyCodePageComeBackByteForByte) {
    const std::string shiftJis = "#FF8000\x83\x49\x83\x8c\x83\x93\x83\x57"; // オレンジ in CP932
    const std::string utf8 = "#FF8000オレンジ";
    const Lines lines = Load(Written({shiftJis, utf8}));
    EXPECT_EQ(lines, (Lines{shiftJis, utf8}));
    EXPECT_EQ(AnsiToUtf8(ColorListLineName(lines[0])), "オレンジ");
    EXPECT_EQ(AnsiToUtf8(ColorListLineName(lines[1])), "オレンジ");
    // A line of 7 bytes and a double-byte name of one character (8 bytes + 1).
    EXPECT_EQ(Load("#123456\r\n#123456\x82\xa0\r\n"), (Lines{"#123456\x82\xa0"}));
}

TEST(ColorList, EditsKeepEveryOtherLineAndSurviveThePackingOfTheBuffer) {
    ColorLines lines = ColorLines::FromFileText("#000001one\r\n#000002two\r\n#000003three\r\n");
    lines.Insert(1, "#0000AAadded");
    lines.Set(0, "#0000BBedited");
    lines.Swap(2, 3);
    lines.Remove(1);
    EXPECT_EQ(lines.Strings(), (Lines{"#0000BBedited", "#000003three", "#000002two"}));
    // Many edits of one row leave dead bytes behind until the buffer is packed.
    const std::string longName(1000, 'x');
    for (int i = 0; i < 100; ++i) {
        lines.Set(1, "#00000" + std::to_string(i % 10) + longName);
    }
    EXPECT_EQ(lines.FileText(), "#0000BBedited\r\n#000009" + longName + "\r\n#000002two\r\n");
}

TEST(ColorList, FolderEntriesAndTheirAccelerators) {
    std::vector<FolderEntry> entries = {{"b.DAT", false},     {"c.dat", true}, {"A.dat", false},
                                        {"notes.txt", false}, {".dat", false}, {"a.dat", false}};
    for (int i = 0; i < 40; ++i) {
        entries.push_back(
            {"list" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".dat", false});
    }
    const std::vector<std::string> names = ColorListFileNames(entries);
    ASSERT_EQ(names.size(), 44u);
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 4),
              (std::vector<std::string>{".dat", "A.dat", "a.dat", "b.DAT"}))
        << "ignoring case; a folder named c.dat is no list";
    EXPECT_EQ(ColorListTitle("/p/Colors/b.DAT"), "b");
    EXPECT_EQ(ColorListTitle("web.colors.dat"), "web.colors");

    const std::vector<std::pair<int, std::string>> accels = {
        {0, "&0 "}, {9, "&9 "}, {10, "&a "}, {35, "&z "}, {36, "&36 "}, {39, "&39 "}};
    for (const auto& [index, accel] : accels) {
        EXPECT_EQ(ColorListAccel(index), accel) << index;
    }
}

} // namespace
} // namespace kolvi
