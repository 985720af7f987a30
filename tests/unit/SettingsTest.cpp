#include "shell/Settings.h"
#include "shell/ActionTable.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace kolvi {
namespace {

std::string ReadData(const char* name) {
    std::ifstream file(std::string(KOLVI_TEST_DATA_DIR) + "/settings/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// The state before loading: what the designed window and actions hold.
Settings Designed() {
    Settings s;
    for (const auto specs : {MainActionSpecs(), RulerActionSpecs()}) {
        for (const ActionSpec& spec : specs) {
            s.shortcuts.push_back({spec.name, spec.shortcut});
        }
    }
    return s;
}

Settings Load(const std::string& bytes) {
    return LoadSettings(IniFile::Parse(bytes), Designed(), 417, 330);
}

std::uint16_t ShortcutOf(const Settings& s, std::string_view action) {
    for (const ShortcutSetting& shortcut : s.shortcuts) {
        if (shortcut.action == action) {
            return shortcut.shortcut;
        }
    }
    ADD_FAILURE() << "no action " << action;
    return 0;
}

TEST(Settings, AFirstRunWritesEveryKeyInOrderWithTheDefaults) {
    ResetSystemColors();
    SetSystemColor(5, MakeColor(255, 255, 255));
    SetSystemColor(8, MakeColor(0, 0, 0));
    const Settings loaded = Load("");
    EXPECT_EQ(loaded.rulerX, 189);
    EXPECT_EQ(loaded.rulerY, 113);
    EXPECT_EQ(loaded.colorStr, 0x000000FFu);
    IniFile file;
    SaveSettings(loaded, file);
    EXPECT_EQ(file.Serialize(), ReadData("first-run.ini"));
    ResetSystemColors();
}

TEST(Settings, OddEntriesGiveDefaultsClampsAndFallbacks) {
    const Settings s = Load(ReadData("odd-entries.ini"));
    struct Row {
        const char* name;
        long long actual;
        long long expected;
    };
    const Row rows[] = {
        {"x found as X despite 'x = 250'", s.x, 300},
        {"y in hexadecimal", s.y, 0x20},
        {"Mode 7 clamped", s.mode, 2},
        {"OutMode -1 clamped", s.outMode, 0},
        {"lowercase as hexadecimal 1", s.lowercase, true},
        {"Mutex off", s.mutex, false},
        {"unparsable ColorStr gives red", s.colorStr, 0x000000FF},
        {"colour name", s.fontColor, 0x000000FF},
        {"other notation", s.bgColor, 0x00FF0000},
        {"ruler X defaults to x as read", s.rulerX, 300},
        {"ruler W defaults to the designed width", s.rulerW, 417},
        {"shortcut 0 removes it", ShortcutOf(s, "ActionEditReverse"), 0},
        {"shortcut in hexadecimal", ShortcutOf(s, "ActionEditColorCopy"), 0x4043},
        {"shortcut keeps 16 bits", ShortcutOf(s, "ActionRulerClear"), 123456 & 0xFFFF},
        {"missing shortcut keeps the default", ShortcutOf(s, "ActionEditColorPaste"), 24662},
        {"missing boolean keeps the default", s.task, true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.actual, row.expected) << row.name;
    }
    EXPECT_EQ(s.fontName, " DejaVu Sans Mono") << "values are never trimmed";
}

TEST(Settings, SavingKeepsUnknownEntriesAndRewritesTheRestInPlace) {
    IniFile file = IniFile::Parse(ReadData("odd-entries.ini"));
    Settings s = LoadSettings(file, Designed(), 417, 330);
    s.x = 111;
    s.lowercase = true;
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
    EXPECT_EQ(LoadSettings(IniFile::Parse(written), Designed(), 417, 330), s);
}

} // namespace
} // namespace kolvi
