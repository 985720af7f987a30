#include "TForm2.h"

#include "ColorListView.h"
#include "app/TForm1.h"
#include "app/UserNotice.h"
#include "color/Bitmap24.h"
#include "color/ColorCode.h"
#include "color/Contrast.h"
#include "controls/TKNImage.h"
#include "controls/TKNPanel.h"
#include "lists/ColorLines.h"
#include "lists/ColorList.h"
#include "platform/KolviFile.h"
#include "text/AnsiText.h"
#include "text/AsciiCase.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWindow>

namespace kolvi {

TForm2* Form2 = nullptr;

namespace {

constexpr int PanelBaseWidth = 233;
// List files are read whole; far above any list a person keeps.
constexpr std::size_t ListFileLimit = std::size_t{256} << 20;
constexpr int CursorBlock = 4;

ColorLines ReadListFile(const QString& path) {
    FileRead read = ReadKolviFile(path, ListFileLimit);
    return ColorLines::FromFileText(std::move(read.bytes));
}

QPushButton* Button(const char* name, const char* caption, QWidget* parent, QRect at) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(at);
    return button;
}

void Recolor(QPlainTextEdit* memo, QPalette::ColorRole role, TColor color) {
    QPalette palette = memo->palette();
    palette.setColor(role, ToQColor(color));
    memo->setPalette(palette);
}

} // namespace

