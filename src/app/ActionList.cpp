#include "ActionList.h"

namespace kolvi {

ActionList::ActionList(const QString& name, QObject* parent) : QObject(parent) {
    setObjectName(name);
}

TKNAction* ActionList::Add(const QString& name, const QString& category, const QString& caption,
                           std::uint16_t shortcut) {
    auto* action = new TKNAction(name, category, caption, shortcut, this);
    actions_.push_back(action);
    return action;
}

TKNAction* ActionList::Find(const QString& name) const {
    for (TKNAction* action : actions_) {
        if (action->objectName() == name) {
            return action;
        }
    }
    return nullptr;
}

TKNAction* ActionList::FindShortcut(std::uint16_t code) const {
    if (code == 0) {
        return nullptr;
    }
    for (TKNAction* action : actions_) {
        if (action->isEnabled() && action->ShortcutCode() == code) {
            return action;
        }
    }
    return nullptr;
}

void ActionList::SetAllEnabled(bool enabled) {
    for (TKNAction* action : actions_) {
        action->setEnabled(enabled);
    }
}

} // namespace kolvi
