#include "UnshiftedKey.h"

#include "platform/PlatformConfig.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include <array>

#if KOLVI_HAVE_X11 && QT_CONFIG(xcb)
#include <X11/XKBlib.h>
#endif

namespace kolvi {

namespace {

struct ShiftedPair {
    int shifted;
    int plain;
};

// The symbols of Shift with the digits and punctuation keys of a US keyboard.
constexpr std::array<ShiftedPair, 21> UsShiftedKeys = {{
    {Qt::Key_Exclam, Qt::Key_1},
    {Qt::Key_At, Qt::Key_2},
    {Qt::Key_NumberSign, Qt::Key_3},
    {Qt::Key_Dollar, Qt::Key_4},
    {Qt::Key_Percent, Qt::Key_5},
    {Qt::Key_AsciiCircum, Qt::Key_6},
    {Qt::Key_Ampersand, Qt::Key_7},
    {Qt::Key_Asterisk, Qt::Key_8},
    {Qt::Key_ParenLeft, Qt::Key_9},
    {Qt::Key_ParenRight, Qt::Key_0},
    {Qt::Key_Underscore, Qt::Key_Minus},
    {Qt::Key_Plus, Qt::Key_Equal},
    {Qt::Key_BraceLeft, Qt::Key_BracketLeft},
    {Qt::Key_BraceRight, Qt::Key_BracketRight},
    {Qt::Key_Colon, Qt::Key_Semicolon},
    {Qt::Key_QuoteDbl, Qt::Key_Apostrophe},
    {Qt::Key_Less, Qt::Key_Comma},
    {Qt::Key_Greater, Qt::Key_Period},
    {Qt::Key_Question, Qt::Key_Slash},
    {Qt::Key_Bar, Qt::Key_Backslash},
    {Qt::Key_AsciiTilde, Qt::Key_QuoteLeft},
}};

int UsUnshiftedKey(int key) {
    for (const ShiftedPair& pair : UsShiftedKeys) {
        if (pair.shifted == key) {
            return pair.plain;
        }
    }
    return 0;
}

#if KOLVI_HAVE_X11 && QT_CONFIG(xcb)
int LayoutUnshiftedKey(const QKeyEvent& event) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->display() == nullptr || event.nativeScanCode() == 0 ||
        event.nativeScanCode() > 255) {
        return 0;
    }
    // Asked afresh: Xlib's own copy of the keymap is not told when the layout
    // is loaded anew, as Qt reads the events.
    XkbDescPtr keyboard =
        XkbGetMap(x11->display(), XkbKeyTypesMask | XkbKeySymsMask, XkbUseCoreKbd);
    if (keyboard == nullptr) {
        return 0;
    }
    const auto keycode = static_cast<KeyCode>(event.nativeScanCode());
    KeySym symbol = NoSymbol;
    if (keycode >= keyboard->min_key_code && keycode <= keyboard->max_key_code) {
        // The group (layout) in use is part of the key's state.
        const int groups = XkbKeyNumGroups(keyboard, keycode);
        int group = static_cast<int>((event.nativeModifiers() >> 13) & 3);
        if (group >= groups) {
            group = 0;
        }
        if (groups > 0) {
            symbol = XkbKeySymEntry(keyboard, keycode, 0, group);
        }
    }
    XkbFreeKeyboard(keyboard, 0, True);
    // Printable ASCII keysyms are their characters; Qt keys of letters are upper case.
    if (symbol < 0x21 || symbol > 0x7E) {
        return 0;
    }
    return symbol >= 'a' && symbol <= 'z' ? static_cast<int>(symbol - 'a' + 'A')
                                          : static_cast<int>(symbol);
}
#else
int LayoutUnshiftedKey(const QKeyEvent&) {
    return 0;
}
#endif

} // namespace

int UnshiftedKey(const QKeyEvent& event) {
    if (const int key = LayoutUnshiftedKey(event); key != 0) {
        return key;
    }
    return UsUnshiftedKey(event.key());
}

} // namespace kolvi
