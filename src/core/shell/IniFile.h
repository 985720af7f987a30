#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kolvi {

// The settings file held whole in memory: bytes in, bytes out. Section names
// and keys compare without regard to ASCII case; nothing is ever trimmed.
// Sections and entries the program does not know survive a rewrite; comment
// lines, empty lines and lines before the first section do not.
class IniFile {
  public:
    // Never fails: any bytes give a model (a missing file is simply ""). A
    // leading UTF-8 byte-order mark is skipped.
    static IniFile Parse(std::string_view bytes);

    // Each section as "[name]", its entries, then one empty line; CR LF after
    // every line.
    std::string Serialize() const;

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // Through StrToIntDef: the fallback when missing or not an integer.
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t fallback) const;
    // True for any integer other than 0; the fallback when missing or not an
    // integer.
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

    // Replaces the first entry with this key in place, else appends to the end
    // of the section; a new section goes after all others. Returns false and
    // changes nothing when the line could not be read back as written: a line
    // break in any part, "=" in the key, a key starting with ";", or a line
    // that would read as a section header.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    bool WriteBool(std::string_view section, std::string_view key, bool value);

  private:
    struct CaseFoldHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const;
    };
    struct CaseFoldEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    // Maps a name to the position of its first holder.
    using NameIndex = std::unordered_map<std::string, std::size_t, CaseFoldHash, CaseFoldEqual>;

    struct Entry {
        std::string key;
        std::string value;
        // A line without "=" is kept verbatim (its text in `key`) but has no
        // key for lookups.
        bool hasEquals = true;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
        NameIndex keys;
    };

    const Entry* Find(std::string_view section, std::string_view key) const;
    // Finds or appends the section; its position, as adding one may move the others.
    std::size_t SectionFor(std::string_view name);
    static void AddEntry(Section& section, Entry entry);

    std::vector<Section> sections_;
    NameIndex sectionIndex_;
};

} // namespace kolvi
