#pragma once

#include "QuantTables.h"

#include <array>
#include <cstdint>

namespace kolvi {

inline constexpr int FieldSize = 256;
inline constexpr int FieldRowBytes = FieldSize * 3;

// Draws rows of the colour field: for base components (r0, g0, b0) each channel c
// of pixel (x, y) is Q_c[e - y * e / 255] with e = 255 - x * (255 - c0) / 255.
// The per-column values are fixed per render and the quantisation tables are step
// functions, so rows are computed 32 bytes at a time where the processor allows.
class FieldRenderer {
  public:
    enum class Path { Auto, Portable, Vector };

    explicit FieldRenderer(Path path = Path::Auto);

    // Once per picker mode.
    void SetTables(const QuantTables& tables);
    // Once per render, with the already quantised base components.
    void Begin(int r0, int g0, int b0);
    // Writes one row of FieldSize pixels (bytes blue, green, red) to `row`.
    void RenderRow(int y, std::uint8_t* row) const;

    bool UsesVectorPath() const { return vector_; }

  private:
    // A monotone step table split by the value's high nibble, so that a lookup
    // is two 16-entry shuffles and one compare.
    struct NibbleLookup {
        alignas(16) std::array<std::uint8_t, 16> base{};
        alignas(16) std::array<std::uint8_t, 16> threshold{};
        alignas(16) std::array<std::uint8_t, 16> levels{};
    };

    void RenderRowPortable(int y, std::uint8_t* row) const;
    void RenderRowVector(int y, std::uint8_t* row) const;
    static bool DeriveNibbleLookup(const QuantTable& table, NibbleLookup& lookup);

    bool vectorAllowed_;
    bool vector_ = false;
    QuantTables tables_{};
    bool identity_ = true;
    // Distinct tables among blue, green, red and which byte positions use which.
    int lookupCount_ = 0;
    std::array<NibbleLookup, 3> lookups_{};
    alignas(32) std::array<std::array<std::uint8_t, FieldRowBytes>, 3> lookupMasks_{};
    alignas(32) std::array<std::uint16_t, FieldRowBytes> columnValues_{};
};

// The formula as written, one pixel at a time: the reference the fast rows must match.
void RenderFieldRowReference(const QuantTables& tables, int r0, int g0, int b0, int y,
                             std::uint8_t* row);

} // namespace kolvi
