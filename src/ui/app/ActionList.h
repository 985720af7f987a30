#pragma once

#include "TKNAction.h"
#include "shell/ActionTable.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <vector>

namespace kolvi {

// An ordered list of actions: the order is the settings file's order and the
// order in which a shortcut finds its action.
class ActionList : public QObject {
    Q_OBJECT

  public:
    // Builds the list from its designed table.
    ActionList(const QString& name, std::span<const ActionSpec> specs, QObject* parent);
    const std::vector<TKNAction*>& Actions() const { return actions_; }
    TKNAction* Find(const QString& name) const;
    // The first enabled action with this shortcut, or nullptr.
    TKNAction* FindShortcut(std::uint16_t code) const;
    void SetAllEnabled(bool enabled);

  private:
    std::vector<TKNAction*> actions_;
};

} // namespace kolvi
