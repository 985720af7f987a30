#pragma once

#include <QLineEdit>

class QAbstractButton;

namespace kolvi {

// A numeric edit with up/down arrow buttons inside its right edge. Value is kept
// between MinValue and MaxValue unless the two are equal, which means unbounded.
// Only digits can be typed, but pasted text is accepted and read as a number
// (0 when it is not one); an empty text stands for MinValue and stays empty.
class TKNSpinEdit : public QLineEdit {
    Q_OBJECT

  public:
    static constexpr int UpDownWidth = 14;

    TKNSpinEdit(const QString& name, QWidget* parent);

    int Value() const { return FValue; }
    int MaxValue() const { return FMaxValue; }
    int MinValue() const { return FMinValue; }
    int Increment() const { return FIncrement; }

    virtual void SetFValue(int value);
    virtual void SetFMaxValue(int value);
    virtual void SetFMinValue(int value);
    virtual void SetFIncrement(int value);

  Q_SIGNALS:
    // Raised for every change of the text, after Value has been updated. When
    // the control rewrites the text (clamping, leading zeros) it is raised for
    // the rewrite first and then for the original change, both with the final
    // Value.
    void Changed();
    // The focus moved into the edit from another control (not a return from
    // another window or a popup menu), or an arrow press brought it in.
    void Entered();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void Change();
    void Step(int direction);
    void SetEditRect();
    QRect GetUpDownRect() const;
    void FUpDownClick(int direction);

    int FValue = 0;
    int FMaxValue = 0;
    int FMinValue = 0;
    int FIncrement = 1;
    QWidget* FUpDown = nullptr;
    QAbstractButton* FUpButton = nullptr;
    QAbstractButton* FDownButton = nullptr;
    // The focus left for another window or a popup; its return is no entry.
    bool FFocusAway = false;
};

} // namespace kolvi
