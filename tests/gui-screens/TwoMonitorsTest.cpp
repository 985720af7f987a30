#include "TForm1Fixture.h"

#include "ruler/TForm3.h"

#include <QGuiApplication>
#include <QScreen>

namespace kolvi {
namespace {

// Two monitors side by side: 1280 x 1024 at (0, 0), 1024 x 768 at (1280, 0).
struct TwoMonitors : TForm1Fixture {
    void StartInRulerMode(const QByteArray& ruler) {
        form.reset();
        QFile file(SettingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Options]\r\nRulerRun=1\r\n[Ruler]\r\n" + ruler);
        file.close();
        Open();
        ASSERT_NE(Form3, nullptr);
        ASSERT_TRUE(Form3->isVisible());
    }
};

TEST_F(TwoMonitors, TheRulerMeasuresOnTheMonitorThatHoldsItsCorner) {
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    StartInRulerMode("X=1400\r\nY=100\r\nW=300\r\nH=200\r\n");
    EXPECT_EQ(Form3->ScreenSize(), QSize(1024, 768));
    for (int i = 0; i < 12; ++i) {
        form->Action("ActionRulerHUp")->trigger();
    }
    EXPECT_EQ(Form3->width(), 1024) << "at most the right monitor's width";

    Form3->move(100, 100);
    EXPECT_EQ(Form3->ScreenSize(), QSize(1280, 1024)) << "measured again on the left monitor";
    for (int i = 0; i < 4; ++i) {
        form->Action("ActionRulerHUp")->trigger();
    }
    EXPECT_EQ(Form3->width(), 1280);
}

TEST_F(TwoMonitors, ARulerKeptOnAMonitorThatIsGoneComesBackOntoTheNearestOne) {
    StartInRulerMode("X=4000\r\nY=300\r\nW=300\r\nH=200\r\n");
    EXPECT_EQ(Form3->geometry(), QRect(2304 - 300, 300, 300, 200));
    form.reset();
    StartInRulerMode("X=1500\r\nY=700\r\nW=300\r\nH=200\r\n");
    EXPECT_EQ(Form3->geometry(), QRect(1500, 700, 300, 200))
        << "reachable on the right monitor: kept as it is";
    form.reset();
    // Only its far end on a screen: the corner square that moves it is not.
    StartInRulerMode("X=-1000\r\nY=100\r\nW=1300\r\nH=200\r\n");
    EXPECT_EQ(Form3->geometry(), QRect(0, 100, 1280, 200))
        << "onto the left monitor, within its width";
}

} // namespace
} // namespace kolvi
