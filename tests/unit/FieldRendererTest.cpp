#include "color/FieldRenderer.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <vector>

namespace kolvi {
namespace {

// The fast rows must be byte-identical to the formula in every mode, for hue
// bases across the whole circle and for arbitrary (non-hue) bases too.
TEST(FieldRenderer, FastRowsMatchTheFormulaExactly) {
    std::vector<std::array<int, 3>> bases;
    for (int v = 0; v < 256; v += 5) {
        bases.push_back({255, v, 0});
        bases.push_back({v, 0, 255});
        bases.push_back({0, 255, v});
    }
    std::mt19937 random(7);
    for (int i = 0; i < 32; ++i) {
        bases.push_back({int(random() % 256), int(random() % 256), int(random() % 256)});
    }
    if (__builtin_cpu_supports("avx2")) {
        EXPECT_TRUE(FieldRenderer().UsesVectorPath()) << "this processor should take the fast rows";
    }
    // Each renderer goes through the modes in an order that also switches from
    // two tables (256 colours) back to one (web-safe); the portable rows, the
    // formula itself, get a sample of the bases.
    for (const bool vector : {true, false}) {
        FieldRenderer renderer(vector);
        const std::size_t stride = vector ? 1 : 9;
        for (const int mode : {0, 2, 1}) {
            const QuantTables tables = BuildQuantTables(mode);
            renderer.SetTables(tables);
            for (std::size_t i = 0; i < bases.size(); i += stride) {
                const auto& [r, g, b] = bases[i];
                const int r0 = tables.red[r];
                const int g0 = tables.green[g];
                const int b0 = tables.blue[b];
                renderer.Begin(r0, g0, b0);
                for (int y = 0; y < FieldSize; ++y) {
                    std::array<std::uint8_t, FieldRowBytes> fast{};
                    std::array<std::uint8_t, FieldRowBytes> reference{};
                    renderer.RenderRow(y, fast.data());
                    RenderFieldRowReference(tables, r0, g0, b0, y, reference.data());
                    ASSERT_EQ(fast, reference)
                        << (vector ? "vector" : "portable") << " mode " << mode << " base " << r
                        << "," << g << "," << b << " row " << y;
                }
            }
        }
    }
}

} // namespace
} // namespace kolvi
