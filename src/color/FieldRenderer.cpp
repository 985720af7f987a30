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

// e - e * y / 255 for sixteen 16-bit values; n / 255 == (n * 0x8081) >> 23 for n < 65536.
__attribute__((target("avx2"))) inline __m256i FadeToBlack(__m256i e, __m256i y) {
    const __m256i magic = _mm256_set1_epi16(static_cast<short>(0x8081));
    const __m256i quotient = _mm256_srli_epi16(_mm256_mulhi_epu16(_mm256_mullo_epi16(e, y), magic), 7);
    return _mm256_sub_epi16(e, quotient);
}

struct VectorLookup {
    __m256i base;
    __m256i threshold;
    __m256i levels;
};

__attribute__((target("avx2"))) inline __m256i Quantise(const VectorLookup& lookup, __m256i v,
                                                       __m256i highNibble) {
    const __m256i threshold = _mm256_shuffle_epi8(lookup.threshold, highNibble);
    const __m256i reached = _mm256_cmpeq_epi8(_mm256_max_epu8(v, threshold), v);
    const __m256i index = _mm256_sub_epi8(_mm256_shuffle_epi8(lookup.base, highNibble), reached);
    return _mm256_shuffle_epi8(lookup.levels, index);
}

template <int LookupCount>
__attribute__((target("avx2"))) void RenderRowAvx2(const std::uint16_t* columnValues,
                                                   const VectorLookup* lookups,
                                                   const std::uint8_t* const* masks, int y,
                                                   std::uint8_t* row) {
    const __m256i yy = _mm256_set1_epi16(static_cast<short>(y));
    const __m256i lowNibble = _mm256_set1_epi8(0x0F);
    for (int i = 0; i < FieldRowBytes; i += 32) {
        const __m256i a = FadeToBlack(
            _mm256_load_si256(reinterpret_cast<const __m256i*>(columnValues + i)), yy);
        const __m256i b = FadeToBlack(
            _mm256_load_si256(reinterpret_cast<const __m256i*>(columnValues + i + 16)), yy);
        __m256i v = _mm256_permute4x64_epi64(_mm256_packus_epi16(a, b), 0xD8);
        if constexpr (LookupCount > 0) {
            const __m256i high = _mm256_and_si256(_mm256_srli_epi16(v, 4), lowNibble);
            __m256i q = Quantise(lookups[0], v, high);
            for (int k = 1; k < LookupCount; ++k) {
                const __m256i mask =
                    _mm256_load_si256(reinterpret_cast<const __m256i*>(masks[k] + i));
                q = _mm256_blendv_epi8(q, Quantise(lookups[k], v, high), mask);
            }
            v = q;
        }
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(row + i), v);
    }
}

#endif

} // namespace

FieldRenderer::FieldRenderer(Path path)
    : vectorAllowed_(path != Path::Portable && CpuHasAvx2()) {
    SetTables(BuildQuantTables(FullColorMode));
    Begin(255, 0, 0);
}

bool FieldRenderer::DeriveNibbleLookup(const QuantTable& table, NibbleLookup& lookup) {
    std::array<int, 256> thresholds{};
    int thresholdCount = 0;
    lookup.levels[0] = static_cast<std::uint8_t>(table[0]);
    for (int i = 0; i < 256; ++i) {
        const int value = table[static_cast<std::size_t>(i)];
        if (value < 0 || value > 255) {
            return false;
        }
        if (i > 0 && value != table[static_cast<std::size_t>(i - 1)]) {
            if (value < table[static_cast<std::size_t>(i - 1)] || thresholdCount == 15) {
                return false;
            }
            thresholds[static_cast<std::size_t>(thresholdCount++)] = i;
            lookup.levels[static_cast<std::size_t>(thresholdCount)] =
                static_cast<std::uint8_t>(value);
        }
    }
    for (int nibble = 0; nibble < 16; ++nibble) {
        const int first = nibble * 16;
        int reachedAtFirst = 0;
        int inside = 0;
        int threshold = 0;
        for (int k = 0; k < thresholdCount; ++k) {
            const int t = thresholds[static_cast<std::size_t>(k)];
            if (t <= first) {
                ++reachedAtFirst;
            } else if (t < first + 16) {
                ++inside;
                threshold = t;
            }
        }
        if (inside > 1) {
            return false;
        }
        // Without a threshold inside, compare against 0 (always reached) and
        // start one lower, so base + 1 is the level index in both cases.
        const auto n = static_cast<std::size_t>(nibble);
        lookup.base[n] = static_cast<std::uint8_t>(inside == 1 ? reachedAtFirst : reachedAtFirst - 1);
        lookup.threshold[n] = static_cast<std::uint8_t>(inside == 1 ? threshold : 0);
    }
    return true;
}

