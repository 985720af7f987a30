// Reads arbitrary bytes as a colour-list file: every line kept is a valid
// entry, writing the list and reading it back gives the same lines, and
// nothing grows beyond the input.
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
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines = kolvi::SplitColorListText(bytes);
    kolvi::FilterColorLines(lines);
    std::size_t total = 0;
    for (const std::string& line : lines) {
        Check(line.size() >= kolvi::ColorListMinimumLine && line.front() == '#');
        Check(line.find_first_of(std::string("\r\n\0", 3)) == std::string::npos);
        kolvi::ColorListLineColor(line);
        total += line.size();
    }
    Check(total <= size);
    const std::string written = kolvi::JoinColorListLines(lines);
    std::vector<std::string> again = kolvi::SplitColorListText(written);
    kolvi::FilterColorLines(again);
    Check(again == lines);
    return 0;
}
