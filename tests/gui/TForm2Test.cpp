#include "TForm1Fixture.h"

#include "controls/TKNImage.h"
#include "controls/TKNPanel.h"
#include "lists/ColorListView.h"
#include "lists/TForm2.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
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
    EXPECT_EQ(window->Lines()->Lines().Strings(),
              (std::vector<std::string>{"#FF0000red", "#12345Gbad"}));
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
    EXPECT_EQ(window->Lines()->Lines().Strings(), (std::vector<std::string>{"#FF0000#FF0000"}));
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

TEST_F(OptionWindow, RowsShowTheirSwatchAndTheSelectionByFocus) {
    auto* list = Part<ColorListView>("ListBoxColorList");
    Select(0);
    const auto pixel = [list](QPoint at) {
        return list->viewport()->grab().toImage().pixelColor(at);
    };
    EXPECT_EQ(pixel({10, 6}), QColor(255, 0, 0)) << "the swatch of the first row";
    EXPECT_EQ(pixel({4, 1}), ToQColor(ResolveColor(clWindowText))) << "its frame";
    EXPECT_EQ(pixel({100, 6}), ToQColor(ResolveColor(clHighlight))) << "selected, with the focus";
    Part<QLineEdit>("EditColorName")->setFocus();
    EXPECT_EQ(pixel({100, 6}), ToQColor(ResolveColor(clBtnFace))) << "selected, without the focus";
    EXPECT_EQ(pixel({10, 18}), ToQColor(ResolveColor(clWindow))) << "the second row's swatch";
    EXPECT_EQ(pixel({100, 18}), ToQColor(ResolveColor(clWindow)));
}

TEST_F(OptionWindow, AClickOnTheCursorSamplePicksItsPixel) {
    auto* image = Part<TKNImage>("ImageCursorColor");
    const TColor before = form->CurrentColor();
    QTest::mouseClick(image, Qt::LeftButton, {}, {35, 35});
    EXPECT_EQ(form->CurrentColor(), before) << "no sample yet: nothing happens";
    form->Action("ActionEditCursorColor")->trigger();
    const QImage* sample = form->CursorSample();
    ASSERT_NE(sample, nullptr);
    form->SetColorRGB(1, 2, 3);
    QTest::mouseClick(image, Qt::LeftButton, {}, {35, 35});
    const QColor picked = sample->pixelColor(8, 8);
    EXPECT_EQ(form->CurrentColor(), MakeColor(picked.red(), picked.green(), picked.blue()));
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

// List files of the Colors folder, chosen from the menu by their access keys.
struct ColorsFolder : OptionWindow {
    void SetUp() override {
        QDir(folder.path()).mkpath("Colors/c.dat");
        for (const char* name : {"web.dat", "b.DAT", "notes.txt"}) {
            QFile file(folder.filePath(QString("Colors/") + name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("#102030from ");
            file.write(name);
            file.write("\r\n");
        }
        OptionWindow::SetUp();
    }
};

TEST_F(ColorsFolder, FilesAreMenuItemsWithAccessKeysAndOpenReadOnly) {
    QStringList items;
    for (QAction* action : window->findChild<QMenu*>("MenuSub")->actions()) {
        if (action->objectName().startsWith("MenuSubColorsList")) {
            items << action->text();
        }
    }
    EXPECT_EQ(items, (QStringList{"&0 b", "&1 web"})) << "a folder c.dat and notes.txt are none";
    window->findChild<QAction*>("MenuSubColorsList1")->trigger();
    EXPECT_EQ(window->windowTitle(), "Option - [web]");
    EXPECT_EQ(window->Lines()->Lines().Strings(),
              (std::vector<std::string>{"#102030from web.dat"}));
    EXPECT_FALSE(form->Action("ActionSubFavorite")->isChecked());
    EXPECT_FALSE(form->Action("ActionSubRecent")->isChecked());
    EXPECT_TRUE(window->findChild<QAction*>("MenuSubColorsList1")->isChecked());
    EXPECT_FALSE(Part<QPushButton>("ButtonSubAdd")->isVisible());
    EXPECT_TRUE(Part<QLineEdit>("EditColorName")->isReadOnly());
    Run("ActionSubFavorite");
    EXPECT_EQ(window->windowTitle(), "Option - [お気に入り]");
    EXPECT_FALSE(window->findChild<QAction*>("MenuSubColorsList1")->isChecked());
}

} // namespace
} // namespace kolvi
