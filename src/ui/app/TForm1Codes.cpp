// The colour code box and the clipboard: choosing the notation, typing codes,
// paste and copy.
#include "TForm1.h"

#include "color/ColorCode.h"
#include "controls/TKNComboBox.h"
#include "controls/TKNPanel.h"
#include "lists/TForm2.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace kolvi {

namespace {

// Only the first bytes of a text decide whether it is a code or a colour name
// (names are at most 21 bytes), so megabytes on the clipboard cost nothing.
constexpr qsizetype CodeTextLimit = 32;

std::string CodeText(const QString& text) {
    return text.left(CodeTextLimit).toLocal8Bit().toStdString();
}

} // namespace

void TForm1::ConnectCodes() {
    connect(ComboBoxMainColor->lineEdit(), &QLineEdit::textEdited, this,
            &TForm1::ComboBoxMainColorChange);
    connect(ComboBoxMainColor, &QComboBox::activated, this, &TForm1::ComboBoxMainColorChange);
    // The combo holds the focus and hands keys to its line edit by a direct
    // call, which the line edit's filters never see: watch both.
    ComboBoxMainColor->installEventFilter(this);
    ComboBoxMainColor->lineEdit()->installEventFilter(this);

    TKNAction* paste = ActionListMain->Find("ActionEditColorPaste");
    TKNAction* copy = ActionListMain->Find("ActionEditColorCopy");
    connect(ButtonColorPaste, &QPushButton::clicked, paste, &QAction::trigger);
    connect(ButtonColorCopy, &QPushButton::clicked, copy, &QAction::trigger);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == ComboBoxMainColor || watched == ComboBoxMainColor->lineEdit()) &&
        event->type() == QEvent::KeyPress) {
        return ComboBoxMainColorKeyPress(static_cast<QKeyEvent*>(event)->key());
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::ComboBoxMainColorChange() {
    if (CodeTyping) {
        return;
    }
    const QString text = ComboBoxMainColor->currentText();
    for (int i = 0; i < 3; ++i) {
        if (text.compare(ComboBoxMainColor->itemText(i), Qt::CaseInsensitive) == 0) {
            outMode_ = static_cast<std::int16_t>(i);
            return;
        }
    }
    // A partly typed code shows at once, its missing digits read as 0.
    CodeTyping = true;
    SetColor(ParseColorCode(CodeText(text) + "000000", picker_.CurrentColor()));
    CodeTyping = false;
}

bool TForm1::ComboBoxMainColorKeyPress(int key) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter) {
        return false;
    }
    ComboBoxMainColor->setEditText(ComboBoxMainColor->itemText(outMode_));
    return true;
}

void TForm1::ActionEditColorPasteExecute() {
    const QString text = QApplication::clipboard()->text();
    SetColor(ParseColorCode(CodeText(text), picker_.CurrentColor()));
    if (isActiveWindow() && ComboBoxMainColor->isVisible()) {
        ComboBoxMainColor->setFocus();
    }
}

void TForm1::ActionEditColorCopyExecute() {
    QApplication::clipboard()->setText(ComboBoxMainColor->itemText(outMode_));
    PanelBeforeColor->SetColor(PanelMainColor->Color());
    if (isActiveWindow() && ComboBoxMainColor->isVisible()) {
        ComboBoxMainColor->setFocus();
    }
    ColorHistory.AddToHistory(ComboBoxMainColor->itemText(0).toStdString());
    if (Form2 != nullptr) {
        Form2->LoadHistory(); // refreshes only while the history is on view
    }
}

void TForm1::ActionOptionLowerCaseExecute() {
    SetCurrentColor(picker_.CurrentColor());
}

} // namespace kolvi
