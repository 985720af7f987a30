#include "TKNAction.h"

#include "shortcuts/ShortcutKeys.h"

namespace kolvi {

TKNAction::TKNAction(const QString& name, const QString& category, const QString& caption,
                     std::uint16_t shortcut, QObject* parent)
    : QAction(caption, parent), category_(category), shortcut_(shortcut) {
    setObjectName(name);
    // Menus show the key; it only ever fires inside an open menu, the dispatch
    // of kolvi's own shortcuts does the rest.
    setShortcutContext(Qt::WidgetShortcut);
    setShortcut(KeySequenceFromShortcut(shortcut));
}

void TKNAction::SetShortcutCode(std::uint16_t code) {
    if (shortcut_ != code) {
        shortcut_ = code;
        setShortcut(KeySequenceFromShortcut(code));
    }
}

} // namespace kolvi
