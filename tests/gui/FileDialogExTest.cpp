#include "controls/TOpenDialogEx.h"
#include "controls/TSaveDialogEx.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

QT_BEGIN_NAMESPACE
static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace kolvi {
namespace {

enum class Kind { Open, Save };

const char* KindName(Kind kind) {
    return kind == Kind::Open ? "open" : "save";
}

class FileDialogExTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }

    std::unique_ptr<TOpenDialogEx> Make(Kind kind) {
        std::unique_ptr<TOpenDialogEx> dialog;
        if (kind == Kind::Open) {
            dialog = std::make_unique<TOpenDialogEx>();
        } else {
            dialog = std::make_unique<TSaveDialogEx>();
        }
        dialog->setDirectory(folder_.path());
        dialog->SetCharCodeList({"Shift_JIS", "EUC-JP", "UTF-8"});
        dialog->SetReturnCodeList({"CR+LF", "LF", "CR"});
        return dialog;
    }

    // Runs Execute with `steps` played inside its modal loop once the dialog
    // is active. A dialog the steps left open is cancelled, so that a failed
    // step cannot leave the test waiting.
    static bool Execute(TOpenDialogEx& dialog, const std::function<void()>& steps) {
        QTimer::singleShot(0, &dialog, [&] {
            if (QTest::qWaitForWindowActive(&dialog)) {
                steps();
            } else {
                ADD_FAILURE() << "the dialog did not become active";
            }
            if (dialog.isVisible()) {
                dialog.reject();
            }
        });
        return dialog.Execute();
    }

    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    static void Type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    template <class W> static W* Part(TOpenDialogEx& dialog, const char* name) {
        return dialog.findChild<W*>(name);
    }
    static QString FocusName() {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                           : QStringLiteral("<none>");
    }

    QTemporaryDir folder_;
};

