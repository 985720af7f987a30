#include "TForm1Fixture.h"

#include "controls/TKNSpeedEdit.h"
#include "shortcuts/TForm4.h"

#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

namespace kolvi {
namespace {

struct ShortcutDialog : TForm1Fixture {
    void SetUp() override {
        TForm1Fixture::SetUp();
        dialog =
            std::make_unique<TForm4>(*form->MainActionList(), *form->RulerActionList(), form.get());
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }
    void TearDown() override {
        dialog.reset();
        TForm1Fixture::TearDown();
    }

    QString Cell(int row, int column) const {
        return dialog->ListViewTool->model()->index(row, column).data().toString();
    }
    void ClickRow(int row) {
        QTreeView* list = dialog->ListViewTool;
        const QRect rect = list->visualRect(list->model()->index(row, 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
    // Keys as the user presses them: to whichever control has the focus.
    void Press(int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }
    void ClickTab(int index) {
        QTest::mouseClick(dialog->TabBar, Qt::LeftButton, {},
                          dialog->TabBar->tabRect(index).center());
    }
    QString Edit() const { return dialog->EditShortCut->text(); }

    std::unique_ptr<TForm4> dialog;
};

TEST_F(ShortcutDialog, LaysOutTheListsOfBothTabs) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("ショートカットカスタマイズ"));
    EXPECT_EQ(dialog->size(), QSize(465, 313));
    QTreeView* list = dialog->ListViewTool;
    ASSERT_EQ(list->model()->rowCount(), 19);
    EXPECT_EQ(list->model()->headerData(1, Qt::Horizontal).toString(),
              QStringLiteral("メニュー名"));
    EXPECT_EQ((std::vector{list->columnWidth(0), list->columnWidth(1), list->columnWidth(2)}),
              (std::vector{90, 150, 90}));
    EXPECT_EQ(Cell(1, 0), QStringLiteral("編集"));
    EXPECT_EQ(Cell(1, 1), QStringLiteral("色のコピー(C)"));
    EXPECT_EQ(Cell(1, 2), QStringLiteral("Shift+Ctrl+C"));
    EXPECT_EQ(Cell(7, 1), QStringLiteral("ショートカットカスタマイズ(E)..."));
    EXPECT_FALSE(dialog->EditShortCut->isEnabled()) << "nothing selected yet";
    EXPECT_FALSE(dialog->ButtonEditEdit->isEnabled());

    ClickTab(1);
    EXPECT_EQ(list->model()->rowCount(), 14);
    EXPECT_EQ(Cell(0, 0), QStringLiteral("ルーラー"));
    EXPECT_EQ(Cell(12, 2), QStringLiteral("Ctrl+Down"));
}

TEST_F(ShortcutDialog, AKeyCapturedInTheEditIsAppliedByEditAndShownEverywhere) {
    ClickRow(2); // 反転(&I)
    EXPECT_EQ(Edit(), QStringLiteral("Ctrl+I"));
    EXPECT_TRUE(dialog->ButtonEditEdit->isEnabled());
    QTest::mouseClick(dialog->EditShortCut, Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), dialog->EditShortCut);

    QTest::keyPress(QApplication::focusWidget(), Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(Edit(), QString()) << "a modifier alone";
    EXPECT_EQ(Cell(2, 1), QStringLiteral("反転(I) *"));
    Press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Edit(), QStringLiteral("Shift+Ctrl+C"));
    Press(Qt::Key_Exclam, Qt::ShiftModifier);
    EXPECT_EQ(Edit(), QStringLiteral("Shift+1"));
    Press(Qt::Key_Q);
    EXPECT_EQ(Edit(), QStringLiteral("Q")) << "a plain letter, and nothing typed";
    Press(Qt::Key_E, Qt::AltModifier);
    EXPECT_EQ(Edit(), QStringLiteral("Alt+E")) << "the edit takes the button's access key";
    Press(Qt::Key_Escape);
    EXPECT_EQ(Edit(), QStringLiteral("Esc"));
    EXPECT_TRUE(dialog->isVisible()) << "Esc in the edit is a key to capture";

    QTest::mouseClick(dialog->ButtonEditEdit, Qt::LeftButton);
    TKNAction* reverse = form->Action("ActionEditReverse");
    EXPECT_EQ(reverse->ShortcutCode(), 0x1B);
    EXPECT_EQ(reverse->shortcut(), QKeySequence(Qt::Key_Escape)) << "the menu shows it";
    EXPECT_EQ(form->Action("ActionEditMinimize")->ShortcutCode(), 0x1B) << "no conflict check";
    EXPECT_EQ(Cell(2, 1), QStringLiteral("反転(I)"));
    EXPECT_EQ(Cell(2, 2), QStringLiteral("Esc"));
    EXPECT_EQ(Edit(), QStringLiteral("Esc"));

