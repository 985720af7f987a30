#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QWidget>

#include <vector>

namespace kolvi {

// Shows an image at its natural size and reports the mouse in its own client
// coordinates; while a button is held it keeps receiving moves and the release
// even outside its bounds.
class TKNImage : public QWidget {
    Q_OBJECT

  public:
    TKNImage(const QString& name, QWidget* parent);

    void SetImage(const QImage& image);
    // Single pixels drawn over the image (the field's marker ring).
    void SetOverlay(std::vector<QPoint> pixels, const QColor& color);
    const QImage& Image() const { return image_; }

  Q_SIGNALS:
    void MousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void MouseMoved(Qt::MouseButtons buttons, QPoint position, Qt::KeyboardModifiers modifiers);
    void MouseReleased(Qt::MouseButton button, QPoint position, Qt::KeyboardModifiers modifiers);
    void Clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QImage image_;
    std::vector<QPoint> overlay_;
    QColor overlayColor_;
};

} // namespace kolvi
