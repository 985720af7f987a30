#include "controls/TKNSpinEdit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>
#include <ostream>
#include <utility>
#include <vector>

using kolvi::TKNSpinEdit;

// Readable failure messages (found by argument-dependent lookup); static so that
// another test file may have its own.
QT_BEGIN_NAMESPACE
static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace {

enum class Arrow { Up, Down };

// Presses and releases at the centre of an arrow button, hit-testing through
// the edit so that the test fails if the buttons are not where a user clicks.
void ClickArrow(TKNSpinEdit& spin, Arrow arrow) {
    const auto* upDown = spin.findChild<QWidget*>(QStringLiteral("KNUpDown"));
    ASSERT_NE(upDown, nullptr);
    const QRect area = upDown->geometry();
    const int y =
        arrow == Arrow::Up ? area.top() + area.height() / 4 : area.top() + area.height() * 3 / 4;
    const QPoint at(area.center().x(), y);
    QWidget* target = spin.childAt(at);
    ASSERT_NE(target, nullptr);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&spin, at));
}

bool SendKey(TKNSpinEdit& spin, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&spin, &press);
    return press.isAccepted();
}

void SendWheel(TKNSpinEdit& spin, int angleY) {
    const QPointF at(spin.width() / 2.0, spin.height() / 2.0);
    QWheelEvent wheel(at, spin.mapToGlobal(at), QPoint(), QPoint(0, angleY), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&spin, &wheel);
}

struct TextInk {
    int leftOfButtons = 0;
    int underButtons = 0;
};

// Dark pixels of the text, with the buttons hidden so that text running under
// them would show.
TextInk MeasureTextInk(TKNSpinEdit& spin) {
    auto* upDown = spin.findChild<QWidget*>(QStringLiteral("KNUpDown"));
    upDown->hide();
    const QImage image = spin.grab().toImage();
    upDown->show();
    TextInk ink;
    for (int y = 2; y < image.height() - 2; ++y) {
        for (int x = 2; x < image.width() - 2; ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                ++(x < upDown->x() ? ink.leftOfButtons : ink.underButtons);
            }
        }
    }
    return ink;
}

class TKNSpinEditTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window_ = std::make_unique<QWidget>();
        window_->resize(200, 80);
        // Created first, so Tab moves from it into the spin edit.
        other_ = new QLineEdit(window_.get());
        other_->setGeometry(100, 10, 60, 20);
        spin_ = new TKNSpinEdit(QStringLiteral("EditR"), window_.get());
        spin_->setGeometry(10, 10, 41, 20);
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    // Set up as the main window's colour component edits.
    void MakeColourEdit() {
        spin_->setMaxLength(3);
        spin_->SetFMaxValue(255);
    }

    void SetRange(int min, int max, int increment, int value) {
        spin_->SetFMinValue(min);
        spin_->SetFMaxValue(max);
        spin_->SetFIncrement(increment);
        spin_->SetFValue(value);
    }

    std::unique_ptr<QWidget> window_;
    QLineEdit* other_ = nullptr;
    TKNSpinEdit* spin_ = nullptr;
};

TEST_F(TKNSpinEditTest, StartsAtZeroWithTheButtonsInsideTheRightEdge) {
    EXPECT_EQ(spin_->objectName(), "EditR");
    EXPECT_EQ(spin_->Value(), 0);
    EXPECT_EQ(spin_->MinValue(), 0);
    EXPECT_EQ(spin_->MaxValue(), 0);
    EXPECT_EQ(spin_->Increment(), 1);
    EXPECT_EQ(spin_->text(), "0");
    EXPECT_TRUE(spin_->alignment() & Qt::AlignRight);

    for (const QSize size : {QSize(41, 20), QSize(80, 31)}) {
        SCOPED_TRACE(testing::Message() << size.width() << " x " << size.height());
        spin_->resize(size);
        const auto* upDown = spin_->findChild<QWidget*>(QStringLiteral("KNUpDown"));
        ASSERT_NE(upDown, nullptr);
        const QRect area = upDown->geometry();
        EXPECT_EQ(area.width(), TKNSpinEdit::UpDownWidth);
        // At the right edge and the full height, inside the frame.
        EXPECT_GE(area.left(), size.width() - TKNSpinEdit::UpDownWidth - 3);
        EXPECT_LT(area.right(), size.width());
        EXPECT_LE(area.top(), 2);
        EXPECT_GE(area.bottom(), size.height() - 3);
        EXPECT_LT(area.bottom(), size.height());
        // Upper half steps up, lower half down.
        EXPECT_EQ(spin_->childAt(area.center().x(), area.top() + 1)->objectName(), "KNUpDownUp");
        EXPECT_EQ(spin_->childAt(area.center().x(), area.bottom() - 1)->objectName(),
                  "KNUpDownDown");
    }
}

