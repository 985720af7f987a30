#include "TForm4.h"

#include "ShortcutKeys.h"
#include "ShortcutListModel.h"
#include "app/ActionList.h"
#include "controls/TKNSpeedEdit.h"

#include <QAction>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTreeView>

namespace kolvi {

namespace {

constexpr QSize TabControlSize(465, 313);

bool IsModifierKey(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr;
}

} // namespace

TForm4::TForm4(const ActionList& picker, const ActionList& ruler, QWidget* parent)
    : QDialog(parent), picker_(picker), ruler_(ruler) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("ショートカットカスタマイズ"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);

    TabControlBase = new QWidget(this);
    TabControlBase->setObjectName(QStringLiteral("TabControlBase"));
    TabControlBase->setGeometry(QRect(QPoint(0, 0), TabControlSize));
    TabBar = new QTabBar(TabControlBase);
    TabBar->setObjectName(QStringLiteral("TabBar"));
    TabBar->addTab(QStringLiteral("カラーピッカー"));
    TabBar->addTab(QStringLiteral("ルーラー"));
    TabBar->setDrawBase(false);
    TabBar->move(2, 0);
    TabBar->resize(TabBar->sizeHint());
    // The page under the tabs: one frame that holds every other control.
    auto* page = new QFrame(TabControlBase);
    page->setFrameShape(QFrame::StyledPanel);
    const int pageTop = TabBar->height() - 1;
    page->setGeometry(0, pageTop, TabControlSize.width(), TabControlSize.height() - pageTop);
    TabBar->raise();

    model_ = new ShortcutListModel([this] { return SelectedRow() >= 0 ? PendingRow : -1; }, this);
    ListViewTool = new QTreeView(TabControlBase);
    ListViewTool->setObjectName(QStringLiteral("ListViewTool"));
    ListViewTool->setGeometry(8, 24, 361, 249);
    ListViewTool->setModel(model_);
    ListViewTool->viewport()->installEventFilter(this);
    ListViewTool->setRootIsDecorated(false);
    ListViewTool->setItemsExpandable(false);
    ListViewTool->setUniformRowHeights(true);
    ListViewTool->setAllColumnsShowFocus(true);
    ListViewTool->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListViewTool->setSelectionMode(QAbstractItemView::SingleSelection);
    ListViewTool->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListViewTool->header()->setSectionsClickable(false);
    ListViewTool->header()->setSectionsMovable(false);
    ListViewTool->header()->setStretchLastSection(false);
    for (const auto& [column, width] : {std::pair{0, 90}, {1, 150}, {2, 90}}) {
        ListViewTool->setColumnWidth(column, width);
    }
    // The selection stays as visible while the edit has the focus.
    QPalette palette = ListViewTool->palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    }
    ListViewTool->setPalette(palette);

    LabelShortCut = new QLabel(QStringLiteral("ショートカット"), TabControlBase);
    LabelShortCut->setObjectName(QStringLiteral("LabelShortCut"));
    LabelShortCut->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LabelShortCut->setGeometry(26, 283, 66, LabelShortCut->sizeHint().height());
    EditShortCut = new TKNSpeedEdit(QStringLiteral("EditShortCut"), TabControlBase);
    EditShortCut->setGeometry(96, 280, 273, 20);
    EditShortCut->setReadOnly(true);
    EditShortCut->SetButtonCaption(QStringLiteral("×"));
    EditShortCut->installEventFilter(this);

    ActionEditEdit = new QAction(QStringLiteral("編集(&E)"), this);
    ActionEditEdit->setObjectName(QStringLiteral("ActionEditEdit"));
    ActionEditEdit->setEnabled(false);
    ButtonEditEdit = new QPushButton(ActionEditEdit->text(), TabControlBase);
    ButtonEditEdit->setObjectName(QStringLiteral("ButtonEditEdit"));
    ButtonEditEdit->setGeometry(376, 272, 73, 25);
    // Enter is a key to capture, not a press of this button.
    ButtonEditEdit->setAutoDefault(false);
    ButtonEditEdit->setEnabled(false);
    connect(ButtonEditEdit, &QPushButton::clicked, ActionEditEdit, &QAction::trigger);
    connect(ActionEditEdit, &QAction::enabledChanged, ButtonEditEdit, &QWidget::setEnabled);
    connect(ActionEditEdit, &QAction::triggered, this, &TForm4::ActionEditEditExecute);

    connect(TabBar, &QTabBar::currentChanged, this, &TForm4::TabControlBaseChange);
    connect(EditShortCut, &TKNSpeedEdit::ButtonClick, this, [this] {
        EditShortCut->clear();
        if (isVisible()) {
            EditShortCut->setFocus();
        }
    });
    connect(EditShortCut, &QLineEdit::textChanged, this, &TForm4::EditShortCutChange);
    model_->SetList(&CurrentList());
    connect(ListViewTool->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TForm4::RefreshShortCutEdit);
}

