#pragma once

#include "ColorValue.h"

#include <string>

namespace kolvi {

// The contrast of a text colour on a background, as WCAG 2.x defines it
// (relative luminance of the sRGB colours), from 1 to 21.
double ContrastRatio(TColor text, TColor background);

// What the text sample's tooltip says: the ratio, cut (never rounded up) to
// one decimal ("4.5:1"), and the AA and AAA verdicts for normal and large
// text (AA 4.5 / AAA 7 for normal text, AA 3 / AAA 4.5 for large text).
std::string ContrastSummary(TColor text, TColor background);

} // namespace kolvi
