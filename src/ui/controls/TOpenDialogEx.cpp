#include "TOpenDialogEx.h"

#include "TKNPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QShowEvent>

#include <algorithm>

namespace kolvi {

namespace {

constexpr int StripHeight = 50;
constexpr int ComboBoxWidth = 145;
// The second combo starts 26 pixels down: both must fit in the strip.
constexpr int MaxComboBoxHeight = 24;

QLabel* MakeLabel(const QString& name, const QString& caption, QPoint at, QWidget* buddy,
                  QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    label->move(at);
    label->adjustSize();
    return label;
}

QComboBox* MakeComboBox(const QString& name, QPoint at, QWidget* parent) {
    auto* comboBox = new QComboBox(parent);
    comboBox->setObjectName(name);
    comboBox->setGeometry(at.x(), at.y(), ComboBoxWidth,
                          std::min(comboBox->sizeHint().height(), MaxComboBoxHeight));
    return comboBox;
}

void Fill(QComboBox* comboBox, const QStringList& list, int index) {
    comboBox->clear();
    comboBox->addItems(list);
    comboBox->setCurrentIndex(index);
}

int ValidIndex(int index, const QStringList& list) {
    return index >= 0 && index < list.size() ? index : -1;
}

} // namespace

TOpenDialogEx::TOpenDialogEx(QWidget* parent) : QFileDialog(parent) {
    // Creates Qt's widgets and layout, which the strip joins.
    setOption(QFileDialog::DontUseNativeDialog);

    auto* panel = new TKNPanel(QStringLiteral("Panel"), TKNPanel::Bevel::None, this);
    panel->setFixedHeight(StripHeight);
    FCharCodeComboBox = MakeComboBox(QStringLiteral("FCharCodeComboBox"), {116, 0}, panel);
    MakeLabel(QStringLiteral("FStaticText1"), QStringLiteral("文字コード(&C):"), {12, 4},
              FCharCodeComboBox, panel);
    FReturnCodeComboBox = MakeComboBox(QStringLiteral("FReturnCodeComboBox"), {116, 26}, panel);
    FStaticText2 = MakeLabel(QStringLiteral("FStaticText2"), QStringLiteral("改行コード(&L):"),
                             {12, 30}, FReturnCodeComboBox, panel);
    FReadOnlyCheckBox = new QCheckBox(QStringLiteral("読み取り専用(&R)"), panel);
    FReadOnlyCheckBox->setObjectName(QStringLiteral("FReadOnlyCheckBox"));
    FReadOnlyCheckBox->setGeometry(270, 2, 120, FReadOnlyCheckBox->sizeHint().height());
    FStaticText2->hide();
    FReturnCodeComboBox->hide();

    // Qt's layout is a grid; the strip takes a row of its own below the
    // file-type row, as wide as the standard controls.
    auto* grid = qobject_cast<QGridLayout*>(layout());
    grid->addWidget(panel, grid->rowCount(), 0, 1, grid->columnCount());
}

void TOpenDialogEx::SetCharCodeList(const QStringList& list) {
    FCharCodeList = list;
}

void TOpenDialogEx::SetReturnCodeList(const QStringList& list) {
    FReturnCodeList = list;
}

void TOpenDialogEx::SetCharCodeIndex(int index) {
    FCharCodeIndex = ValidIndex(index, FCharCodeList);
}

void TOpenDialogEx::SetReturnCodeIndex(int index) {
    FReturnCodeIndex = ValidIndex(index, FReturnCodeList);
}

void TOpenDialogEx::SetReadOnly(bool readOnly) {
    FReadOnly = readOnly;
}

bool TOpenDialogEx::Execute() {
    return exec() == QDialog::Accepted;
}

void TOpenDialogEx::showEvent(QShowEvent* event) {
    // A window restored from the task bar is no new show: the user's choice stays.
    if (!event->spontaneous()) {
        Fill(FCharCodeComboBox, FCharCodeList, FCharCodeIndex);
        Fill(FReturnCodeComboBox, FReturnCodeList, FReturnCodeIndex);
        FReadOnlyCheckBox->setChecked(FReadOnly);
        FReadOnlyCheckBox->hide();
        // Tab goes from the file type through the strip on to the buttons; a
        // change of the accept mode makes new buttons, so this is done here.
        if (auto* fileType = findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
            setTabOrder(fileType, FCharCodeComboBox);
            setTabOrder(FCharCodeComboBox, FReturnCodeComboBox);
            setTabOrder(FReturnCodeComboBox, FReadOnlyCheckBox);
        }
    }
    QFileDialog::showEvent(event);
}

void TOpenDialogEx::done(int result) {
    SetReadOnly(FReadOnlyCheckBox->isChecked());
    SetCharCodeIndex(FCharCodeComboBox->currentIndex());
    SetReturnCodeIndex(FReturnCodeComboBox->currentIndex());
    QFileDialog::done(result);
}

} // namespace kolvi
