#include "TKNStaticText.h"

#include <QKeyEvent>

namespace kolvi {

TKNStaticText::TKNStaticText(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
}

void TKNStaticText::SetFilePath(const QString& path) {
    if (path != FFilePath) {
        FFilePath = path;
    }
}

void TKNStaticText::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    Q_EMIT Entered();
}

void TKNStaticText::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    Q_EMIT Exited();
}

void TKNStaticText::keyPressEvent(QKeyEvent* event) {
    Q_EMIT KeyPressed(event);
    QLabel::keyPressEvent(event);
}

} // namespace kolvi