    // "×" empties the edit and keeps the focus there; 編集 then removes the key.
    QTest::mouseClick(dialog->EditShortCut->Button(), Qt::LeftButton);
    EXPECT_EQ(Edit(), QString());
    EXPECT_EQ(QApplication::focusWidget(), dialog->EditShortCut);
    QTest::mouseClick(dialog->ButtonEditEdit, Qt::LeftButton);
    EXPECT_EQ(reverse->ShortcutCode(), 0);
    EXPECT_TRUE(reverse->shortcut().isEmpty());
    EXPECT_EQ(Cell(2, 2), QString());
}

TEST_F(ShortcutDialog, AnotherRowOrTabDropsThePendingKey) {
    ClickRow(0);
    QTest::mouseClick(dialog->EditShortCut, Qt::LeftButton);
    Press(Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(dialog->PendingRow, 0);
    ClickRow(3);
    EXPECT_EQ(dialog->PendingRow, -1);
    EXPECT_EQ(Cell(0, 1), QStringLiteral("色の貼り付け(P)"));
    EXPECT_EQ(Edit(), QStringLiteral("Ctrl+R")) << "the new row's own key";
    EXPECT_EQ(form->Action("ActionEditColorPaste")->ShortcutCode(), 0x6056) << "not applied";

    QTest::mouseClick(dialog->EditShortCut, Qt::LeftButton);
    Press(Qt::Key_K, Qt::ControlModifier);
    ClickTab(1);
    EXPECT_EQ(dialog->PendingRow, -1);
    EXPECT_EQ(Edit(), QStringLiteral("Del")) << "row 3 of the ruler's list: クリア(&C)";
    EXPECT_EQ(Cell(3, 1), QStringLiteral("クリア(C)"));
    EXPECT_EQ(form->Action("ActionEditRuler")->ShortcutCode(), 0x4052) << "not applied";

    // A row the new list does not have, or a click below the rows: nothing
    // is selected.
    ClickTab(0);
    ClickRow(14);
    ClickTab(1);
    EXPECT_EQ(Edit(), QString());
    EXPECT_FALSE(dialog->EditShortCut->isEnabled());
    EXPECT_FALSE(dialog->ButtonEditEdit->isEnabled());
    ClickRow(3);
    ASSERT_TRUE(dialog->ButtonEditEdit->isEnabled());
    QTest::mouseClick(dialog->ListViewTool->viewport(), Qt::LeftButton, {},
                      {40, dialog->ListViewTool->viewport()->height() - 4});
    EXPECT_FALSE(dialog->ButtonEditEdit->isEnabled());
    EXPECT_EQ(Edit(), QString());
}

using ShortcutCommand = TForm1Fixture;

void PressInFocus(int key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
}

// The command itself: F9 opens a new modal dialog centred on the picker; keys
// pressed in it run no picker command; closing destroys it, and the key it
// applied works at once and is written at close.
TEST_F(ShortcutCommand, F9OpensAModalDialogWhoseKeysRunNoCommand) {
    bool ran = false;
    QTimer::singleShot(0, form.get(), [&] {
        auto* shown = qobject_cast<TForm4*>(QApplication::activeModalWidget());
        ASSERT_NE(shown, nullptr);
        // What the window manager does for a new dialog; offscreen has none.
        shown->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == shown; }));
        const QPoint offset = shown->frameGeometry().center() - form->frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 2) << "centred on the picker";
        PressInFocus(Qt::Key_F3);
        PressInFocus(Qt::Key_D, Qt::ControlModifier);
        EXPECT_EQ(form->Picker().PickerMode(), 0);
        EXPECT_FALSE(form->Action("ActionOptionSub")->isChecked());

        QTreeView* list = shown->ListViewTool;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(2, 1)).center());
        QTest::mouseClick(shown->EditShortCut, Qt::LeftButton);
        PressInFocus(Qt::Key_J, Qt::ControlModifier);
        EXPECT_EQ(shown->EditShortCut->text(), QStringLiteral("Ctrl+J"));
        QTest::mouseClick(shown->ButtonEditEdit, Qt::LeftButton);
        EXPECT_EQ(form->Action("ActionEditReverse")->ShortcutCode(), 0x404A);
        EXPECT_EQ(form->Picker().PickerMode(), 0) << "nor did the keys of the capture";
        ran = true;
        shown->close();
    });
    PressInFocus(Qt::Key_F9);
    ASSERT_TRUE(ran);
    EXPECT_TRUE(form->findChildren<TForm4*>().empty()) << "destroyed when closed";

    // The window manager gives the picker back the focus; offscreen has none.
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == form.get(); }));
    const TColor before = form->Picker().CurrentColor();
    PressInFocus(Qt::Key_J, Qt::ControlModifier);
    EXPECT_NE(form->Picker().CurrentColor(), before) << "反転 runs by its new key";
    form->close();
    QFile file(SettingsPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("ActionEditReverse=16458\r\n"));
}

TEST_F(ShortcutCommand, AKeyGivenToACommandBeatsAMenuAccessKey) {
    form->Action("ActionEditColorCopy")->SetShortcutCode(0x8045); // Alt+E, as 編集(&E)
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == form.get(); }));
    QApplication::clipboard()->clear();
    PressInFocus(Qt::Key_E, Qt::AltModifier);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "the 編集 menu stays shut";
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("#FF0000"));
}

} // namespace
} // namespace kolvi
