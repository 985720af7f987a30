#include "TKNImage.h"

#include <QMouseEvent>
#include <QPainter>

namespace kolvi {

TKNImage::TKNImage(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TKNImage::SetImage(const QImage& image) {
    image_ = image;
    update();
}

void TKNImage::SetOverlay(std::vector<QPoint> pixels, const QColor& color) {
    overlay_ = std::move(pixels);
    overlayColor_ = color;
    update();
}

void TKNImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (image_.isNull() || image_.hasAlphaChannel()) {
        painter.fillRect(rect(), palette().window());
    }
    painter.drawImage(0, 0, image_);
    if (!overlay_.empty()) {
        painter.setPen(overlayColor_);
        painter.drawPoints(overlay_.data(), static_cast<int>(overlay_.size()));
    }
}

void TKNImage::mousePressEvent(QMouseEvent* event) {
    Q_EMIT MousePressed(event->button(), event->modifiers(), event->position().toPoint());
}

void TKNImage::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT MouseMoved(event->buttons(), event->position().toPoint(), event->modifiers());
}

void TKNImage::mouseReleaseEvent(QMouseEvent* event) {
    Q_EMIT MouseReleased(event->button(), event->position().toPoint(), event->modifiers());
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Q_EMIT Clicked();
    }
}

} // namespace kolvi
