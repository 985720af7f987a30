// The floor for start-up: a bare Qt window that quits after its first paint,
// measured the same way as kolvi.
#include "app/StartupProbe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(417, 330);
    kolvi::QuitAfterFirstPaintIfAsked(&window);
    window.show();
    return QApplication::exec();
}
