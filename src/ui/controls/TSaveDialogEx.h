#pragma once

#include "TOpenDialogEx.h"

namespace kolvi {

// The save dialog: the strip offers the line-end list as well.
class TSaveDialogEx : public TOpenDialogEx {
    Q_OBJECT

  public:
    explicit TSaveDialogEx(QWidget* parent = nullptr);
};

} // namespace kolvi
