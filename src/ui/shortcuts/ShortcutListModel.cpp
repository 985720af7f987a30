#include "ShortcutListModel.h"

#include "app/ActionList.h"
#include "shortcuts/ShortcutCode.h"

namespace kolvi {

ShortcutListModel::ShortcutListModel(std::function<int()> pendingRow, QObject* parent)
    : QAbstractTableModel(parent), pendingRow_(std::move(pendingRow)) {}

void ShortcutListModel::SetList(const ActionList* list) {
    beginResetModel();
    list_ = list;
    endResetModel();
}

void ShortcutListModel::RefreshRow(int row) {
    if (row >= 0 && row < rowCount()) {
        Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    }
}

void ShortcutListModel::RefreshAll() {
    if (rowCount() > 0) {
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
}

int ShortcutListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || list_ == nullptr ? 0 : static_cast<int>(list_->Actions().size());
}

int ShortcutListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant ShortcutListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const TKNAction* action = list_->Actions()[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
    case 0:
        return action->Category();
    case 1: {
        QString caption = action->text().remove(QLatin1Char('&'));
        if (index.row() == pendingRow_()) {
            caption += QStringLiteral(" *");
        }
        return caption;
    }
    default:
        return QString::fromStdString(ShortcutToText(action->ShortcutCode()));
    }
}

QVariant ShortcutListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    static const char* const Titles[] = {"カテゴリ", "メニュー名", "ショートカット"};
    return section >= 0 && section < 3 ? QString::fromUtf8(Titles[section]) : QVariant();
}

} // namespace kolvi
