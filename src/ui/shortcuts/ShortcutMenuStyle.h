#pragma once

#include <QProxyStyle>

namespace kolvi {

// Menus name an item's key as the shortcut dialog and the settings do
// ("Shift+Ctrl+C"), not in Qt's order ("Ctrl+Shift+C"): the text after the
// tab of each menu item is rewritten as it is drawn.
class ShortcutMenuStyle : public QProxyStyle {
    Q_OBJECT

  public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

// A menu item's text with its key text, after the tab, as kolvi writes it.
QString WithShortcutText(const QString& itemText);

} // namespace kolvi
