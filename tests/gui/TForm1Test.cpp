#include "TForm1Fixture.h"

#include "controls/TKNComboBox.h"
#include "controls/TKNImage.h"
#include "controls/TKNPanel.h"
#include "controls/TKNSpinEdit.h"

#include <QComboBox>
#include <QFontInfo>
#include <QPushButton>

namespace kolvi {
namespace {

using TForm1Start = TForm1Fixture;

TEST_F(TForm1Start, ShowsTheStartColourEverywhere) {
    EXPECT_EQ(form->windowTitle(), "kolvi");
    EXPECT_EQ(Control<TKNPanel>("PanelMainColor")->Color(), QColor(255, 0, 0));
    EXPECT_EQ(Control<TKNPanel>("PanelBeforeColor")->Color(), QColor(255, 0, 0));
    EXPECT_EQ(Control<TKNPanel>("PanelBaseColor")->Color(), QColor(255, 0, 0));
    EXPECT_EQ(Control<TKNSpinEdit>("EditR")->text(), "255");
    EXPECT_EQ(Control<TKNSpinEdit>("EditG")->text(), "0");
    EXPECT_EQ(Control<TKNSpinEdit>("EditB")->text(), "0");
    EXPECT_EQ(Control<TKNComboBox>("ComboBoxMainColor")->currentText(), "#FF0000");
    EXPECT_EQ(Control<TKNComboBox>("ComboBoxMainColor")->count(), 3);
    EXPECT_EQ(Control<TKNComboBox>("ComboBoxMainColor")->itemText(2), "0x000000FF");
    EXPECT_TRUE(form->Action("ActionOptionMainMode0")->isChecked());
}

TEST_F(TForm1Start, ControlsSitWhereTheLayoutPutsThem) {
    struct Row {
        QWidget* widget;
        QRect geometry;
    };
    const Row rows[] = {
        {Control<TKNPanel>("PanelMainImage"), {8, 10, 258, 258}},
        {Control<TKNImage>("ImageMainImage"), {1, 1, 256, 256}},
        {Control<TKNPanel>("PanelBaseImage"), {328, 11, 18, 255}},
        {Control<TKNImage>("ImageBaseImage"), {1, 1, 16, 253}},
        {Control<TKNImage>("ImageBaseSlider"), {346, 7, 12, 263}},
        {Control<TKNPanel>("PanelBaseColor"), {288, 10, 32, 17}},
        {Control<TKNSpinEdit>("EditG"), {280, 178, 41, 20}},
        {Control<TKNPanel>("PanelTest"), {272, 235, 32, 32}},
        {Control<TKNPanel>("PanelBeforeColor"), {1, 16, 30, 15}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.widget->objectName().toStdString());
        EXPECT_EQ(row.widget->geometry(), row.geometry);
    }
    // The client height follows the code box: its bottom plus the field's left margin.
    const QWidget* combo = Control<TKNComboBox>("ComboBoxMainColor");
    EXPECT_EQ(Control<QWidget>("PanelBase")->height(), combo->y() + combo->height() + 8);
    EXPECT_EQ(Control<QPushButton>("ButtonColorCopy")->height(), combo->height());
}

TEST_F(TForm1Start, JapaneseFaceResolvesToARealFont) {
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), "IPAPGothic");
}

TEST_F(TForm1Start, FunctionKeysSwitchThePickerMode) {
    struct Row {
        Qt::Key key;
        int mode;
        QColor fieldAt128x64;
    };
    const Row rows[] = {{Qt::Key_F2, 1, QColor(204, 102, 102)},
                        {Qt::Key_F3, 2, QColor(182, 109, 85)},
                        {Qt::Key_F1, 0, QColor(191, 96, 96)}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.mode);
        QTest::keyClick(Control<TKNComboBox>("ComboBoxMainColor"), row.key);
        EXPECT_EQ(form->Picker().PickerMode(), row.mode);
        EXPECT_TRUE(form->MainActionList()->Actions()[14 + row.mode]->isChecked());
        EXPECT_EQ(PixelOf(Control<TKNImage>("ImageMainImage"), {128, 64}), row.fieldAt128x64);
    }
}

TEST_F(TForm1Start, MarkerRingIsDrawnOverTheFieldOnScreen) {
    form->SetColorRGB(128, 64, 64);
    const int x = form->Picker().FieldX();
    const int y = form->Picker().FieldY();
    const QImage shown = Control<TKNImage>("ImageMainImage")->grab().toImage();
    EXPECT_EQ(shown.pixelColor(x, y - 4), QColor(y < 128 ? Qt::black : Qt::white));
    EXPECT_EQ(shown.pixelColor(x, y), QColor(128, 64, 64)) << "the picked pixel stays visible";
}

} // namespace
} // namespace kolvi
