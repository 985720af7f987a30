#pragma once

#include "color/Bitmap24.h"
#include "ruler/RulerGeometry.h"

#include <QPoint>
#include <QSize>
#include <QWidget>

#include <optional>

class QMenu;
class QScreen;

namespace kolvi {

struct RulerInk;
class TForm1;
class TKNImage;
class TKNPanel;

// The screen ruler: a borderless L of two 40-pixel bands with pixel scales
// counting from the inner corner, marked with the mouse. The rules live in
// RulerGeometry; this window shows them. Its commands are the main window's.
class TForm3 : public QWidget {
    Q_OBJECT

  public:
    explicit TForm3(TForm1& main);
    ~TForm3() override;

    // Both rulers back to the bare scale.
    void ShowRulers();
    // A single mark at a scale position on one ruler; the other keeps its mark.
    void MarkH(int x);
    void MarkV(int y);
    // Width and height within the size limits (80 up to the screen).
    void SetRulerWidth(int width);
    void SetRulerHeight(int height);
    // Keyboard moves and sizes in a row build on what was last asked for, not
    // on a late answer of the window manager to an earlier step.
    void MoveBy(int dx, int dy);
    void ResizeBy(int dw, int dh);
    // The screen the ruler measures on, as of its last show.
    QSize ScreenSize() const { return screenSize_; }
    int WidthStripSize() const;
    int HeightStripSize() const;

    void SetMainColor(TColor color);
    // The title dot: the active or inactive caption colour.
    void SetTitleActive(bool active);
    void SetColorBarShown(bool shown);
    // The system colours changed: the scales, the bar and the dot follow.
    void RefreshColors();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreatePopupMenu();
    QScreen* RulerScreen() const;
    // What depends on the screen: size limits, scale images, the L region and
    // the scales.
    void ApplyScreen();
    RulerInk Ink() const;
    void DrawRulers();
    void ShowMark(bool horizontal, const RulerMark& mark);
    void RulerMouse(bool horizontal, int event, Qt::MouseButton button, QPoint at,
                    Qt::KeyboardModifiers modifiers);
    Extent LabelSize(int from, int to) const;

    TForm1& main_;
    TKNImage* ImageRulerH = nullptr;
    TKNImage* ImageRulerV = nullptr;
    TKNPanel* PanelWidth = nullptr;
    TKNPanel* PanelHeight = nullptr;
    TKNPanel* PanelMain = nullptr;
    TKNPanel* PanelTitle = nullptr;
    TKNPanel* PanelMainColor = nullptr;
    QMenu* PopupMenuMain = nullptr;

    Bitmap24 BitmapRulerV{RulerBand, 1};
    Bitmap24 BitmapRulerH{1, RulerBand};
    QScreen* screen_ = nullptr;
    QSize screenSize_;
    double pixelRatio_ = 1.0;
    bool SizingWidth = false;
    bool SizingHeight = false;
    int DragWidth = 0;
    int DragHeight = 0;
    bool MarkingH = false;
    bool MarkingV = false;
    int AnchorH = 0;
    int AnchorV = 0;
    // The corner square's own move, when the window manager does none.
    bool movePending_ = false;
    bool movingByHand_ = false;
    QPoint pressedAt_;
    QPoint grabOffset_;
    std::optional<QPoint> pendingPos_;
    std::optional<QSize> pendingSize_;
};

// The process-wide ruler window, set while it exists.
extern TForm3* Form3;

} // namespace kolvi
