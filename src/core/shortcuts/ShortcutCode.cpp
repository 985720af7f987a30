#include "ShortcutCode.h"

namespace kolvi {

std::string ShortcutToText(std::uint16_t code) {
    const std::string_view key = VirtualKeyNameOf(code & ShortcutKeyMask);
    if (key.empty()) {
        return {};
    }
    std::string text;
    if (code & ShortcutShift) {
        text += "Shift+";
    }
    if (code & ShortcutCtrl) {
        text += "Ctrl+";
    }
    if (code & ShortcutAlt) {
        text += "Alt+";
    }
    text += key;
    return text;
}

} // namespace kolvi
