#include "IniFile.h"

#include "color/IntegerText.h"
#include "text/AsciiCase.h"

#include <optional>
#include <string>
#include <utility>

namespace kolvi {

namespace {

bool IsSectionHeader(std::string_view line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

std::size_t IniFile::CaseFoldHash::operator()(std::string_view text) const {
    // FNV-1a over the folded bytes.
    std::uint64_t hash = 14695981039346656037u;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(LowerAscii(c));
        hash *= 1099511628211u;
    }
    return static_cast<std::size_t>(hash);
}

bool IniFile::CaseFoldEqual::operator()(std::string_view a, std::string_view b) const {
    // Only ASCII letters fold: the text is in a multi-byte code page whose
    // bytes above 0x7F must pass unchanged.
    return SameTextAscii(a, b);
}

IniFile IniFile::Parse(std::string_view bytes) {
    IniFile ini;
    // Some Windows editors put a UTF-8 byte-order mark first; it would hide
    // the first section's header.
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    // An index, not a pointer: adding a section may move the others.
    std::optional<std::size_t> current;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", pos);
        const std::string_view line =
            bytes.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        if (end == std::string_view::npos) {
            pos = bytes.size();
        } else if (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') {
            pos = end + 2;
        } else {
            pos = end + 1;
        }

        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (IsSectionHeader(line)) {
            // A repeated header continues the earlier section, so that every
            // entry stays reachable by lookup.
            current = ini.SectionFor(line.substr(1, line.size() - 2));
            continue;
        }
        if (!current) {
            continue;
        }
        Section& section = ini.sections_[*current];
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            AddEntry(section, Entry{std::string(line), std::string(), false});
        } else {
            AddEntry(section, Entry{std::string(line.substr(0, equals)),
                                    std::string(line.substr(equals + 1)), true});
        }
    }
    return ini;
}

std::string IniFile::Serialize() const {
    std::size_t size = 0;
    for (const Section& section : sections_) {
        size += section.name.size() + 6;
        for (const Entry& entry : section.entries) {
            size += entry.key.size() + entry.value.size() + 3;
        }
    }
    std::string out;
    out.reserve(size);
    for (const Section& section : sections_) {
        out += '[';
        out += section.name;
        out += "]\r\n";
        for (const Entry& entry : section.entries) {
            out += entry.key;
            if (entry.hasEquals) {
                out += '=';
                out += entry.value;
            }
            out += "\r\n";
        }
        out += "\r\n";
    }
    return out;
}

const IniFile::Entry* IniFile::Find(std::string_view section, std::string_view key) const {
    const auto s = sectionIndex_.find(section);
    if (s == sectionIndex_.end()) {
        return nullptr;
    }
    const Section& found = sections_[s->second];
    const auto e = found.keys.find(key);
    return e == found.keys.end() ? nullptr : &found.entries[e->second];
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    const Entry* entry = Find(section, key);
    return std::string(entry != nullptr ? std::string_view(entry->value) : fallback);
}

std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                                  std::int32_t fallback) const {
    const Entry* entry = Find(section, key);
    return entry != nullptr ? StrToIntDef(entry->value, fallback) : fallback;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
    const Entry* entry = Find(section, key);
    if (entry == nullptr) {
        return fallback;
    }
    const auto value = ParseInteger(entry->value);
    return value.has_value() ? *value != 0 : fallback;
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    // Refuse what the reader would split, drop or take for something else: a
    // value with a line break could even plant a section of its own.
    if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value) ||
        key.find('=') != std::string_view::npos || key.starts_with(';') ||
        (key.starts_with('[') && value.ends_with(']'))) {
        return false;
    }
    Section& target = sections_[SectionFor(section)];
    Entry entry{std::string(key), std::string(value), true};
    if (const auto found = target.keys.find(key); found != target.keys.end()) {
        target.entries[found->second] = std::move(entry);
    } else {
        AddEntry(target, std::move(entry));
    }
    return true;
}

bool IniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    return WriteString(section, key, std::to_string(value));
}

bool IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    return WriteString(section, key, value ? "1" : "0");
}

std::size_t IniFile::SectionFor(std::string_view name) {
    if (const auto found = sectionIndex_.find(name); found != sectionIndex_.end()) {
        return found->second;
    }
    sectionIndex_.emplace(std::string(name), sections_.size());
    sections_.push_back(Section{std::string(name), {}, {}});
    return sections_.size() - 1;
}

void IniFile::AddEntry(Section& section, Entry entry) {
    // Only the first entry of a key is ever looked up or replaced. A line
    // without "=" has no key: it is kept and written back, never found.
    if (entry.hasEquals) {
        section.keys.try_emplace(entry.key, section.entries.size());
    }
    section.entries.push_back(std::move(entry));
}

} // namespace kolvi