TForm2::TForm2(TForm1& main, QString favorites, std::vector<QString> colorFolders)
    : QMainWindow(nullptr), main_(main), favorites_(std::move(favorites)),
      colorFolders_(std::move(colorFolders)) {
    Form2 = this;
    setObjectName("Form2");
    setWindowTitle(QStringLiteral("Option"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    CreateControls();
    CreateMenus();
    const QRect picker = main_.frameGeometry();
    move(picker.left() + picker.width(), picker.top());
}

TForm2::~TForm2() {
    Form2 = nullptr;
}

void TForm2::CreateControls() {
    PanelBase = new QWidget(this);
    PanelBase->setObjectName("PanelBase");
    setCentralWidget(PanelBase);
    auto* line = new TKNPanel("PanelHR1", TKNPanel::Bevel::Lowered, PanelBase);
    line->setGeometry(0, 0, PanelBaseWidth, 2);

    model_ = new ColorListModel(this);
    ListBoxColorList = new ColorListView("ListBoxColorList", PanelBase);
    ListBoxColorList->setModel(model_);
    ListBoxColorList->setItemDelegate(new ColorListDelegate(ListBoxColorList));
    ListBoxColorList->setGeometry(8, 10, 169, 199);
    connect(ListBoxColorList, &ColorListView::RowClicked, this, &TForm2::ListBoxColorListClick);
    connect(ListBoxColorList, &ColorListView::RowActivated, this, [this] {
        const int row = ListBoxColorList->SelectedRow();
        if (row >= 0 &&
            model_->Lines()[static_cast<std::size_t>(row)].size() >= ColorListMinimumLine) {
            main_.Action("ActionSubApply")->trigger();
        }
    });

    ButtonSubAdd = Button("ButtonSubAdd", "追加", PanelBase, {184, 10, 41, 20});
    ButtonSubEdit = Button("ButtonSubEdit", "変更", PanelBase, {184, 34, 41, 20});
    ButtonSubDelete = Button("ButtonSubDelete", "削除", PanelBase, {184, 58, 41, 20});
    ButtonSubUp = Button("ButtonSubUp", "上へ", PanelBase, {184, 90, 41, 20});
    ButtonSubDown = Button("ButtonSubDown", "下へ", PanelBase, {184, 114, 41, 20});
    ButtonSubApply = Button("ButtonSubApply", "決定", PanelBase, {184, 218, 41, 20});
    const std::pair<QPushButton*, const char*> buttons[] = {
        {ButtonSubAdd, "ActionSubAdd"},       {ButtonSubEdit, "ActionSubEdit"},
        {ButtonSubDelete, "ActionSubDelete"}, {ButtonSubUp, "ActionSubUp"},
        {ButtonSubDown, "ActionSubDown"},     {ButtonSubApply, "ActionSubApply"}};
    for (const auto& [button, action] : buttons) {
        TKNAction* command = main_.Action(QString::fromLatin1(action));
        connect(button, &QPushButton::clicked, command, &QAction::trigger);
    }

    PanelBaseColor = new TKNPanel("PanelBaseColor", TKNPanel::Bevel::Lowered, PanelBase);
    PanelBaseColor->setGeometry(10, 220, 32, 17);
    connect(PanelBaseColor, &TKNPanel::MousePressed, this,
            [this](Qt::MouseButton button) { main_.ApplyTestColor(PanelBaseColor, button); });
    EditColorName = new QLineEdit(PanelBase);
    EditColorName->setObjectName("EditColorName");
    EditColorName->setGeometry(48, 218, 129, 20);
    connect(EditColorName, &QLineEdit::textChanged, this, [this] {
        if (main_.Action("ActionSubFavorite")->isChecked()) {
            UpdateListControls();
        }
    });

    auto* separator = new TKNPanel("Panel1", TKNPanel::Bevel::Lowered, PanelBase);
    separator->setGeometry(8, 246, 217, 2);
    PanelCursorColor = new TKNPanel("PanelCursorColor", TKNPanel::Bevel::Lowered, PanelBase);
    PanelCursorColor->setGeometry(8, 256, 38, 38);
    ImageCursorColor = new TKNImage("ImageCursorColor", PanelCursorColor);
    ImageCursorColor->setGeometry(1, 1, 36, 36);
    connect(ImageCursorColor, &TKNImage::MousePressed, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, QPoint at) {
                ImageCursorColorMouseDown(at);
            });

    PanelTest = new TKNPanel("PanelTest", TKNPanel::Bevel::Lowered, PanelBase);
    PanelTest->setGeometry(57, 259, 32, 32);
    PanelTestFont = new TKNPanel("PanelTestFont", TKNPanel::Bevel::None, PanelTest);
    PanelTestFont->setGeometry(1, 1, 30, 15);
    PanelTestFont->SetColor(ToQColor(ResolveColor(clWindowText)));
    PanelTestBack = new TKNPanel("PanelTestBack", TKNPanel::Bevel::None, PanelTest);
    PanelTestBack->setGeometry(1, 16, 30, 15);
    PanelTestBack->SetColor(ToQColor(ResolveColor(clWindow)));
    for (TKNPanel* swatch : {PanelTestFont, PanelTestBack}) {
        connect(swatch, &TKNPanel::MousePressed, this, [this, swatch] {
            const QColor c = swatch->Color();
            main_.SetColor(MakeColor(c.red(), c.green(), c.blue()));
        });
    }

    struct CheckBinding {
        QCheckBox** field;
        const char* name;
        const char* action;
        int top;
    };
    const CheckBinding checks[] = {
        {&CheckBoxTestFont, "CheckBoxTestFont", "ActionSubTestFont", 258},
        {&CheckBoxTestBack, "CheckBoxTestBack", "ActionSubTestBack", 274}};
    for (const CheckBinding& check : checks) {
        TKNAction* action = main_.Action(QString::fromLatin1(check.action));
        auto* box = new QCheckBox(action->text(), PanelBase);
        box->setObjectName(QString::fromLatin1(check.name));
        box->setGeometry(96, check.top, 49, 17);
        box->setChecked(action->isChecked());
        connect(box, &QCheckBox::clicked, action, &QAction::trigger);
        connect(action, &QAction::toggled, box, &QCheckBox::setChecked);
        *check.field = box;
    }
    MemoTest = new QPlainTextEdit(QStringLiteral("Color Test"), PanelBase);
    MemoTest->setObjectName("MemoTest");
    MemoTest->setGeometry(144, 259, 81, 32);

    setTabOrder(ListBoxColorList, EditColorName);
    setTabOrder(EditColorName, ButtonSubAdd);
    setTabOrder(ButtonSubAdd, ButtonSubEdit);
    setTabOrder(ButtonSubEdit, ButtonSubDelete);
    setTabOrder(ButtonSubDelete, ButtonSubUp);
    setTabOrder(ButtonSubUp, ButtonSubDown);
    setTabOrder(ButtonSubDown, ButtonSubApply);
    setTabOrder(ButtonSubApply, CheckBoxTestFont);
    setTabOrder(CheckBoxTestFont, CheckBoxTestBack);
    setTabOrder(CheckBoxTestBack, MemoTest);
}

void TForm2::CreateMenus() {
    menuBar()->setObjectName("MainMenuMain");
    MenuSub = menuBar()->addMenu(QStringLiteral("カラーリスト(&L)"));
    MenuSub->setObjectName("MenuSub");
    MenuSub->addAction(main_.Action("ActionSubFavorite"));
    MenuSub->addAction(main_.Action("ActionSubRecent"));
    MenuSub->addSeparator()->setObjectName("MenuFileHR1");

    PopupMenuColorList = new QMenu(this);
    PopupMenuColorList->setObjectName("PopupMenuColorList");
    QAction* apply = PopupMenuColorList->addAction(main_.Action("ActionSubApply")->text());
    apply->setObjectName("MenuColorListApply");
    QFont bold = apply->font();
    bold.setBold(true); // the default item
    apply->setFont(bold);
    connect(apply, &QAction::triggered, main_.Action("ActionSubApply"), &QAction::trigger);
    for (const auto& [item, action] : std::initializer_list<std::pair<const char*, const char*>>{
             {"MenuColorToClipboard", "ActionSubToClipboard"},
             {"MenuColorListDelete", "ActionSubDelete"},
             {nullptr, nullptr},
             {"MenuColorListUp", "ActionSubUp"},
             {"MenuColorListDown", "ActionSubDown"}}) {
        if (item == nullptr) {
            PopupMenuColorList->addSeparator()->setObjectName("MenuColorListHR1");
            continue;
        }
        TKNAction* command = main_.Action(QString::fromLatin1(action));
        QAction* entry = PopupMenuColorList->addAction(command->text());
        entry->setObjectName(QString::fromLatin1(item));
        connect(entry, &QAction::triggered, command, &QAction::trigger);
        // Visible like its command (the favourites' editing), enabled by the selection.
        connect(command, &QAction::visibleChanged, entry,
                [entry, command] { entry->setVisible(command->isVisible()); });
    }
    ListBoxColorList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ListBoxColorList, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        PopupMenuColorList->popup(ListBoxColorList->viewport()->mapToGlobal(at));
    });
}

