#include "FieldRenderer.h"

#include "ColorValue.h"

#include <cstddef>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define KOLVI_FIELD_AVX2 1
#else
#define KOLVI_FIELD_AVX2 0
#endif

namespace kolvi {

namespace {

bool IsIdentity(const QuantTable& table) {
    for (int i = 0; i < 256; ++i) {
        if (table[static_cast<std::size_t>(i)] != i) {
            return false;
        }
    }
    return true;
}

int FieldChannel(const QuantTable& table, int e, int y) {
    return table[static_cast<std::size_t>(e - (y * e) / 255)];
}

bool CpuHasAvx2() {
#if KOLVI_FIELD_AVX2
    return __builtin_cpu_supports("avx2") != 0;
#else
    return false;
#endif
}

#if KOLVI_FIELD_AVX2

__attribute__((target("avx2"))) inline __m256i Broadcast16(const std::uint8_t* bytes) {
    return _mm256_broadcastsi128_si256(_mm_load_si128(reinterpret_cast<const __m128i*>(bytes)));
}

// e - e * y / 255 for sixteen 16-bit values e <= 255, with the row's multiplier
// m = ceil(y * 65536 / 255): (e * m) >> 16 equals e * y / 255 for every e <= 255
// and y < 255 (the rounding error stays below 255 / 65536 < 1 / 255).
__attribute__((target("avx2"))) inline __m256i FadeToBlack(__m256i e, __m256i rowMultiplier) {
    return _mm256_sub_epi16(e, _mm256_mulhi_epu16(e, rowMultiplier));
}

struct VectorLookup {
    __m256i base;
    __m256i threshold;
    __m256i levels;
};

__attribute__((target("avx2"))) inline __m256i Quantise(const VectorLookup& lookup, __m256i v,
                                                        __m256i bucket) {
    const __m256i threshold = _mm256_shuffle_epi8(lookup.threshold, bucket);
    const __m256i reached = _mm256_cmpeq_epi8(_mm256_max_epu8(v, threshold), v);
    const __m256i index = _mm256_sub_epi8(_mm256_shuffle_epi8(lookup.base, bucket), reached);
    return _mm256_shuffle_epi8(lookup.levels, index);
}

// Column values are stored so that packing two vectors of sixteen 16-bit values
// yields 32 bytes in row order (the pack works on 128-bit halves).
enum class Quantising { None, OneTable, SeveralTables };

template <Quantising Mode>
__attribute__((target("avx2"))) void
RenderRowAvx2(const std::uint16_t* columnValues, const VectorLookup& lookup, int bucketShift,
              const std::uint8_t* bucketOffsets, int y, std::uint8_t* row) {
    const bool lastRow = y >= 255;
    const __m256i multiplier =
        _mm256_set1_epi16(static_cast<short>(lastRow ? 0 : (y * 65536 + 254) / 255));
    const __m128i shift = _mm_cvtsi32_si128(bucketShift);
    const __m256i bucketMask = _mm256_set1_epi8(static_cast<char>((256 >> bucketShift) - 1));
    for (int i = 0; i < FieldRowBytes; i += 32) {
        __m256i v = _mm256_setzero_si256();
        if (!lastRow) {
            const __m256i a = FadeToBlack(
                _mm256_load_si256(reinterpret_cast<const __m256i*>(columnValues + i)), multiplier);
            const __m256i b = FadeToBlack(
                _mm256_load_si256(reinterpret_cast<const __m256i*>(columnValues + i + 16)),
                multiplier);
            v = _mm256_packus_epi16(a, b);
        }
        if constexpr (Mode != Quantising::None) {
            __m256i bucket = _mm256_and_si256(_mm256_srl_epi16(v, shift), bucketMask);
            if constexpr (Mode == Quantising::SeveralTables) {
                bucket = _mm256_add_epi8(
                    bucket, _mm256_load_si256(reinterpret_cast<const __m256i*>(bucketOffsets + i)));
            }
            v = Quantise(lookup, v, bucket);
        }
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(row + i), v);
    }
}

#endif

} // namespace

