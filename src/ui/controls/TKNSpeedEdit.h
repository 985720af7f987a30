#pragma once

#include <QLineEdit>

class QToolButton;

namespace kolvi {

// A line edit with a small square flat button inside the right end of its
// border; the text area stops at the button's left edge. The button is
// enabled and disabled with the edit and shows the arrow cursor.
class TKNSpeedEdit : public QLineEdit {
    Q_OBJECT

  public:
    TKNSpeedEdit(const QString& name, QWidget* parent);

    QString ButtonCaption() const { return buttonCaption_; }
    void SetButtonCaption(const QString& caption);
    QToolButton* Button() const { return button_; }

  Q_SIGNALS:
    void ButtonClick();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Inside the style's frame where the edit has one, else the whole client
    // area's right end: left = width - height.
    QRect ButtonGeometry() const;
    void LayOut();

    QToolButton* button_;
    QString buttonCaption_;
};

} // namespace kolvi
