#pragma once

class QPalette;

namespace kolvi {

// Fills kolvi's system colour table from the desktop palette.
void RefreshSystemColors(const QPalette& palette);

} // namespace kolvi
