#include "shortcuts/ShortcutCode.h"
#include "shell/ActionTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kolvi {
namespace {

TEST(ShortcutCode, EveryNamedKeyWithEveryModifierRoundTrips) {
    for (const VirtualKeyName& named : VirtualKeyNames) {
        if (named.name.empty()) {
            continue;
        }
        for (const int modifiers : {0, 0x2000, 0x4000, 0x8000, 0x6000, 0xE000}) {
            const auto code = static_cast<std::uint16_t>(modifiers | named.key);
            const std::string text = ShortcutToText(code);
            EXPECT_EQ(TextToShortcut(text), code) << text;
        }
    }
}

TEST(ShortcutCode, DefaultsRoundTripAndKeepTheCodesStoredSettingsHold) {
    for (const auto specs : {MainActionSpecs(), RulerActionSpecs(), OptionActionSpecs()}) {
        for (const ActionSpec& spec : specs) {
            EXPECT_EQ(TextToShortcut(ShortcutToText(spec.shortcut)), spec.shortcut) << spec.name;
        }
    }
    // Codes as settings files of earlier runs carry them.
    EXPECT_EQ(MainActionSpecs()[1].shortcut, 24643);   // Shift+Ctrl+C
    EXPECT_EQ(MainActionSpecs()[6].shortcut, 32883);   // Alt+F4
    EXPECT_EQ(RulerActionSpecs()[13].shortcut, 16422); // Ctrl+Up
}

TEST(ShortcutCode, TextToCode) {
    const std::vector<std::pair<std::string, std::uint16_t>> cases = {
        {"Shift+Ctrl+C", 0x6043},
        {"ctrl+SHIFT+c", 0x6043},
        {"Shift+1", 0x2031},
        {"Alt+F4", 0x8073},
        {"F24", 0x87},
        {"Num 5", 0x65},
        {"Alt+Num +", 0x806B},
        {"Shift+Num -", 0x206D},
        {"Ctrl+=", 0x40BB},
        {"Shift+\\", 0x20DC},
        {"Ctrl+:", 0x40E1},
        {"¥", 0xE6},
        {"Esc", 0x1B},
        {"PgDn", 0x22},
        // Malformed: no key, a key twice, a modifier twice, spaces, unknown names.
        {"", 0},
        {"Ctrl+", 0},
        {"Ctrl", 0},
        {"Ctrl+Ctrl+C", 0},
        {"Shift+Shift+A", 0},
        {"C+D", 0},
        {" C", 0},
        {"C ", 0},
        {"Shift+F25", 0},
        {"+", 0},
        {"Ctrl++", 0},
        {"Num", 0},
        {"Num 10", 0},
        {std::string("C\0", 2), 0},
    };
    for (const auto& [text, code] : cases) {
        EXPECT_EQ(TextToShortcut(text), code) << '"' << text << '"';
    }
}

TEST(ShortcutCode, CodeToText) {
    const std::vector<std::pair<std::uint16_t, std::string>> cases = {
        {0, ""},
        {0x6043, "Shift+Ctrl+C"},
        {0xE041, "Shift+Ctrl+Alt+A"},
        {0x2031, "Shift+1"},
        {0x60, "Num 0"},
        {0x6F, "Num /"},
        {0xE3, "@"},
        {0x2000, ""},
        {0x6C, ""},
        {0xFF, ""},
    };
    for (const auto& [code, text] : cases) {
        EXPECT_EQ(ShortcutToText(code), text) << code;
    }
}

} // namespace
} // namespace kolvi
