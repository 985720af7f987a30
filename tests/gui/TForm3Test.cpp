#include "TForm1Fixture.h"

#include "controls/TKNImage.h"
#include "controls/TKNPanel.h"
#include "ruler/TForm3.h"

#include <QCursor>
#include <QMenu>
#include <QMouseEvent>

namespace kolvi {
namespace {

void Send(QWidget* widget, QEvent::Type type, Qt::MouseButton button, QPoint at,
          Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, at, widget->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, modifiers);
    QApplication::sendEvent(widget, &event);
}

constexpr QRgb Red = 0xFFFF0000;

// The real ruler in ruler mode, entered by the key a user presses.
struct Ruler : TForm1Fixture {
    void SetUp() override {
        TForm1Fixture::SetUp();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::ControlModifier);
        ruler = Form3;
        ASSERT_NE(ruler, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(ruler));
    }
    template <class W> W* Part(const char* name) { return ruler->findChild<W*>(name); }
    QRgb At(const char* image, QPoint p) {
        return Part<TKNImage>(image)->Image().pixel(p) | 0xFF000000;
    }
    void Mark(const char* image, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {}) {
        auto* target = Part<TKNImage>(image);
        Send(target, QEvent::MouseButtonPress, Qt::LeftButton, from, modifiers);
        Send(target, QEvent::MouseMove, Qt::LeftButton, to, modifiers);
        Send(target, QEvent::MouseButtonRelease, Qt::LeftButton, to, modifiers);
    }
    TForm3* ruler = nullptr;
};

TEST_F(Ruler, CtrlRSwitchesBothWaysAndOnlyOneWindowShows) {
    EXPECT_TRUE(ruler->isVisible());
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->Action("ActionEditColorCopy")->isEnabled());
    EXPECT_TRUE(form->Action("ActionRulerClear")->isEnabled());
    QTest::keyClick(ruler, Qt::Key_R, Qt::ControlModifier);
    EXPECT_FALSE(ruler->isVisible());
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->Action("ActionRulerClear")->isEnabled());
    // Back in picker mode the ruler's plain keys are no commands.
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    const QPoint before = ruler->pos();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_EQ(ruler->pos(), before);
}

TEST_F(Ruler, MarksSpansAndSnapping) {
    Mark("ImageRulerH", {120, 20}, {120, 20});
    EXPECT_EQ(At("ImageRulerH", {120, 39}), Red) << "the line across the band";
    EXPECT_EQ(At("ImageRulerH", {60, 2}), Red) << "the band from the origin";
    EXPECT_NE(At("ImageRulerH", {60, 6}), Red);

    Mark("ImageRulerV", {20, 50}, {20, 200}, Qt::ShiftModifier);
    EXPECT_EQ(At("ImageRulerV", {30, 50}), Red) << "a line at the anchor";
    EXPECT_EQ(At("ImageRulerV", {30, 200}), Red) << "and at the end";
    EXPECT_EQ(At("ImageRulerV", {2, 120}), Red);
    EXPECT_NE(At("ImageRulerV", {2, 40}), Red) << "nothing before the span";
    EXPECT_EQ(At("ImageRulerH", {120, 39}), Red) << "the other ruler keeps its mark";

    Mark("ImageRulerH", {137, 20}, {137, 20}, Qt::ControlModifier);
    EXPECT_EQ(At("ImageRulerH", {135, 39}), Red) << "137 snaps to 135";
    EXPECT_NE(At("ImageRulerH", {120, 39}), Red) << "one mark per ruler";

    Mark("ImageRulerH", {80, 20}, {-50, 20});
    EXPECT_EQ(At("ImageRulerH", {0, 39}), Red) << "left of the origin marks 0";

    // The right button starts no mark and does not end a left drag.
    auto* top = Part<TKNImage>("ImageRulerH");
    Send(top, QEvent::MouseButtonPress, Qt::RightButton, {300, 20});
    Send(top, QEvent::MouseButtonRelease, Qt::RightButton, {300, 20});
    EXPECT_NE(At("ImageRulerH", {300, 39}), Red);

    form->Action("ActionRulerClear")->trigger();
    EXPECT_NE(At("ImageRulerH", {0, 39}), Red);
    EXPECT_NE(At("ImageRulerV", {30, 200}), Red);
}

