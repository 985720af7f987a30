// Decodes arbitrary bytes as kolvi decodes the text of its files: the result
// is always well-formed UTF-8, and UTF-8 input comes back unchanged.
#include "text/AnsiText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = kolvi::AnsiToUtf8(bytes);
    if (!kolvi::IsValidUtf8(text) || (kolvi::IsValidUtf8(bytes) && text != bytes) ||
        text.size() > 3 * size) {
        std::abort();
    }
    return 0;
}
