#include "ShortcutDispatcher.h"

#include "ActionList.h"
#include "shortcuts/ShortcutKeys.h"

#include <QApplication>
#include <QKeyEvent>

namespace kolvi {

ShortcutDispatcher::ShortcutDispatcher(std::vector<const ActionList*> lists, QObject* parent)
    : QObject(parent), lists_(std::move(lists)) {}

TKNAction* ShortcutDispatcher::ActionFor(const QKeyEvent& event) const {
    const std::uint16_t code = ShortcutFromKeyEvent(event);
    for (const ActionList* list : lists_) {
        if (TKNAction* action = list->FindShortcut(code)) {
            return action;
        }
    }
    return nullptr;
}

bool ShortcutDispatcher::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::ShortcutOverride) ||
        !watched->isWidgetType() || QApplication::activeModalWidget() != nullptr ||
        QApplication::activePopupWidget() != nullptr) {
        return false;
    }
    TKNAction* action = ActionFor(*static_cast<QKeyEvent*>(event));
    if (action == nullptr) {
        return false;
    }
    if (type == QEvent::ShortcutOverride) {
        // A key given to a command beats a menu's access key (Alt+E) and
        // every other Qt shortcut: it comes back as a key press.
        event->accept();
        return true;
    }
    action->trigger();
    return true;
}

} // namespace kolvi
