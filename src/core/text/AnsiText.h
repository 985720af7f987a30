#pragma once

#include <string>
#include <string_view>

namespace kolvi {

// kolvi keeps text from its files as the bytes it read, so that they are
// written back unchanged; they are decoded only to be shown or used. Files
// made on Japanese Windows are in CP932 (Shift-JIS), newer ones in UTF-8.

bool IsValidUtf8(std::string_view bytes);

// UTF-8 text as it is; anything else read as CP932. Bytes that are not CP932
// either become U+FFFD, one for each byte that could not be read.
std::string AnsiToUtf8(std::string_view bytes);

} // namespace kolvi
