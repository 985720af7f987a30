#include "ApplicationWindows.h"

#include "platform/TrayHostWatcher.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <QWidget>

namespace kolvi {

ApplicationWindows::ApplicationWindows(QWidget* picker, std::function<bool()> toTray,
                                       QObject* parent)
    : QObject(parent), picker_(picker), toTray_(std::move(toTray)) {}

ApplicationWindows::~ApplicationWindows() {
    SetTrayIcon(false);
}

void ApplicationWindows::SetRulerWindow(QWidget* ruler) {
    ruler_ = ruler;
}

void ApplicationWindows::SetOptionWindow(QWidget* option) {
    option_ = option;
}

QWidget* ApplicationWindows::FrontWindow() const {
    if (mode_ == Mode::Ruler && !ruler_.isNull()) {
        return ruler_;
    }
    return picker_;
}

bool ApplicationWindows::MinimizesToTray() const {
    // Without a tray nothing could bring a hidden window back: then minimising
    // stays an ordinary minimise.
    return toTray_() && QSystemTrayIcon::isSystemTrayAvailable();
}

void ApplicationWindows::HideInTray() {
    SetTrayIcon(true);
    // The option window goes with the picker; showing the picker brings it back.
    if (FrontWindow() == picker_ && !option_.isNull()) {
        option_->hide();
    }
    FrontWindow()->hide();
}

void ApplicationWindows::Minimize() {
    // Straight into the tray: iconifying first races the window manager, whose
    // late answer would send a restored window back into the tray.
    if (MinimizesToTray()) {
        HideInTray();
    } else {
        FrontWindow()->showMinimized();
    }
}

void ApplicationWindows::FrontWindowMinimized() {
    if (!MinimizesToTray()) {
        return;
    }
    // Once the minimise is complete: hiding inside the state change is undone by it.
    QTimer::singleShot(0, this, [this] {
        if (FrontWindow()->isMinimized()) { // not restored meanwhile
            HideInTray();
        }
    });
}

void ApplicationWindows::Restore() {
    FrontWindow()->showNormal();
    SetTrayIcon(false);
}

void ApplicationWindows::Activate() {
    QWidget* front = FrontWindow();
    if (front->isVisible()) {
        front->raise();
        front->activateWindow();
    }
}

void ApplicationWindows::SetTrayIcon(bool show) {
    if (show) {
        if (trayIcon_ == nullptr) {
            trayIcon_ = new QSystemTrayIcon(QApplication::windowIcon(), this);
            // Queued: hiding the icon while Qt still delivers the click to it
            // would free the widget under the event.
            connect(
                trayIcon_, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::Context ||
                        reason == QSystemTrayIcon::DoubleClick) {
                        Q_EMIT TrayIconClicked();
                    }
                },
                Qt::QueuedConnection);
            trayHost_ = new TrayHostWatcher(this);
            connect(trayHost_, &TrayHostWatcher::TrayHostGone, this, [this] {
                // Nothing could bring the windows back from a tray that is gone.
                if (trayIconShown_) {
                    Restore();
                    Activate();
                }
            });
        }
        trayIcon_->setToolTip(QApplication::applicationName());
        trayIcon_->show();
        trayHost_->Watch();
        trayIconShown_ = true;
    } else {
        if (trayIconShown_ && trayIcon_ != nullptr) {
            trayHost_->Stop();
            trayIcon_->hide();
        }
        trayIconShown_ = false;
    }
}

} // namespace kolvi
