#pragma once

#include <QString>

#include <cstddef>
#include <string>
#include <string_view>

namespace kolvi {

// kolvi's own files on disk (settings, favourites): read only when they are
// regular files of a sane size, replaced whole and atomically.

struct FileRead {
    enum class Outcome { Read, Missing, Refused };
    Outcome outcome = Outcome::Missing;
    std::string bytes;
    // Why a file that exists was not read.
    std::string problem;
};

// Never blocks on a FIFO or a device and never reads more than `limit` bytes.
FileRead ReadKolviFile(const std::string& path, std::size_t limit);

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and
// renames it over `path`; on any failure `path` is left as it was and the
// reason is returned. An empty result means success. Temporary files that a
// killed save of an earlier kolvi left beside `path` are removed first.
std::string ReplaceKolviFile(const std::string& path, std::string_view bytes);

// The same for Qt's paths; the reason of a failed replace as text to show.
FileRead ReadKolviFile(const QString& path, std::size_t limit);
QString ReplaceKolviFile(const QString& path, std::string_view bytes);

} // namespace kolvi
