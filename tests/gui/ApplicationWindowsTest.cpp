#include "TForm1Fixture.h"

#include "app/ApplicationWindows.h"

#include <QWidget>

namespace kolvi {
namespace {

// A stand-in for the ruler window: in ruler mode every life-cycle step acts on
// it, not on the hidden picker.
struct RulerMode : TForm1Fixture {
    void SetUp() override {
        TForm1Fixture::SetUp();
        ruler.setWindowTitle("ruler");
        ruler.resize(200, 100);
        form->Windows().SetRulerWindow(&ruler);
        form->Windows().SetMode(ApplicationWindows::Mode::Ruler);
        ruler.show();
        form->hide();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&ruler));
    }
    QWidget ruler;
};

TEST_F(RulerMode, MinimiseRestoreAndActivateActOnTheRuler) {
    EXPECT_EQ(form->Windows().FrontWindow(), &ruler);
    // No tray under the offscreen platform: an ordinary minimise.
    form->Action("ActionEditMinimize")->trigger();
    EXPECT_TRUE(ruler.isMinimized());
    EXPECT_FALSE(form->isVisible()) << "the hidden picker stays hidden";

    form->WMCopyData({"-restore"});
    EXPECT_FALSE(ruler.isMinimized());
    EXPECT_TRUE(ruler.isVisible());
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&ruler)) << "the ruler comes forward";
}

TEST_F(RulerMode, BackInPickerModeThePickerIsInFrontAgain) {
    form->Windows().SetMode(ApplicationWindows::Mode::Picker);
    ruler.hide();
    form->show();
    EXPECT_EQ(form->Windows().FrontWindow(), form.get());
    form->Action("ActionEditMinimize")->trigger();
    EXPECT_TRUE(form->isMinimized());
    form->WMTrayNotify();
    EXPECT_FALSE(form->isMinimized());
    EXPECT_FALSE(ruler.isVisible());
}

} // namespace
} // namespace kolvi