QString TForm2::Name() const {
    return EditColorName->text();
}

TColor TForm2::BaseColorValue() const {
    const QColor c = PanelBaseColor->Color();
    return MakeColor(c.red(), c.green(), c.blue());
}

void TForm2::SetBaseColor(TColor color) {
    PanelBaseColor->SetColor(ToQColor(ResolveColor(color)));
}

void TForm2::SetTestFont(TColor color) {
    testFont_ = ResolveColor(color);
    PanelTestFont->SetColor(ToQColor(testFont_));
    Recolor(MemoTest, QPalette::Text, testFont_);
    ShowContrast();
}

void TForm2::SetTestBack(TColor color) {
    testBack_ = ResolveColor(color);
    PanelTestBack->SetColor(ToQColor(testBack_));
    Recolor(MemoTest, QPalette::Base, testBack_);
    ShowContrast();
}

void TForm2::ShowContrast() {
    // The pair's contrast, for whoever must meet the accessibility levels.
    const QString summary = QString::fromStdString(ContrastSummary(testFont_, testBack_));
    for (QWidget* widget :
         std::initializer_list<QWidget*>{MemoTest, PanelTestFont, PanelTestBack}) {
        widget->setToolTip(summary);
    }
}

void TForm2::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous()) {
        return;
    }
    dockAttempts_ = 3;
    // Placed again once it is on screen: only then do both frames have their size.
    if (windowHandle() != nullptr) {
        windowHandle()->installEventFilter(this);
    }
    const int height = main_.centralWidget()->height();
    PanelBase->setFixedSize(PanelBaseWidth, height);
    setFixedSize(sizeHint());
    if (!shownOnce_) {
        SetTestFont(main_.TestFontColor());
        SetTestBack(main_.TestBackColor());
        main_.Action("ActionSubFavorite")->setChecked(true);
        LoadFavorites();
        UpdateListControls();
        ScanColorListFiles();
        shownOnce_ = true;
    }
    ShowCursorSample();
    if (main_.Action("ActionSubFavorite")->isChecked()) {
        SetBaseColor(main_.CurrentColor());
    }
}

