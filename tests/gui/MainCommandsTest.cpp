#include "TForm1Fixture.h"

#include "controls/TKNComboBox.h"
#include "controls/TKNPanel.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>
#include <QWindow>

namespace kolvi {
namespace {

struct MainCommands : TForm1Fixture {
    QByteArray Saved() {
        form->close();
        QFile file(SettingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void WriteSettings(const QByteArray& bytes) {
        QFile file(SettingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void Reopen(std::vector<std::string> arguments = {}) {
        form.reset();
        Open(std::move(arguments));
    }
};

// Records what kolvi asks the desktop to open instead of starting a viewer.
class OpenedUrls : public QObject {
    Q_OBJECT

  public:
    OpenedUrls() { QDesktopServices::setUrlHandler("file", this, "Open"); }
    ~OpenedUrls() override { QDesktopServices::unsetUrlHandler("file"); }
    QList<QUrl> urls;

  public Q_SLOTS:
    void Open(const QUrl& url) { urls.append(url); }
};

TEST_F(MainCommands, EverySettingSurvivesARestart) {
    QTest::keyClick(Control<TKNComboBox>("ComboBoxMainColor"), Qt::Key_F3);
    form->Action("ActionOptionLowerCase")->trigger();
    form->Action("ActionOptionStayOnTop")->trigger();
    form->SetColorRGB(0, 0, 255);
    ChooseNotation(1);
    form->Action("ActionEditReverse")->SetShortcutCode(0x4000 | 'J');
    form->move(240, 150);
    ASSERT_FALSE(Saved().isEmpty());

    Reopen();
    EXPECT_EQ(form->Picker().PickerMode(), 2);
    EXPECT_TRUE(form->Action("ActionOptionMainMode2")->isChecked());
    EXPECT_TRUE(form->Action("ActionOptionLowerCase")->isChecked());
    EXPECT_TRUE(form->Action("ActionOptionStayOnTop")->isChecked());
    EXPECT_EQ(form->Picker().CurrentColor(), MakeColor(0, 0, 255));
    EXPECT_EQ(Control<TKNComboBox>("ComboBoxMainColor")->currentText(), "0000ff");
    EXPECT_EQ(form->pos(), QPoint(240, 150));
    EXPECT_EQ(form->Action("ActionEditReverse")->shortcut(), QKeySequence("Ctrl+J"));
    EXPECT_TRUE(form->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
}

TEST(SettingsLocation, TheFileBesideTheProgramUnlessItCannotBeWrittenOrASpareIsNewer) {
    struct Row {
        const char* name;
        bool besideWritable;
        bool besideExists;
        bool configExists;
        bool spareIsNewer;
        SettingsFiles files;
    };
    const QString beside = "/opt/kolvi/kolvi.ini";
    const QString config = "/home/u/.config/kolvi/kolvi.ini";
    const QString spare = "/home/u/.config/kolvi/copies/0123456789abcdef.ini";
    const Row rows[] = {
        {"a copy in a folder of its own", true, true, false, false, {beside, beside, spare}},
        {"a copy whose last save went to its spare",
         true,
         true,
         false,
         true,
         {spare, beside, spare}},
        {"installed, first run", false, false, false, false, {config, config, config}},
        {"installed with a file beside it", false, true, false, false, {beside, config, config}},
        {"installed, saved once already", false, true, true, false, {config, config, config}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const SettingsFiles files =
            ChooseSettingsFiles({beside, row.besideWritable, row.besideExists, config,
                                 row.configExists, spare, row.spareIsNewer});
        EXPECT_EQ(files.read, row.files.read);
        EXPECT_EQ(files.write, row.files.write);
        EXPECT_EQ(files.fallback, row.files.fallback);
    }
}

TEST_F(MainCommands, LowerCaseNeverChangesHowColoursAreStored) {
    form->Action("ActionOptionLowerCase")->trigger();
    form->SetColorRGB(0xAB, 0xCD, 0xEF);
    EXPECT_EQ(Control<TKNComboBox>("ComboBoxMainColor")->currentText(), "#abcdef");
    EXPECT_TRUE(Saved().contains("ColorStr=#ABCDEF\r\n"));
}

TEST_F(MainCommands, TheCommandLineOverridesTheFileAndIsSaved) {
    form.reset();
    WriteSettings("[Options]\r\nRulerRun=0\r\nvisible=0\r\n");
    Open({"-o", "-r", "-R", "/p"});
    EXPECT_TRUE(form->Action("ActionOptionRulerRun")->isChecked());
    EXPECT_TRUE(form->Action("ActionOptionSub")->isChecked());
    const QByteArray saved = Saved();
    EXPECT_TRUE(saved.contains("RulerRun=1\r\n"));
    EXPECT_TRUE(saved.contains("visible=1\r\n"));

    Reopen({"-r", "-p"}); // applied in order: ends in picker mode
    EXPECT_FALSE(form->Action("ActionOptionRulerRun")->isChecked());
}

TEST_F(MainCommands, RulerModeLeavesSixMainActionsEnabled) {
    form->EnableActionLists(false, true);
    std::vector<QString> enabled;
    for (const TKNAction* action : form->MainActionList()->Actions()) {
        if (action->isEnabled()) {
            enabled.push_back(action->objectName());
        }
    }
    EXPECT_EQ(enabled, (std::vector<QString>{"ActionEditCursorColor", "ActionEditMinimize",
                                             "ActionEditClose", "ActionOptionMinimizeHide",
                                             "ActionOptionRulerRun", "ActionOptionMutex"}));
    for (const TKNAction* action : form->RulerActionList()->Actions()) {
        EXPECT_TRUE(action->isEnabled());
    }
    // Copy is off in ruler mode; its key does nothing.
    QApplication::clipboard()->setText("untouched");
    QTest::keyClick(Control<TKNComboBox>("ComboBoxMainColor"), Qt::Key_C,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "untouched");

    form->EnableActionLists(true, false);
    EXPECT_TRUE(form->Action("ActionEditColorCopy")->isEnabled());
    EXPECT_FALSE(form->Action("ActionRulerPicker")->isEnabled());
}

TEST_F(MainCommands, AKeyRunsTheFirstEnabledActionWithItsShortcutUnlessADialogIsOpen) {
    int toRuler = 0;
    int toPicker = 0;
    QObject::connect(form->Action("ActionEditRuler"), &QAction::triggered, form.get(),
                     [&] { ++toRuler; });
    QObject::connect(form->Action("ActionRulerPicker"), &QAction::triggered, form.get(),
                     [&] { ++toPicker; });
    QTest::keyClick(Control<TKNComboBox>("ComboBoxMainColor"), Qt::Key_R, Qt::ControlModifier);
    form->EnableActionLists(false, true);
    QTest::keyClick(Control<TKNComboBox>("ComboBoxMainColor"), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(toRuler, 1);
    EXPECT_EQ(toPicker, 1);
    form->EnableActionLists(true, false);

    QApplication::clipboard()->setText("untouched");
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        QTest::keyClick(dialog, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        qobject_cast<QMessageBox*>(dialog)->button(QMessageBox::Cancel)->click();
    });
    form->Action("ActionHelpOnline")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "untouched") << "the key went to the dialog";
}

TEST_F(MainCommands, ShiftedDigitAndPunctuationShortcutsFireByTheirKey) {
    struct Row {
        const char* name;
        std::uint16_t shortcut;
        Qt::Key sent; // what the window system reports with Shift held
        Qt::KeyboardModifiers modifiers;
    };
    const Row rows[] = {
        {"Shift+1", 0x2031, Qt::Key_Exclam, Qt::ShiftModifier},
        {"Shift+0", 0x2030, Qt::Key_ParenRight, Qt::ShiftModifier},
        {"Shift+=", 0x20BB, Qt::Key_Plus, Qt::ShiftModifier},
        {"Ctrl+Shift+/", 0x60BF, Qt::Key_Question, Qt::ShiftModifier | Qt::ControlModifier},
        {"Shift+'", 0x20DE, Qt::Key_QuoteDbl, Qt::ShiftModifier},
    };
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    TKNAction* reverse = form->Action("ActionEditReverse");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        reverse->SetShortcutCode(row.shortcut);
        form->SetColorRGB(0, 0, 0);
        QTest::keyClick(QApplication::focusWidget(), row.sent, row.modifiers);
        EXPECT_EQ(form->Picker().CurrentColor(), MakeColor(255, 255, 255));
    }
}

TEST_F(MainCommands, TheLockOptionTakesAndGivesUpTheLockAtOnce) {
    // The real lock, in the test's own runtime folder.
    form.reset();
    Open({}, CreatePlatformInstanceChannel());
    const auto otherStartFindsLock = [] {
        return CreatePlatformInstanceChannel()->RunningInstanceHoldsLock();
    };
    EXPECT_TRUE(otherStartFindsLock());
    form->Action("ActionOptionMutex")->trigger();
    EXPECT_FALSE(form->Action("ActionOptionMutex")->isChecked());
    EXPECT_FALSE(otherStartFindsLock());
    form->Action("ActionOptionMutex")->trigger();
    EXPECT_TRUE(otherStartFindsLock());
}

TEST_F(MainCommands, HelpOpensTheGuideAndTheManualOnlyOnOk) {
    OpenedUrls opened;
    form->Action("ActionHelpReadme")->trigger();
    ASSERT_EQ(opened.urls.size(), 1);
    EXPECT_TRUE(opened.urls[0].toLocalFile().endsWith("/readme.txt"));

    for (const auto button : {QMessageBox::Cancel, QMessageBox::Ok}) {
        QTimer::singleShot(0, [button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), "online Help");
            EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
            EXPECT_TRUE(box->text().endsWith("manual.html"));
            box->button(button)->click();
        });
        form->Action("ActionHelpOnline")->trigger();
    }
    ASSERT_EQ(opened.urls.size(), 2) << "Cancel opens nothing";
    EXPECT_TRUE(opened.urls[1].toLocalFile().endsWith("/manual.html"));
}

TEST_F(MainCommands, MenusOfferTheActionsInTheirOrderWithTheirKeys) {
    QStringList popup;
    for (QAction* action : Control<QMenu>("PopupMenuImage")->actions()) {
        popup << (action->isSeparator() ? "-" : action->objectName());
    }
    EXPECT_EQ(popup, (QStringList{"ActionEditColorCopy", "ActionEditColorPaste", "-",
                                  "ActionEditReverse", "-", "ActionOptionMainMode0",
                                  "ActionOptionMainMode1", "ActionOptionMainMode2"}));
    EXPECT_EQ(form->Action("ActionEditColorCopy")->shortcut(), QKeySequence("Ctrl+Shift+C"));
    EXPECT_EQ(form->Action("ActionEditClose")->shortcut(), QKeySequence("Alt+F4"));
    EXPECT_FALSE(Control<QAction>("MenuHelpVersion")->isEnabled());
    EXPECT_TRUE(Control<QAction>("MenuHelpVersion")->text().startsWith("&Version 3.00\t"));
}

} // namespace
} // namespace kolvi

#include "MainCommandsTest.moc"
