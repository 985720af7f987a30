// The main window's direct input on the colour: the strip, slider and field
// drags, the spin edits, the swatches, invert, the screen sample and the
// picture that an Alt-opened code list reveals.
#include "TForm1.h"

#include "controls/TKNComboBox.h"
#include "controls/TKNImage.h"
#include "controls/TKNPanel.h"
#include "controls/TKNSpinEdit.h"
#include "platform/ScreenSample.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTimer>

#include <type_traits>

namespace kolvi {

namespace {

// The slider's top edge lies 5 pixels above the strip's first row, the strip
// image 1 pixel inside its frame.
constexpr int SliderToStrip = 5;
constexpr int FrameToStrip = 1;

} // namespace

void TForm1::ConnectInput() {
    // The strip, its frame and the slider all drive the strip, in its rows.
    const auto connectToStrip = [this](auto* control, int rowsAboveStrip) {
        using Control = std::remove_pointer_t<decltype(control)>;
        connect(control, &Control::MousePressed, this,
                [this](Qt::MouseButton button) { ImageBaseImageMouseDown(button); });
        connect(control, &Control::MouseMoved, this,
                [this, rowsAboveStrip](Qt::MouseButtons, QPoint p) {
                    ImageBaseImageMouseMove(p.y() - rowsAboveStrip);
                });
        connect(control, &Control::MouseReleased, this,
                [this, rowsAboveStrip](Qt::MouseButton, QPoint p) {
                    ImageBaseImageMouseUp(p.y() - rowsAboveStrip);
                });
    };
    connectToStrip(ImageBaseImage, 0);
    connectToStrip(PanelBaseImage, FrameToStrip);
    connectToStrip(ImageBaseSlider, SliderToStrip);

    connect(ImageMainImage, &TKNImage::MousePressed, this,
            [this](Qt::MouseButton button) { ImageMainImageMouseDown(button); });
    connect(ImageMainImage, &TKNImage::MouseMoved, this,
            [this](Qt::MouseButtons, QPoint p) { ImageMainImageMouseMove(p); });
    connect(ImageMainImage, &TKNImage::MouseReleased, this,
            [this](Qt::MouseButton, QPoint p) { ImageMainImageMouseUp(p); });

    for (TKNSpinEdit* edit : {EditR, EditG, EditB}) {
        connect(edit, &TKNSpinEdit::Changed, this, &TForm1::EditRGBChange);
        connect(edit, &TKNSpinEdit::Entered, this, [this, edit] { EditRGBEnter(edit); });
    }
    for (TKNPanel* swatch : {PanelMainColor, PanelBeforeColor}) {
        connect(swatch, &TKNPanel::MousePressed, this,
                [this, swatch](Qt::MouseButton button) { PanelColorMouseDown(swatch, button); });
    }
    connect(ComboBoxMainColor, &TKNComboBox::DropDown, this, &TForm1::ComboBoxMainColorDropDown);
    connect(ImageMerlin, &TKNImage::Clicked, this, &TForm1::ImageMerlinClick);
}

void TForm1::EditRGBChange() {
    if (EditsUpdating) {
        return;
    }
    EditsUpdating = true;
    SetColorRGB(EditR->Value(), EditG->Value(), EditB->Value());
    EditsUpdating = false;
}

void TForm1::EditRGBEnter(TKNSpinEdit* edit) {
    // After the focus event, or the click that brought the focus would undo it.
    QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
}

void TForm1::ImageBaseImageMouseDown(Qt::MouseButton button) {
    if (button == Qt::LeftButton) {
        BaseDragging = true;
    }
}

void TForm1::ImageBaseImageMouseMove(int y) {
    if (!BaseDragging) {
        return;
    }
    picker_.SelectStripRow(y, true);
}

void TForm1::ImageBaseImageMouseUp(int y) {
    if (!BaseDragging) {
        return;
    }
    BaseDragging = false;
    picker_.SelectStripRow(y, false);
}

void TForm1::ImageMainImageMouseDown(Qt::MouseButton button) {
    if (button == Qt::LeftButton) {
        FieldDragging = true;
    }
}

void TForm1::ImageMainImageMouseMove(QPoint position) {
    if (!FieldDragging) {
        return;
    }
    picker_.MoveMarker(position.x(), position.y());
}

void TForm1::ImageMainImageMouseUp(QPoint position) {
    if (!FieldDragging) {
        return;
    }
    FieldDragging = false;
    picker_.MoveMarker(position.x(), position.y());
}

void TForm1::PanelColorMouseDown(TKNPanel* swatch, Qt::MouseButton button) {
    ApplyTestColor(swatch, button);
}

void TForm1::ComboBoxMainColorDropDown() {
    if (QGuiApplication::queryKeyboardModifiers() & Qt::AltModifier) {
        ImageMerlin->show();
        setWindowTitle(QApplication::applicationName() + QStringLiteral(" - Merlin Lives!"));
    }
}

void TForm1::ImageMerlinClick() {
    ImageMerlin->hide();
    setWindowTitle(QApplication::applicationName());
}

void TForm1::ActionEditReverseExecute() {
    const RGB rgb = SplitRGB(picker_.CurrentColor());
    SetColorRGB(255 - rgb.r, 255 - rgb.g, 255 - rgb.b);
}

void TForm1::ActionEditCursorColorExecute() {
    const ScreenSample sample = GrabAroundCursor();
    if (!sample.valid) {
        return; // the screen cannot be read here: keep the colour
    }
    const QRgb centre = sample.pixels.pixel(ScreenSampleSize / 2, ScreenSampleSize / 2);
    SetColor(MakeColor(qRed(centre), qGreen(centre), qBlue(centre)));
    cursorSampleTaken_ = true;
    cursorSample_ = sample.pixels;
}

} // namespace kolvi
