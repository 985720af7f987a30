// Parses arbitrary bytes as a settings file, writes a few keys and checks that
// the written file is canonical, stable and reads back what was written.
#include "shell/IniFile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (fold(a[i]) != fold(b[i])) {
            return false;
        }
    }
    return true;
}

// Every line ends with CR LF, and every section with an empty line.
void CheckCanonical(const std::string& out) {
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] == '\r') {
            Check(i + 1 < out.size() && out[i + 1] == '\n');
        } else if (out[i] == '\n') {
            Check(i > 0 && out[i - 1] == '\r');
        }
    }
    Check(out.empty() || out.ends_with("\r\n\r\n"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const std::string section = provider.ConsumeRandomLengthString(16);
    const std::string key = provider.ConsumeRandomLengthString(16);
    const std::string value = provider.ConsumeRandomLengthString(32);
    const std::string otherKey = provider.ConsumeRandomLengthString(16);
    const auto number = provider.ConsumeIntegral<std::int32_t>();
    const bool flag = provider.ConsumeBool();
    const std::string file = provider.ConsumeRemainingBytesAsString();

    kolvi::IniFile ini = kolvi::IniFile::Parse(file);
    const std::string parsed = ini.Serialize();
    CheckCanonical(parsed);
    // Each line grows by at most its CR LF, a header by one empty line more.
    Check(parsed.size() <= 3 * file.size());
    Check(kolvi::IniFile::Parse(parsed).Serialize() == parsed);

    const std::string otherBefore = ini.ReadString(section, otherKey, "\x01missing");
    const bool accepted = ini.WriteString(section, key, value);
    const std::string written = ini.Serialize();
    CheckCanonical(written);
    const kolvi::IniFile reread = kolvi::IniFile::Parse(written);
    Check(reread.Serialize() == written);
    if (!HasLineBreak(section) && !HasLineBreak(key) && !HasLineBreak(value) &&
        key.find('=') == std::string::npos && !key.starts_with(';') && !key.starts_with('[')) {
        Check(accepted);
    }
    if (accepted) {
        Check(ini.ReadString(section, key, "") == value);
        Check(reread.ReadString(section, key, "") == value);
    } else {
        Check(written == parsed);
    }
    if (!SameName(key, otherKey)) {
        Check(ini.ReadString(section, otherKey, "\x01missing") == otherBefore);
        Check(reread.ReadString(section, otherKey, "\x01missing") == otherBefore);
    }

    if (ini.WriteInteger(section, otherKey, number)) {
        Check(ini.ReadInteger(section, otherKey, ~number) == number);
        Check(kolvi::IniFile::Parse(ini.Serialize()).ReadInteger(section, otherKey, ~number) ==
              number);
    }
    if (ini.WriteBool(section, key, flag)) {
        Check(kolvi::IniFile::Parse(ini.Serialize()).ReadBool(section, key, !flag) == flag);
    }
    return 0;
}
