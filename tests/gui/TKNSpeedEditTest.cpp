#include "controls/TKNSpeedEdit.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace kolvi {
namespace {

struct SpeedEdit : ::testing::Test {
    void Show(bool frame) {
        edit.setFrame(frame);
        edit.resize(269, frame ? 20 : 16);
        edit.setText(QString(80, QLatin1Char('W')));
        edit.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    }
    // Where the cursor stands after text too long for the edit: a few pixels
    // before the text area's right end.
    int CursorAtTheEnd() {
        edit.end(false);
        return edit.inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    }
    QToolButton* Button() { return edit.findChild<QToolButton*>("KNSpeedButton"); }

    TKNSpeedEdit edit{"EditShortCut", nullptr};
};

TEST_F(SpeedEdit, WithoutAFrameTheButtonTakesTheClientHeightAtTheRightEnd) {
    Show(false);
    ASSERT_NE(Button(), nullptr);
    EXPECT_EQ(Button()->geometry(), QRect(253, 0, 16, 16));
    EXPECT_LE(CursorAtTheEnd(), 253);
    EXPECT_GE(CursorAtTheEnd(), 253 - 6) << "the text area ends at the button";
}

TEST_F(SpeedEdit, WithAFrameTheButtonIsSquareInsideItAndTheTextStopsAtIt) {
    Show(true);
    const QRect button = Button()->geometry();
    EXPECT_EQ(button.width(), button.height());
    EXPECT_GT(button.top(), 0);
    EXPECT_LT(button.bottom(), edit.height() - 1);
    EXPECT_LT(button.right(), edit.width() - 1);
    EXPECT_GE(button.right(), edit.width() - 4) << "at the right end, inside the border";
    EXPECT_LE(CursorAtTheEnd(), button.left());
    EXPECT_GE(CursorAtTheEnd(), button.left() - 6) << "the text area ends at the button";
    edit.resize(300, 20);
    EXPECT_EQ(Button()->geometry().right() - button.right(), 300 - 269) << "follows a resize";
}

TEST_F(SpeedEdit, CaptionClickAndEnabledTogether) {
    Show(true);
    EXPECT_TRUE(Button()->text().isEmpty()) << "no caption until one is set";
    edit.SetButtonCaption(QStringLiteral("×"));
    EXPECT_EQ(Button()->text(), QStringLiteral("×"));
    EXPECT_EQ(Button()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(edit.cursor().shape(), Qt::IBeamCursor);

    QSignalSpy clicks(&edit, &TKNSpeedEdit::ButtonClick);
    QTest::mouseClick(Button(), Qt::LeftButton);
    EXPECT_EQ(clicks.size(), 1);
    edit.setEnabled(false);
    EXPECT_FALSE(Button()->isEnabled());
    QTest::mouseClick(Button(), Qt::LeftButton);
    EXPECT_EQ(clicks.size(), 1) << "a disabled button raises nothing";
    edit.setEnabled(true);
    EXPECT_TRUE(Button()->isEnabled());
}

} // namespace
} // namespace kolvi
