#include "ColorListView.h"

#include "app/TForm1.h"
#include "lists/ColorList.h"
#include "text/AnsiText.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace kolvi {

namespace {

constexpr int RowHeight = 12;

QColor System(TColor color) {
    return ToQColor(ResolveColor(color));
}

} // namespace

int ColorListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant ColorListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const std::string_view line = lines_[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole) {
        // Names are bytes of any code page; decoded only to be shown.
        return QString::fromStdString(AnsiToUtf8(ColorListLineName(line)));
    }
    if (role == Qt::DecorationRole) {
        return System(ColorListLineColor(line));
    }
    return {};
}

void ColorListModel::SetLines(ColorLines lines) {
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

void ColorListModel::SetLine(int row, std::string_view line) {
    lines_.Set(static_cast<std::size_t>(row), line);
    Q_EMIT dataChanged(index(row), index(row));
}

void ColorListModel::InsertLine(int row, std::string_view line) {
    beginInsertRows({}, row, row);
    lines_.Insert(static_cast<std::size_t>(row), line);
    endInsertRows();
}

void ColorListModel::RemoveLine(int row) {
    beginRemoveRows({}, row, row);
    lines_.Remove(static_cast<std::size_t>(row));
    endRemoveRows();
}

void ColorListModel::SwapLines(int a, int b) {
    lines_.Swap(static_cast<std::size_t>(a), static_cast<std::size_t>(b));
    Q_EMIT dataChanged(index(std::min(a, b)), index(std::max(a, b)));
}

void ColorListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const QRect r = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    const bool focused = option.state & QStyle::State_HasFocus ||
                         (option.widget != nullptr && option.widget->hasFocus());
    QColor back = System(clWindow);
    QColor text = System(clWindowText);
    if (selected && focused) {
        back = System(clHighlight);
        text = System(clHighlightText);
    } else if (selected) {
        back = System(clBtnFace);
        text = System(clBtnText);
    }
    painter->save();
    painter->fillRect(r, back);
    painter->setClipRect(r);
    painter->setPen(text);
    painter->setFont(option.font);
    painter->drawText(QRect(r.left() + 26, r.top(), r.width() - 26, r.height()),
                      Qt::AlignLeft | Qt::AlignTop, index.data(Qt::DisplayRole).toString());
    // The swatch keeps its colour in every state.
    const QRect swatch(r.left() + 4, r.top() + 1, 16, r.height() - 2);
    painter->fillRect(swatch, index.data(Qt::DecorationRole).value<QColor>());
    painter->setPen(System(clWindowText));
    painter->drawRect(swatch.adjusted(0, 0, -1, -1));
    painter->restore();
}

QSize ColorListDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    return {0, RowHeight};
}

ColorListView::ColorListView(const QString& name, QWidget* parent) : QListView(parent) {
    setObjectName(name);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

int ColorListView::SelectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

void ColorListView::SelectRow(int row) {
    if (row < 0 || row >= model()->rowCount()) {
        clearSelection();
        setCurrentIndex({});
        return;
    }
    setCurrentIndex(model()->index(row, 0));
    selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
}

void ColorListView::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    SelectRow(indexAt(event->position().toPoint()).row());
    Q_EMIT RowClicked();
}

void ColorListView::mouseDoubleClickEvent(QMouseEvent*) {
    Q_EMIT RowActivated();
}

void ColorListView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Q_EMIT RowActivated();
        return;
    }
    QListView::keyPressEvent(event);
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down ||
        event->key() == Qt::Key_Home || event->key() == Qt::Key_End ||
        event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) {
        if (currentIndex().isValid()) {
            selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
        }
        Q_EMIT RowClicked();
    }
}

} // namespace kolvi