void TForm2::closeEvent(QCloseEvent* event) {
    main_.Action("ActionOptionSub")->setChecked(false);
    QMainWindow::closeEvent(event);
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose && dockAttempts_ > 0 &&
        isVisible() && main_.isVisible()) {
        const QRect picker = main_.frameGeometry();
        const QPoint docked(picker.left() + picker.width(), picker.top());
        if (frameGeometry().topLeft() != docked) {
            --dockAttempts_;
            move(docked);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm2::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (!isVisible() || !main_.isVisible()) {
        return;
    }
    const QRect picker = main_.frameGeometry();
    const QPoint docked(picker.left() + picker.width(), picker.top());
    if (isActiveWindow()) {
        // Dragged by the user (the active window): the picker follows, frame to frame.
        dockAttempts_ = 0;
        const QRect frame = frameGeometry();
        main_.move(frame.left() - picker.width(), frame.top());
    } else if (dockAttempts_ > 0 && frameGeometry().topLeft() != docked) {
        // Just shown: the window manager's frame arrived after the first
        // placement; place it again, frame to frame (a few times at most).
        --dockAttempts_;
        move(docked);
    }
}

void TForm2::LoadFavorites() {
    if (!main_.Action("ActionSubFavorite")->isChecked()) {
        return;
    }
    CurrentListFile = -1;
    model_->SetLines(QFileInfo(favorites_).isFile() ? ReadListFile(favorites_) : ColorLines());
    setWindowTitle(QStringLiteral("Option - [お気に入り]"));
    SetListMode(0);
}

void TForm2::LoadHistory() {
    if (!main_.Action("ActionSubRecent")->isChecked()) {
        return;
    }
    CurrentListFile = -1;
    model_->SetLines(ColorLines::FromLines(main_.History().Lines()));
    setWindowTitle(QStringLiteral("Option - [出力履歴]"));
    SetListMode(1);
}

void TForm2::SaveFavorites() {
    QDir().mkpath(QFileInfo(favorites_).absolutePath());
    const QString reason = ReplaceKolviFile(favorites_, model_->Lines().FileText());
    if (reason.isEmpty()) {
        lastSaveProblem_.clear();
        return;
    }
    // The list on screen stays as edited; the next change saves again. Told
    // once for each new reason, without holding the user up.
    if (reason == lastSaveProblem_) {
        return;
    }
    lastSaveProblem_ = reason;
    const QString text = QStringLiteral("お気に入りを %1 に保存できませんでした: %2\n"
                                        "次の変更のときにもう一度保存します。")
                             .arg(QDir::toNativeSeparators(favorites_), reason);
    QMessageBox* box = NoticeBox(this, text);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

void TForm2::UpdateListControls() {
    if (!main_.Action("ActionOptionSub")->isChecked()) {
        return;
    }
    const bool selected = ListBoxColorList->SelectedRow() >= 0;
    for (QPushButton* button : {ButtonSubEdit, ButtonSubDelete, ButtonSubUp, ButtonSubDown}) {
        button->setEnabled(selected);
    }
    for (const char* name :
         {"MenuColorToClipboard", "MenuColorListDelete", "MenuColorListUp", "MenuColorListDown"}) {
        PopupMenuColorList->findChild<QAction*>(QString::fromLatin1(name))->setEnabled(selected);
    }
    ButtonSubAdd->setEnabled(!EditColorName->text().isEmpty());
}

void TForm2::ScanColorListFiles() {
    ColorListFiles.clear();
    std::vector<QString> found;
    for (const QString& folder : colorFolders_) {
        std::vector<FolderEntry> entries;
        for (const QFileInfo& info :
             QDir(folder).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
            entries.push_back({QFile::encodeName(info.fileName()).toStdString(), info.isDir()});
        }
        for (const std::string& name : ColorListFileNames(std::move(entries))) {
            found.push_back(QDir(folder).filePath(QFile::decodeName(name.c_str())));
        }
    }
    // Both folders sorted together, by file name ignoring case.
    std::stable_sort(found.begin(), found.end(), [](const QString& a, const QString& b) {
        return LowerCaseAscii(QFile::encodeName(QFileInfo(a).fileName()).toStdString()) <
               LowerCaseAscii(QFile::encodeName(QFileInfo(b).fileName()).toStdString());
    });
    ColorListFiles = std::move(found);
    for (int i = 0; i < static_cast<int>(ColorListFiles.size()); ++i) {
        QAction* item = MenuSub->addAction(QString());
        item->setObjectName(QStringLiteral("MenuSubColorsList%1").arg(i));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, i] { OpenColorListFile(i); });
        colorFileItems_.push_back(item);
    }
    UpdateColorListMenu();
}

