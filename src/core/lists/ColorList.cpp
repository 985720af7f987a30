#include "ColorList.h"

#include "color/ColorCode.h"
#include "text/AsciiCase.h"

#include <algorithm>

namespace kolvi {

namespace {

constexpr std::string_view AccelCharacters = "0123456789abcdefghijklmnopqrstuvwxyz";

} // namespace

TColor ColorListLineColor(std::string_view line) {
    // Only "#" and the six digits after it are read; the name never counts.
    return ParseColorCode(line.substr(0, ColorListCodeLength), clWindow);
}

std::string_view ColorListLineName(std::string_view line) {
    return line.size() > ColorListCodeLength ? line.substr(ColorListCodeLength)
                                             : std::string_view();
}

std::vector<std::string> ColorListFileNames(std::vector<FolderEntry> entries) {
    std::vector<std::string> names;
    for (FolderEntry& entry : entries) {
        const std::string& name = entry.name;
        if (!entry.isFolder && name.size() >= 4 &&
            SameTextAscii(std::string_view(name).substr(name.size() - 4), ".dat")) {
            names.push_back(std::move(entry.name));
        }
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string la = LowerCaseAscii(a);
        const std::string lb = LowerCaseAscii(b);
        return la != lb ? la < lb : a < b;
    });
    return names;
}

std::string ColorListAccel(int index) {
    std::string accel = "&";
    if (index >= 0 && index < static_cast<int>(AccelCharacters.size())) {
        accel += AccelCharacters[static_cast<std::size_t>(index)];
    } else {
        accel += std::to_string(index);
    }
    accel += ' ';
    return accel;
}

std::string ColorListTitle(std::string_view fileName) {
    if (const auto slash = fileName.find_last_of("/\\"); slash != std::string_view::npos) {
        fileName.remove_prefix(slash + 1);
    }
    if (const auto dot = fileName.rfind('.'); dot != std::string_view::npos && dot > 0) {
        fileName = fileName.substr(0, dot);
    }
    return std::string(fileName);
}

} // namespace kolvi
