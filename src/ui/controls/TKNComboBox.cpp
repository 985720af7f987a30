#include "TKNComboBox.h"

namespace kolvi {

TKNComboBox::TKNComboBox(const QString& name, QWidget* parent) : QComboBox(parent) {
    setObjectName(name);
}

void TKNComboBox::showPopup() {
    Q_EMIT DropDown();
    QComboBox::showPopup();
}

} // namespace kolvi
