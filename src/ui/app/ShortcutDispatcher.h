#pragma once

#include <QObject>

#include <vector>

class QKeyEvent;

namespace kolvi {

class ActionList;
class TKNAction;

// Offers every key pressed in any kolvi window to the action lists in order; the
// first enabled action with that shortcut runs and the key goes no further.
// While a modal dialog or a popup menu is open, keys are left to it.
class ShortcutDispatcher : public QObject {
    Q_OBJECT

  public:
    ShortcutDispatcher(std::vector<const ActionList*> lists, QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The first enabled action with the key's shortcut, or nullptr.
    TKNAction* ActionFor(const QKeyEvent& event) const;

    std::vector<const ActionList*> lists_;
};

} // namespace kolvi
