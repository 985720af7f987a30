#include "QuantTables.h"

namespace kolvi {

namespace {

// Rounds to the nearest multiple of `step`, a remainder above half a step rounding up.
QuantTable RoundedLevels(int step) {
    const int top = 255 / step;
    QuantTable table{};
    for (int i = 0; i < 256; ++i) {
        int q = i / step;
        if (q < top && i % step > step / 2) {
            ++q;
        }
        table[static_cast<std::size_t>(i)] = q * step;
    }
    return table;
}

QuantTable EightLevels() {
    struct Band {
        int first;
        int value;
    };
    static constexpr Band bands[] = {{0, 0},     {18, 36},   {54, 73},   {91, 109},
                                     {127, 146}, {164, 182}, {200, 219}, {237, 255}};
    QuantTable table{};
    for (int i = 0; i < 256; ++i) {
        for (const Band& band : bands) {
            if (i >= band.first) {
                table[static_cast<std::size_t>(i)] = band.value;
            }
        }
    }
    return table;
}

QuantTable Identity() {
    QuantTable table{};
    for (int i = 0; i < 256; ++i) {
        table[static_cast<std::size_t>(i)] = i;
    }
    return table;
}

} // namespace

QuantTables BuildQuantTables(int pickerMode) {
    switch (pickerMode) {
    case WebSafeMode: {
        const QuantTable webSafe = RoundedLevels(51);
        return {webSafe, webSafe, webSafe};
    }
    case Colors256Mode: {
        const QuantTable eight = EightLevels();
        return {eight, eight, RoundedLevels(85)};
    }
    default:
        return {Identity(), Identity(), Identity()};
    }
}

} // namespace kolvi