TEST_F(TKNSpinEditTest, ThreeDigitsShowUncutLeftOfTheButtons) {
    MakeColourEdit();
    spin_->setText(QStringLiteral("888"));
    for (const char* family : {"IPAPGothic", "DejaVu Sans"}) {
        SCOPED_TRACE(family);
        QFont font(QString::fromLatin1(family));
        font.setPixelSize(12);
        spin_->setFont(font);
        spin_->resize(200, 20);
        const int uncut = MeasureTextInk(*spin_).leftOfButtons;
        spin_->resize(41, 20);
        const TextInk ink = MeasureTextInk(*spin_);
        EXPECT_GT(uncut, 0);
        EXPECT_EQ(ink.leftOfButtons, uncut);
        EXPECT_EQ(ink.underButtons, 0);
    }
}

TEST_F(TKNSpinEditTest, EverySourceStepsOnceByIncrementWithinTheBounds) {
    struct Source {
        const char* name;
        int direction;
        std::function<void(TKNSpinEdit&)> apply;
    };
    const auto key = [](int k) {
        return [k](TKNSpinEdit& spin) { EXPECT_TRUE(SendKey(spin, k)) << "key not consumed"; };
    };
    const auto wheel = [](int angle) { return [angle](TKNSpinEdit& s) { SendWheel(s, angle); }; };
    const auto arrow = [](Arrow a) { return [a](TKNSpinEdit& s) { ClickArrow(s, a); }; };
    const std::vector<Source> sources = {
        {"Up key", 1, key(Qt::Key_Up)},
        {"Down key", -1, key(Qt::Key_Down)},
        {"PageUp key", 1, key(Qt::Key_PageUp)},
        {"PageDown key", -1, key(Qt::Key_PageDown)},
        {"wheel up one notch", 1, wheel(120)},
        {"wheel down one notch", -1, wheel(-120)},
        {"wheel up three notches at once", 1, wheel(360)},
        {"wheel down a fraction of a notch", -1, wheel(-15)},
        {"up arrow button", 1, arrow(Arrow::Up)},
        {"down arrow button", -1, arrow(Arrow::Down)},
    };
    struct Case {
        const char* name;
        int min, max, increment, start, afterUp, afterDown;
    };
    const Case cases[] = {
        {"0..255 at the top", 0, 255, 1, 255, 255, 254},
        {"0..255 at the bottom", 0, 255, 1, 0, 1, 0},
        {"increment 5 is one step, also for pages", 0, 255, 5, 100, 105, 95},
        {"step clamped to the bound", 0, 255, 5, 253, 255, 248},
        {"equal bounds are unbounded", 0, 0, 1, 0, 1, -1},
        {"unbounded saturates at the int maximum", 0, 0, 1, INT_MAX, INT_MAX, INT_MAX - 1},
        {"unbounded saturates at the int minimum", 0, 0, 1, INT_MIN, INT_MIN + 1, INT_MIN},
    };
    for (const Source& source : sources) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << source.name << ", " << c.name);
            SetRange(c.min, c.max, c.increment, c.start);
            source.apply(*spin_);
            const int expected = source.direction > 0 ? c.afterUp : c.afterDown;
            EXPECT_EQ(spin_->Value(), expected);
            EXPECT_EQ(spin_->text(), QString::number(expected));
        }
    }
}

