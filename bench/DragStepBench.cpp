// Strip and field drag steps in the real main window (offscreen platform): the
// time from a mouse move event to every widget repainted, against a floor of
// repainting the same window with no picker work.
#include "app/ApplicationSetup.h"
#include "app/TForm1.h"
#include "controls/TKNImage.h"
#include "platform/InstanceChannel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Figures {
    double median;
    double p95;
    double worst;
};

Figures Measure(int steps, const std::function<void(int)>& step) {
    std::vector<double> times;
    for (int i = 0; i < steps; ++i) {
        const auto start = Clock::now();
        step(i);
        QApplication::processEvents(); // delivers the repaints
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times[times.size() * 95 / 100], times.back()};
}

void Send(QWidget* widget, QEvent::Type type, QPoint at) {
    QMouseEvent event(type, at, widget->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void Report(const char* name, const Figures& figures, const Figures& floor) {
    std::printf("  %-12s median %.3f ms (%.1fx floor), p95 %.3f ms, worst %.3f ms\n", name,
                figures.median, figures.median / floor.median, figures.p95, figures.worst);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    kolvi::SetUpApplication();
    const QTemporaryDir folder;
    const QString settings = folder.filePath("kolvi.ini");
    // No lock: a kolvi running on the same desktop must not meet the bench.
    setenv("KOLVI_INSTANCE_CHANNEL", "null", 1);
    kolvi::TForm1 form({}, kolvi::CreateInstanceChannel(), {settings, settings, {}});
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        return 1;
    }
    constexpr int Steps = 1000;

    const Figures floor = Measure(Steps, [&](int) { form.update(); });
    std::printf("  floor        median %.3f ms (whole window repainted, no picker work)\n",
                floor.median);

    QWidget* strip = form.findChild<QWidget*>("ImageBaseImage");
    Send(strip, QEvent::MouseButtonPress, {8, 0});
    const Figures stripDrag = Measure(Steps, [&](int i) {
        const int row = i % 506 < 253 ? i % 506 : 505 - i % 506;
        Send(strip, QEvent::MouseMove, {8, row});
    });
    Send(strip, QEvent::MouseButtonRelease, {8, 100});
    Report("strip drag", stripDrag, floor);

    QWidget* field = form.findChild<QWidget*>("ImageMainImage");
    Send(field, QEvent::MouseButtonPress, {0, 0});
    const Figures fieldDrag = Measure(Steps, [&](int i) {
        Send(field, QEvent::MouseMove, {(i * 7) % 256, (i * 3) % 256});
    });
    Send(field, QEvent::MouseButtonRelease, {10, 10});
    Report("field drag", fieldDrag, floor);
    return 0;
}
