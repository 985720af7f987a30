#include "ScreenSample.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <algorithm>

#include <cmath>

namespace kolvi {

ScreenSample GrabAroundCursor() {
    const QPoint cursor = QCursor::pos();
    QScreen* screen = QGuiApplication::screenAt(cursor);
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    ScreenSample sample;
    sample.pixels = QImage(ScreenSampleSize, ScreenSampleSize, QImage::Format_RGB32);
    sample.pixels.fill(Qt::black);
    if (screen == nullptr) {
        return sample;
    }
    const int half = ScreenSampleSize / 2;
    const QRect wanted(cursor - QPoint(half, half), QSize(ScreenSampleSize, ScreenSampleSize));
    // Grab only what is on this screen; some platforms return garbage beyond it.
    const QRect onScreen = wanted & screen->geometry();
    if (onScreen.isEmpty()) {
        return sample;
    }
    const QPoint local = onScreen.topLeft() - screen->geometry().topLeft();
    const QImage grabbed =
        screen->grabWindow(0, local.x(), local.y(), onScreen.width(), onScreen.height()).toImage();
    if (grabbed.isNull()) {
        return sample;
    }
    // With a scale factor other than 1 the grab holds device pixels: take the
    // device pixel at each sampled point.
    const double ratio = static_cast<double>(grabbed.width()) / onScreen.width();
    for (int y = 0; y < onScreen.height(); ++y) {
        for (int x = 0; x < onScreen.width(); ++x) {
            const int gx = std::min(static_cast<int>(std::floor(x * ratio)), grabbed.width() - 1);
            const int gy = std::min(static_cast<int>(std::floor(y * ratio)), grabbed.height() - 1);
            const QPoint target = onScreen.topLeft() - wanted.topLeft() + QPoint(x, y);
            sample.pixels.setPixel(target, grabbed.pixel(gx, gy));
        }
    }
    sample.valid = true;
    return sample;
}

} // namespace kolvi
