#include "ColorCode.h"

#include "IntegerText.h"
#include "text/AsciiCase.h"

#include <algorithm>
#include <cstddef>

namespace kolvi {

namespace {

struct NamedColor {
    std::string_view name;
    TColor value;
};

constexpr TColor SystemColor(unsigned index) {
    return SystemColorFlag | index;
}

constexpr std::array<NamedColor, 42> ColorNames = {{
    {"clBlack", MakeColor(0x00, 0x00, 0x00)},
    {"clMaroon", MakeColor(0x80, 0x00, 0x00)},
    {"clGreen", MakeColor(0x00, 0x80, 0x00)},
    {"clOlive", MakeColor(0x80, 0x80, 0x00)},
    {"clNavy", MakeColor(0x00, 0x00, 0x80)},
    {"clPurple", MakeColor(0x80, 0x00, 0x80)},
    {"clTeal", MakeColor(0x00, 0x80, 0x80)},
    {"clGray", MakeColor(0x80, 0x80, 0x80)},
    {"clSilver", MakeColor(0xC0, 0xC0, 0xC0)},
    {"clRed", MakeColor(0xFF, 0x00, 0x00)},
    {"clLime", MakeColor(0x00, 0xFF, 0x00)},
    {"clYellow", MakeColor(0xFF, 0xFF, 0x00)},
    {"clBlue", MakeColor(0x00, 0x00, 0xFF)},
    {"clFuchsia", MakeColor(0xFF, 0x00, 0xFF)},
    {"clAqua", MakeColor(0x00, 0xFF, 0xFF)},
    {"clWhite", MakeColor(0xFF, 0xFF, 0xFF)},
    // System colours, in the order of the platform's system-colour indices.
    {"clScrollBar", SystemColor(0)},
    {"clBackground", SystemColor(1)},
    {"clActiveCaption", SystemColor(2)},
    {"clInactiveCaption", SystemColor(3)},
    {"clMenu", SystemColor(4)},
    {"clWindow", SystemColor(5)},
    {"clWindowFrame", SystemColor(6)},
    {"clMenuText", SystemColor(7)},
    {"clWindowText", SystemColor(8)},
    {"clCaptionText", SystemColor(9)},
    {"clActiveBorder", SystemColor(10)},
    {"clInactiveBorder", SystemColor(11)},
    {"clAppWorkSpace", SystemColor(12)},
    {"clHighlight", SystemColor(13)},
    {"clHighlightText", SystemColor(14)},
    {"clBtnFace", SystemColor(15)},
    {"clBtnShadow", SystemColor(16)},
    {"clGrayText", SystemColor(17)},
    {"clBtnText", SystemColor(18)},
    {"clInactiveCaptionText", SystemColor(19)},
    {"clBtnHighlight", SystemColor(20)},
    {"cl3DDkShadow", SystemColor(21)},
    {"cl3DLight", SystemColor(22)},
    {"clInfoText", SystemColor(23)},
    {"clInfoBk", SystemColor(24)},
    {"clNone", clNone},
}};

constexpr std::size_t LongestColorName =
    std::max_element(ColorNames.begin(), ColorNames.end(), [](const auto& a, const auto& b) {
        return a.name.size() < b.name.size();
    }) -> name.size();

// A pair goes through the program's integer reader with "0x" in front, so only
// two hexadecimal digits pass; anything else (blank, sign, 'x', NUL) gives -1.
int ReadPair(std::string_view text, std::size_t pos) {
    const char digits[4] = {'0', 'x', text[pos], text[pos + 1]};
    return StrToIntDef(std::string_view(digits, 4), -1);
}

bool FindColorName(std::string_view text, TColor& value) {
    // Long clipboard text can never be a name: bail out before comparing.
    if (text.size() > LongestColorName) {
        return false;
    }
    for (const NamedColor& named : ColorNames) {
        if (SameTextAscii(text, named.name)) {
            value = named.value;
            return true;
        }
    }
    return false;
}

char HexDigitUpper(unsigned value) {
    return "0123456789ABCDEF"[value & 0xF];
}

void AppendHexByte(std::string& out, int value) {
    out += HexDigitUpper(static_cast<unsigned>(value) >> 4);
    out += HexDigitUpper(static_cast<unsigned>(value));
}

} // namespace

TColor ParseColorCode(std::string_view text, TColor fallback) {
    if (text.empty()) {
        return fallback;
    }
    int red = -1;
    int green = -1;
    int blue = -1;
    if (text.size() >= 7 && text[0] == '#') {
        red = ReadPair(text, 1);
        green = ReadPair(text, 3);
        blue = ReadPair(text, 5);
    } else if (text.size() >= 10 && text.starts_with("0x00")) {
        blue = ReadPair(text, 4);
        green = ReadPair(text, 6);
        red = ReadPair(text, 8);
    } else if (text.size() >= 6) {
        red = ReadPair(text, 0);
        green = ReadPair(text, 2);
        blue = ReadPair(text, 4);
    }
    if (red < 0 || green < 0 || blue < 0) {
        TColor named = 0;
        return FindColorName(text, named) ? named : fallback;
    }
    return MakeColor(red, green, blue);
}

std::string FormatColorCode(TColor color) {
    return ColorCodeEntries(color)[0];
}

std::array<std::string, 3> ColorCodeEntries(TColor color) {
    const RGB rgb = SplitRGB(color);
    std::string rrggbb;
    rrggbb.reserve(6);
    AppendHexByte(rrggbb, rgb.r);
    AppendHexByte(rrggbb, rgb.g);
    AppendHexByte(rrggbb, rgb.b);
    std::string value = "0x00";
    AppendHexByte(value, rgb.b);
    AppendHexByte(value, rgb.g);
    AppendHexByte(value, rgb.r);
    return {"#" + rrggbb, rrggbb, value};
}

} // namespace kolvi
