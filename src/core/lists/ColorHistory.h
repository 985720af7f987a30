#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kolvi {

// The output history: the codes the copy command put on the clipboard, newest
// first, in memory only. Each line is the upper-case "#RRGGBB" code written
// twice, so it reads as a colour-list line whose name is the code itself.
class ColorHistory {
  public:
    static constexpr std::size_t Capacity = 16;

    // Takes entry 0 of the code combo ("#RRGGBB", either case).
    void AddToHistory(std::string_view code);

    const std::vector<std::string>& Lines() const { return lines_; }

  private:
    std::vector<std::string> lines_;
};

} // namespace kolvi
