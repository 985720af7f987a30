#include "AsciiCase.h"

#include <algorithm>

namespace kolvi {

std::string LowerCaseAscii(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), LowerAscii);
    return out;
}

std::string UpperCaseAscii(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), UpperAscii);
    return out;
}

} // namespace kolvi
