#pragma once

#include "color/Bitmap24.h"
#include "ruler/RulerGeometry.h"

#include <QColor>
#include <QFont>
#include <QImage>

namespace kolvi {

// The text of the ruler, drawn with Qt onto its 24-bit images: the numbers of
// a bare scale, and a mark with its label over a copy of one.
struct RulerInk {
    QFont font;
    QColor text;
    QColor background;
    // Device pixels to one ruler pixel: the images are drawn at the screen's
    // own resolution.
    double pixelRatio = 1.0;
};

// The size of a text in the ruler's font.
Extent RulerTextSize(const QFont& font, const QString& text);

// A bare scale: the fill, ticks and edge line, and the numbers every 100 px.
void DrawBareScale(Bitmap24& scale, bool horizontal, const RulerInk& ink);

// The bare scale with one mark: band, lines and the label in its opaque box.
QImage MarkedScale(const Bitmap24& bare, bool horizontal, const RulerMark& mark,
                   const RulerInk& ink);

// The bytes of a bitmap seen as an image of that pixel ratio, without a copy.
QImage BitmapImage(Bitmap24& bitmap, double pixelRatio = 1.0);

} // namespace kolvi
