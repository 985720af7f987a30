#pragma once

#include "Bitmap24.h"
#include "QuantTables.h"

namespace kolvi {

inline constexpr int StripWidth = 16;
inline constexpr int StripHeight = 253;

enum StripChannel { StripBlue = 0, StripGreen = 1, StripRed = 2 };

// The strip runs once round the colour circle, red at row 0 and again from row 252.
int BaseStripChannel(int row, int channel, const QuantTables& tables);

// Draws every row of the strip (all columns of a row are equal).
void RenderBaseStrip(Bitmap24& strip, const QuantTables& tables);

} // namespace kolvi
