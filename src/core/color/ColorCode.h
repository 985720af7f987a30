#pragma once

#include "ColorValue.h"

#include <array>
#include <string>
#include <string_view>

namespace kolvi {

// Reads "#RRGGBB", "0x00BBGGRR" (lower-case x only) or "RRGGBB", or one of the
// 42 colour names ignoring ASCII case; anything else gives the fallback. No
// trimming, and bytes after the last pair read are ignored, so a pasted code
// with a trailing line break still counts. Linear in the text's length.
TColor ParseColorCode(std::string_view text, TColor fallback);

// The storage notation: "#RRGGBB", upper case, system colours resolved first.
std::string FormatColorCode(TColor color);

// The three entries of the code combo, upper case, system colours resolved:
// [0] "#RRGGBB", [1] "RRGGBB", [2] "0x00BBGGRR".
std::array<std::string, 3> ColorCodeEntries(TColor color);

} // namespace kolvi
