#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <QStyledItemDelegate>

#include "lists/ColorLines.h"

#include <string_view>

namespace kolvi {

// The colour list on view: its lines as the bytes read, shown by a view that
// paints only the rows on screen.
class ColorListModel : public QAbstractListModel {
    Q_OBJECT

  public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    const ColorLines& Lines() const { return lines_; }
    void SetLines(ColorLines lines);
    void SetLine(int row, std::string_view line);
    void InsertLine(int row, std::string_view line);
    void RemoveLine(int row);
    void SwapLines(int a, int b);

  private:
    ColorLines lines_;
};

// A row: the 16 x 10 framed swatch of the line's colour and its name at +26;
// a selected row in the highlight colours while the list has the focus, in
// the button face without it.
class ColorListDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// The list box: any button selects the row under the pointer, or none below
// the last row, before the click (and a popup) is handled.
class ColorListView : public QListView {
    Q_OBJECT

  public:
    ColorListView(const QString& name, QWidget* parent);
    int SelectedRow() const;
    void SelectRow(int row);

  Q_SIGNALS:
    void RowClicked();
    void RowActivated();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace kolvi
