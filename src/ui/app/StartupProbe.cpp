#include "StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace kolvi {

namespace {

class FirstPaintWatcher : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::printf("%lld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            std::fflush(stdout);
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return false;
    }
};

} // namespace

void QuitAfterFirstPaintIfAsked(QWidget* window) {
    if (std::getenv("KOLVI_QUIT_AFTER_FIRST_PAINT") != nullptr) {
        window->installEventFilter(new FirstPaintWatcher(window));
    }
}

} // namespace kolvi
