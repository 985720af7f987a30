#pragma once

#include <QObject>

namespace kolvi {

// Tells when the notification area that holds kolvi's icon goes away (its host
// ends or crashes), so that a window hidden in it never stays out of reach.
class TrayHostWatcher : public QObject {
    Q_OBJECT

  public:
    explicit TrayHostWatcher(QObject* parent);
    ~TrayHostWatcher() override;

    // Watches the tray host that is there now; false when none can be watched.
    bool Watch();
    void Stop();

  Q_SIGNALS:
    void TrayHostGone();

  private:
    struct Connection;
    Connection* connection_ = nullptr;
};

} // namespace kolvi
