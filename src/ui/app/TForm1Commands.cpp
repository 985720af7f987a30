// The main window's menus and the commands no other part of the window owns.
#include "TForm1.h"

#include "ApplicationWindows.h"
#include "app/Version.h"

#include "controls/TKNImage.h"
#include "controls/TKNPanel.h"
#include "shortcuts/TForm4.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QUrl>

namespace kolvi {

namespace {

constexpr const char* ManualFile = "manual.html";
constexpr const char* ReadmeFile = "readme.txt";

} // namespace

void TForm1::CreateMenus() {
    MainMenuMain = menuBar();
    MainMenuMain->setObjectName("MainMenuMain");
    const auto addActions = [this](QMenu* menu, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            if (name == nullptr) {
                menu->addSeparator();
            } else {
                menu->addAction(Action(name));
            }
        }
    };
    QMenu* edit = MainMenuMain->addMenu(QStringLiteral("編集(&E)"));
    edit->setObjectName("MenuEdit");
    addActions(edit,
               {"ActionEditColorPaste", "ActionEditColorCopy", nullptr, "ActionEditRuler", nullptr,
                "ActionEditReverse", nullptr, "ActionEditMinimize", "ActionEditClose"});
    QMenu* option = MainMenuMain->addMenu(QStringLiteral("設定(&O)"));
    option->setObjectName("MenuOption");
    addActions(option,
               {"ActionOptionTool", nullptr, "ActionOptionSub", nullptr, "ActionOptionLowerCase",
                "ActionOptionStayOnTop", "ActionOptionMinimizeHide", "ActionOptionRulerRun",
                "ActionOptionMutex", nullptr, "ActionOptionMainMode0", "ActionOptionMainMode1",
                "ActionOptionMainMode2"});
    QMenu* help = MainMenuMain->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->setObjectName("MenuHelp");
    addActions(help, {"ActionHelpReadme", "ActionHelpOnline", nullptr});
    MenuHelpVersion = help->addAction(QStringLiteral("&Version %1\tkolvi colour picker")
                                          .arg(QString::fromLatin1(KolviVersionText)));
    MenuHelpVersion->setObjectName("MenuHelpVersion");
    MenuHelpVersion->setEnabled(false);

    PopupMenuImage = new QMenu(this);
    PopupMenuImage->setObjectName("PopupMenuImage");
    addActions(PopupMenuImage, {"ActionEditColorCopy", "ActionEditColorPaste", nullptr,
                                "ActionEditReverse", nullptr, "ActionOptionMainMode0",
                                "ActionOptionMainMode1", "ActionOptionMainMode2"});
    for (QWidget* widget : std::initializer_list<QWidget*>{
             ImageMainImage, PanelMainImage, ImageBaseImage, PanelBaseImage, ImageBaseSlider}) {
        widget->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(widget, &QWidget::customContextMenuRequested, this,
                [this, widget](QPoint at) { PopupMenuImage->popup(widget->mapToGlobal(at)); });
    }
}

void TForm1::ActionEditMinimizeExecute() {
    windows_->Minimize();
}

void TForm1::ActionEditCloseExecute() {
    close();
}

void TForm1::ActionOptionToolExecute() {
    // A dialog for one use; what it applies is on the actions when it closes.
    TForm4 dialog(*ActionListMain, *ActionListRuler, this);
    dialog.exec();
}

void TForm1::ActionOptionSubExecute() {
    SyncOptionWindow();
}

void TForm1::ActionOptionStayOnTopExecute() {
    SetTopMost(ActionOptionStayOnTop->isChecked(), this);
}

void TForm1::ActionOptionMutexExecute() {
    UpdateInstanceLock();
}

QString TForm1::HelpFilePath(const QString& fileName) {
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString beside = programDir.filePath(fileName);
    const QString installed = programDir.filePath(QStringLiteral("../share/doc/kolvi/") + fileName);
    return QFileInfo::exists(beside) || !QFileInfo::exists(installed) ? beside
                                                                      : QDir::cleanPath(installed);
}

void TForm1::ActionHelpReadmeExecute() {
    QDesktopServices::openUrl(QUrl::fromLocalFile(HelpFilePath(QString::fromUtf8(ReadmeFile))));
}

void TForm1::ActionHelpOnlineExecute() {
    const QUrl manual = QUrl::fromLocalFile(HelpFilePath(QString::fromUtf8(ManualFile)));
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("online Help"), manual.toString(),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    if (box.exec() == QMessageBox::Ok) {
        QDesktopServices::openUrl(manual);
    }
}

} // namespace kolvi
