#pragma once

#include <cstdint>

namespace kolvi {

// A colour value laid out 0x00BBGGRR (red in the low byte). With the top bit set,
// the low byte is an index into the system colour table instead.
using TColor = std::uint32_t;

inline constexpr TColor SystemColorFlag = 0x80000000u;
inline constexpr int SystemColorCount = 25;

inline constexpr TColor clNone = 0x1FFFFFFFu;
inline constexpr TColor clActiveCaption = SystemColorFlag | 2;
inline constexpr TColor clInactiveCaption = SystemColorFlag | 3;
inline constexpr TColor clWindow = SystemColorFlag | 5;
inline constexpr TColor clWindowText = SystemColorFlag | 8;
inline constexpr TColor clHighlight = SystemColorFlag | 13;
inline constexpr TColor clHighlightText = SystemColorFlag | 14;
inline constexpr TColor clBtnFace = SystemColorFlag | 15;
inline constexpr TColor clBtnText = SystemColorFlag | 18;
inline constexpr TColor clInfoText = SystemColorFlag | 23;
inline constexpr TColor clInfoBk = SystemColorFlag | 24;

struct RGB {
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const RGB&, const RGB&) = default;
};

int Clamp255(int value);

constexpr TColor MakeColor(int r, int g, int b) {
    return static_cast<TColor>(r & 0xFF) | static_cast<TColor>(g & 0xFF) << 8 |
           static_cast<TColor>(b & 0xFF) << 16;
}

// Resolves system colours through the table, then splits into components.
RGB SplitRGB(TColor color);

// Resolves a system colour to its current RGB value; other values pass unchanged.
TColor ResolveColor(TColor color);

// The system colour table starts with the classic desktop defaults; the UI
// refreshes it from the desktop palette. Out-of-range indices resolve to black.
void SetSystemColor(int index, TColor rgb);
void ResetSystemColors();

} // namespace kolvi
