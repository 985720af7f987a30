#include "ShortcutKeys.h"

#include "platform/UnshiftedKey.h"

#include <QKeyEvent>

#include <array>

namespace kolvi {

namespace {

struct KeyPair {
    int qtKey;
    int virtualKey;
};

// Keys with a fixed virtual-key code; letters, digits and F-keys are ranges.
constexpr std::array<KeyPair, 32> NamedKeys = {{
    {Qt::Key_Backspace, 0x08},    {Qt::Key_Tab, 0x09},       {Qt::Key_Return, 0x0D},
    {Qt::Key_Enter, 0x0D},        {Qt::Key_Pause, 0x13},     {Qt::Key_Escape, 0x1B},
    {Qt::Key_Space, 0x20},        {Qt::Key_PageUp, 0x21},    {Qt::Key_PageDown, 0x22},
    {Qt::Key_End, 0x23},          {Qt::Key_Home, 0x24},      {Qt::Key_Left, 0x25},
    {Qt::Key_Up, 0x26},           {Qt::Key_Right, 0x27},     {Qt::Key_Down, 0x28},
    {Qt::Key_Insert, 0x2D},       {Qt::Key_Delete, 0x2E},    {Qt::Key_Semicolon, 0xBA},
    {Qt::Key_Equal, 0xBB},        {Qt::Key_Comma, 0xBC},     {Qt::Key_Minus, 0xBD},
    {Qt::Key_Period, 0xBE},       {Qt::Key_Slash, 0xBF},     {Qt::Key_BracketLeft, 0xDB},
    {Qt::Key_BracketRight, 0xDD}, {Qt::Key_Backslash, 0xDC}, {Qt::Key_Apostrophe, 0xDE},
    {Qt::Key_QuoteLeft, 0xC0},    {Qt::Key_Colon, 0xE1},     {Qt::Key_At, 0xE3},
    {Qt::Key_AsciiCircum, 0xE4},  {Qt::Key_yen, 0xE6},
}};

// The keypad's digits and operators (with Num Lock on); with it off the keypad
// sends the navigation keys, which map as the keys of that name.
constexpr std::array<KeyPair, 15> KeypadKeys = {{
    {Qt::Key_0, 0x60},
    {Qt::Key_1, 0x61},
    {Qt::Key_2, 0x62},
    {Qt::Key_3, 0x63},
    {Qt::Key_4, 0x64},
    {Qt::Key_5, 0x65},
    {Qt::Key_6, 0x66},
    {Qt::Key_7, 0x67},
    {Qt::Key_8, 0x68},
    {Qt::Key_9, 0x69},
    {Qt::Key_Asterisk, 0x6A},
    {Qt::Key_Plus, 0x6B},
    {Qt::Key_Minus, 0x6D},
    {Qt::Key_Period, 0x6E},
    {Qt::Key_Slash, 0x6F},
}};

int KeypadVirtualKey(int key) {
    // Some layouts put a comma on the keypad's decimal key.
    if (key == Qt::Key_Comma) {
        key = Qt::Key_Period;
    }
    for (const KeyPair& pair : KeypadKeys) {
        if (pair.qtKey == key) {
            return pair.virtualKey;
        }
    }
    return 0;
}

int VirtualKeyFromQtKey(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return 0x41 + (key - Qt::Key_A);
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return 0x30 + (key - Qt::Key_0);
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return 0x70 + (key - Qt::Key_F1);
    }
    if (key == Qt::Key_Backtab) {
        return 0x09;
    }
    for (const KeyPair& pair : NamedKeys) {
        if (pair.qtKey == key) {
            return pair.virtualKey;
        }
    }
    return 0;
}

int PlainQtKeyFromVirtualKey(int virtualKey) {
    if (virtualKey >= 0x41 && virtualKey <= 0x5A) {
        return Qt::Key_A + (virtualKey - 0x41);
    }
    if (virtualKey >= 0x30 && virtualKey <= 0x39) {
        return Qt::Key_0 + (virtualKey - 0x30);
    }
    if (virtualKey >= 0x70 && virtualKey <= 0x87) {
        return Qt::Key_F1 + (virtualKey - 0x70);
    }
    for (const KeyPair& pair : NamedKeys) {
        if (pair.virtualKey == virtualKey) {
            return pair.qtKey;
        }
    }
    return 0;
}

QKeyCombination QtKeyFromVirtualKey(int virtualKey) {
    for (const KeyPair& pair : KeypadKeys) {
        if (pair.virtualKey == virtualKey) {
            return QKeyCombination(Qt::KeypadModifier, static_cast<Qt::Key>(pair.qtKey));
        }
    }
    return QKeyCombination(static_cast<Qt::Key>(PlainQtKeyFromVirtualKey(virtualKey)));
}

} // namespace

std::uint16_t ShortcutFromKeyCombination(QKeyCombination combination) {
    const int key = combination.key();
    const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    const int keypadKey = modifiers & Qt::KeypadModifier ? KeypadVirtualKey(key) : 0;
    const int virtualKey = keypadKey != 0 ? keypadKey : VirtualKeyFromQtKey(key);
    if (virtualKey == 0) {
        return 0;
    }
    std::uint16_t code = static_cast<std::uint16_t>(virtualKey);
    if (modifiers & Qt::ShiftModifier) {
        code |= ShortcutShift;
    }
    if (modifiers & Qt::ControlModifier) {
        code |= ShortcutCtrl;
    }
    if (modifiers & Qt::AltModifier) {
        code |= ShortcutAlt;
    }
    return code;
}

std::uint16_t ShortcutFromKeyEvent(const QKeyEvent& event) {
    // With Shift the event names the shifted symbol ("!" for Shift+1, "'" for
    // Shift+7 on a Japanese keyboard); the shortcut is the key itself.
    int key = event.key();
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    // Only printable symbols other than letters change with Shift; asking the
    // layout for anything else would cost a round trip per key for nothing.
    const bool shiftedSymbol = key > 0x20 && key < 0x7F && !(key >= Qt::Key_A && key <= Qt::Key_Z);
    if (shiftedSymbol && !keypad && (event.modifiers() & Qt::ShiftModifier)) {
        if (const int plain = UnshiftedKey(event); plain != 0) {
            key = plain;
        }
    }
    Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers & Qt::GroupSwitchModifier) {
        return 0; // AltGr types symbols; it is no modifier of a shortcut
    }
    if (event.key() == Qt::Key_Backtab) {
        modifiers |= Qt::ShiftModifier;
    }
    return ShortcutFromKeyCombination(QKeyCombination(modifiers, static_cast<Qt::Key>(key)));
}

QKeySequence KeySequenceFromShortcut(std::uint16_t code) {
    const QKeyCombination key = QtKeyFromVirtualKey(code & ShortcutKeyMask);
    if (key.key() == Qt::Key(0)) {
        return {};
    }
    Qt::KeyboardModifiers modifiers = key.keyboardModifiers();
    if (code & ShortcutShift) {
        modifiers |= Qt::ShiftModifier;
    }
    if (code & ShortcutCtrl) {
        modifiers |= Qt::ControlModifier;
    }
    if (code & ShortcutAlt) {
        modifiers |= Qt::AltModifier;
    }
    return QKeySequence(QKeyCombination(modifiers, key.key()));
}

} // namespace kolvi
