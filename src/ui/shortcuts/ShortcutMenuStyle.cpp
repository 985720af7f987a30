#include "ShortcutMenuStyle.h"

#include "ShortcutKeys.h"

#include <QStyleOptionMenuItem>

namespace kolvi {

QString WithShortcutText(const QString& itemText) {
    const qsizetype tab = itemText.indexOf(QLatin1Char('\t'));
    if (tab < 0) {
        return itemText;
    }
    const QKeySequence keys =
        QKeySequence::fromString(itemText.mid(tab + 1), QKeySequence::NativeText);
    const std::uint16_t code = keys.count() == 1 ? ShortcutFromKeyCombination(keys[0]) : 0;
    if (code == 0) {
        return itemText;
    }
    return itemText.left(tab + 1) + QString::fromStdString(ShortcutToText(code));
}

void ShortcutMenuStyle::drawControl(ControlElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    if (element == CE_MenuItem) {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            QStyleOptionMenuItem renamed(*item);
            renamed.text = WithShortcutText(item->text);
            QProxyStyle::drawControl(element, &renamed, painter, widget);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

} // namespace kolvi
