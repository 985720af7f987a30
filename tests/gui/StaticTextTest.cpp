#include "controls/TKNStaticText.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace kolvi {
namespace {

TEST(StaticTextTest, TheFilePathIsHeldApartFromTheShownText) {
    TKNStaticText label(QStringLiteral("StaticTextPath"));
    EXPECT_EQ(label.objectName(), "StaticTextPath");
    EXPECT_TRUE(label.FilePath().isEmpty());
    label.setText(QStringLiteral("…/kolvi/favorite.dat"));
    label.SetFilePath(QStringLiteral("/home/user/kolvi/favorite.dat"));
    EXPECT_EQ(label.text(), "…/kolvi/favorite.dat");
    label.setText(QStringLiteral("favorite.dat"));
    EXPECT_EQ(label.FilePath(), "/home/user/kolvi/favorite.dat");
}

TEST(StaticTextTest, ReportsTheFocusComingAndGoingAndTheKeysBetween) {
    QWidget window;
    auto* edit = new QLineEdit(&window);
    auto* label = new TKNStaticText(QStringLiteral("StaticTextPath"), &window);
    label->setText(QStringLiteral("favorite.dat"));
    label->setFocusPolicy(Qt::TabFocus);
    label->move(0, 30);
    std::vector<std::string> seen;
    QObject::connect(label, &TKNStaticText::Entered, label, [&] { seen.push_back("entered"); });
    QObject::connect(label, &TKNStaticText::Exited, label, [&] { seen.push_back("exited"); });
    QObject::connect(label, &TKNStaticText::KeyPressed, label, [&](QKeyEvent* event) {
        seen.push_back("key " + event->text().toStdString());
    });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    edit->setFocus();

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), label);
    QTest::keyClicks(QApplication::focusWidget(), "ab");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), edit);
    EXPECT_EQ(seen, (std::vector<std::string>{"entered", "key a", "key b", "exited"}));
}

} // namespace
} // namespace kolvi