TEST_F(FileDialogExTest, TheStripLiesBelowTheStandardControlsWithTheLineEndOnlyForSaving) {
    for (const Kind kind : {Kind::Open, Kind::Save}) {
        SCOPED_TRACE(KindName(kind));
        auto dialog = Make(kind);
        dialog->SetReadOnly(true);
        EXPECT_EQ(dialog->acceptMode(),
                  kind == Kind::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        Execute(*dialog, [&] {
            auto* panel = Part<QWidget>(*dialog, "Panel");
            auto* fileType = Part<QComboBox>(*dialog, "fileTypeCombo");
            ASSERT_NE(panel, nullptr);
            ASSERT_NE(fileType, nullptr);
            EXPECT_EQ(panel->height(), 50);
            EXPECT_GE(panel->y(), fileType->geometry().bottom());
            EXPECT_LE(panel->geometry().bottom(), dialog->height());
            EXPECT_LE(panel->x(), fileType->x());

            const bool saving = kind == Kind::Save;
            struct Row {
                const char* label;
                const char* comboBox;
                const char* caption;
                bool shown;
            };
            for (const Row& row :
                 {Row{"FStaticText1", "FCharCodeComboBox", "文字コード(&C):", true},
                  Row{"FStaticText2", "FReturnCodeComboBox", "改行コード(&L):", saving}}) {
                SCOPED_TRACE(row.label);
                auto* label = Part<QLabel>(*dialog, row.label);
                auto* comboBox = Part<QComboBox>(*dialog, row.comboBox);
                ASSERT_NE(label, nullptr);
                ASSERT_NE(comboBox, nullptr);
                EXPECT_EQ(label->parentWidget(), panel);
                EXPECT_EQ(label->text(), row.caption);
                EXPECT_EQ(label->buddy(), comboBox);
                EXPECT_EQ(label->isVisible(), row.shown);
                EXPECT_EQ(comboBox->isVisible(), row.shown);
                EXPECT_FALSE(comboBox->isEditable());
                // The whole caption fits left of the combo, the combo inside the strip.
                EXPECT_LT(label->x() + label->sizeHint().width(), comboBox->x());
                EXPECT_LE(comboBox->geometry().bottom(), panel->height());
            }
            EXPECT_LE(Part<QComboBox>(*dialog, "FCharCodeComboBox")->geometry().bottom(),
                      Part<QComboBox>(*dialog, "FReturnCodeComboBox")->y());
            EXPECT_FALSE(Part<QCheckBox>(*dialog, "FReadOnlyCheckBox")->isVisible());

            // Tab reaches the strip after the file-type list, then the buttons.
            fileType->setFocus();
            Key(Qt::Key_Tab);
            EXPECT_EQ(FocusName(), "FCharCodeComboBox");
            if (saving) {
                Key(Qt::Key_Tab);
                EXPECT_EQ(FocusName(), "FReturnCodeComboBox");
            }
            Key(Qt::Key_Tab);
            EXPECT_TRUE(Part<QDialogButtonBox>(*dialog, "buttonBox")
                            ->isAncestorOf(QApplication::focusWidget()));
        });
    }
}

TEST_F(FileDialogExTest, TheAccessKeysLeadToTheCombosAndTheChosenEntriesComeBack) {
    struct Row {
        Kind kind;
        const char* fileName;
        int charCodeIndex;
        int returnCodeIndex;
        const char* focusAfterAltL;
        int charCodeChosen;
        int returnCodeChosen;
    };
    const Row rows[] = {
        // Alt+L belongs to a hidden label: Up stays on the character codes.
        {Kind::Open, "in.txt", 0, 2, "FCharCodeComboBox", 1, 2},
        {Kind::Save, "out.txt", -1, 2, "FReturnCodeComboBox", 1, 1},
    };
    QFile existing(folder_.filePath("in.txt"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    for (const Row& row : rows) {
        SCOPED_TRACE(KindName(row.kind));
        auto dialog = Make(row.kind);
        dialog->SetCharCodeIndex(row.charCodeIndex);
        dialog->SetReturnCodeIndex(row.returnCodeIndex);
        const bool accepted = Execute(*dialog, [&] {
            ASSERT_EQ(FocusName(), "fileNameEdit");
            Type(row.fileName);
            Key(Qt::Key_C, Qt::AltModifier);
            ASSERT_EQ(FocusName(), "FCharCodeComboBox");
            Key(Qt::Key_Down);
            Key(Qt::Key_Down);
            Key(Qt::Key_L, Qt::AltModifier);
            EXPECT_EQ(FocusName(), row.focusAfterAltL);
            Key(Qt::Key_Up);
            Key(Qt::Key_Return);
        });
        EXPECT_TRUE(accepted);
        EXPECT_EQ(dialog->selectedFiles(), QStringList{folder_.filePath(row.fileName)});
        EXPECT_EQ(dialog->CharCodeIndex(), row.charCodeChosen);
        EXPECT_EQ(dialog->ReturnCodeIndex(), row.returnCodeChosen);
    }
}

TEST_F(FileDialogExTest, AnIndexOutsideItsListIsMinusOne) {
    auto dialog = Make(Kind::Save);
    for (const int index : {-2, -1, 0, 2, 3, 99}) {
        SCOPED_TRACE(index);
        const int expected = index >= 0 && index < 3 ? index : -1;
        dialog->SetCharCodeIndex(index);
        dialog->SetReturnCodeIndex(index);
        EXPECT_EQ(dialog->CharCodeIndex(), expected);
        EXPECT_EQ(dialog->ReturnCodeIndex(), expected);
    }
    dialog->SetCharCodeList({});
    dialog->SetCharCodeIndex(0);
    EXPECT_EQ(dialog->CharCodeIndex(), -1);
}

TEST_F(FileDialogExTest, ACloseWithNothingSelectedGivesMinusOne) {
    auto dialog = Make(Kind::Save);
    const bool accepted = Execute(*dialog, [&] {
        for (const char* name : {"FCharCodeComboBox", "FReturnCodeComboBox"}) {
            SCOPED_TRACE(name);
            auto* comboBox = Part<QComboBox>(*dialog, name);
            EXPECT_EQ(comboBox->count(), 3);
            EXPECT_EQ(comboBox->currentText(), "");
        }
        Type("new.txt");
        Key(Qt::Key_Return);
    });
    EXPECT_TRUE(accepted);
    EXPECT_EQ(dialog->CharCodeIndex(), -1);
    EXPECT_EQ(dialog->ReturnCodeIndex(), -1);
}

TEST_F(FileDialogExTest, CancellingGivesFalseAndStillReadsTheStripBack) {
    struct Row {
        const char* name;
        bool readOnly;
        std::function<void(TOpenDialogEx&)> cancel;
    };
    const Row rows[] = {
        {"Escape", false, [](TOpenDialogEx&) { Key(Qt::Key_Escape); }},
        {"Cancel button", true,
         [](TOpenDialogEx& dialog) {
             auto* buttons = Part<QDialogButtonBox>(dialog, "buttonBox");
             QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto dialog = Make(Kind::Save);
        dialog->SetCharCodeIndex(0);
        dialog->SetReadOnly(row.readOnly);
        const bool accepted = Execute(*dialog, [&] {
            Type("unused.txt");
            Key(Qt::Key_C, Qt::AltModifier);
            Key(Qt::Key_Down);
            row.cancel(*dialog);
            EXPECT_FALSE(dialog->isVisible());
        });
        EXPECT_FALSE(accepted);
        EXPECT_EQ(dialog->CharCodeIndex(), 1);
        EXPECT_EQ(dialog->ReadOnly(), row.readOnly);
    }
}

TEST_F(FileDialogExTest, EachShowFillsTheCombosFromTheListsAsTheyAreThen) {
    auto dialog = Make(Kind::Save);
    dialog->SetCharCodeIndex(1);
    Execute(*dialog, [&] {
        EXPECT_EQ(Part<QComboBox>(*dialog, "FCharCodeComboBox")->currentText(), "EUC-JP");
    });
    dialog->SetCharCodeList({"UTF-8", "UTF-16"});
    dialog->SetCharCodeIndex(0);
    dialog->SetReturnCodeList({"LF"});
    dialog->SetReturnCodeIndex(0);
    Execute(*dialog, [&] {
        auto* charCodes = Part<QComboBox>(*dialog, "FCharCodeComboBox");
        EXPECT_EQ(charCodes->count(), 2);
        EXPECT_EQ(charCodes->currentText(), "UTF-8");
        auto* returnCodes = Part<QComboBox>(*dialog, "FReturnCodeComboBox");
        EXPECT_EQ(returnCodes->count(), 1);
        EXPECT_EQ(returnCodes->currentText(), "LF");
    });
}

} // namespace
} // namespace kolvi
