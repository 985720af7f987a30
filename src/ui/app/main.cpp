#include "ApplicationSetup.h"
#include "SettingsLocation.h"
#include "StartupProbe.h"
#include "TForm1.h"
#include "platform/InstanceChannel.h"
#include "platform/TerminationSignals.h"

#include <QApplication>

#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    std::vector<std::string> arguments(argv + 1, argv + argc);

    auto instance = kolvi::CreateInstanceChannel();
    if (instance->RunningInstanceHoldsLock()) {
        arguments.emplace_back("-restore");
        if (instance->Forward(arguments) || instance->RunningInstanceHoldsLock()) {
            return 1;
        }
        // The running kolvi gave the lock up while it was asked (its lock
        // option is off): this start is a first one after all.
        arguments.pop_back();
    }

    // Other windows' pixels cannot be read under Wayland: run through XWayland.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("WAYLAND_DISPLAY") != nullptr &&
        std::getenv("DISPLAY") != nullptr) {
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    }

    QApplication application(argc, argv);
    kolvi::SetUpApplication();

    kolvi::TForm1 form(std::move(arguments), std::move(instance),
                       kolvi::SettingsFilePaths(QCoreApplication::applicationFilePath()));
    kolvi::CloseOnTerminationSignals(&form);
    kolvi::QuitAfterFirstPaintIfAsked(&form);
    form.ShowAtStart();
    const int status = QApplication::exec();
    // Settings that could be kept nowhere are a failed run, whatever the loop says.
    return form.SettingsSaved() ? status : 2;
}
