#pragma once

#include <QDialog>

class QAction;
class QKeyEvent;
class QLabel;
class QPushButton;
class QTabBar;
class QTreeView;

namespace kolvi {

class ActionList;
class ShortcutListModel;
class TKNSpeedEdit;

// The shortcut dialog: every command of the picker's and the ruler's lists can
// be given a key combination pressed in the edit, or none; 編集 applies it to
// the action at once. Created for one use and shown modally.
class TForm4 : public QDialog {
    Q_OBJECT

  public:
    TForm4(const ActionList& picker, const ActionList& ruler, QWidget* parent);
    ~TForm4() override;

    // The row whose new key is in the edit, not yet applied; -1 for none.
    int PendingRow = -1;

    QWidget* TabControlBase;
    QTabBar* TabBar;
    QTreeView* ListViewTool;
    QLabel* LabelShortCut;
    TKNSpeedEdit* EditShortCut;
    QPushButton* ButtonEditEdit;
    QAction* ActionEditEdit;

    void TabControlBaseChange();
    void RefreshShortCutEdit();
    void ActionEditEditExecute();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The selected row when exactly one is selected, else -1.
    int SelectedRow() const;
    const ActionList& CurrentList() const;
    void EditShortCutKeyDown(const QKeyEvent& event);
    void EditShortCutChange();

    const ActionList& picker_;
    const ActionList& ruler_;
    ShortcutListModel* model_;
};

} // namespace kolvi