// Within each 32-byte block, the pack takes bytes 0-7 and 16-23 from the first
// vector and 8-15 and 24-31 from the second.
std::size_t FieldRenderer::PackSlot(std::size_t position) {
    const std::size_t block = position & ~std::size_t{31};
    const std::size_t offset = position & 31;
    const std::size_t half = offset / 16; // which 128-bit half of the output
    const std::size_t within = offset % 16;
    const std::size_t vector = within / 8; // first or second packed vector
    return block + vector * 16 + half * 8 + within % 8;
}

FieldRenderer::FieldRenderer(bool allowVectorRows)
    : vectorAllowed_(allowVectorRows && CpuHasAvx2()) {
    SetTables(BuildQuantTables(FullColorMode));
    Begin(255, 0, 0);
}

bool FieldRenderer::DeriveShuffleLookup(int bucketShift) {
    const int bucketWidth = 1 << bucketShift;
    const int bucketsPerTable = 256 >> bucketShift;
    // Byte positions in a row are blue, green, red, blue, ...
    const std::array<const QuantTable*, 3> byPosition = {&tables_.blue, &tables_.green,
                                                         &tables_.red};
    std::array<const QuantTable*, 3> distinct{};
    std::array<int, 3> tableOfChannel{};
    int tableCount = 0;
    for (std::size_t c = 0; c < 3; ++c) {
        int found = -1;
        for (int k = 0; k < tableCount; ++k) {
            if (*distinct[static_cast<std::size_t>(k)] == *byPosition[c]) {
                found = k;
            }
        }
        if (found < 0) {
            found = tableCount++;
            distinct[static_cast<std::size_t>(found)] = byPosition[c];
        }
        tableOfChannel[c] = found;
    }
    if (tableCount * bucketsPerTable > 16) {
        return false;
    }

    int levelCount = 0;
    for (int k = 0; k < tableCount; ++k) {
        const QuantTable& table = *distinct[static_cast<std::size_t>(k)];
        const int firstLevel = levelCount;
        std::array<int, 256> thresholds{};
        int thresholdCount = 0;
        for (int i = 0; i < 256; ++i) {
            const int value = table[static_cast<std::size_t>(i)];
            const bool step = i == 0 || value != table[static_cast<std::size_t>(i - 1)];
            if (value < 0 || value > 255 ||
                (i > 0 && value < table[static_cast<std::size_t>(i - 1)])) {
                return false;
            }
            if (step) {
                if (levelCount == 16) {
                    return false;
                }
                lookup_.levels[static_cast<std::size_t>(levelCount++)] =
                    static_cast<std::uint8_t>(value);
                if (i > 0) {
                    thresholds[static_cast<std::size_t>(thresholdCount++)] = i;
                }
            }
        }
        for (int bucket = 0; bucket < bucketsPerTable; ++bucket) {
            const int first = bucket * bucketWidth;
            int reachedAtFirst = 0;
            int inside = 0;
            int threshold = 0;
            for (int t = 0; t < thresholdCount; ++t) {
                const int at = thresholds[static_cast<std::size_t>(t)];
                if (at <= first) {
                    ++reachedAtFirst;
                } else if (at < first + bucketWidth) {
                    ++inside;
                    threshold = at;
                }
            }
            if (inside > 1) {
                return false;
            }
            // Without a threshold inside, compare against 0 (always reached) and
            // start one lower, so the result is the level index in both cases.
            const auto entry = static_cast<std::size_t>(k * bucketsPerTable + bucket);
            lookup_.base[entry] =
                static_cast<std::uint8_t>(firstLevel + reachedAtFirst - (inside == 1 ? 0 : 1));
            lookup_.threshold[entry] = static_cast<std::uint8_t>(inside == 1 ? threshold : 0);
        }
    }
    for (std::size_t p = 0; p < bucketOffsets_.size(); ++p) {
        bucketOffsets_[p] = static_cast<std::uint8_t>(tableOfChannel[p % 3] * bucketsPerTable);
    }
    bucketShift_ = bucketShift;
    severalTables_ = tableCount > 1;
    return true;
}

