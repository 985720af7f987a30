// Reads arbitrary bytes as a colour-list file: every line kept is a valid
// entry, writing the list and reading it back gives the same lines, and
// nothing grows beyond the input.
#include "lists/ColorLines.h"
#include "lists/ColorList.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const kolvi::ColorLines lines =
        kolvi::ColorLines::FromFileText(std::string(reinterpret_cast<const char*>(data), size));
    std::size_t total = 0;
    for (std::size_t row = 0; row < lines.size(); ++row) {
        const std::string_view line = lines[row];
        Check(line.size() >= kolvi::ColorListMinimumLine && line.front() == '#');
        Check(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos);
        kolvi::ColorListLineColor(line);
        total += line.size();
    }
    Check(total <= size);
    const std::string written = lines.FileText();
    Check(kolvi::ColorLines::FromFileText(written).Strings() == lines.Strings());
    Check(kolvi::ColorLines::FromLines(lines.Strings()).FileText() == written);
    return 0;
}
