// Window life cycle and states: show and close, the tray icon, minimising,
// always on top, and which action list is live in which mode.
#include "TForm1.h"

#include "platform/TrayHostWatcher.h"

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
    if (ActionOptionRulerRun->isChecked()) {
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
    // Closing a hidden window (in the tray) does not count as the last window
    // closing, but the program ends all the same.
    if (!isVisible()) {
        QCoreApplication::quit();
    }
}

void TForm1::SetTrayIcon(bool show) {
    if (show) {
        if (trayIcon_ == nullptr) {
            trayIcon_ = new QSystemTrayIcon(QApplication::windowIcon(), this);
            // Queued: hiding the icon while Qt still delivers the click to it
            // would free the widget under the event.
            connect(
                trayIcon_, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) { WMTrayNotify(reason); },
                Qt::QueuedConnection);
            trayHost_ = new TrayHostWatcher(this);
            connect(trayHost_, &TrayHostWatcher::TrayHostGone, this, [this] {
                // Nothing could bring the window back from a tray that is gone.
                if (TrayIconShown) {
                    RestoreFromTray();
                }
            });
        }
        trayIcon_->setToolTip(QApplication::applicationName());
        trayIcon_->show();
        trayHost_->Watch();
        TrayIconShown = true;
    } else {
        if (TrayIconShown && trayIcon_ != nullptr) {
            trayHost_->Stop();
            trayIcon_->hide();
        }
        TrayIconShown = false;
    }
}

bool TForm1::MinimizesToTray() const {
    // Without a tray nothing could bring a hidden window back: then minimising
    // stays an ordinary minimise.
    return ActionOptionMinimizeHide->isChecked() && QSystemTrayIcon::isSystemTrayAvailable();
}

void TForm1::HideInTray() {
    SetTrayIcon(true);
    hide();
}

void TForm1::AppMinimize() {
    if (!MinimizesToTray()) {
        return;
    }
    // Once the minimise is complete: hiding inside the state change is undone by it.
    QTimer::singleShot(0, this, [this] {
        if (isMinimized()) { // not restored meanwhile
            HideInTray();
        }
    });
}

void TForm1::WMTrayNotify(QSystemTrayIcon::ActivationReason reason) {
    if (reason != QSystemTrayIcon::Trigger && reason != QSystemTrayIcon::Context &&
        reason != QSystemTrayIcon::DoubleClick) {
        return;
    }
    RestoreFromTray();
}

void TForm1::RestoreFromTray() {
    showNormal();
    SetTrayIcon(false);
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

void TForm1::SyncOptionWindow() {
    // The option window follows ActionOptionSub once it exists.
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