void FieldRenderer::SetTables(const QuantTables& tables) {
    tables_ = tables;
    identity_ = IsIdentity(tables.red) && IsIdentity(tables.green) && IsIdentity(tables.blue);
    // Coarse buckets leave room for several tables in one shuffle.
    const bool derived = DeriveShuffleLookup(5) || DeriveShuffleLookup(4);
    vector_ = vectorAllowed_ && (identity_ || derived);
}

void FieldRenderer::Begin(int r0, int g0, int b0) {
    const std::array<int, 3> base = {Clamp255(b0), Clamp255(g0), Clamp255(r0)};
    for (int x = 0; x < FieldSize; ++x) {
        for (std::size_t c = 0; c < 3; ++c) {
            const std::size_t position = static_cast<std::size_t>(x) * 3 + c;
            const auto e = static_cast<std::uint16_t>(255 - (x * (255 - base[c])) / 255);
            columnValues_[position] = e;
            packOrderedValues_[PackSlot(position)] = e;
        }
    }
}

void FieldRenderer::RenderRow(int y, std::uint8_t* row) const {
    if (vector_) {
        RenderRowVector(y, row);
    } else {
        RenderRowPortable(y, row);
    }
}

void FieldRenderer::RenderRowPortable(int y, std::uint8_t* row) const {
    const std::array<const QuantTable*, 3> byPosition = {&tables_.blue, &tables_.green,
                                                         &tables_.red};
    for (std::size_t p = 0; p < static_cast<std::size_t>(FieldRowBytes); ++p) {
        row[p] = static_cast<std::uint8_t>(FieldChannel(*byPosition[p % 3], columnValues_[p], y));
    }
}

#if KOLVI_FIELD_AVX2
__attribute__((target("avx2"))) void FieldRenderer::RenderRowVector(int y,
                                                                    std::uint8_t* row) const {
    const std::uint16_t* values = packOrderedValues_.data();
    const VectorLookup lookup = {Broadcast16(lookup_.base.data()),
                                 Broadcast16(lookup_.threshold.data()),
                                 Broadcast16(lookup_.levels.data())};
    if (identity_) {
        RenderRowAvx2<Quantising::None>(values, lookup, bucketShift_, nullptr, y, row);
    } else if (severalTables_) {
        RenderRowAvx2<Quantising::SeveralTables>(values, lookup, bucketShift_,
                                                 bucketOffsets_.data(), y, row);
    } else {
        RenderRowAvx2<Quantising::OneTable>(values, lookup, bucketShift_, nullptr, y, row);
    }
}
#else
void FieldRenderer::RenderRowVector(int y, std::uint8_t* row) const {
    RenderRowPortable(y, row);
}
#endif

void RenderFieldRowReference(const QuantTables& tables, int r0, int g0, int b0, int y,
                             std::uint8_t* row) {
    for (int x = 0; x < FieldSize; ++x) {
        const int eR = 255 - (x * (255 - r0)) / 255;
        const int eG = 255 - (x * (255 - g0)) / 255;
        const int eB = 255 - (x * (255 - b0)) / 255;
        std::uint8_t* pixel = row + static_cast<std::size_t>(x) * 3;
        pixel[0] = static_cast<std::uint8_t>(FieldChannel(tables.blue, eB, y));
        pixel[1] = static_cast<std::uint8_t>(FieldChannel(tables.green, eG, y));
        pixel[2] = static_cast<std::uint8_t>(FieldChannel(tables.red, eR, y));
    }
}

} // namespace kolvi
