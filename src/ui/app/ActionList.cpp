#include "ActionList.h"

namespace kolvi {

ActionList::ActionList(const QString& name, std::span<const ActionSpec> specs, QObject* parent)
    : QObject(parent) {
    setObjectName(name);
    for (const ActionSpec& spec : specs) {
        auto* action = new TKNAction(QString::fromUtf8(spec.name), QString::fromUtf8(spec.category),
                                     QString::fromUtf8(spec.caption), spec.shortcut, this);
        action->setCheckable(spec.checkable);
        action->setChecked(spec.checked);
        actions_.push_back(action);
    }
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
