#include "ColorLines.h"

#include "ColorList.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace kolvi {

namespace {

bool IsEntry(std::string_view line) {
    return line.size() >= ColorListMinimumLine && line.front() == '#';
}

} // namespace

ColorLines ColorLines::FromFileText(std::string bytes) {
    ColorLines lines;
    if (const void* zero = std::memchr(bytes.data(), '\0', bytes.size())) {
        bytes.resize(static_cast<std::size_t>(static_cast<const char*>(zero) - bytes.data()));
    }
    const char* const start = bytes.data();
    const char* const end = start + bytes.size();
    // memchr for each kind of line end, each found again only once passed:
    // far faster than a scan of the bytes one by one.
    const auto next = [end](const char* from, char c) {
        const void* found = std::memchr(from, c, static_cast<std::size_t>(end - from));
        return found != nullptr ? static_cast<const char*>(found) : end;
    };
    const char* p = start;
    const char* lf = next(p, '\n');
    const char* cr = next(p, '\r');
    while (p < end) {
        const char* const stop = std::min(lf, cr);
        const std::string_view line(p, static_cast<std::size_t>(stop - p));
        if (IsEntry(line)) {
            lines.rows_.push_back({static_cast<std::size_t>(p - start), line.size()});
            lines.liveBytes_ += line.size();
        }
        if (stop == end) {
            break;
        }
        p = stop + (*stop == '\r' && stop + 1 < end && stop[1] == '\n' ? 2 : 1);
        if (lf < p) {
            lf = next(p, '\n');
        }
        if (cr < p) {
            cr = next(p, '\r');
        }
    }
    lines.bytes_ = std::move(bytes);
    return lines;
}

ColorLines ColorLines::FromLines(const std::vector<std::string>& lines) {
    ColorLines entries;
    for (const std::string& line : lines) {
        if (IsEntry(line)) {
            entries.rows_.push_back(entries.Append(line));
        }
    }
    return entries;
}

ColorLines::Row ColorLines::Append(std::string_view line) {
    const Row row{bytes_.size(), line.size()};
    bytes_.append(line);
    liveBytes_ += line.size();
    return row;
}

void ColorLines::Set(std::size_t row, std::string_view line) {
    liveBytes_ -= rows_[row].size;
    rows_[row] = Append(line);
    PackWhenMostlyDead();
}

void ColorLines::Insert(std::size_t row, std::string_view line) {
    const Row appended = Append(line);
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(row), appended);
    PackWhenMostlyDead();
}

void ColorLines::Remove(std::size_t row) {
    liveBytes_ -= rows_[row].size;
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
    PackWhenMostlyDead();
}

void ColorLines::Swap(std::size_t a, std::size_t b) {
    std::swap(rows_[a], rows_[b]);
}

void ColorLines::PackWhenMostlyDead() {
    if (bytes_.size() <= 2 * liveBytes_ + 4096) {
        return;
    }
    std::string packed;
    packed.reserve(liveBytes_);
    for (Row& row : rows_) {
        const std::size_t begin = packed.size();
        packed.append(bytes_, row.begin, row.size);
        row.begin = begin;
    }
    bytes_ = std::move(packed);
}

std::string ColorLines::FileText() const {
    std::string text;
    text.reserve(liveBytes_ + 2 * rows_.size());
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        text += (*this)[row];
        text += "\r\n";
    }
    return text;
}

std::vector<std::string> ColorLines::Strings() const {
    std::vector<std::string> strings;
    strings.reserve(rows_.size());
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        strings.emplace_back((*this)[row]);
    }
    return strings;
}

} // namespace kolvi
