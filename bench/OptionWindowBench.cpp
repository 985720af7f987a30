// The option window on the offscreen platform (tools/bench prints the
// figures): its first show with a 100,000-line favourites file and with none,
// beside showing a bare window of the same size in the same run; and one
// docking step (the picker moved, the option window placed beside it),
// against moving a bare window.
#include "app/ApplicationSetup.h"
#include "app/TForm1.h"
#include "platform/InstanceChannel.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double Milliseconds(const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Events are delivered until the window is shown, exposed and painted.
void ProcessUntilShown(QWidget& window) {
    while (!window.isVisible() || window.windowHandle() == nullptr ||
           !window.windowHandle()->isExposed()) {
        QApplication::processEvents();
    }
    QApplication::processEvents();
}

QWidget* OptionWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("Form2")) {
            return window;
        }
    }
    return nullptr;
}

void WriteFavourites(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::exit(1);
    }
    for (int i = 0; i < 100000; ++i) {
        char line[64];
        const int size = std::snprintf(line, sizeof line, "#%06X favourite number %d\r\n",
                                       i * 167 & 0xFFFFFF, i);
        file.write(line, size);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    kolvi::SetUpApplication();
    const QTemporaryDir folder;
    const QString settings = folder.filePath("kolvi.ini");
    WriteFavourites(folder.filePath("favorite.dat"));
    // No lock: a kolvi running on the same desktop must not meet the bench.
    setenv("KOLVI_INSTANCE_CHANNEL", "null", 1);
    constexpr int Runs = 11;

    const QTemporaryDir emptyFolder;
    const QString noFavourites = emptyFolder.filePath("kolvi.ini");
    const auto firstShow = [](const QString& settingsFile) {
        kolvi::TForm1 form({}, kolvi::CreateInstanceChannel(), {settingsFile, settingsFile, {}});
        form.show();
        ProcessUntilShown(form);
        return Milliseconds([&] {
            form.Action("ActionOptionSub")->trigger();
            ProcessUntilShown(*OptionWindow());
        });
    };
    std::vector<double> bareShows;
    std::vector<double> emptyShows;
    std::vector<double> fullShows;
    for (int run = 0; run < Runs; ++run) {
        {
            QMainWindow bare;
            bare.resize(233, 400);
            bareShows.push_back(Milliseconds([&] {
                bare.show();
                ProcessUntilShown(bare);
            }));
        }
        emptyShows.push_back(firstShow(noFavourites));
        fullShows.push_back(firstShow(settings));
    }
    const double bareShow = Median(bareShows);
    const double emptyShow = Median(emptyShows);
    const double fullShow = Median(fullShows);
    std::printf("  first show: median %.2f ms with 100,000 favourites, %.2f ms with none "
                "(a bare window's show: %.2f ms)\n",
                fullShow, emptyShow, bareShow);

    kolvi::TForm1 form({}, kolvi::CreateInstanceChannel(), {settings, settings, {}});
    form.show();
    ProcessUntilShown(form);
    form.Action("ActionOptionSub")->trigger();
    QWidget* option = OptionWindow();
    ProcessUntilShown(*option);
    form.activateWindow();
    while (!form.isActiveWindow()) {
        QApplication::processEvents();
    }
    constexpr int Steps = 1000;
    std::vector<double> steps;
    for (int i = 0; i < Steps; ++i) {
        const QPoint to(100 + i % 200, 100 + i % 50);
        steps.push_back(Milliseconds([&] {
            form.move(to);
            while (option->frameGeometry().left() != form.frameGeometry().right() + 1) {
                QApplication::processEvents();
            }
        }));
    }
    QMainWindow bare;
    bare.resize(233, 400);
    bare.show();
    ProcessUntilShown(bare);
    std::vector<double> bareMoves;
    for (int i = 0; i < Steps; ++i) {
        const QPoint to(100 + i % 200, 100 + i % 50);
        bareMoves.push_back(Milliseconds([&] {
            bare.move(to);
            while (bare.pos() != to) {
                QApplication::processEvents();
            }
        }));
    }
    const double step = Median(steps);
    const double bareMove = Median(bareMoves);
    std::printf("  docking step: median %.4f ms (%.1fx a bare window's move, %.4f ms)\n", step,
                step / bareMove, bareMove);
    return 0;
}
