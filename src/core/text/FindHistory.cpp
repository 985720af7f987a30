#include "FindHistory.h"

#include "AnsiText.h"
#include "AsciiCase.h"

#include <algorithm>
#include <cstddef>

namespace kolvi {

namespace {

// Simple lower-case mapping of the letters a search text is likely to hold.
char32_t FoldCase(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ||
        (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) || (c >= 0x410 && c <= 0x42F) ||
        (c >= 0xFF21 && c <= 0xFF3A)) {
        return c + 0x20;
    }
    if (c >= 0x400 && c <= 0x40F) {
        return c + 0x50;
    }
    // Greek capitals with tonos.
    if (c == 0x386) {
        return 0x3AC;
    }
    if (c >= 0x388 && c <= 0x38A) {
        return c + 0x25;
    }
    if (c == 0x38C) {
        return 0x3CC;
    }
    if (c == 0x38E || c == 0x38F) {
        return c + 0x3F;
    }
    // Latin Extended-A pairs its letters upper then lower, with the parity
    // changing twice where the dotted and dotless I and the kra break the run.
    const bool upperEven =
        (c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177);
    const bool upperOdd = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if ((upperEven && c % 2 == 0) || (upperOdd && c % 2 == 1)) {
        return c + 1;
    }
    if (c == 0x178) {
        return 0xFF;
    }
    if (c == 0x3C2) {
        return 0x3C3; // final sigma
    }
    return c;
}

// Only called on valid UTF-8.
std::u32string FoldedCodePoints(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        out += FoldCase(c);
        i += length;
    }
    return out;
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
    if (!IsValidUtf8(a) || !IsValidUtf8(b)) {
        return SameTextAscii(a, b);
    }
    return FoldedCodePoints(a) == FoldedCodePoints(b);
}

} // namespace

void FindHistory::SetItemsCount(int count) {
    if (count >= 0) {
        itemsCount_ = count;
    }
}

void FindHistory::SetItems(const std::vector<std::string>& items) {
    items_ = items;
}

void FindHistory::Record(std::string_view text) {
    if (!text.empty()) {
        const auto held = std::find_if(items_.begin(), items_.end(), [&](const std::string& item) {
            return SameTextIgnoringCase(item, text);
        });
        if (held == items_.end()) {
            items_.insert(items_.begin(), std::string(text));
        } else {
            std::rotate(items_.begin(), held, held + 1);
        }
    }
    const auto limit = static_cast<std::size_t>(itemsCount_);
    if (limit > 0 && items_.size() > limit) {
        items_.resize(limit);
    }
}

} // namespace kolvi
