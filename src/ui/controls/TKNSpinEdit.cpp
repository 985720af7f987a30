#include "TKNSpinEdit.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QStyleOption>
#include <QStylePainter>
#include <QWheelEvent>

#include <algorithm>
#include <climits>

namespace kolvi {

namespace {

// One half of the up-down: a bevelled button with a spin arrow. It steps on
// press and repeats while held, as a native up-down does.
class SpinArrowButton : public QAbstractButton {
  public:
    SpinArrowButton(const QString& name, QStyle::PrimitiveElement arrow, QWidget* parent)
        : QAbstractButton(parent), arrow_(arrow) {
        setObjectName(name);
        setAutoRepeat(true);
        // Click focus only while the edit is unfocused (see TKNSpinEdit focus
        // handlers): a press then focuses the button, not the edit, so the edit
        // is entered after the step, never before it.
        setFocusPolicy(Qt::ClickFocus);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        option.initFrom(this);
        option.state &= ~QStyle::State_HasFocus;
        option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
        painter.drawPrimitive(QStyle::PE_PanelButtonCommand, option);
        painter.drawPrimitive(arrow_, option);
    }

  private:
    QStyle::PrimitiveElement arrow_;
};

} // namespace

TKNSpinEdit::TKNSpinEdit(const QString& name, QWidget* parent) : QLineEdit(parent) {
    setObjectName(name);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setInputMethodHints(Qt::ImhDigitsOnly);
    setText(QStringLiteral("0"));

    FUpDown = new QWidget(this);
    FUpDown->setObjectName(QStringLiteral("KNUpDown"));
    FUpDown->setCursor(Qt::ArrowCursor);
    FUpButton =
        new SpinArrowButton(QStringLiteral("KNUpDownUp"), QStyle::PE_IndicatorSpinUp, FUpDown);
    FDownButton =
        new SpinArrowButton(QStringLiteral("KNUpDownDown"), QStyle::PE_IndicatorSpinDown, FUpDown);
    connect(FUpButton, &QAbstractButton::pressed, this, [this] { FUpDownClick(1); });
    connect(FDownButton, &QAbstractButton::pressed, this, [this] { FUpDownClick(-1); });

    connect(this, &QLineEdit::textChanged, this, &TKNSpinEdit::Change);
    SetEditRect();
}

void TKNSpinEdit::SetFValue(int value) {
    if (FMinValue != FMaxValue) {
        // Min first, then max: with crossed bounds the result is MaxValue.
        if (value < FMinValue) {
            value = FMinValue;
        }
        if (value > FMaxValue) {
            value = FMaxValue;
        }
    }
    FValue = value;
    const QString shown = QString::number(value);
    if (text() != shown) {
        setText(shown); // raises Change again, nested
    }
}

void TKNSpinEdit::SetFMaxValue(int value) {
    FMaxValue = value;
    SetFValue(FValue);
}

void TKNSpinEdit::SetFMinValue(int value) {
    FMinValue = value;
    SetFValue(FValue);
}

void TKNSpinEdit::SetFIncrement(int value) {
    FIncrement = value;
}

void TKNSpinEdit::Change() {
    const QString current = text();
    if (current.isEmpty()) {
        // Leave the box empty so the user can type a fresh number.
        FValue = FMinValue;
    } else {
        bool ok = false;
        const int read = current.toInt(&ok, 10);
        SetFValue(ok ? read : 0);
    }
    Q_EMIT Changed();
}

void TKNSpinEdit::Step(int direction) {
    // Saturate instead of wrapping when an unbounded value is at the int limits.
    const long long next =
        static_cast<long long>(FValue) + static_cast<long long>(direction) * FIncrement;
    SetFValue(static_cast<int>(std::clamp<long long>(next, INT_MIN, INT_MAX)));
}

void TKNSpinEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        Step(1);
        event->accept();
        return;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        Step(-1);
        event->accept();
        return;
    default:
        break;
    }
    // Only digits can be typed; control characters and Ctrl shortcuts (paste,
    // undo, ...) go through, and pasted text is read as a number in Change.
    if (!(event->modifiers() & Qt::ControlModifier)) {
        const QString typed = event->text();
        const bool rejected = std::any_of(typed.begin(), typed.end(), [](QChar c) {
            return c.isPrint() && (c < QLatin1Char('0') || c > QLatin1Char('9'));
        });
        if (rejected) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TKNSpinEdit::inputMethodEvent(QInputMethodEvent* event) {
    // A composed commit is typing too: keep its ASCII digits only.
    const QString commit = event->commitString();
    QString digits;
    for (const QChar c : commit) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digits += c;
        }
    }
    if (digits.size() == commit.size()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(digits, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
    event->accept();
}

void TKNSpinEdit::wheelEvent(QWheelEvent* event) {
    // One step per notification, whatever the distance.
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        QLineEdit::wheelEvent(event);
        return;
    }
    Step(delta > 0 ? 1 : -1);
    event->accept();
}

void TKNSpinEdit::resizeEvent(QResizeEvent* event) {
    SetEditRect();
    QLineEdit::resizeEvent(event);
}

void TKNSpinEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::StyleChange) {
        SetEditRect(); // the frame width may differ
    }
}

void TKNSpinEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    FUpButton->setFocusPolicy(Qt::NoFocus);
    FDownButton->setFocusPolicy(Qt::NoFocus);
    const Qt::FocusReason reason = event->reason();
    const bool returning =
        FFocusAway && (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason);
    FFocusAway = false;
    if (!returning) {
        Q_EMIT Entered();
    }
}

void TKNSpinEdit::focusOutEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    FFocusAway = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
    FUpButton->setFocusPolicy(Qt::ClickFocus);
    FDownButton->setFocusPolicy(Qt::ClickFocus);
    QLineEdit::focusOutEvent(event);
}

void TKNSpinEdit::SetEditRect() {
    const QRect upDown = GetUpDownRect();
    FUpDown->setGeometry(upDown);
    const int half = upDown.height() / 2;
    FUpButton->setGeometry(0, 0, upDown.width(), half);
    FDownButton->setGeometry(0, half, upDown.width(), upDown.height() - half);

    // Keep the text left of the buttons. The edit adds a small margin of its
    // own on each side; the right one is taken back so three digits fit in a
    // 41 pixel wide box.
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    setTextMargins(0, 0, contents.right() + 1 - upDown.left() - 2, 0);
}

QRect TKNSpinEdit::GetUpDownRect() const {
    // Inside the frame at the right edge, the full height of the client area.
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    return QRect(contents.right() + 1 - UpDownWidth, contents.top(), UpDownWidth,
                 contents.height());
}

void TKNSpinEdit::FUpDownClick(int direction) {
    Step(direction);
    if (isVisible() && isEnabled() && (focusPolicy() & Qt::ClickFocus)) {
        setFocus(Qt::MouseFocusReason);
    }
}

} // namespace kolvi
