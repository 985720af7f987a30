#include "shell/Settings.h"
#include "shell/ActionTable.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace kolvi {
namespace {

std::string ReadData(const char* name) {
    std::ifstream file(std::string(KOLVI_TEST_DATA_DIR) + "/settings/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

SettingValues Load(const std::string& bytes) {
    return LoadSettings(IniFile::Parse(bytes));
}

TEST(Settings, AFirstRunWritesEveryKeyInOrderWithTheDefaults) {
    ResetSystemColors();
    SetSystemColor(5, MakeColor(255, 255, 255));
    SetSystemColor(8, MakeColor(0, 0, 0));
    const SettingValues loaded = Load("");
    EXPECT_EQ(loaded.Get<std::int32_t>("RulerRect.Left"), 189);
    EXPECT_EQ(loaded.Get<std::int32_t>("RulerRect.Top"), 113);
    EXPECT_EQ(loaded.Get<TColor>("CurrentColor"), 0x000000FFu);
    IniFile file;
    SaveSettings(loaded, file);
    EXPECT_EQ(file.Serialize(), ReadData("first-run.ini"));
    ResetSystemColors();
}

TEST(Settings, OddEntriesGiveDefaultsClampsAndFallbacks) {
    const SettingValues s = Load(ReadData("odd-entries.ini"));
    const auto integer = [&](const char* target) -> long long {
        return s.Get<std::int32_t>(target);
    };
    const auto check = [&](const char* action) -> long long { return s.Get<bool>(action); };
    const auto shortcut = [&](std::string action) -> long long {
        return s.Get<std::uint16_t>(action + ".ShortCut");
    };
    const auto colour = [&](const char* target) -> long long { return s.Get<TColor>(target); };
    struct Row {
        const char* name;
        long long actual;
        long long expected;
    };
    const Row rows[] = {
        {"x found as X despite 'x = 250'", integer("Form1.Left"), 300},
        {"y in hexadecimal", integer("Form1.Top"), 0x20},
        {"Mode 7 clamped", integer("PickerMode"), 2},
        {"OutMode -1 clamped", integer("OutMode"), 0},
        {"lowercase as hexadecimal 1", check("ActionOptionLowerCase"), true},
        {"Mutex off", check("ActionOptionMutex"), false},
        {"unparsable ColorStr gives red", colour("CurrentColor"), 0x000000FF},
        {"colour name", colour("TestFontColor"), 0x000000FF},
        {"other notation", colour("TestBackColor"), 0x00FF0000},
        {"ruler X defaults to x as read", integer("RulerRect.Left"), 300},
        {"ruler W defaults to the designed width", integer("RulerRect.Width"), 417},
        {"shortcut 0 removes it", shortcut("ActionEditReverse"), 0},
        {"shortcut in hexadecimal", shortcut("ActionEditColorCopy"), 0x4043},
        {"shortcut keeps 16 bits", shortcut("ActionRulerClear"), 123456 & 0xFFFF},
        {"missing shortcut keeps the default", shortcut("ActionEditColorPaste"), 24662},
        {"missing boolean keeps the default", check("ActionOptionMinimizeHide"), true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.actual, row.expected) << row.name;
    }
    EXPECT_EQ(s.Get<std::string>("ComboBoxMainColor.FontName"), " DejaVu Sans Mono")
        << "values are never trimmed";
}

TEST(Settings, SavingKeepsUnknownEntriesAndRewritesTheRestInPlace) {
    IniFile file = IniFile::Parse(ReadData("odd-entries.ini"));
    SettingValues s = LoadSettings(file);
    s.Set("Form1.Left", std::int32_t{111});
    s.Set("ActionOptionLowerCase", true);
    SaveSettings(s, file);
    const std::string written = file.Serialize();
    EXPECT_EQ(written.find("; written by hand"), std::string::npos);
    EXPECT_EQ(written.find("stray="), std::string::npos);
    EXPECT_NE(written.find("[position]\r\nx = 250\r\nx=111\r\ny=32\r\nMode=2\r\n"),
              std::string::npos)
        << written;
    EXPECT_NE(written.find("[Extra]\r\nkept=yes\r\n"), std::string::npos);
    EXPECT_NE(written.find("ColorStr=#FF0000\r\n"), std::string::npos);
    EXPECT_NE(written.find("FontColor=#FF0000\r\nBGColor=#0000FF\r\n"), std::string::npos);
    // Sections missing from the file come after all others.
    EXPECT_LT(written.find("[Action]"), written.find("[Ruler]"));
    EXPECT_EQ(LoadSettings(IniFile::Parse(written)), s);
}

TEST(Settings, EveryKeyHasOneTargetAndADefaultOfItsType) {
    std::set<std::string> targets;
    for (const SettingKey& key : SettingsKeys()) {
        SCOPED_TRACE(key.name);
        EXPECT_TRUE(targets.insert(key.target).second) << "one key per target";
        const std::size_t expected = static_cast<std::size_t>(key.type);
        const std::size_t held = key.defaultValue.index();
        // The variant's alternatives follow the order of the types.
        EXPECT_EQ(held, expected);
        if (!key.defaultTarget.empty()) {
            EXPECT_TRUE(targets.contains(key.defaultTarget)) << "defaults to a key read before";
        }
    }
    EXPECT_EQ(SettingsKeys().size(), 20u + MainActionSpecs().size() + RulerActionSpecs().size());
}

} // namespace
} // namespace kolvi
