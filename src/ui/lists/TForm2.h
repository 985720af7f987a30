#pragma once

#include "color/ColorValue.h"

#include <QMainWindow>
#include <QString>

#include <string>
#include <vector>

class QCheckBox;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace kolvi {

class ColorListModel;
class ColorListView;
class TForm1;
class TKNImage;
class TKNPanel;

// The option window: the colour list on view (favourites, output history or a
// file of the Colors folder), docked to the picker's right edge, and the text
// sample. Its commands are the main window's.
class TForm2 : public QMainWindow {
    Q_OBJECT

  public:
    // `favorites`: the favourites file; `colorFolders`: where list files are
    // looked for, in order.
    TForm2(TForm1& main, QString favorites, std::vector<QString> colorFolders);
    ~TForm2() override;

    // The list on view, as the commands change it.
    ColorListView* List() const { return ListBoxColorList; }
    ColorListModel* Lines() const { return model_; }
    TKNPanel* BaseColor() const { return PanelBaseColor; }
    QString Name() const;
    void SetTestFont(TColor color);
    void SetTestBack(TColor color);
    TColor BaseColorValue() const;
    void SetBaseColor(TColor color);

    void LoadFavorites();
    void LoadHistory();
    // Writes the list on view to the favourites file; a failure is told once
    // (without blocking) and the next change tries again.
    void SaveFavorites();
    void UpdateListControls();
    int CurrentListFile = -1;
    // 0 favourites, 1 output history, 2 a list file; -1 before the first show.
    int ListMode() const { return listMode_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateControls();
    void CreateMenus();
    void ScanColorListFiles();
    void UpdateColorListMenu();
    void OpenColorListFile(int index);
    void SetListMode(int mode);
    void ListBoxColorListClick();
    void ImageCursorColorMouseDown(QPoint at);
    void ShowCursorSample();
    void ShowContrast();

    TForm1& main_;
    QString favorites_;
    std::vector<QString> colorFolders_;
    std::vector<QString> ColorListFiles;
    bool shownOnce_ = false;
    int listMode_ = -1;
    int dockAttempts_ = 0;
    TColor testFont_ = 0x000000;
    TColor testBack_ = 0xFFFFFF;
    QString lastSaveProblem_;

    ColorListModel* model_ = nullptr;
    QWidget* PanelBase = nullptr;
    ColorListView* ListBoxColorList = nullptr;
    QPushButton* ButtonSubAdd = nullptr;
    QPushButton* ButtonSubEdit = nullptr;
    QPushButton* ButtonSubDelete = nullptr;
    QPushButton* ButtonSubUp = nullptr;
    QPushButton* ButtonSubDown = nullptr;
    QPushButton* ButtonSubApply = nullptr;
    TKNPanel* PanelBaseColor = nullptr;
    QLineEdit* EditColorName = nullptr;
    TKNPanel* PanelCursorColor = nullptr;
    TKNImage* ImageCursorColor = nullptr;
    TKNPanel* PanelTest = nullptr;
    TKNPanel* PanelTestFont = nullptr;
    TKNPanel* PanelTestBack = nullptr;
    QCheckBox* CheckBoxTestFont = nullptr;
    QCheckBox* CheckBoxTestBack = nullptr;
    QPlainTextEdit* MemoTest = nullptr;
    QMenu* MenuSub = nullptr;
    QMenu* PopupMenuColorList = nullptr;
    std::vector<QAction*> colorFileItems_;
};

// The process-wide option window, set while it exists.
extern TForm2* Form2;

} // namespace kolvi
