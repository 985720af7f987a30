#include "controls/TKNFindDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

QT_BEGIN_NAMESPACE
static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace kolvi {
namespace {

class FindDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        owner_.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&owner_));
        QObject::connect(&dialog_, &TKNFindDialog::FindRequested, &dialog_,
                         [this](const QString& text) { found_.append(text); });
    }

    void Open() {
        dialog_.Execute();
        // The window system's wait would count the owner's activation for the
        // dialog, which Qt takes as a transient of it.
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &dialog_; }));
    }
    // As the user goes back to the window the dialog belongs to.
    void Hide() {
        dialog_.hide();
        owner_.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &owner_; }));
    }

    QComboBox* ComboBoxFind() { return dialog_.findChild<QComboBox*>("ComboBoxFind"); }
    QStringList ListShown() {
        QStringList items;
        for (int i = 0; i < ComboBoxFind()->count(); ++i) {
            items.append(ComboBoxFind()->itemText(i));
        }
        return items;
    }

    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    // Over whatever the box holds, as a user selects all and types.
    static void TypeOver(const QString& text) {
        Key(Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), text);
    }

    QWidget owner_;
    TKNFindDialog dialog_{&owner_};
    QStringList found_;
};

TEST_F(FindDialogTest, OpensOnTheSearchBoxWithTheFindTextSelected) {
    dialog_.SetFindItems({"beta", "alpha"});
    dialog_.SetFindText("alpha");
    Open();
    ASSERT_EQ(QApplication::focusWidget(), ComboBoxFind());
    EXPECT_TRUE(ComboBoxFind()->isEditable());
    EXPECT_EQ(dialog_.findChild<QWidget*>("PanelFind"), ComboBoxFind()->parentWidget());
    EXPECT_EQ(ListShown(), (QStringList{"beta", "alpha"}));
    EXPECT_EQ(ComboBoxFind()->currentText(), "alpha");
    // Typing replaces the selected text.
    QTest::keyClicks(QApplication::focusWidget(), "g");
    EXPECT_EQ(ComboBoxFind()->currentText(), "g");
    // The label's access key brings the focus back from the buttons.
    Key(Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), ComboBoxFind());
    Key(Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), ComboBoxFind());
}

TEST_F(FindDialogTest, EachSearchGoesToTheTopOfTheListOnceWhateverItsCase) {
    Open();
    TypeOver("abc");
    Key(Qt::Key_Return);
    TypeOver("def");
    // The button's access key clicks it after a short press.
    Key(Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return found_.size() == 2; }));
    TypeOver("ABC");
    Key(Qt::Key_Enter);
    EXPECT_EQ(found_, (QStringList{"abc", "def", "ABC"}));
    EXPECT_EQ(dialog_.FindText(), "ABC");
    EXPECT_EQ(dialog_.FindItems(), (QStringList{"abc", "def"}));
    EXPECT_EQ(ListShown(), dialog_.FindItems());
    EXPECT_EQ(ComboBoxFind()->currentText(), "ABC") << "the searched text stays in the box";
    EXPECT_TRUE(dialog_.isVisible());
}

TEST_F(FindDialogTest, TheTypedTextIsSearchedEvenWhenItBeginsAnEntry) {
    dialog_.SetFindItems({"abcdef"});
    Open();
    TypeOver("abc");
    Key(Qt::Key_Return);
    EXPECT_EQ(found_, QStringList{"abc"});
}

TEST_F(FindDialogTest, AnEntryPickedWithTheArrowKeysIsSearched) {
    dialog_.SetFindItems({"one", "two"});
    Open();
    Key(Qt::Key_Down);
    EXPECT_EQ(ComboBoxFind()->currentText(), "one");
    Key(Qt::Key_Down);
    EXPECT_EQ(ComboBoxFind()->currentText(), "two");
    Key(Qt::Key_Return);
    EXPECT_EQ(found_, QStringList{"two"});
    EXPECT_EQ(dialog_.FindItems(), (QStringList{"two", "one"}));
}

TEST_F(FindDialogTest, NothingIsSearchedWhileTheBoxIsEmpty) {
    dialog_.SetFindItems({"kept"});
    Open();
    auto* buttonFind = dialog_.findChild<QPushButton*>("ButtonFind");
    EXPECT_FALSE(buttonFind->isEnabled());
    Key(Qt::Key_Return);
    EXPECT_TRUE(found_.isEmpty());
    EXPECT_EQ(dialog_.FindItems(), QStringList{"kept"});
    TypeOver("x");
    EXPECT_TRUE(buttonFind->isEnabled());
    Key(Qt::Key_Backspace);
    EXPECT_FALSE(buttonFind->isEnabled());
}

TEST_F(FindDialogTest, TheHistoryKeepsItemsCountEntriesAfterASearch) {
    EXPECT_EQ(dialog_.ItemsCount(), 8);
    dialog_.SetItemsCount(2);
    dialog_.SetItemsCount(-3);
    EXPECT_EQ(dialog_.ItemsCount(), 2);
    dialog_.SetFindItems({"a", "b", "c"});
    Open();
    TypeOver("d");
    Key(Qt::Key_Return);
    EXPECT_EQ(dialog_.FindItems(), (QStringList{"d", "a"}));
    EXPECT_EQ(ListShown(), dialog_.FindItems());
}

TEST_F(FindDialogTest, AssignedItemsShowInTheOpenListAndTheTypedTextStays) {
    Open();
    TypeOver("typed");
    dialog_.SetFindItems({"x", "y"});
    EXPECT_EQ(ListShown(), (QStringList{"x", "y"}));
    EXPECT_EQ(ComboBoxFind()->currentText(), "typed");
    dialog_.SetFindItems(dialog_.FindItems());
    EXPECT_EQ(dialog_.FindItems(), (QStringList{"x", "y"}));
}

TEST_F(FindDialogTest, ExecuteTextDecidesWhetherExecutePutsTheFindTextIntoTheOpenBox) {
    struct Row {
        const char* executeText;
        const char* shown;
    };
    for (const Row& row : {Row{"", "typed"}, Row{"on", "from caller"}}) {
        SCOPED_TRACE(row.executeText);
        dialog_.SetExecuteText(row.executeText);
        Open();
        TypeOver("typed");
        dialog_.SetFindText("from caller");
        dialog_.Execute();
        EXPECT_EQ(ComboBoxFind()->currentText(), row.shown);
        EXPECT_EQ(QApplication::focusWidget(), ComboBoxFind());
        Hide();
        // A new show always starts from the find text.
        Open();
        EXPECT_EQ(ComboBoxFind()->currentText(), "from caller");
        Hide();
    }
}

TEST_F(FindDialogTest, EscapeAndTheCloseButtonHideTheDialog) {
    Open();
    Key(Qt::Key_Escape);
    EXPECT_FALSE(dialog_.isVisible());
    Open();
    auto* buttonClose = dialog_.findChild<QPushButton*>("ButtonClose");
    QTest::mouseClick(buttonClose, Qt::LeftButton);
    EXPECT_FALSE(dialog_.isVisible());
    EXPECT_TRUE(found_.isEmpty());
}

} // namespace
} // namespace kolvi