void FieldRenderer::SetTables(const QuantTables& tables) {
    tables_ = tables;
    identity_ = IsIdentity(tables.red) && IsIdentity(tables.green) && IsIdentity(tables.blue);

    // Byte positions in a row are blue, green, red, blue, ...
    const std::array<const QuantTable*, 3> byPosition = {&tables_.blue, &tables_.green,
                                                         &tables_.red};
    std::array<int, 3> lookupOfChannel{};
    std::array<const QuantTable*, 3> distinct{};
    lookupCount_ = 0;
    for (std::size_t c = 0; c < 3; ++c) {
        int found = -1;
        for (int k = 0; k < lookupCount_; ++k) {
            if (*distinct[static_cast<std::size_t>(k)] == *byPosition[c]) {
                found = k;
            }
        }
        if (found < 0) {
            found = lookupCount_++;
            distinct[static_cast<std::size_t>(found)] = byPosition[c];
        }
        lookupOfChannel[c] = found;
    }
    bool derived = true;
    for (int k = 0; k < lookupCount_; ++k) {
        derived = DeriveNibbleLookup(*distinct[static_cast<std::size_t>(k)],
                                     lookups_[static_cast<std::size_t>(k)]) &&
                  derived;
        for (int p = 0; p < FieldRowBytes; ++p) {
            lookupMasks_[static_cast<std::size_t>(k)][static_cast<std::size_t>(p)] =
                lookupOfChannel[static_cast<std::size_t>(p % 3)] == k ? 0xFF : 0x00;
        }
    }
    vector_ = vectorAllowed_ && (identity_ || derived);
}

void FieldRenderer::Begin(int r0, int g0, int b0) {
    const std::array<int, 3> base = {Clamp255(b0), Clamp255(g0), Clamp255(r0)};
    for (int x = 0; x < FieldSize; ++x) {
        for (std::size_t c = 0; c < 3; ++c) {
            columnValues_[static_cast<std::size_t>(x) * 3 + c] =
                static_cast<std::uint16_t>(255 - (x * (255 - base[c])) / 255);
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
    if (identity_) {
        RenderRowAvx2<0>(columnValues_.data(), nullptr, nullptr, y, row);
        return;
    }
    VectorLookup vectorLookups[3];
    const std::uint8_t* masks[3] = {nullptr, nullptr, nullptr};
    for (int k = 0; k < lookupCount_; ++k) {
        const NibbleLookup& lookup = lookups_[static_cast<std::size_t>(k)];
        vectorLookups[k] = {Broadcast16(lookup.base.data()), Broadcast16(lookup.threshold.data()),
                            Broadcast16(lookup.levels.data())};
        masks[k] = lookupMasks_[static_cast<std::size_t>(k)].data();
    }
    switch (lookupCount_) {
    case 1:
        RenderRowAvx2<1>(columnValues_.data(), vectorLookups, masks, y, row);
        break;
    case 2:
        RenderRowAvx2<2>(columnValues_.data(), vectorLookups, masks, y, row);
        break;
    default:
        RenderRowAvx2<3>(columnValues_.data(), vectorLookups, masks, y, row);
        break;
    }
}
#else
void FieldRenderer::RenderRowVector(int y, std::uint8_t* row) const { RenderRowPortable(y, row); }
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
