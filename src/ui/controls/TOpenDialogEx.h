#pragma once

#include <QFileDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;

namespace kolvi {

// Qt's own (non-native) open dialog with a strip below the standard controls
// for choosing a character code from a list the caller fills. The caller
// presets the indexes, runs Execute and reads the chosen ones back. The strip
// lives in Qt's widgets: keep DontUseNativeDialog in the options.
class TOpenDialogEx : public QFileDialog {
    Q_OBJECT

  public:
    explicit TOpenDialogEx(QWidget* parent = nullptr);

    const QStringList& CharCodeList() const { return FCharCodeList; }
    void SetCharCodeList(const QStringList& list);
    const QStringList& ReturnCodeList() const { return FReturnCodeList; }
    void SetReturnCodeList(const QStringList& list);
    // −1 for none; an index outside its list as it is then is stored as −1,
    // so set the list first.
    int CharCodeIndex() const { return FCharCodeIndex; }
    void SetCharCodeIndex(int index);
    int ReturnCodeIndex() const { return FReturnCodeIndex; }
    void SetReturnCodeIndex(int index);
    // Carried by a check box that stays hidden, so it comes back as set.
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool readOnly);

    // Runs modally; true when the user confirmed a file name. The indexes
    // and ReadOnly are read back from the strip however the dialog closed.
    bool Execute();

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

    QLabel* FStaticText2 = nullptr;
    QComboBox* FReturnCodeComboBox = nullptr;

  private:
    QStringList FCharCodeList;
    QStringList FReturnCodeList;
    int FCharCodeIndex = -1;
    int FReturnCodeIndex = -1;
    bool FReadOnly = false;

    QComboBox* FCharCodeComboBox = nullptr;
    QCheckBox* FReadOnlyCheckBox = nullptr;
};

} // namespace kolvi
