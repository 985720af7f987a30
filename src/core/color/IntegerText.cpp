#include "IntegerText.h"

namespace kolvi {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

} // namespace

std::optional<std::int32_t> ParseInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::string_view rest = text.substr(i);
    std::size_t hexStart = 0;
    if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X')) {
        hexStart = 1;
    } else if (rest.starts_with("0x") || rest.starts_with("0X")) {
        hexStart = 2;
    }
    const std::string_view digits = rest.substr(hexStart);
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    if (hexStart > 0) {
        for (const char c : digits) {
            const int digit = HexDigit(c);
            if (digit < 0) {
                return std::nullopt;
            }
            value = value * 16 + static_cast<std::uint64_t>(digit);
            if (value > 0xFFFFFFFFu) {
                return std::nullopt;
            }
        }
        const auto bits = static_cast<std::uint32_t>(negative ? 0u - value : value);
        return static_cast<std::int32_t>(bits);
    }
    const std::uint64_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > limit) {
            return std::nullopt;
        }
    }
    return negative ? static_cast<std::int32_t>(0 - static_cast<std::int64_t>(value))
                    : static_cast<std::int32_t>(value);
}

} // namespace kolvi
