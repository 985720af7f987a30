#pragma once

#include <QAction>

#include <cstdint>

namespace kolvi {

// A command: a named action with a category and a stored 16-bit shortcut code
// (low byte the virtual-key code, 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt).
// Keys reach it through the application's shortcut dispatch, never through
// Qt's own shortcut map, so that the first enabled action of a list wins.
class TKNAction : public QAction {
    Q_OBJECT

  public:
    TKNAction(const QString& name, const QString& category, const QString& caption,
              std::uint16_t shortcut, QObject* parent);

    QString Category() const { return category_; }
    std::uint16_t ShortcutCode() const { return shortcut_; }
    void SetShortcutCode(std::uint16_t code);

  private:
    QString category_;
    std::uint16_t shortcut_;
};

} // namespace kolvi
