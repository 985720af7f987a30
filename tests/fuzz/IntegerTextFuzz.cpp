// The integer reader takes settings values, list files and colour-code pairs.
// Checks it against a reading built another way (std::from_chars on the digits
// with leading zeros counted off) and that it never overflows or crashes.
#include "color/IntegerText.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::optional<std::int32_t> Reference(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    } else if (!text.empty() &&
               (text.front() == '$' || text.front() == 'x' || text.front() == 'X')) {
        base = 16;
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    for (const char c : text) {
        const bool digit = c >= '0' && c <= '9';
        const bool hex = (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!digit && !(base == 16 && hex)) {
            return std::nullopt;
        }
    }
    while (text.size() > 1 && text.front() == '0') {
        text.remove_prefix(1);
    }
    if (text.size() > (base == 16 ? 8u : 10u)) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    Check(error == std::errc() && end == text.data() + text.size());
    if (base == 16) {
        const auto bits = static_cast<std::uint32_t>(negative ? 0u - value : value);
        return static_cast<std::int32_t>(bits);
    }
    if (value > (negative ? 2147483648u : 2147483647u)) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(value)
                                              : static_cast<std::int64_t>(value));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::int32_t> parsed = kolvi::ParseInteger(text);
    Check(parsed == Reference(text));
    Check(kolvi::StrToIntDef(text, -7) == parsed.value_or(-7));

    // Short plain decimals: compare with a digit-by-digit sum that cannot overflow.
    if (size > 0 && size <= 9) {
        std::int64_t sum = 0;
        bool plain = true;
        for (const char c : text) {
            plain = plain && c >= '0' && c <= '9';
            sum = sum * 10 + (c - '0');
        }
        if (plain) {
            Check(parsed == static_cast<std::int32_t>(sum));
        }
    }
    return 0;
}
