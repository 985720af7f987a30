#pragma once

#include "text/AsciiCase.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kolvi {

// A stored shortcut: the low byte is the key's virtual-key code, the high bits
// the modifiers; 0 is no shortcut.
inline constexpr std::uint16_t ShortcutShift = 0x2000;
inline constexpr std::uint16_t ShortcutCtrl = 0x4000;
inline constexpr std::uint16_t ShortcutAlt = 0x8000;
inline constexpr std::uint16_t ShortcutKeyMask = 0x00FF;

// The virtual keys of the modifiers themselves: alone they make no shortcut.
inline constexpr int VirtualKeyShift = 0x10;
inline constexpr int VirtualKeyControl = 0x11;
inline constexpr int VirtualKeyAlt = 0x12;

struct VirtualKeyName {
    std::uint8_t key;
    std::string_view name;
};

// Every key a shortcut can name, with the name its text uses (UTF-8).
inline constexpr auto VirtualKeyNames = [] {
    std::array<VirtualKeyName, 16 + 10 + 26 + 16 + 24 + 11 + 4> names{};
    std::size_t i = 0;
    for (const VirtualKeyName named : {
             VirtualKeyName{0x08, "BkSp"},
             {0x09, "Tab"},
             {0x0D, "Enter"},
             {0x13, "Pause"},
             {0x1B, "Esc"},
             {0x20, "Space"},
             {0x21, "PgUp"},
             {0x22, "PgDn"},
             {0x23, "End"},
             {0x24, "Home"},
             {0x25, "Left"},
             {0x26, "Up"},
             {0x27, "Right"},
             {0x28, "Down"},
             {0x2D, "Ins"},
             {0x2E, "Del"},
         }) {
        names[i++] = named;
    }
    constexpr std::string_view Digits = "0123456789";
    for (std::size_t d = 0; d < Digits.size(); ++d) {
        names[i++] = {static_cast<std::uint8_t>(0x30 + d), Digits.substr(d, 1)};
    }
    constexpr std::string_view Letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (std::size_t l = 0; l < Letters.size(); ++l) {
        names[i++] = {static_cast<std::uint8_t>(0x41 + l), Letters.substr(l, 1)};
    }
    constexpr std::array<std::string_view, 16> Keypad = {
        "Num 0", "Num 1", "Num 2", "Num 3", "Num 4", "Num 5", "Num 6", "Num 7",
        "Num 8", "Num 9", "Num *", "Num +", "",      "Num -", "Num .", "Num /"};
    for (std::size_t k = 0; k < Keypad.size(); ++k) {
        names[i++] = {static_cast<std::uint8_t>(0x60 + k), Keypad[k]};
    }
    constexpr std::array<std::string_view, 24> Functions = {
        "F1",  "F2",  "F3",  "F4",  "F5",  "F6",  "F7",  "F8",  "F9",  "F10", "F11", "F12",
        "F13", "F14", "F15", "F16", "F17", "F18", "F19", "F20", "F21", "F22", "F23", "F24"};
    for (std::size_t f = 0; f < Functions.size(); ++f) {
        names[i++] = {static_cast<std::uint8_t>(0x70 + f), Functions[f]};
    }
    // The punctuation keys of a US keyboard.
    for (const VirtualKeyName named : {
             VirtualKeyName{0xBA, ";"},
             {0xBB, "="},
             {0xBC, ","},
             {0xBD, "-"},
             {0xBE, "."},
             {0xBF, "/"},
             {0xC0, "`"},
             {0xDB, "["},
             {0xDC, "\\"},
             {0xDD, "]"},
             {0xDE, "'"},
         }) {
        names[i++] = named;
    }
    // Symbols a Japanese keyboard types without Shift and a US one has no key
    // for take free OEM codes of their own, so that no two keys of either
    // keyboard share a code.
    for (const VirtualKeyName named : {
             VirtualKeyName{0xE1, ":"},
             {0xE3, "@"},
             {0xE4, "^"},
             {0xE6, "¥"},
         }) {
        names[i++] = named;
    }
    return names;
}();

// The name of a virtual key, empty for a key without one.
constexpr std::string_view VirtualKeyNameOf(int key) {
    for (const VirtualKeyName& named : VirtualKeyNames) {
        if (named.key == key && !named.name.empty()) {
            return named.name;
        }
    }
    return {};
}

// A code as text: "Shift+", "Ctrl+", "Alt+" in that order, then the key's
// name ("Shift+Ctrl+C"); empty for 0 and for a key without a name.
std::string ShortcutToText(std::uint16_t code);

// Text back to its code, the modifier words in any order and letter case; 0
// for the empty text and for anything that names no key.
constexpr std::uint16_t TextToShortcut(std::string_view text) {
    std::uint16_t modifiers = 0;
    for (bool more = true; more;) {
        more = false;
        for (const auto& [word, bit] :
             {std::pair<std::string_view, std::uint16_t>{"Shift+", ShortcutShift},
              {"Ctrl+", ShortcutCtrl},
              {"Alt+", ShortcutAlt}}) {
            // A word counts once; "Ctrl++" would leave "+" which names no key.
            if (!(modifiers & bit) && text.size() > word.size() &&
                SameTextAscii(text.substr(0, word.size()), word)) {
                modifiers |= bit;
                text.remove_prefix(word.size());
                more = true;
            }
        }
    }
    for (const VirtualKeyName& named : VirtualKeyNames) {
        if (!named.name.empty() && SameTextAscii(named.name, text)) {
            return static_cast<std::uint16_t>(modifiers | named.key);
        }
    }
    return 0;
}

// A default shortcut written as its text; a text that names no key does not
// compile.
consteval std::uint16_t DefaultShortcut(std::string_view text) {
    const std::uint16_t code = TextToShortcut(text);
    if (code == 0 && !text.empty()) {
        throw "a default shortcut names no key";
    }
    return code;
}

} // namespace kolvi
