#pragma once

#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

#include <functional>

class QWidget;

namespace kolvi {

class TrayHostWatcher;

// kolvi's windows as one application: which window is in front (the picker,
// with its option window beside it, or the ruler in ruler mode), and
// minimising, restoring and activating them together, into the notification
// area when asked. The one place that knows the mode.
class ApplicationWindows : public QObject {
    Q_OBJECT

  public:
    enum class Mode { Picker, Ruler };

    // `toTray` tells whether minimising goes into the notification area.
    ApplicationWindows(QWidget* picker, std::function<bool()> toTray, QObject* parent);
    ~ApplicationWindows() override;

    // The windows that join once they exist.
    void SetRulerWindow(QWidget* ruler);
    void SetOptionWindow(QWidget* option);

    Mode CurrentMode() const { return mode_; }
    void SetMode(Mode mode) { mode_ = mode; }
    // The ruler in ruler mode (once it exists), else the picker.
    QWidget* FrontWindow() const;

    // The application minimised (a command, or the front window's own
    // minimise button): into the tray when asked and a tray exists, else an
    // ordinary minimise of the front window.
    void Minimize();
    // The front window was minimised by the window system.
    void FrontWindowMinimized();
    // Back from the tray or a minimise, as before: the front window shown.
    void Restore();
    // Brings the front window forward.
    void Activate();

    bool TrayIconShown() const { return trayIconShown_; }
    void SetTrayIcon(bool show);

  Q_SIGNALS:
    // A click on the icon (left or right button, once per click).
    void TrayIconClicked();

  private:
    bool MinimizesToTray() const;
    void HideInTray();

    QWidget* picker_;
    QPointer<QWidget> ruler_;
    QPointer<QWidget> option_;
    std::function<bool()> toTray_;
    Mode mode_ = Mode::Picker;
    QSystemTrayIcon* trayIcon_ = nullptr;
    TrayHostWatcher* trayHost_ = nullptr;
    bool trayIconShown_ = false;
};

} // namespace kolvi
