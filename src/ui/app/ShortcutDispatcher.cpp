#include "ShortcutDispatcher.h"

#include "ActionList.h"
#include "shortcuts/ShortcutKeys.h"

#include <QApplication>
#include <QKeyEvent>

namespace kolvi {

ShortcutDispatcher::ShortcutDispatcher(std::vector<const ActionList*> lists, QObject* parent)
    : QObject(parent), lists_(std::move(lists)) {}

bool ShortcutDispatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        QApplication::activeModalWidget() != nullptr ||
        QApplication::activePopupWidget() != nullptr) {
        return false;
    }
    const std::uint16_t code = ShortcutFromKeyEvent(*static_cast<QKeyEvent*>(event));
    for (const ActionList* list : lists_) {
        if (TKNAction* action = list->FindShortcut(code)) {
            action->trigger();
            return true;
        }
    }
    return false;
}

} // namespace kolvi
