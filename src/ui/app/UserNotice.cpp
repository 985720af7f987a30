#include "UserNotice.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace kolvi {

void TellOnStderr(const QString& text) {
    std::fprintf(stderr, "kolvi: %s\n", text.toLocal8Bit().constData());
}

QMessageBox* NoticeBox(QWidget* parent, const QString& text) {
    TellOnStderr(text);
    auto* box = new QMessageBox(QMessageBox::Warning, QApplication::applicationName(), text,
                                QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box;
}

} // namespace kolvi
