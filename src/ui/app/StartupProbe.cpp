#include "StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

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
