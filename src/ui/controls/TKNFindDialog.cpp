#include "TKNFindDialog.h"

#include "TKNPanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include <string>
#include <vector>

namespace kolvi {

TKNFindDialog::TKNFindDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("検索"));

    // Made first, so that it comes first in the tab order.
    PanelFind = new TKNPanel(QStringLiteral("PanelFind"), TKNPanel::Bevel::None, this);
    ComboBoxFind = new QComboBox(PanelFind);
    ComboBoxFind->setObjectName(QStringLiteral("ComboBoxFind"));
    ComboBoxFind->setEditable(true);
    ComboBoxFind->setMinimumWidth(200);
    // The history is kept by FindHistory, not by what Enter would insert.
    ComboBoxFind->setInsertPolicy(QComboBox::NoInsert);
    // Inline completion would search "abc" for a typed "ab" once "abc" is in
    // the history; the list is one Alt+Down away.
    ComboBoxFind->setCompleter(nullptr);
    auto* panelLayout = new QHBoxLayout(PanelFind);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(ComboBoxFind);

    auto* label = new QLabel(QStringLiteral("検索する文字列(&N):"), this);
    label->setObjectName(QStringLiteral("LabelFind"));
    label->setBuddy(ComboBoxFind);
    ButtonFind = new QPushButton(QStringLiteral("次を検索(&F)"), this);
    ButtonFind->setObjectName(QStringLiteral("ButtonFind"));
    ButtonFind->setDefault(true);
    ButtonFind->setEnabled(false);
    auto* buttonClose = new QPushButton(QStringLiteral("閉じる"), this);
    buttonClose->setObjectName(QStringLiteral("ButtonClose"));
    buttonClose->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(PanelFind, 0, 1);
    grid->addWidget(ButtonFind, 0, 2);
    grid->addWidget(buttonClose, 1, 2);
    grid->setRowStretch(2, 1);

    connect(ComboBoxFind, &QComboBox::editTextChanged, this, &TKNFindDialog::ComboBoxFindChange);
    connect(ButtonFind, &QPushButton::clicked, this, &TKNFindDialog::ButtonFindClick);
    connect(buttonClose, &QPushButton::clicked, this, &TKNFindDialog::reject);
}

void TKNFindDialog::SetItemsCount(int count) {
    FFindItems.SetItemsCount(count);
}

void TKNFindDialog::SetExecuteText(const QString& text) {
    FExecuteText = text;
}

QStringList TKNFindDialog::FindItems() const {
    QStringList items;
    for (const std::string& item : FFindItems.Items()) {
        items.append(QString::fromStdString(item));
    }
    return items;
}

void TKNFindDialog::SetFindItems(const QStringList& items) {
    std::vector<std::string> copied;
    copied.reserve(static_cast<std::size_t>(items.size()));
    for (const QString& item : items) {
        copied.push_back(item.toStdString());
    }
    FFindItems.SetItems(copied);
    FillComboBoxFind(ComboBoxFind->currentText());
}

void TKNFindDialog::SetFindText(const QString& text) {
    FFindText = text;
}

void TKNFindDialog::Execute() {
    if (!FExecuteText.isEmpty() && ComboBoxFind->currentText() != FFindText) {
        FillComboBoxFind(FFindText);
    }
    show();
    raise();
    activateWindow();
    // Ready to be typed over.
    ComboBoxFind->setFocus(Qt::OtherFocusReason);
    ComboBoxFind->lineEdit()->selectAll();
}

void TKNFindDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        FillComboBoxFind(FFindText);
    }
    QDialog::showEvent(event);
}

void TKNFindDialog::ComboBoxFindChange(const QString& text) {
    ButtonFind->setEnabled(!text.isEmpty());
}

void TKNFindDialog::ButtonFindClick() {
    FFindText = ComboBoxFind->currentText();
    FFindItems.Record(FFindText.toStdString());
    FillComboBoxFind(FFindText);
    Q_EMIT FindRequested(FFindText);
}

// Down starts at the top of the list unless the text is an entry itself.
void TKNFindDialog::FillComboBoxFind(const QString& text) {
    ComboBoxFind->clear();
    for (const std::string& item : FFindItems.Items()) {
        ComboBoxFind->addItem(QString::fromStdString(item));
    }
    const int index = ComboBoxFind->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    ComboBoxFind->setCurrentIndex(index);
    ComboBoxFind->setEditText(text);
}

} // namespace kolvi
