#include "StartupProbe.h"
#include "TForm1.h"
#include "platform/InstanceChannel.h"
#include "platform/SystemColors.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The window's Japanese face and the code box's terminal face have other names here.
void SubstituteFonts() {
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("Terminal"), QStringLiteral("DejaVu Sans Mono"));
}

} // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string> arguments(argv + 1, argv + argc);

    auto instance = kolvi::CreateInstanceChannel();
    if (instance->RunningInstanceHoldsLock()) {
        arguments.emplace_back("-restore");
        instance->Forward(arguments);
        return 1;
    }

    // Other windows' pixels cannot be read under Wayland: run through XWayland.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("WAYLAND_DISPLAY") != nullptr &&
        std::getenv("DISPLAY") != nullptr) {
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kolvi"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kolvi.xpm")));
    SubstituteFonts();
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(12);
    QApplication::setFont(font);
    kolvi::RefreshSystemColors(QApplication::palette());

    kolvi::TForm1 form(std::move(arguments), std::move(instance));
    kolvi::QuitAfterFirstPaintIfAsked(&form);
    form.show();
    return QApplication::exec();
}
