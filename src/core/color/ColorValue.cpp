#include "ColorValue.h"

#include <algorithm>
#include <array>

namespace kolvi {

namespace {

constexpr std::array<TColor, SystemColorCount> ClassicSystemColors = {
    MakeColor(0xC8, 0xC8, 0xC8), // scroll bar
    MakeColor(0x00, 0x00, 0x00), // desktop background
    MakeColor(0x00, 0x54, 0xE3), // active caption
    MakeColor(0x7A, 0x96, 0xDF), // inactive caption
    MakeColor(0xFF, 0xFF, 0xFF), // menu
    MakeColor(0xFF, 0xFF, 0xFF), // window
    MakeColor(0x00, 0x00, 0x00), // window frame
    MakeColor(0x00, 0x00, 0x00), // menu text
    MakeColor(0x00, 0x00, 0x00), // window text
    MakeColor(0xFF, 0xFF, 0xFF), // caption text
    MakeColor(0xD4, 0xD0, 0xC8), // active border
    MakeColor(0xD4, 0xD0, 0xC8), // inactive border
    MakeColor(0x80, 0x80, 0x80), // application workspace
    MakeColor(0x31, 0x6A, 0xC5), // highlight
    MakeColor(0xFF, 0xFF, 0xFF), // highlight text
    MakeColor(0xEC, 0xE9, 0xD8), // button face
    MakeColor(0xAC, 0xA8, 0x99), // button shadow
    MakeColor(0xAC, 0xA8, 0x99), // grey text
    MakeColor(0x00, 0x00, 0x00), // button text
    MakeColor(0xD8, 0xE4, 0xF8), // inactive caption text
    MakeColor(0xFF, 0xFF, 0xFF), // button highlight
    MakeColor(0x71, 0x6F, 0x64), // 3D dark shadow
    MakeColor(0xF1, 0xEF, 0xE2), // 3D light
    MakeColor(0x00, 0x00, 0x00), // tooltip text
    MakeColor(0xFF, 0xFF, 0xE1), // tooltip background
};

std::array<TColor, SystemColorCount> systemColors = ClassicSystemColors;

} // namespace

int Clamp255(int value) {
    return std::clamp(value, 0, 255);
}

TColor ResolveColor(TColor color) {
    if ((color & SystemColorFlag) == 0) {
        return color;
    }
    const unsigned index = color & 0xFFu;
    return index < systemColors.size() ? systemColors[index] : 0;
}

RGB SplitRGB(TColor color) {
    const TColor rgb = ResolveColor(color);
    return {static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
            static_cast<int>((rgb >> 16) & 0xFF)};
}

void SetSystemColor(int index, TColor rgb) {
    if (index >= 0 && index < SystemColorCount) {
        systemColors[static_cast<std::size_t>(index)] = rgb & 0x00FFFFFFu;
    }
}

void ResetSystemColors() {
    systemColors = ClassicSystemColors;
}

} // namespace kolvi
