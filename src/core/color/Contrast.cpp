#include "Contrast.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kolvi {

namespace {

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(TColor color) {
    const RGB rgb = SplitRGB(color);
    return 0.2126 * Linear(rgb.r) + 0.7152 * Linear(rgb.g) + 0.0722 * Linear(rgb.b);
}

const char* Verdict(double ratio, double needed) {
    return ratio >= needed ? "合格" : "不合格";
}

} // namespace

double ContrastRatio(TColor text, TColor background) {
    const double a = RelativeLuminance(text);
    const double b = RelativeLuminance(background);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

std::string ContrastSummary(TColor text, TColor background) {
    const double ratio = ContrastRatio(text, background);
    char line[256];
    std::snprintf(line, sizeof line,
                  "コントラスト %.1f:1\n通常の文字: AA %s / AAA %s\n大きな文字: AA %s / AAA %s",
                  std::floor(ratio * 10) / 10, Verdict(ratio, 4.5), Verdict(ratio, 7.0),
                  Verdict(ratio, 3.0), Verdict(ratio, 4.5));
    return line;
}

} // namespace kolvi
