// One QApplication for every GUI test, set up as kolvi sets up its own, and
// sealed off from the desktop it runs on: the offscreen platform, private
// runtime and config folders, and no instance channel unless a test makes one.
#include "app/ApplicationSetup.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

// The offscreen platform, with its screens as the build gives them.
#ifndef KOLVI_GUI_PLATFORM
#define KOLVI_GUI_PLATFORM "offscreen"
#endif

// Qt keeps some allocations until the process ends; they are no leaks of kolvi.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=0";
}

int main(int argc, char* argv[]) {
    const QTemporaryDir runtime;
    const QTemporaryDir config;
    if (!runtime.isValid() || !config.isValid()) {
        return 1;
    }
    setenv("QT_QPA_PLATFORM", KOLVI_GUI_PLATFORM, 1);
    setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 1);
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    setenv("KOLVI_INSTANCE_CHANNEL", "null", 1);
    QApplication application(argc, argv);
    kolvi::SetUpApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
