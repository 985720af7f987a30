#include "TForm1Fixture.h"

#include "controls/TKNComboBox.h"
#include "controls/TKNImage.h"
#include "controls/TKNPanel.h"
#include "controls/TKNSpinEdit.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>

namespace kolvi {
namespace {

// Mouse events as the window system delivers them, including moves with the
// button held and positions beyond the control (the implicit grab).
void Send(QWidget* widget, QEvent::Type type, Qt::MouseButton button, QPoint at) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, at, widget->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

struct PickerInput : TForm1Fixture {
    TColor Current() { return form->Picker().CurrentColor(); }
    QString Combo() { return Control<TKNComboBox>("ComboBoxMainColor")->currentText(); }
};

TEST_F(PickerInput, StripDragsSelectTheRowUnderThePointerFromEveryStripControl) {
    struct Row {
        const char* name;
        QWidget* widget;
        int y;
        int baseRow;
    };
    const Row rows[] = {
        {"strip top", Control<TKNImage>("ImageBaseImage"), 0, 0},
        {"frame top", Control<TKNPanel>("PanelBaseImage"), 1, 0},
        {"slider top", Control<TKNImage>("ImageBaseSlider"), 5, 0},
        {"strip blue", Control<TKNImage>("ImageBaseImage"), 84, 84},
        {"slider blue", Control<TKNImage>("ImageBaseSlider"), 89, 84},
        {"below the strip", Control<TKNImage>("ImageBaseImage"), 900, 252},
        {"above the strip", Control<TKNImage>("ImageBaseSlider"), -40, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        form->SetColorRGB(0, 255, 0);
        const TColor before = Current();
        Send(row.widget, QEvent::MouseButtonPress, Qt::LeftButton, {3, 100});
        EXPECT_EQ(Current(), before) << "the press alone changes nothing";
        Send(row.widget, QEvent::MouseMove, Qt::LeftButton, {3, row.y});
        EXPECT_EQ(form->Picker().BaseRow(), row.baseRow);
        Send(row.widget, QEvent::MouseButtonRelease, Qt::LeftButton, {3, row.y});
        EXPECT_EQ(form->Picker().BaseRow(), row.baseRow);
        Send(row.widget, QEvent::MouseMove, Qt::NoButton, {3, 150});
        EXPECT_EQ(form->Picker().BaseRow(), row.baseRow) << "the release ends the drag";
        EXPECT_EQ(Control<TKNPanel>("PanelBaseColor")->Color(),
                  ToQColor(PixelAt(&form->Picker().StripBitmap(), 0, row.baseRow)));
        EXPECT_EQ(Current(), PixelAt(&form->Picker().FieldBitmap(), form->Picker().FieldX(),
                                     form->Picker().FieldY()));
    }
}

TEST_F(PickerInput, FieldClicksPickOnReleaseAndDragsClampToTheEdges) {
    QWidget* field = Control<TKNImage>("ImageMainImage");
    Send(field, QEvent::MouseButtonPress, Qt::LeftButton, {40, 40});
    EXPECT_EQ(Current(), MakeColor(255, 0, 0)) << "the press alone changes nothing";
    Send(field, QEvent::MouseButtonRelease, Qt::LeftButton, {40, 40});
    EXPECT_EQ(Current(), PixelAt(&form->Picker().FieldBitmap(), 40, 40));
    EXPECT_EQ(Control<TKNSpinEdit>("EditR")->Value(), SplitRGB(Current()).r);

    Send(field, QEvent::MouseButtonPress, Qt::LeftButton, {200, 100});
    Send(field, QEvent::MouseMove, Qt::LeftButton, {400, -30});
    EXPECT_EQ(form->Picker().FieldX(), 255);
    EXPECT_EQ(form->Picker().FieldY(), 0);
    Send(field, QEvent::MouseButtonRelease, Qt::LeftButton, {400, -30});
    EXPECT_EQ(Current(), MakeColor(255, 0, 0));

    // The right button starts no drag.
    Send(field, QEvent::MouseButtonPress, Qt::RightButton, {10, 10});
    Send(field, QEvent::MouseMove, Qt::RightButton, {20, 20});
    Send(field, QEvent::MouseButtonRelease, Qt::RightButton, {20, 20});
    EXPECT_EQ(Current(), MakeColor(255, 0, 0));
}

TEST_F(PickerInput, TypingInAnEditKeepsItsTextWhileTheSwatchShowsTheFieldColour) {
    QTest::keyClick(Control<TKNComboBox>("ComboBoxMainColor"), Qt::Key_F2); // web-safe
    Control<TKNSpinEdit>("EditR")->setFocus();
    Control<TKNSpinEdit>("EditR")->selectAll();
    QTest::keyClicks(Control<TKNSpinEdit>("EditR"), "100");
    EXPECT_EQ(Control<TKNSpinEdit>("EditR")->text(), "100");
    EXPECT_EQ(SplitRGB(Current()).r, 102);
    EXPECT_EQ(Control<TKNPanel>("PanelMainColor")->Color().red(), 102);
    EXPECT_EQ(Combo(), "#660000");
}

TEST_F(PickerInput, InvertLeavesTheBeforeColourAlone) {
    struct Row {
        RGB from;
        RGB to;
    };
    const Row rows[] = {{{0, 0, 0}, {255, 255, 255}}, {{18, 52, 86}, {237, 203, 169}}};
    for (const Row& row : rows) {
        form->SetColorRGB(row.from.r, row.from.g, row.from.b);
        QTest::keyClick(Control<TKNComboBox>("ComboBoxMainColor"), Qt::Key_I, Qt::ControlModifier);
        EXPECT_EQ(SplitRGB(Current()), row.to);
    }
    EXPECT_EQ(Control<TKNPanel>("PanelBeforeColor")->Color(), QColor(255, 0, 0));
}

TEST_F(PickerInput, TypedCodesApplyAtOnceWithMissingDigitsAsZero) {
    struct Row {
        const char* typed;
        TColor color;
        int outMode;
    };
    const Row rows[] = {
        {"#F", MakeColor(0xF0, 0, 0), 0},
        {"#12345", MakeColor(0x12, 0x34, 0x50), 0},
        {"", MakeColor(0, 0, 0), 0},
        // Each keystroke counts: "c" reads as "c000000" (red C0), "cl..." is no code
        // and a name with zeros appended is none either, so C0 stays.
        {"clRed", MakeColor(0xC0, 0, 0), 0},
        // The last keystroke makes the text entry 1 exactly: that picks the notation.
        {"00ff00", MakeColor(0, 255, 0), 1},
    };
    QLineEdit* edit = Control<TKNComboBox>("ComboBoxMainColor")->lineEdit();
    // Keys go where a user's keys go: to the focus widget, which is the combo
    // (it hands them on to its line edit itself).
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QWidget* keys = QApplication::focusWidget();
    ASSERT_EQ(keys, Control<TKNComboBox>("ComboBoxMainColor"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        ChooseNotation(0);
        edit->selectAll();
        QTest::keyClick(keys, Qt::Key_Backspace);
        QTest::keyClicks(keys, row.typed);
        EXPECT_EQ(Current(), row.color);
        EXPECT_EQ(form->OutMode(), row.outMode);
        EXPECT_EQ(edit->text(), row.typed) << "typing is never rewritten";
    }
    ChooseNotation(0);
    edit->selectAll();
    QTest::keyClicks(keys, "#F");
    QTest::keyClick(keys, Qt::Key_Return);
    EXPECT_EQ(edit->text(), "#F00000") << "Enter writes the full code in the chosen notation";
    edit->selectAll();
    QTest::keyClicks(keys, "#0F");
    QTest::keyClick(keys, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(edit->text(), "#0F0000") << "keypad Enter too";

    // The lower-case codes are rewritten too, never the text being typed.
    form->Action("ActionOptionLowerCase")->trigger();
    edit->selectAll();
    QTest::keyClicks(keys, "#1A2b");
    EXPECT_EQ(edit->text(), "#1A2b");
    EXPECT_EQ(Current(), MakeColor(0x1A, 0x2B, 0));
    QTest::keyClick(keys, Qt::Key_Return);
    EXPECT_EQ(edit->text(), "#1a2b00");
}

TEST_F(PickerInput, PasteTakesCodesAndIgnoresEverythingElse) {
    QClipboard* clipboard = QApplication::clipboard();
    struct Row {
        const char* name;
        QString text;
        TColor color;
    };
    const Row rows[] = {
        {"code", "#123456", MakeColor(0x12, 0x34, 0x56)},
        {"not a code", "hello", MakeColor(0x12, 0x34, 0x56)},
        {"megabytes", QString(4 << 20, QChar('z')), MakeColor(0x12, 0x34, 0x56)},
        {"megabytes after a code", "0x00FF0000" + QString(1 << 20, QChar('9')),
         MakeColor(0, 0, 255)},
        {"colour name", "CLLIME", MakeColor(0, 255, 0)},
        {"binary", QString::fromLatin1("\0\xff\x01#", 4), MakeColor(0, 255, 0)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        clipboard->setText(row.text);
        Control<QPushButton>("ButtonColorPaste")->click();
        EXPECT_EQ(Current(), row.color);
    }
    auto* image = new QMimeData;
    image->setImageData(QImage(4, 4, QImage::Format_RGB32));
    clipboard->setMimeData(image);
    QTest::keyClick(Control<TKNComboBox>("ComboBoxMainColor"), Qt::Key_V,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Current(), MakeColor(0, 255, 0)) << "no text on the clipboard";
    EXPECT_EQ(Control<TKNPanel>("PanelBeforeColor")->Color(), QColor(255, 0, 0))
        << "paste keeps the before colour";
    EXPECT_TRUE(form->History().Lines().empty());
}

TEST_F(PickerInput, CopyPutsTheFullCodeOutAndRecordsTheColour) {
    QClipboard* clipboard = QApplication::clipboard();
    QLineEdit* edit = Control<TKNComboBox>("ComboBoxMainColor")->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, "#12"); // a partly typed code
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(clipboard->text(), "#120000");
    EXPECT_EQ(Control<TKNPanel>("PanelBeforeColor")->Color(), QColor(0x12, 0, 0));

    form->SetColorRGB(255, 0, 0);
    form->Action("ActionOptionLowerCase")->trigger();
    ChooseNotation(2);
    ASSERT_EQ(form->OutMode(), 2);
    Control<QPushButton>("ButtonColorCopy")->click();
    EXPECT_EQ(clipboard->text(), "0x000000ff");
    Control<QPushButton>("ButtonColorCopy")->click();
    EXPECT_EQ(form->History().Lines(),
              (std::vector<std::string>{"#FF0000#FF0000", "#120000#120000"}));
}

TEST_F(PickerInput, AltOpenedCodeListRevealsThePictureUntilItIsClicked) {
    QTest::keyPress(Control<TKNComboBox>("ComboBoxMainColor"), Qt::Key_Alt, Qt::AltModifier);
    QTest::keyClick(Control<TKNComboBox>("ComboBoxMainColor"), Qt::Key_Down, Qt::AltModifier);
    QTest::keyRelease(Control<TKNComboBox>("ComboBoxMainColor"), Qt::Key_Alt);
    Control<TKNComboBox>("ComboBoxMainColor")->hidePopup();
    EXPECT_TRUE(Control<TKNImage>("ImageMerlin")->isVisible());
    EXPECT_EQ(form->windowTitle(), "kolvi - Merlin Lives!");
    EXPECT_FALSE(Control<TKNImage>("ImageMerlin")->Image().isNull());
    QTest::mouseClick(Control<TKNImage>("ImageMerlin"), Qt::LeftButton, {}, {16, 16});
    EXPECT_FALSE(Control<TKNImage>("ImageMerlin")->isVisible());
    EXPECT_EQ(form->windowTitle(), "kolvi");

    Control<TKNComboBox>("ComboBoxMainColor")->showPopup(); // without Alt
    Control<TKNComboBox>("ComboBoxMainColor")->hidePopup();
    EXPECT_FALSE(Control<TKNImage>("ImageMerlin")->isVisible());
}

} // namespace
} // namespace kolvi
