#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kolvi {

// The texts searched for in the find dialog, most recent first, each once
// whatever its letter case (UTF-8; ASCII, Latin, Greek, Cyrillic and
// full-width Latin letters compare without regard to case).
class FindHistory {
  public:
    static constexpr int DefaultItemsCount = 8;

    int ItemsCount() const { return itemsCount_; }
    // The most entries a search leaves, 0 for no limit; a negative count is
    // ignored.
    void SetItemsCount(int count);

    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(const std::vector<std::string>& items);

    // The text goes to the top; an entry equal to it but for case moves there
    // instead, keeping its own case. An empty text records nothing. Then the
    // oldest entries beyond ItemsCount are dropped.
    void Record(std::string_view text);

  private:
    int itemsCount_ = DefaultItemsCount;
    std::vector<std::string> items_;
};

} // namespace kolvi
