#pragma once

#include <QComboBox>

namespace kolvi {

// A combo box that announces its list opening, however it is opened (mouse,
// Alt+Down, F4), before the list shows.
class TKNComboBox : public QComboBox {
    Q_OBJECT

  public:
    TKNComboBox(const QString& name, QWidget* parent);
    void showPopup() override;

  Q_SIGNALS:
    void DropDown();
};

} // namespace kolvi
