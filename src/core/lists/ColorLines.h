#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kolvi {

// The entries of a colour list, held in one buffer of bytes with a span per
// row, so that a list of 100,000 lines is read without an allocation per
// line. An edit appends its bytes and points its row at them; the buffer is
// packed again once dead bytes outweigh the live ones.
class ColorLines {
  public:
    ColorLines() = default;

    // A list file's entries: the text is split at CR LF, a lone CR or a lone
    // LF (a last line without a line end counts, a zero byte ends the text),
    // and only lines that begin with '#' and have at least 8 bytes are kept.
    static ColorLines FromFileText(std::string bytes);
    // The entries among lines already split, in their order.
    static ColorLines FromLines(const std::vector<std::string>& lines);

    std::size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    std::string_view operator[](std::size_t row) const {
        return {bytes_.data() + rows_[row].begin, rows_[row].size};
    }

    void Set(std::size_t row, std::string_view line);
    void Insert(std::size_t row, std::string_view line);
    void Remove(std::size_t row);
    void Swap(std::size_t a, std::size_t b);

    // The list file's bytes: every line followed by CR LF, the last one too.
    std::string FileText() const;
    std::vector<std::string> Strings() const;

  private:
    struct Row {
        std::size_t begin = 0;
        std::size_t size = 0;
    };

    Row Append(std::string_view line);
    void PackWhenMostlyDead();

    std::string bytes_;
    std::vector<Row> rows_;
    std::size_t liveBytes_ = 0;
};

} // namespace kolvi
