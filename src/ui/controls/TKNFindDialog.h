#pragma once

#include "text/FindHistory.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QComboBox;
class QPushButton;

namespace kolvi {

class TKNPanel;

// A modeless find dialog whose search text is typed into, or picked from, a
// history of the recent search texts.
class TKNFindDialog : public QDialog {
    Q_OBJECT

  public:
    explicit TKNFindDialog(QWidget* parent = nullptr);

    // The most texts the history keeps, 0 for no limit; negative is ignored.
    int ItemsCount() const { return FFindItems.ItemsCount(); }
    virtual void SetItemsCount(int count);
    // When not empty, Execute puts FindText into the search box even while
    // the dialog is already open (a show always does).
    const QString& ExecuteText() const { return FExecuteText; }
    virtual void SetExecuteText(const QString& text);
    // The history, most recent first.
    QStringList FindItems() const;
    virtual void SetFindItems(const QStringList& items);
    // The text last searched for, or set by the caller for the next show.
    const QString& FindText() const { return FFindText; }
    void SetFindText(const QString& text);

    // Shows the dialog, or brings it to the front when it is open.
    void Execute();

  Q_SIGNALS:
    // The find button was pressed; the text is in the history by now.
    void FindRequested(const QString& text);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void ComboBoxFindChange(const QString& text);
    void ButtonFindClick();
    void FillComboBoxFind(const QString& text);

    FindHistory FFindItems;
    QString FExecuteText;
    QString FFindText;

    TKNPanel* PanelFind = nullptr;
    QComboBox* ComboBoxFind = nullptr;
    QPushButton* ButtonFind = nullptr;
};

} // namespace kolvi
