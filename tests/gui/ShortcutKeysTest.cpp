#include "shortcuts/ShortcutKeys.h"
#include "shortcuts/ShortcutMenuStyle.h"

#include <QApplication>

#include <QKeyEvent>

#include <gtest/gtest.h>

#include <cstdint>

namespace kolvi {
namespace {

struct KeyCase {
    int key;
    Qt::KeyboardModifiers modifiers;
    std::uint16_t code;
};

// Without X the unshifted key comes from a US layout's shifted symbols.
TEST(ShortcutKeys, KeyPressesAsTheCodesTheyStoreAs) {
    const KeyCase cases[] = {
        {Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier, 0x6043},
        {Qt::Key_Exclam, Qt::ShiftModifier, 0x2031},                     // Shift+1
        {Qt::Key_Plus, Qt::ShiftModifier | Qt::ControlModifier, 0x60BB}, // Shift+=
        {Qt::Key_F24, Qt::AltModifier, 0x8087},
        {Qt::Key_Backtab, Qt::ShiftModifier, 0x2009},
        // The keypad's own keys with Num Lock on; its navigation keys with it off.
        {Qt::Key_5, Qt::KeypadModifier, 0x65},
        {Qt::Key_Plus, Qt::KeypadModifier | Qt::ControlModifier, 0x406B},
        {Qt::Key_Comma, Qt::KeypadModifier, 0x6E},
        {Qt::Key_Home, Qt::KeypadModifier, 0x24},
        {Qt::Key_Enter, Qt::KeypadModifier, 0x0D},
        // Keys of a Japanese keyboard without a US twin: codes of their own.
        {Qt::Key_Colon, Qt::ControlModifier, 0x40E1},
        {Qt::Key_Semicolon, Qt::ControlModifier, 0x40BA},
        {Qt::Key_At, Qt::NoModifier, 0xE3},
        {Qt::Key_AsciiCircum, Qt::NoModifier, 0xE4},
        // No code: modifiers alone, AltGr and what it types.
        {Qt::Key_Control, Qt::ControlModifier, 0},
        {Qt::Key_Shift, Qt::ShiftModifier, 0},
        {Qt::Key_AltGr, Qt::GroupSwitchModifier, 0},
        {Qt::Key_At, Qt::GroupSwitchModifier, 0},
    };
    for (const KeyCase& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers);
        EXPECT_EQ(ShortcutFromKeyEvent(event), c.code) << std::hex << c.key;
    }
}

TEST(ShortcutKeys, MenusShowTheKeyACodeNames) {
    EXPECT_EQ(KeySequenceFromShortcut(0x6043),
              QKeySequence(Qt::ShiftModifier | Qt::ControlModifier | Qt::Key_C));
    EXPECT_EQ(KeySequenceFromShortcut(0x65), QKeySequence(Qt::KeypadModifier | Qt::Key_5));
    EXPECT_TRUE(KeySequenceFromShortcut(0).isEmpty());
    EXPECT_TRUE(KeySequenceFromShortcut(0x4000).isEmpty());
}

TEST(ShortcutKeys, MenuItemsNameTheirKeysAsTheDialogDoes) {
    const std::pair<QString, QString> items[] = {
        {"色のコピー(&C)\tCtrl+Shift+C", "色のコピー(&C)\tShift+Ctrl+C"},
        {"x\tAlt+F4", "x\tAlt+F4"},
        {"x\tNum+5", "x\tNum 5"},
        {"x\tDel", "x\tDel"},
        {"no key", "no key"},
        {"x\tCtrl+K, Ctrl+L", "x\tCtrl+K, Ctrl+L"}, // not one of kolvi's
    };
    for (const auto& [shown, rewritten] : items) {
        EXPECT_EQ(WithShortcutText(shown), rewritten) << shown.toStdString();
    }
    EXPECT_NE(qobject_cast<ShortcutMenuStyle*>(QApplication::style()), nullptr)
        << "the application draws its menus through it";
}

} // namespace
} // namespace kolvi
