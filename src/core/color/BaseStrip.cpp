#include "BaseStrip.h"

namespace kolvi {

namespace {

int Q(const QuantTable& table, int i) {
    return table[static_cast<std::size_t>(i)];
}

} // namespace

int BaseStripChannel(int row, int channel, const QuantTables& tables) {
    row = row < 0 ? 0 : row;
    const auto t = [row](int start) { return ((row - start) * 256) / 42; };
    const int band = row / 42;
    switch (band) {
    case 0: // red -> magenta
        return channel == StripRed ? 255 : channel == StripGreen ? 0 : Q(tables.blue, t(0));
    case 1: // magenta -> blue
        return channel == StripRed ? Q(tables.red, 255 - t(42)) : channel == StripGreen ? 0 : 255;
    case 2: // blue -> cyan
        return channel == StripRed ? 0 : channel == StripGreen ? Q(tables.green, t(84)) : 255;
    case 3: // cyan -> green
        return channel == StripRed ? 0 : channel == StripGreen ? 255 : Q(tables.blue, 255 - t(126));
    case 4: // green -> yellow
        return channel == StripRed ? Q(tables.red, t(168)) : channel == StripGreen ? 255 : 0;
    case 5: // yellow -> red
        return channel == StripRed     ? 255
               : channel == StripGreen ? Q(tables.green, 255 - t(210))
                                       : 0;
    default:
        return channel == StripRed ? 255 : 0;
    }
}

void RenderBaseStrip(Bitmap24& strip, const QuantTables& tables) {
    for (int y = 0; y < strip.Height(); ++y) {
        const TColor color = MakeColor(BaseStripChannel(y, StripRed, tables),
                                       BaseStripChannel(y, StripGreen, tables),
                                       BaseStripChannel(y, StripBlue, tables));
        for (int x = 0; x < strip.Width(); ++x) {
            strip.SetPixel(x, y, color);
        }
    }
}

} // namespace kolvi
