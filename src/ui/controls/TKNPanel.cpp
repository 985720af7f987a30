#include "TKNPanel.h"

#include <QMouseEvent>
#include <QPainter>

namespace kolvi {

TKNPanel::TKNPanel(const QString& name, Bevel bevel, QWidget* parent) : QFrame(parent) {
    setObjectName(name);
    if (bevel == Bevel::Lowered) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(1);
    } else {
        setFrameStyle(QFrame::NoFrame);
    }
}

void TKNPanel::SetColor(const QColor& color) {
    if (color_ != color) {
        color_ = color;
        update();
    }
}

void TKNPanel::paintEvent(QPaintEvent* event) {
    if (color_.isValid()) {
        QPainter painter(this);
        painter.fillRect(contentsRect(), color_);
    }
    QFrame::paintEvent(event);
}

void TKNPanel::mousePressEvent(QMouseEvent* event) {
    Q_EMIT MousePressed(event->button(), event->modifiers(), event->position().toPoint());
}

void TKNPanel::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT MouseMoved(event->buttons(), event->position().toPoint(), event->modifiers());
}

void TKNPanel::mouseReleaseEvent(QMouseEvent* event) {
    Q_EMIT MouseReleased(event->button(), event->position().toPoint(), event->modifiers());
}

} // namespace kolvi