TEST_F(TKNSpinEditTest, TypingTakesDigitsOnlyAndRewritesAtOnce) {
    MakeColourEdit();
    const struct {
        const char* typed;
        const char* text;
        int value;
    } cases[] = {
        {"42", "42", 42},  {"256", "255", 255}, {"300", "255", 255}, {"007", "7", 7},
        {"12a", "12", 12}, {"-5", "5", 5},      {"4 2", "42", 42},   {"1.5", "15", 15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        spin_->SetFValue(0);
        spin_->selectAll();
        QTest::keyClicks(spin_, QString::fromLatin1(c.typed));
        EXPECT_EQ(spin_->text(), c.text);
        EXPECT_EQ(spin_->Value(), c.value);
    }
}

TEST_F(TKNSpinEditTest, ComposedTextKeepsItsAsciiDigitsOnly) {
    const struct {
        const char* name;
        QString commit;
        const char* text;
    } cases[] = {
        {"mixed", QStringLiteral("1a2"), "12"},
        {"letters only", QStringLiteral("xy"), ""},
        {"full-width digits", QStringLiteral("\uFF14\uFF12"), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        spin_->clear();
        QInputMethodEvent event;
        event.setCommitString(c.commit);
        QApplication::sendEvent(spin_, &event);
        EXPECT_EQ(spin_->text(), c.text);
    }
}

TEST_F(TKNSpinEditTest, DeletingAllTextGivesMinValueAndLeavesTheBoxEmpty) {
    const struct {
        const char* name;
        int min, max, start;
    } cases[] = {
        {"0..255", 0, 255, 128},
        {"10..20", 10, 20, 15},
        {"unbounded", 0, 0, -5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetRange(c.min, c.max, 1, c.start);
        int changes = 0;
        const auto connection =
            QObject::connect(spin_, &TKNSpinEdit::Changed, spin_, [&changes] { ++changes; });
        spin_->selectAll();
        QTest::keyClick(spin_, Qt::Key_Backspace);
        QObject::disconnect(connection);
        EXPECT_EQ(spin_->text(), "");
        EXPECT_EQ(spin_->Value(), c.min);
        EXPECT_EQ(changes, 1);
    }
}

TEST_F(TKNSpinEditTest, PastedTextIsReadAsADecimalNumberOrZeroThenClamped) {
    const struct {
        const char* pasted;
        int min, max;
        const char* text;
        int value;
    } cases[] = {
        {"abc", 0, 255, "0", 0}, {"abc", 10, 20, "10", 10},     {"12x", 0, 0, "0", 0},
        {"$FF", 0, 0, "0", 0},   {"99999999999", 0, 0, "0", 0}, {"-7", 0, 0, "-7", -7},
        {"-7", 0, 255, "0", 0},  {" 42", 0, 255, "42", 42},     {"1000", 0, 255, "255", 255},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.pasted << "\" into " << c.min << ".." << c.max);
        SetRange(c.min, c.max, 1, 5);
        QApplication::clipboard()->setText(QString::fromLatin1(c.pasted));
        spin_->selectAll();
        QTest::keyClick(spin_, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(spin_->text(), c.text);
        EXPECT_EQ(spin_->Value(), c.value);
    }
}

TEST_F(TKNSpinEditTest, BoundSettersReclampTheValueAndItsText) {
    const struct {
        const char* name;
        std::function<void(TKNSpinEdit&)> apply;
        int value;
    } cases[] = {
        {"lowering MaxValue below the value",
         [](TKNSpinEdit& s) {
             s.SetFMaxValue(255);
             s.SetFValue(200);
             s.SetFMaxValue(100);
         },
         100},
        {"raising MinValue above the value",
         [](TKNSpinEdit& s) {
             s.SetFMaxValue(255);
             s.SetFValue(20);
             s.SetFMinValue(50);
         },
         50},
        {"crossed bounds settle on MaxValue",
         [](TKNSpinEdit& s) {
             s.SetFMaxValue(10);
             s.SetFMinValue(50);
         },
         10},
        {"making the bounds equal releases the value",
         [](TKNSpinEdit& s) {
             s.SetFMaxValue(255);
             s.SetFMaxValue(0);
             s.SetFValue(1000);
         },
         1000},
        {"SetFValue clamps below",
         [](TKNSpinEdit& s) {
             s.SetFMaxValue(255);
             s.SetFValue(-3);
         },
         0},
        {"SetFValue clamps above",
         [](TKNSpinEdit& s) {
             s.SetFMaxValue(255);
             s.SetFValue(999);
         },
         255},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetRange(0, 0, 1, 0);
        c.apply(*spin_);
        EXPECT_EQ(spin_->Value(), c.value);
        EXPECT_EQ(spin_->text(), QString::number(c.value));
    }
}

TEST_F(TKNSpinEditTest, ChangedIsRaisedForTheRewriteAndTheOriginalBothWithTheFinalValue) {
    using Seen = std::vector<std::pair<int, QString>>;
    const struct {
        const char* name;
        const char* start;
        std::function<void(TKNSpinEdit&)> apply;
        Seen seen;
    } cases[] = {
        {"typed in range",
         "2",
         [](TKNSpinEdit& s) { QTest::keyClick(&s, Qt::Key_5); },
         {{25, "25"}}},
        {"typed beyond MaxValue",
         "25",
         [](TKNSpinEdit& s) { QTest::keyClick(&s, Qt::Key_6); },
         {{255, "255"}, {255, "255"}}},
        {"typed after a leading zero",
         "0",
         [](TKNSpinEdit& s) { QTest::keyClick(&s, Qt::Key_7); },
         {{7, "7"}, {7, "7"}}},
        {"text set beyond MaxValue",
         "0",
         [](TKNSpinEdit& s) { s.setText(QStringLiteral("300")); },
         {{255, "255"}, {255, "255"}}},
        {"value set by the program", "0", [](TKNSpinEdit& s) { s.SetFValue(9); }, {{9, "9"}}},
        {"value set to what is shown", "9", [](TKNSpinEdit& s) { s.SetFValue(9); }, {}},
        {"stepped", "9", [](TKNSpinEdit& s) { SendKey(s, Qt::Key_Up); }, {{10, "10"}}},
        {"emptied", "9", [](TKNSpinEdit& s) { s.clear(); }, {{0, ""}}},
    };
    MakeColourEdit();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        spin_->setText(QString::fromLatin1(c.start));
        spin_->setCursorPosition(int(spin_->text().size()));
        Seen seen;
        const auto connection = QObject::connect(spin_, &TKNSpinEdit::Changed, spin_, [&] {
            seen.emplace_back(spin_->Value(), spin_->text());
        });
        c.apply(*spin_);
        QObject::disconnect(connection);
        EXPECT_EQ(seen, c.seen);
    }
}

TEST_F(TKNSpinEditTest, ArrowClickStepsThenEntersTheEditOnce) {
    MakeColourEdit();
    std::vector<int> enteredAt;
    // The main window selects the whole text on entry.
    QObject::connect(spin_, &TKNSpinEdit::Entered, spin_, [&] {
        enteredAt.push_back(spin_->Value());
        spin_->selectAll();
    });
    other_->setFocus();
    ASSERT_TRUE(other_->hasFocus());

    ClickArrow(*spin_, Arrow::Up);
    EXPECT_TRUE(spin_->hasFocus());
    EXPECT_EQ(enteredAt, std::vector<int>{1}) << "entered before the step";
    EXPECT_EQ(spin_->selectedText(), "1");

    ClickArrow(*spin_, Arrow::Up);
    EXPECT_EQ(spin_->Value(), 2);
    EXPECT_TRUE(spin_->hasFocus());
    EXPECT_EQ(enteredAt.size(), 1u) << "already focused, so not entered again";
}

TEST_F(TKNSpinEditTest, EnteredOnlyWhenTheFocusComesFromAnotherControl) {
    int entered = 0;
    QObject::connect(spin_, &TKNSpinEdit::Entered, spin_, [&entered] { ++entered; });
    other_->setFocus();
    QTest::keyClick(other_, Qt::Key_Tab);
    ASSERT_TRUE(spin_->hasFocus());
    EXPECT_EQ(entered, 1);

    // Coming back from another window or from a popup is not an entry: a
    // select-all there would make a context-menu paste replace everything.
    QWidget elsewhere;
    elsewhere.resize(50, 50);
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    ASSERT_TRUE(spin_->hasFocus());
    QMenu menu(window_.get());
    menu.addAction(QStringLiteral("item"));
    menu.popup(window_->mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    menu.close();
    QApplication::processEvents();
    ASSERT_TRUE(spin_->hasFocus());
    EXPECT_EQ(entered, 1);

    QTest::keyClick(spin_, Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(other_->hasFocus());
    QTest::mouseClick(spin_, Qt::LeftButton, {}, QPoint(5, spin_->height() / 2));
    EXPECT_TRUE(spin_->hasFocus());
    EXPECT_EQ(entered, 2);
}

TEST_F(TKNSpinEditTest, DisablingDisablesTheArrowButtons) {
    const struct {
        const char* name;
        std::function<void(bool)> setEnabled;
    } cases[] = {
        {"the edit itself", [this](bool on) { spin_->setEnabled(on); }},
        {"its parent", [this](bool on) { window_->setEnabled(on); }},
    };
    const auto buttons = spin_->findChildren<QAbstractButton*>();
    ASSERT_EQ(buttons.size(), 2);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetRange(0, 255, 1, 5);
        c.setEnabled(false);
        for (const QAbstractButton* button : buttons) {
            EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
        }
        ClickArrow(*spin_, Arrow::Up);
        EXPECT_EQ(spin_->Value(), 5);

        c.setEnabled(true);
        for (const QAbstractButton* button : buttons) {
            EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
        }
        ClickArrow(*spin_, Arrow::Up);
        EXPECT_EQ(spin_->Value(), 6);
    }
}

} // namespace
