#pragma once

#include <QLabel>
#include <QString>

class QKeyEvent;

namespace kolvi {

// A label that holds a file path beside the text it shows: how the path is
// shown (shortened, as a tooltip) is up to the user of the control, which
// sets the text itself. Like any label it takes the focus only once given a
// focus policy.
class TKNStaticText : public QLabel {
    Q_OBJECT

  public:
    explicit TKNStaticText(const QString& name, QWidget* parent = nullptr);

    const QString& FilePath() const { return FFilePath; }
    void SetFilePath(const QString& path);

  Q_SIGNALS:
    void Entered();
    void Exited();
    // Before the label's own handling; for direct connections only.
    void KeyPressed(QKeyEvent* event);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QString FFilePath;
};

} // namespace kolvi
