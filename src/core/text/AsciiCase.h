#pragma once

#include <string>
#include <string_view>

namespace kolvi {

// ASCII-only case mapping: bytes outside A-Z / a-z (Shift-JIS lead and trail
// bytes included) stay as they are, whatever the locale says.
constexpr char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr bool SameTextAscii(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

std::string LowerCaseAscii(std::string_view text);
std::string UpperCaseAscii(std::string_view text);

} // namespace kolvi
