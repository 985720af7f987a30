#include "RulerPainting.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace kolvi {

namespace {

TColor ToTColor(const QColor& color) {
    return MakeColor(color.red(), color.green(), color.blue());
}

void DrawText(QImage& image, Point at, const QString& text, const RulerInk& ink) {
    QPainter painter(&image);
    painter.setFont(ink.font);
    painter.setPen(ink.text);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(ink.background);
    const Extent size = RulerTextSize(ink.font, text);
    painter.drawText(QRect(at.x, at.y, size.width, size.height), Qt::AlignLeft | Qt::AlignTop,
                     text);
}

} // namespace

QImage BitmapImage(Bitmap24& bitmap, double pixelRatio) {
    QImage image(bitmap.Row(0), bitmap.Width(), bitmap.Height(),
                 static_cast<qsizetype>(bitmap.Stride()), QImage::Format_BGR888);
    // Painters then work in ruler pixels, and the image shows at its logical size.
    image.setDevicePixelRatio(pixelRatio);
    return image;
}

Extent RulerTextSize(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

void DrawBareScale(Bitmap24& scale, bool horizontal, const RulerInk& ink) {
    DrawScale(scale, horizontal, ToTColor(ink.background), ToTColor(ink.text), ink.pixelRatio);
    QImage pixels = BitmapImage(scale, ink.pixelRatio);
    QPainter painter(&pixels);
    painter.setFont(ink.font);
    painter.setPen(ink.text);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(ink.background);
    const QFontMetrics metrics(ink.font);
    // Only the height of the digits is used; their order does not matter.
    const int digitsHeight = metrics.boundingRect(QStringLiteral("0123465789")).height();
    const double along = (horizontal ? scale.Width() : scale.Height()) / ink.pixelRatio;
    for (const ScaleTick& tick : ScaleTicks(static_cast<int>(std::ceil(along)))) {
        if (!tick.numbered) {
            continue;
        }
        const QString text = QString::number(tick.position);
        const Extent size{metrics.horizontalAdvance(text), metrics.height()};
        const Point at = ScaleNumberAt(horizontal, tick.position, size, digitsHeight);
        painter.drawText(QRect(at.x, at.y, size.width, size.height), Qt::AlignLeft | Qt::AlignTop,
                         text);
    }
}

QImage MarkedScale(const Bitmap24& bare, bool horizontal, const RulerMark& mark,
                   const RulerInk& ink) {
    Bitmap24 marked = bare;
    DrawMark(marked, horizontal, mark, ink.pixelRatio);
    QImage pixels = BitmapImage(marked, ink.pixelRatio).copy();
    DrawText(pixels, mark.labelAt,
             QString::fromStdString(MarkLabel(mark.bandFrom, mark.bandTo, ink.pixelRatio)), ink);
    return pixels;
}

} // namespace kolvi
