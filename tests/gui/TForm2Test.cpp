#include "TForm1Fixture.h"

#include "controls/TKNImage.h"
#include "controls/TKNPanel.h"
#include "lists/ColorListView.h"
#include "lists/TForm2.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>

namespace kolvi {
namespace {

// The option window shown with Ctrl+D, on a favourites file of its own.
struct OptionWindow : TForm1Fixture {
    void SetUp() override {
        QFile favorites(folder.filePath("favorite.dat"));
        ASSERT_TRUE(favorites.open(QIODevice::WriteOnly));
        favorites.write("#FF0000red\r\n#00ff00\r\nred\r\n\r\n#12345Gbad\r\n");
        favorites.close();
        TForm1Fixture::SetUp();
        form->Action("ActionOptionSub")->trigger();
        window = Form2;
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }
    template <class W> W* Part(const char* name) { return window->findChild<W*>(name); }
    QByteArray File() {
        QFile file(folder.filePath("favorite.dat"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void Select(int row) {
        auto* list = Part<ColorListView>("ListBoxColorList");
        const QRect at =
            row < 0 ? QRect(5, 190, 1, 1) : list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at.center());
    }
    void Name(const QString& name) { Part<QLineEdit>("EditColorName")->setText(name); }
    void Run(const char* action) { form->Action(action)->trigger(); }
    TForm2* window = nullptr;
};

TEST_F(OptionWindow, FavouritesEditedThroughTheirCommandsAreWrittenAfterEachChange) {
    EXPECT_EQ(window->windowTitle(), "Option - [お気に入り]");
    EXPECT_EQ(window->Lines()->Lines(), (std::vector<std::string>{"#FF0000red", "#12345Gbad"}));
    Select(0);
    EXPECT_EQ(Part<QLineEdit>("EditColorName")->text(), "red");
    EXPECT_EQ(window->BaseColorValue(), MakeColor(255, 0, 0));

    Run("ActionSubDown");
    EXPECT_EQ(File(), "#12345Gbad\r\n#FF0000red\r\n") << "the swap is saved";
    EXPECT_EQ(window->List()->SelectedRow(), 1);
    Run("ActionSubDown");
    EXPECT_EQ(File(), "#12345Gbad\r\n#FF0000red\r\n") << "down on the last row does nothing";

    Select(0);
    form->SetColorRGB(0, 0, 255); // the base swatch follows the current colour
    EXPECT_EQ(window->BaseColorValue(), MakeColor(0, 0, 255));
    Name("blue");
    Run("ActionSubAdd");
    EXPECT_EQ(File(), "#12345Gbad\r\n#0000FFblue\r\n#FF0000red\r\n") << "added after the selection";
    EXPECT_EQ(window->List()->SelectedRow(), 0);
    Run("ActionSubUp");
    EXPECT_EQ(File(), "#12345Gbad\r\n#0000FFblue\r\n#FF0000red\r\n") << "up on the first row";

    Name("");
    Run("ActionSubEdit");
    Run("ActionSubAdd");
    EXPECT_EQ(File(), "#12345Gbad\r\n#0000FFblue\r\n#FF0000red\r\n") << "no name, no change";

    Name("ブルー");
    Run("ActionSubEdit");
    EXPECT_EQ(File(), "#0000FFブルー\r\n#0000FFblue\r\n#FF0000red\r\n");
    for (int i = 0; i < 3; ++i) {
        Select(0);
        Run("ActionSubDelete");
    }
    EXPECT_EQ(File(), "") << "no favourites: a file of 0 bytes";
}

TEST_F(OptionWindow, GuardsFollowTheSelectionAndTheListOnView) {
    Select(-1); // below the last row
    EXPECT_EQ(window->List()->SelectedRow(), -1);
    EXPECT_FALSE(Part<QPushButton>("ButtonSubDelete")->isEnabled());
    Select(1);
    EXPECT_TRUE(Part<QPushButton>("ButtonSubDelete")->isEnabled());

    form->SetColorRGB(255, 0, 0);
    form->Action("ActionEditColorCopy")->trigger();
    Run("ActionSubRecent");
    EXPECT_EQ(window->windowTitle(), "Option - [出力履歴]");
    EXPECT_EQ(window->Lines()->Lines(), (std::vector<std::string>{"#FF0000#FF0000"}));
    Select(0);
    EXPECT_EQ(Part<QLineEdit>("EditColorName")->text(), "#FF0000");
    EXPECT_TRUE(Part<QLineEdit>("EditColorName")->isReadOnly());
    EXPECT_FALSE(Part<QPushButton>("ButtonSubAdd")->isVisible()) << "only favourites are edited";
    Run("ActionSubDelete");
    EXPECT_EQ(window->Lines()->Lines().size(), 1u);
}

TEST_F(OptionWindow, ClipboardApplyAndTheTestColours) {
    ChooseNotation(2);
    form->Action("ActionOptionLowerCase")->trigger();
    Select(0);
    // The swatch takes any colour (a drop from the picker's swatches, say).
    window->SetBaseColor(MakeColor(0x12, 0x34, 0x56));
    Run("ActionSubToClipboard");
    EXPECT_EQ(QApplication::clipboard()->text(), "0x00563412");
    EXPECT_TRUE(form->History().Lines().empty()) << "the history is the copy command's only";

    Run("ActionSubApply");
    EXPECT_EQ(form->CurrentColor(), MakeColor(0x12, 0x34, 0x56));

    Run("ActionSubTestFont");
    Run("ActionSubTestBack");
    EXPECT_FALSE(form->Action("ActionSubTestFont")->isChecked());
    EXPECT_TRUE(form->Action("ActionSubTestBack")->isChecked());
    form->SetColorRGB(0, 0, 255);
    EXPECT_EQ(Part<TKNPanel>("PanelTestBack")->Color(), QColor(0, 0, 255));
    EXPECT_EQ(form->TestBackColor(), MakeColor(0, 0, 255));
    EXPECT_TRUE(Part<QWidget>("MemoTest")->toolTip().startsWith("コントラスト "))
        << "the contrast follows every colour change";
    const QString blue = Part<QWidget>("MemoTest")->toolTip();
    form->SetColorRGB(255, 255, 255);
    EXPECT_NE(Part<QWidget>("MemoTest")->toolTip(), blue);
    EXPECT_EQ(Part<QWidget>("PanelTestFont")->toolTip(), Part<QWidget>("MemoTest")->toolTip());
    Run("ActionSubTestBack");
    EXPECT_FALSE(form->Action("ActionSubTestBack")->isChecked());
}

TEST_F(OptionWindow, ClosingHidesItAndUnchecksItsOption) {
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(form->Action("ActionOptionSub")->isChecked());
}

TEST_F(OptionWindow, AFailedSaveIsToldOnceAndTheListStays) {
    // A folder where the favourites file goes: its replacement cannot succeed.
    QFile::remove(folder.filePath("favorite.dat"));
    ASSERT_TRUE(QDir(folder.path()).mkdir("favorite.dat"));
    Select(0);
    Run("ActionSubDelete");
    EXPECT_EQ(window->Lines()->Lines().size(), 1u) << "the edit stays on screen";
    const auto messages = [this] {
        int count = 0;
        for (QMessageBox* box : window->findChildren<QMessageBox*>()) {
            count += box->isVisible() ? 1 : 0;
        }
        return count;
    };
    EXPECT_EQ(messages(), 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "nothing blocks the user";
    Select(0);
    Run("ActionSubDelete");
    EXPECT_EQ(messages(), 1) << "the same reason is told once";
}

} // namespace
} // namespace kolvi
