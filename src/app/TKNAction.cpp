#include "TKNAction.h"

namespace kolvi {

TKNAction::TKNAction(const QString& name, const QString& category, const QString& caption,
                     std::uint16_t shortcut, QObject* parent)
    : QAction(caption, parent), category_(category), shortcut_(shortcut) {
    setObjectName(name);
}

void TKNAction::SetShortcutCode(std::uint16_t code) {
    if (shortcut_ != code) {
        shortcut_ = code;
        Q_EMIT ShortcutCodeChanged();
    }
}

} // namespace kolvi
