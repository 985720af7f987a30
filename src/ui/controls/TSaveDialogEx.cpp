#include "TSaveDialogEx.h"

#include <QComboBox>
#include <QLabel>

namespace kolvi {

TSaveDialogEx::TSaveDialogEx(QWidget* parent) : TOpenDialogEx(parent) {
    setAcceptMode(QFileDialog::AcceptSave);
    FStaticText2->show();
    FReturnCodeComboBox->show();
}

} // namespace kolvi
