#include "TKNSpeedEdit.h"

#include <QEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>

namespace kolvi {

TKNSpeedEdit::TKNSpeedEdit(const QString& name, QWidget* parent)
    : QLineEdit(parent), button_(new QToolButton(this)) {
    setObjectName(name);
    button_->setObjectName(QStringLiteral("KNSpeedButton"));
    button_->setAutoRaise(true);
    button_->setAutoFillBackground(true);
    button_->setCursor(Qt::ArrowCursor);
    // A click on it leaves the focus where it was, as on a tool bar.
    button_->setFocusPolicy(Qt::NoFocus);
    connect(button_, &QToolButton::clicked, this, &TKNSpeedEdit::ButtonClick);
    LayOut();
}

void TKNSpeedEdit::SetButtonCaption(const QString& caption) {
    buttonCaption_ = caption;
    button_->setText(caption);
}

QRect TKNSpeedEdit::ButtonGeometry() const {
    if (hasFrame()) {
        QStyleOptionFrame option;
        initStyleOption(&option);
        const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
        if (contents.isValid() && contents != rect()) {
            const int side = contents.height();
            return {contents.right() + 1 - side, contents.top(), side, side};
        }
    }
    const int side = height();
    return {width() - side, 0, side, side};
}

void TKNSpeedEdit::LayOut() {
    const QRect button = ButtonGeometry();
    button_->setGeometry(button);
    // The margins count from the contents' edge, which the button touches.
    setTextMargins(0, 0, button.width(), 0);
}

void TKNSpeedEdit::resizeEvent(QResizeEvent* event) {
    LayOut();
    QLineEdit::resizeEvent(event);
}

void TKNSpeedEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::StyleChange) {
        LayOut();
    }
}

} // namespace kolvi
