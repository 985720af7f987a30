#pragma once

#include <QColor>
#include <QFrame>

namespace kolvi {

// A panel: a plain or lowered one-pixel bevel, optionally filled with a colour
// (the colour swatches) and holding child controls at fixed positions.
class TKNPanel : public QFrame {
    Q_OBJECT

  public:
    enum class Bevel { None, Lowered };

    TKNPanel(const QString& name, Bevel bevel, QWidget* parent);

    void SetColor(const QColor& color);
    QColor Color() const { return color_; }

  Q_SIGNALS:
    void MousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void MouseMoved(Qt::MouseButtons buttons, QPoint position, Qt::KeyboardModifiers modifiers);
    void MouseReleased(Qt::MouseButton button, QPoint position, Qt::KeyboardModifiers modifiers);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QColor color_;
};

} // namespace kolvi
