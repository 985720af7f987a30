#pragma once

#include "QuantTables.h"

#include <array>
#include <cstddef>
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
    // Vector rows are used where the processor has them, unless the caller
    // asks for the portable rows (which tests compare too).
    explicit FieldRenderer(bool allowVectorRows = true);

    // Once per picker mode.
    void SetTables(const QuantTables& tables);
    // Once per render, with the already quantised base components.
    void Begin(int r0, int g0, int b0);
    // Writes one row of FieldSize pixels (bytes blue, green, red) to `row`.
    void RenderRow(int y, std::uint8_t* row) const;

    bool UsesVectorPath() const { return vector_; }

  private:
    // The quantisation tables as monotone step functions looked up with three
    // 16-entry shuffles: the value's bucket (its top bits, offset per table)
    // gives the level index reached at the bucket's start and the one threshold
    // inside the bucket, if any; one compare then picks the level.
    struct ShuffleLookup {
        alignas(16) std::array<std::uint8_t, 16> base{};
        alignas(16) std::array<std::uint8_t, 16> threshold{};
        alignas(16) std::array<std::uint8_t, 16> levels{};
    };

    void RenderRowPortable(int y, std::uint8_t* row) const;
    void RenderRowVector(int y, std::uint8_t* row) const;
    static std::size_t PackSlot(std::size_t position);
    bool DeriveShuffleLookup(int bucketShift);

    bool vectorAllowed_;
    bool vector_ = false;
    QuantTables tables_{};
    bool identity_ = true;
    ShuffleLookup lookup_{};
    int bucketShift_ = 4;
    bool severalTables_ = false;
    // Per byte position of a row: the first bucket of that channel's table.
    alignas(32) std::array<std::uint8_t, FieldRowBytes> bucketOffsets_{};
    alignas(32) std::array<std::uint16_t, FieldRowBytes> columnValues_{};
    alignas(32) std::array<std::uint16_t, FieldRowBytes> packOrderedValues_{};
};

// The formula as written, one pixel at a time: the reference the fast rows must match.
void RenderFieldRowReference(const QuantTables& tables, int r0, int g0, int b0, int y,
                             std::uint8_t* row);

} // namespace kolvi
