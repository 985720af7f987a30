#pragma once

#include <array>
#include <cstdint>

namespace kolvi {

enum PickerModes : std::int16_t { FullColorMode = 0, WebSafeMode = 1, Colors256Mode = 2 };

// The value drawn for a computed channel value 0..255.
using QuantTable = std::array<std::int32_t, 256>;

struct QuantTables {
    QuantTable red;
    QuantTable green;
    QuantTable blue;
};

// Identity for full colour (and any value outside the three modes), six levels
// for web-safe, eight levels of red and green and four of blue for 256 colours.
QuantTables BuildQuantTables(int pickerMode);

} // namespace kolvi
