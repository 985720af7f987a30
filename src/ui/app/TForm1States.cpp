// Window life cycle and states: show and close, the tray icon, minimising,
// always on top, and which action list is live in which mode.
#include "TForm1.h"

#include "ApplicationWindows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QTimer>
#include <QWindow>

namespace kolvi {

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Only kolvi's own showing counts: the window system's echo of an earlier
    // map can arrive after the window went to the tray, and must not take the
    // icon away from a hidden window.
    if (event->spontaneous()) {
        return;
    }
    SetTrayIcon(false);
    if (windows_->CurrentMode() == ApplicationWindows::Mode::Ruler) {
        return;
    }
    SyncOptionWindow();
    SetTopMost(ActionOptionStayOnTop->isChecked(), this);
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (closing_) {
        // Asked again while the save's message is open (a second signal):
        // end now.
        event->accept();
        QCoreApplication::exit();
        return;
    }
    closing_ = true;
    SaveSettingsFile();
    closing_ = false;
    QMainWindow::closeEvent(event);
    // Closing the main window ends kolvi, whatever else is open or hidden
    // (the option window, the ruler, the tray).
    QCoreApplication::quit();
}

void TForm1::SetTrayIcon(bool show) {
    windows_->SetTrayIcon(show);
}

bool TForm1::TrayIconShown() const {
    return windows_->TrayIconShown();
}

void TForm1::AppMinimize() {
    windows_->FrontWindowMinimized();
}

void TForm1::WMTrayNotify() {
    windows_->Restore();
    ActivateFrontWindow();
}

void TForm1::SetTopMost(bool topMost, QWidget* window) {
    // On a visible window, setting the widget flag would recreate it.
    if (QWindow* handle = window->windowHandle()) {
        handle->setFlag(Qt::WindowStaysOnTopHint, topMost);
    } else {
        window->setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
    }
}

void TForm1::EnableActionLists(bool main, bool ruler) {
    ActionListMain->SetAllEnabled(main);
    ActionListRuler->SetAllEnabled(ruler);
    for (const char* name :
         {"ActionEditCursorColor", "ActionEditMinimize", "ActionEditClose",
          "ActionOptionMinimizeHide", "ActionOptionRulerRun", "ActionOptionMutex"}) {
        Action(name)->setEnabled(true);
    }
}

} // namespace kolvi
