#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kolvi {

// The one integer reader of kolvi (settings, colour codes, list files): leading
// spaces, an optional sign, then decimal digits, or hexadecimal digits after
// "$", "x" or "0x" (either case of x). Nothing may follow the digits. Decimal
// values must fit 32 bits; hexadecimal ones may use all 32 bits (0xFFFFFFFF
// reads as -1). Bounded: work is linear in the text's length.
std::optional<std::int32_t> ParseInteger(std::string_view text);

inline std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback) {
    return ParseInteger(text).value_or(fallback);
}

} // namespace kolvi