TForm4::~TForm4() {
    // The list asks this dialog for its pending row while it is drawn, and
    // its events pass this dialog's filter: the controls go first, not among
    // the children the base class deletes after this object.
    ListViewTool->viewport()->removeEventFilter(this);
    EditShortCut->removeEventFilter(this);
    delete TabControlBase;
}

const ActionList& TForm4::CurrentList() const {
    return TabBar->currentIndex() == 1 ? ruler_ : picker_;
}

int TForm4::SelectedRow() const {
    const QModelIndexList rows = ListViewTool->selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.front().row() : -1;
}

void TForm4::showEvent(QShowEvent* event) {
    setFixedSize(TabControlBase->size());
    TabControlBaseChange();
    RefreshShortCutEdit();
    QDialog::showEvent(event);
}

void TForm4::TabControlBaseChange() {
    PendingRow = -1;
    // The rows stand for the new list's actions; the selected row number stays
    // while the new list has that row.
    const int selected = SelectedRow();
    model_->SetList(&CurrentList());
    if (selected >= 0 && selected < model_->rowCount()) {
        const QModelIndex row = model_->index(selected, 0);
        ListViewTool->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect |
                                                                 QItemSelectionModel::Rows);
    }
    RefreshShortCutEdit();
}

void TForm4::RefreshShortCutEdit() {
    const int row = SelectedRow();
    if (row >= 0) {
        EditShortCut->setEnabled(true);
        const std::vector<TKNAction*>& actions = CurrentList().Actions();
        if (static_cast<std::size_t>(row) < actions.size()) {
            EditShortCut->setText(QString::fromStdString(
                ShortcutToText(actions[static_cast<std::size_t>(row)]->ShortcutCode())));
            ActionEditEdit->setEnabled(true);
        } else {
            EditShortCut->clear();
            ActionEditEdit->setEnabled(false);
        }
    } else {
        EditShortCut->setEnabled(false);
        EditShortCut->clear();
        ActionEditEdit->setEnabled(false);
    }
    PendingRow = -1;
    model_->RefreshAll();
}

void TForm4::EditShortCutChange() {
    const int row = SelectedRow();
    if (row >= 0 && row != PendingRow) {
        PendingRow = row;
        model_->RefreshRow(row);
    }
}

void TForm4::EditShortCutKeyDown(const QKeyEvent& event) {
    std::uint16_t code = 0;
    if (!IsModifierKey(event.key())) {
        code = ShortcutFromKeyEvent(event);
    }
    EditShortCut->setText(QString::fromStdString(ShortcutToText(code)));
}

bool TForm4::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListViewTool->viewport() && event->type() == QEvent::MouseButtonPress) {
        // A click below the last row selects nothing, as in a list of files.
        const auto& click = static_cast<const QMouseEvent&>(*event);
        if (!ListViewTool->indexAt(click.position().toPoint()).isValid()) {
            ListViewTool->clearSelection();
        }
    }
    if (watched == EditShortCut) {
        if (event->type() == QEvent::ShortcutOverride) {
            // Every combination is the edit's to capture, the dialog's own
            // access keys (Alt+E) too.
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            EditShortCutKeyDown(key);
            // Esc is captured, not a close of the dialog; other keys go on
            // (Tab still moves the focus).
            return key.key() == Qt::Key_Escape;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm4::ActionEditEditExecute() {
    const int row = SelectedRow();
    const std::vector<TKNAction*>& actions = CurrentList().Actions();
    if (row >= 0 && static_cast<std::size_t>(row) < actions.size()) {
        actions[static_cast<std::size_t>(row)]->SetShortcutCode(
            TextToShortcut(EditShortCut->text().toStdString()));
    }
    // Drops the pending mark and draws every row with the key now held.
    RefreshShortCutEdit();
}

} // namespace kolvi
