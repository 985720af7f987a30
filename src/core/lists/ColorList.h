#pragma once

#include "color/ColorValue.h"

#include <string>
#include <string_view>
#include <vector>

namespace kolvi {

// A colour list (the favourites, the output history, a file of the Colors
// folder): lines of bytes in the system code page, each "#RRGGBB" directly
// followed by the entry's name. Lines are kept as the bytes read, so a list
// written back is the same bytes; lengths count bytes.

inline constexpr std::size_t ColorListCodeLength = 7;
inline constexpr std::size_t ColorListMinimumLine = ColorListCodeLength + 1;

// The colour of a line: its code, or the window colour when it is none.
TColor ColorListLineColor(std::string_view line);
// The name: everything after the code, unchanged.
std::string_view ColorListLineName(std::string_view line);

// One entry of the Colors folder as the file system lists it.
struct FolderEntry {
    std::string name;
    bool isFolder = false;
};

// The list files among a folder's entries: files whose extension is ".dat" in
// any case, sorted by name ignoring ASCII case (ties in byte order).
std::vector<std::string> ColorListFileNames(std::vector<FolderEntry> entries);

// The menu's access key for list file i: "&0 " ... "&9 ", "&a " ... "&z ",
// then "&36 " and on.
std::string ColorListAccel(int index);

// A file's name without its folder and extension, as its menu item and the
// window caption show it.
std::string ColorListTitle(std::string_view fileName);

} // namespace kolvi
