// The floor for start-up and memory: a bare Qt main window with what kolvi's
// window is made of at the least (a 256 x 256 image, a menu bar of three
// Japanese menus and a focused editable combo, all in the same Japanese face),
// quitting after its first paint when asked, measured the same way as kolvi.
#include "app/StartupProbe.h"

#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QVBoxLayout>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(12);
    QApplication::setFont(font);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("kolvi"));
    for (const char* title : {"編集(&E)", "設定(&O)", "ヘルプ(&H)"}) {
        window.menuBar()->addMenu(QString::fromUtf8(title))->addAction(QStringLiteral("項目"));
    }
    auto* panel = new QWidget(&window);
    auto* layout = new QVBoxLayout(panel);
    QImage image(256, 256, QImage::Format_BGR888);
    image.fill(Qt::red);
    auto* picture = new QLabel(panel);
    picture->setPixmap(QPixmap::fromImage(image));
    layout->addWidget(picture);
    auto* combo = new QComboBox(panel);
    combo->setEditable(true);
    combo->addItems({"#FF0000", "FF0000", "0x000000FF"});
    layout->addWidget(combo);
    window.setCentralWidget(panel);
    combo->setFocus();

    kolvi::QuitAfterFirstPaintIfAsked(&window);
    window.show();
    return QApplication::exec();
}
