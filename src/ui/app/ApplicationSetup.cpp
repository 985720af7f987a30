#include "ApplicationSetup.h"

#include "platform/SystemColors.h"
#include "shortcuts/ShortcutMenuStyle.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPalette>

namespace kolvi {

void SetUpApplication() {
    QApplication::setApplicationName(QStringLiteral("kolvi"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kolvi.xpm")));
    // The window's Japanese face and the code box's terminal face have other names here.
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("Terminal"), QStringLiteral("DejaVu Sans Mono"));
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(12);
    QApplication::setFont(font);
    // The proxy wraps the style the platform chose; the application owns it.
    QApplication::setStyle(new ShortcutMenuStyle);
    RefreshSystemColors(QApplication::palette());
}

} // namespace kolvi
