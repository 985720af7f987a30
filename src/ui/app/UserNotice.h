#pragma once

#include <QString>

class QMessageBox;
class QWidget;

namespace kolvi {

// kolvi tells what went wrong on standard error and in a warning box of its
// own, which closes and frees itself; the caller shows it (modal or not).
void TellOnStderr(const QString& text);
QMessageBox* NoticeBox(QWidget* parent, const QString& text);

} // namespace kolvi
