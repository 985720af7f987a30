#pragma once

#include <QAbstractTableModel>

#include <functional>

namespace kolvi {

class ActionList;

// The rows of the shortcut dialog's list: nothing is copied, every row asks
// its action of the list on view when it is drawn. Columns: category, caption
// without its access-key marks (and " *" on the row whose new key waits to be
// applied), the shortcut as text.
class ShortcutListModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    ShortcutListModel(std::function<int()> pendingRow, QObject* parent);

    void SetList(const ActionList* list);
    const ActionList* List() const { return list_; }
    void RefreshRow(int row);
    // Every row drawn again (a list has a few dozen at most).
    void RefreshAll();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::function<int()> pendingRow_;
    const ActionList* list_ = nullptr;
};

} // namespace kolvi
