// Colour codes arrive from the clipboard, the settings file and list files:
// any bytes, any length. Checks the parser against a plain reading of the
// notations written here independently, and round trips every code it accepts.
#include "color/ColorCode.h"
#include "text/AsciiCase.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using kolvi::TColor;

// Neither is a 24-bit colour nor the value of a name, so a leak shows.
constexpr TColor FallbackA = 0x7F00ABCDu;
constexpr TColor FallbackB = 0x40FEDCBAu;

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

int Hex(char c) {
    constexpr std::string_view digits = "0123456789abcdef";
    const char lower = c >= 'A' && c <= 'F' ? static_cast<char>(c - 'A' + 'a') : c;
    const auto at = digits.find(lower);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

int Pair(std::string_view text, std::size_t pos) {
    const int high = Hex(text[pos]);
    const int low = Hex(text[pos + 1]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

// The plain colours by value; the system colours are their index in this order.
constexpr std::array<std::string_view, 16> PlainNames = {
    "clblack",  "clmaroon", "clgreen", "clolive",  "clnavy", "clpurple",  "clteal", "clgray",
    "clsilver", "clred",    "cllime",  "clyellow", "clblue", "clfuchsia", "claqua", "clwhite"};
constexpr std::array<TColor, 16> PlainValues = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
constexpr std::array<std::string_view, 25> SystemNames = {
    "clscrollbar",    "clbackground",  "clactivecaption", "clinactivecaption",
    "clmenu",         "clwindow",      "clwindowframe",   "clmenutext",
    "clwindowtext",   "clcaptiontext", "clactiveborder",  "clinactiveborder",
    "clappworkspace", "clhighlight",   "clhighlighttext", "clbtnface",
    "clbtnshadow",    "clgraytext",    "clbtntext",       "clinactivecaptiontext",
    "clbtnhighlight", "cl3ddkshadow",  "cl3dlight",       "clinfotext",
    "clinfobk"};

TColor ReferenceName(std::string_view text, TColor fallback) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    for (std::size_t i = 0; i < PlainNames.size(); ++i) {
        if (lower == PlainNames[i]) {
            return PlainValues[i];
        }
    }
    for (std::size_t i = 0; i < SystemNames.size(); ++i) {
        if (lower == SystemNames[i]) {
            return 0x80000000u + static_cast<TColor>(i);
        }
    }
    return lower == "clnone" ? 0x1FFFFFFFu : fallback;
}

TColor Reference(std::string_view text, TColor fallback) {
    int r = -1;
    int g = -1;
    int b = -1;
    if (text.size() >= 7 && text[0] == '#') {
        r = Pair(text, 1), g = Pair(text, 3), b = Pair(text, 5);
    } else if (text.size() >= 10 && text.substr(0, 4) == "0x00") {
        b = Pair(text, 4), g = Pair(text, 6), r = Pair(text, 8);
    } else if (text.size() >= 6) {
        r = Pair(text, 0), g = Pair(text, 2), b = Pair(text, 4);
    }
    if (r < 0 || g < 0 || b < 0) {
        return text.size() > 64 ? fallback : ReferenceName(text, fallback);
    }
    return static_cast<TColor>(r + g * 256 + b * 65536);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TColor a = kolvi::ParseColorCode(text, FallbackA);
    const TColor b = kolvi::ParseColorCode(text, FallbackB);
    Check(a == Reference(text, FallbackA));
    // The fallback is returned whole or not at all.
    Check(a == FallbackA ? b == FallbackB : a == b);

    if (a <= 0xFFFFFFu) {
        Check(kolvi::ParseColorCode(kolvi::FormatColorCode(a), FallbackA) == a);
        for (const std::string& entry : kolvi::ColorCodeEntries(a)) {
            Check(kolvi::ParseColorCode(entry, FallbackA) == a);
            Check(kolvi::ParseColorCode(kolvi::LowerCaseAscii(entry), FallbackA) == a);
        }
    }
    if (a != FallbackA) {
        // Every accepted text formats as a well-formed "#RRGGBB".
        const std::string code = kolvi::FormatColorCode(a);
        Check(code.size() == 7 && code[0] == '#');
        for (std::size_t i = 1; i < 7; ++i) {
            Check(Hex(code[i]) >= 0 && !(code[i] >= 'a' && code[i] <= 'f'));
        }
    }
    return 0;
}