void TForm2::UpdateColorListMenu() {
    for (int i = 0; i < static_cast<int>(colorFileItems_.size()); ++i) {
        const std::string title = ColorListTitle(
            QFile::encodeName(ColorListFiles[static_cast<std::size_t>(i)]).toStdString());
        colorFileItems_[static_cast<std::size_t>(i)]->setText(
            QString::fromStdString(ColorListAccel(i) + AnsiToUtf8(title)));
        colorFileItems_[static_cast<std::size_t>(i)]->setChecked(CurrentListFile == i);
    }
}

void TForm2::OpenColorListFile(int index) {
    CurrentListFile = index;
    const QString& path = ColorListFiles[static_cast<std::size_t>(index)];
    model_->SetLines(QFileInfo(path).isFile() ? ReadListFile(path) : ColorLines());
    const std::string title = ColorListTitle(QFile::encodeName(path).toStdString());
    setWindowTitle(QStringLiteral("Option - [%1]").arg(QString::fromStdString(AnsiToUtf8(title))));
    SetListMode(2);
}

void TForm2::SetListMode(int mode) {
    listMode_ = mode;
    main_.Action("ActionSubFavorite")->setChecked(mode == 0);
    main_.Action("ActionSubRecent")->setChecked(mode == 1);
    UpdateColorListMenu();
    const bool favorites = main_.Action("ActionSubFavorite")->isChecked();
    for (const char* name :
         {"ActionSubEdit", "ActionSubAdd", "ActionSubDelete", "ActionSubUp", "ActionSubDown"}) {
        main_.Action(QString::fromLatin1(name))->setVisible(favorites);
    }
    for (QPushButton* button :
         {ButtonSubEdit, ButtonSubAdd, ButtonSubDelete, ButtonSubUp, ButtonSubDown}) {
        button->setVisible(favorites);
    }
    EditColorName->setReadOnly(!favorites);
}

void TForm2::ListBoxColorListClick() {
    UpdateListControls();
    const int row = ListBoxColorList->SelectedRow();
    if (row < 0) {
        return;
    }
    const std::string_view line = model_->Lines()[static_cast<std::size_t>(row)];
    if (line.size() < ColorListMinimumLine) {
        return;
    }
    SetBaseColor(ColorListLineColor(line));
    EditColorName->setText(QString::fromStdString(AnsiToUtf8(ColorListLineName(line))));
}

void TForm2::ImageCursorColorMouseDown(QPoint at) {
    const QImage* sample = main_.CursorSample();
    if (sample == nullptr) {
        return;
    }
    const QRgb pixel = sample->pixel(std::clamp(at.x() / CursorBlock, 0, sample->width() - 1),
                                     std::clamp(at.y() / CursorBlock, 0, sample->height() - 1));
    main_.SetColor(MakeColor(qRed(pixel), qGreen(pixel), qBlue(pixel)));
}

void TForm2::ShowCursorSample() {
    if (const QImage* sample = main_.CursorSample()) {
        ImageCursorColor->SetImage(
            sample->scaled(sample->width() * CursorBlock, sample->height() * CursorBlock));
    }
}

} // namespace kolvi
