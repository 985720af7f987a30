// Reads arbitrary bytes as shortcut text: a code found is one whose text names
// a key and reads back as the same code.
#include "shortcuts/ShortcutCode.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::uint16_t code = kolvi::TextToShortcut(text);
    if (code == 0) {
        return 0;
    }
    const std::string written = kolvi::ShortcutToText(code);
    if (written.empty() || written.size() != text.size() ||
        kolvi::TextToShortcut(written) != code) {
        std::abort();
    }
    return 0;
}
