#include "ColorHistory.h"

#include "text/AsciiCase.h"

#include <algorithm>
#include <utility>

namespace kolvi {

void ColorHistory::AddToHistory(std::string_view code) {
    // The lower-case output option never reaches the history.
    const std::string upper = UpperCaseAscii(code);
    std::string line = upper + upper;
    const auto older = std::find_if(lines_.begin(), lines_.end(), [&](const std::string& held) {
        return SameTextAscii(held, line);
    });
    if (older != lines_.end()) {
        lines_.erase(older);
    }
    lines_.insert(lines_.begin(), std::move(line));
    if (lines_.size() > Capacity) {
        lines_.resize(Capacity);
    }
}

} // namespace kolvi
