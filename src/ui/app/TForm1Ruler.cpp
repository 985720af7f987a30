// The ruler's commands and the switch between picker and ruler mode. They are
// the main window's, like every command; they act on the ruler window.
#include "TForm1.h"

#include "ApplicationWindows.h"
#include "lists/TForm2.h"
#include "ruler/TForm3.h"

#include <QCursor>

namespace kolvi {

namespace {

// The ruler counts as shown when it exists and is visible; its commands do
// nothing otherwise.
TForm3* ShownRuler() {
    return Form3 != nullptr && Form3->isVisible() ? Form3 : nullptr;
}

} // namespace

void TForm1::ShowAtStart() {
    if (ActionOptionRulerRun->isChecked()) {
        // Ruler start: the picker never shows.
        EnableActionLists(false, true);
        windows_->SetMode(ApplicationWindows::Mode::Ruler);
        form3_->show();
        windows_->Activate();
    } else {
        show();
    }
}

void TForm1::ActionEditRulerExecute() {
    if (!isVisible()) {
        return;
    }
    EnableActionLists(false, true);
    windows_->SetMode(ApplicationWindows::Mode::Ruler);
    SetTopMost(Action("ActionRulerStayOnTop")->isChecked(), form3_.get());
    // Normal, whatever state it was hidden in (a minimised ruler left by -p).
    form3_->showNormal();
    windows_->Activate();
    // Hidden, not closed: the option window's check stays.
    hide();
    if (Form2 != nullptr) {
        Form2->hide();
    }
}

void TForm1::ActionRulerPickerExecute() {
    if (ShownRuler() == nullptr) {
        return;
    }
    EnableActionLists(true, false);
    windows_->SetMode(ApplicationWindows::Mode::Picker);
    showNormal();
    windows_->Activate();
    SyncOptionWindow();
    form3_->close();
}

void TForm1::ActionRulerStayOnTopExecute() {
    TKNAction* stayOnTop = Action("ActionRulerStayOnTop");
    if (ShownRuler() == nullptr) {
        // The check flipped with the click; a hidden ruler keeps it as it was.
        stayOnTop->setChecked(!stayOnTop->isChecked());
        return;
    }
    SetTopMost(stayOnTop->isChecked(), form3_.get());
}

void TForm1::ActionRulerMainColorExecute() {
    SyncRulerColorPanel();
}

void TForm1::SyncRulerColorPanel() {
    if (form3_ != nullptr) {
        form3_->SetColorBarShown(Action("ActionRulerMainColor")->isChecked());
    }
}

void TForm1::ActionRulerClearExecute() {
    if (TForm3* ruler = ShownRuler()) {
        ruler->ShowRulers();
    }
}

void TForm1::ActionRulerCursorMarkExecute() {
    if (TForm3* ruler = ShownRuler()) {
        const QPoint pointer = ruler->mapFromGlobal(QCursor::pos());
        const Point at = CursorMarkPosition({pointer.x(), pointer.y()}, ruler->ScreenSize().width(),
                                            ruler->ScreenSize().height());
        ruler->MarkH(at.x);
        ruler->MarkV(at.y);
    }
}

void TForm1::ActionRulerCursorSizeExecute() {
    if (TForm3* ruler = ShownRuler()) {
        const QPoint pointer = ruler->mapFromGlobal(QCursor::pos());
        const Extent size = CursorSizeExtent({pointer.x(), pointer.y()}, ruler->WidthStripSize(),
                                             ruler->HeightStripSize());
        ruler->SetRulerWidth(size.width);
        ruler->SetRulerHeight(size.height);
    }
}

void TForm1::MoveRuler(int dx, int dy) {
    if (TForm3* ruler = ShownRuler()) {
        ruler->MoveBy(dx, dy);
    }
}

void TForm1::SizeRuler(int dw, int dh) {
    if (TForm3* ruler = ShownRuler()) {
        ruler->ResizeBy(dw, dh);
    }
}

void TForm1::ActionRulerUpExecute() {
    MoveRuler(0, -1);
}

void TForm1::ActionRulerDownExecute() {
    MoveRuler(0, 1);
}

void TForm1::ActionRulerLeftExecute() {
    MoveRuler(-1, 0);
}

void TForm1::ActionRulerRightExecute() {
    MoveRuler(1, 0);
}

void TForm1::ActionRulerHUpExecute() {
    SizeRuler(100, 0);
}

void TForm1::ActionRulerHDownExecute() {
    SizeRuler(-100, 0);
}

void TForm1::ActionRulerVUpExecute() {
    SizeRuler(0, 100);
}

void TForm1::ActionRulerVDownExecute() {
    SizeRuler(0, -100);
}

QRect TForm1::CurrentRulerRect() const {
    // In ruler mode the window's own, also while it is hidden in the tray.
    const bool rulerMode = windows_->CurrentMode() == ApplicationWindows::Mode::Ruler;
    return form3_ != nullptr && (rulerMode || form3_->isVisible()) ? form3_->geometry()
                                                                   : rulerRect_;
}

} // namespace kolvi