TEST_F(Ruler, StripsAndCommandsKeepTheSizeLimits) {
    ruler->resize(150, 150);
    form->Action("ActionRulerHDown")->trigger();
    EXPECT_EQ(ruler->width(), 80) << "150 - 100 stops at 80";
    form->Action("ActionRulerVUp")->trigger();
    EXPECT_EQ(ruler->height(), 250);

    auto* strip = Part<TKNPanel>("PanelWidth");
    ruler->resize(300, 300);
    Send(strip, QEvent::MouseButtonPress, Qt::LeftButton, {5, 5});
    Send(strip, QEvent::MouseMove, Qt::LeftButton, {-400, 5});
    EXPECT_EQ(ruler->width(), 80);
    Send(strip, QEvent::MouseMove, Qt::LeftButton, {30, 5});
    EXPECT_EQ(ruler->width(), 110) << "further moves go on from the clamped width";
    Send(strip, QEvent::MouseButtonRelease, Qt::LeftButton, {30, 5});

    const QPoint before = ruler->pos();
    QTest::keyClick(ruler, Qt::Key_Right);
    QTest::keyClick(ruler, Qt::Key_Down);
    EXPECT_EQ(ruler->pos(), before + QPoint(1, 1));
}

TEST_F(Ruler, CursorCommandsMarkAndSizeAtThePointer) {
    ruler->setGeometry(50, 40, 400, 300);
    QCursor::setPos(ruler->mapToGlobal(QPoint(40 + 130, 40 + 70)));
    QTest::keyClick(ruler, Qt::Key_M);
    EXPECT_EQ(At("ImageRulerH", {130, 39}), Red);
    EXPECT_EQ(At("ImageRulerV", {39, 70}), Red);

    QCursor::setPos(ruler->mapToGlobal(QPoint(10, 10))); // the corner square
    QTest::keyClick(ruler, Qt::Key_M);
    EXPECT_EQ(At("ImageRulerH", {0, 39}), Red) << "left of the origin marks 0";
    QTest::keyClick(ruler, Qt::Key_S);
    EXPECT_EQ(ruler->size(), QSize(80, 80)) << "75 x 35, raised to the minimum";

    QCursor::setPos(ruler->mapToGlobal(QPoint(200, 150)));
    QTest::keyClick(ruler, Qt::Key_S);
    EXPECT_EQ(ruler->size(), QSize(265, 175));
}

TEST_F(Ruler, ARulerMinimisedWhenLeftComesBackShown) {
    ruler->showMinimized();
    form->WMCopyData({"-p"});
    ASSERT_TRUE(form->isVisible());
    form->WMCopyData({"-r"});
    EXPECT_TRUE(ruler->isVisible());
    EXPECT_FALSE(ruler->isMinimized());
}

TEST_F(Ruler, ForwardedArgumentsSwitchModeAndTheTitleDotFollowsActivation) {
    form->WMCopyData({"-p"});
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(ruler->isVisible());
    EXPECT_FALSE(form->Action("ActionOptionRulerRun")->isChecked());
    form->WMCopyData({"-r", "-restore"});
    EXPECT_TRUE(ruler->isVisible());
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->Action("ActionOptionRulerRun")->isChecked());

    auto* dot = Part<TKNPanel>("PanelTitle");
    Q_EMIT qApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_EQ(dot->Color(), ToQColor(ResolveColor(clInactiveCaption)));
    Q_EMIT qApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_EQ(dot->Color(), ToQColor(ResolveColor(clActiveCaption)));
}

TEST_F(Ruler, PopupMenuHoldsTheRulerAndMainCommands) {
    QStringList items;
    for (QAction* action : Part<QMenu>("PopupMenuMain")->actions()) {
        items << (action->isSeparator() ? "-" : action->menu() ? "menu" : action->objectName());
    }
    EXPECT_EQ(items, (QStringList{"ActionRulerPicker", "-", "ActionRulerClear", "-", "menu", "-",
                                  "ActionEditMinimize", "ActionEditClose"}));
    QStringList options;
    for (QAction* action : Part<QMenu>("MenuRuleOption")->actions()) {
        options << action->objectName();
    }
    EXPECT_EQ(options, (QStringList{"ActionRulerMainColor", "ActionRulerStayOnTop",
                                    "ActionOptionMinimizeHide", "ActionOptionRulerRun",
                                    "ActionOptionMutex"}));
}

TEST_F(Ruler, TheColourBarShowsTheCurrentColourWhenAsked) {
    auto* bar = Part<TKNPanel>("PanelMain");
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(bar->Color(), ToQColor(ResolveColor(clInfoText)));
    form->Action("ActionRulerMainColor")->trigger();
    EXPECT_TRUE(bar->isVisible());
    form->SetColorRGB(0, 0, 255);
    EXPECT_EQ(Part<TKNPanel>("PanelMainColor")->Color(), QColor(0, 0, 255));
    // A double click on the bar goes back to the picker.
    QTest::mouseDClick(Part<TKNPanel>("PanelMainColor"), Qt::LeftButton);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(ruler->isVisible());
}

TEST_F(Ruler, TheRectangleAtCloseIsSavedAlsoFromTheTray) {
    ruler->setGeometry(300, 200, 250, 180);
    ruler->hide(); // as in the tray
    form->Action("ActionEditClose")->trigger();
    QFile file(SettingsPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("[Ruler]\r\nX=300\r\nY=200\r\nW=250\r\nH=180\r\n"));
}

} // namespace
} // namespace kolvi
