#include "TForm3.h"

#include "app/ApplicationWindows.h"
#include "app/ScreenPlacement.h"
#include "app/TForm1.h"
#include "controls/TKNImage.h"
#include "controls/TKNPanel.h"
#include "ruler/RulerPainting.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QPolygon>
#include <QRegion>
#include <QScreen>
#include <QStyleHints>
#include <QWindow>

#include <cmath>

namespace kolvi {

TForm3* Form3 = nullptr;

namespace {

constexpr int StripSize = 10;
constexpr int DesignLeft = 189;
constexpr int DesignTop = 489;
constexpr int DesignClientWidth = 215;
constexpr int DesignClientHeight = 139;

enum MouseEventKind { Press, Move, Release };

QColor Resolved(TColor color) {
    return ToQColor(ResolveColor(color));
}

} // namespace

TForm3::TForm3(TForm1& main) : QWidget(nullptr), main_(main) {
    Form3 = this;
    setObjectName("Form3");
    setWindowTitle(QApplication::applicationName());
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setCursor(Qt::SizeAllCursor);
    setAutoFillBackground(false);
    setGeometry(DesignLeft, DesignTop, DesignClientWidth, DesignClientHeight);

    ImageRulerH = new TKNImage("ImageRulerH", this);
    ImageRulerH->setGeometry(RulerBand, 0, 1, RulerBand);
    ImageRulerH->setCursor(Qt::SplitHCursor);
    ImageRulerV = new TKNImage("ImageRulerV", this);
    ImageRulerV->setGeometry(0, RulerBand, RulerBand, 1);
    ImageRulerV->setCursor(Qt::SplitVCursor);
    for (const bool horizontal : {true, false}) {
        TKNImage* image = horizontal ? ImageRulerH : ImageRulerV;
        connect(
            image, &TKNImage::MousePressed, this,
            [this, horizontal](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at) {
                RulerMouse(horizontal, Press, button, at, modifiers);
            });
        connect(image, &TKNImage::MouseMoved, this,
                [this, horizontal](Qt::MouseButtons, QPoint at, Qt::KeyboardModifiers modifiers) {
                    RulerMouse(horizontal, Move, Qt::NoButton, at, modifiers);
                });
        connect(
            image, &TKNImage::MouseReleased, this,
            [this, horizontal](Qt::MouseButton button, QPoint at, Qt::KeyboardModifiers modifiers) {
                RulerMouse(horizontal, Release, button, at, modifiers);
            });
    }

    PanelWidth = new TKNPanel("PanelWidth", TKNPanel::Bevel::None, this);
    PanelWidth->setCursor(Qt::SizeHorCursor);
    connect(PanelWidth, &TKNPanel::MousePressed, this, [this] {
        SizingWidth = true;
        DragWidth = width();
    });
    connect(PanelWidth, &TKNPanel::MouseMoved, this, [this](Qt::MouseButtons, QPoint at) {
        if (SizingWidth) {
            SetRulerWidth(DragWidth + at.x());
            DragWidth = width();
        }
    });
    connect(PanelWidth, &TKNPanel::MouseReleased, this, [this] { SizingWidth = false; });
    PanelHeight = new TKNPanel("PanelHeight", TKNPanel::Bevel::None, this);
    PanelHeight->setCursor(Qt::SizeVerCursor);
    connect(PanelHeight, &TKNPanel::MousePressed, this, [this] {
        SizingHeight = true;
        DragHeight = height();
    });
    connect(PanelHeight, &TKNPanel::MouseMoved, this, [this](Qt::MouseButtons, QPoint at) {
        if (SizingHeight) {
            SetRulerHeight(DragHeight + at.y());
            DragHeight = height();
        }
    });
    connect(PanelHeight, &TKNPanel::MouseReleased, this, [this] { SizingHeight = false; });

    PanelMain = new TKNPanel("PanelMain", TKNPanel::Bevel::None, this);
    PanelMain->setGeometry(4, 2, 32, 5);
    PanelMain->SetColor(Resolved(clInfoText));
    PanelMain->setCursor(Qt::ArrowCursor);
    PanelTitle = new TKNPanel("PanelTitle", TKNPanel::Bevel::None, PanelMain);
    PanelTitle->setGeometry(1, 1, 3, 3);
    PanelMainColor = new TKNPanel("PanelMainColor", TKNPanel::Bevel::None, PanelMain);
    PanelMainColor->setGeometry(5, 1, 26, 3);
    for (QWidget* bar : std::initializer_list<QWidget*>{PanelMain, PanelTitle, PanelMainColor}) {
        bar->installEventFilter(this);
    }
    SetTitleActive(true);

    CreatePopupMenu();
    // A ruler kept on a monitor that is gone comes back onto one that is
    // there: its corner square, the handle that moves it, must be reachable.
    // When it is not, the whole ruler comes onto the nearest screen.
    const QRect rect = main_.RulerRect();
    setGeometry(
        QRect(ReachableOnTheScreens(rect.topLeft(), rect.size(), QSize(RulerBand, RulerBand)),
              rect.size()));
}

TForm3::~TForm3() {
    Form3 = nullptr;
}

void TForm3::CreatePopupMenu() {
    PopupMenuMain = new QMenu(this);
    PopupMenuMain->setObjectName("PopupMenuMain");
    PopupMenuMain->addAction(main_.Action("ActionRulerPicker"));
    PopupMenuMain->addSeparator();
    PopupMenuMain->addAction(main_.Action("ActionRulerClear"));
    PopupMenuMain->addSeparator();
    QMenu* options = PopupMenuMain->addMenu(QStringLiteral("設定(&O)"));
    options->setObjectName("MenuRuleOption");
    for (const char* name :
         {"ActionRulerMainColor", "ActionRulerStayOnTop", "ActionOptionMinimizeHide",
          "ActionOptionRulerRun", "ActionOptionMutex"}) {
        options->addAction(main_.Action(QString::fromLatin1(name)));
    }
    PopupMenuMain->addSeparator();
    PopupMenuMain->addAction(main_.Action("ActionEditMinimize"));
    PopupMenuMain->addAction(main_.Action("ActionEditClose"));
}

int TForm3::WidthStripSize() const {
    return PanelWidth->width();
}

int TForm3::HeightStripSize() const {
    return PanelHeight->height();
}

void TForm3::SetRulerWidth(int width) {
    pendingSize_.reset();
    resize(ClampRulerExtent(width, screenSize_.width()), height());
}

void TForm3::SetRulerHeight(int height) {
    pendingSize_.reset();
    resize(this->width(), ClampRulerExtent(height, screenSize_.height()));
}

void TForm3::MoveBy(int dx, int dy) {
    const QPoint from = pendingPos_.value_or(pos());
    pendingPos_ = from + QPoint(dx, dy);
    move(*pendingPos_);
}

void TForm3::ResizeBy(int dw, int dh) {
    const QSize from = pendingSize_.value_or(size());
    const QSize to(ClampRulerExtent(from.width() + dw, screenSize_.width()),
                   ClampRulerExtent(from.height() + dh, screenSize_.height()));
    pendingSize_ = to;
    resize(to);
}

void TForm3::SetMainColor(TColor color) {
    PanelMainColor->SetColor(ToQColor(color));
}

void TForm3::SetTitleActive(bool active) {
    PanelTitle->SetColor(Resolved(active ? clActiveCaption : clInactiveCaption));
}

void TForm3::RefreshColors() {
    PanelMain->SetColor(Resolved(clInfoText));
    SetTitleActive(QGuiApplication::applicationState() == Qt::ApplicationActive);
    if (isVisible()) {
        DrawRulers();
    }
    update();
}

void TForm3::SetColorBarShown(bool shown) {
    PanelMain->setVisible(shown);
}

void TForm3::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) {
        return;
    }
    SetMainColor(main_.CurrentColor());
    main_.SetTopMost(main_.Action("ActionRulerStayOnTop")->isChecked(), this);
    SetColorBarShown(main_.Action("ActionRulerMainColor")->isChecked());
    SizingWidth = false;
    SizingHeight = false;
    DragWidth = width();
    DragHeight = height();
    ApplyScreen();
}

QScreen* TForm3::RulerScreen() const {
    // The screen that holds the ruler's corner measures it.
    if (QScreen* at = QGuiApplication::screenAt(pos())) {
        return at;
    }
    return screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
}

void TForm3::ApplyScreen() {
    pendingPos_.reset();
    pendingSize_.reset();
    screen_ = RulerScreen();
    screenSize_ = screen_->geometry().size();
    const int sw = screenSize_.width();
    const int sh = screenSize_.height();
    setMinimumSize(RulerMinimumSize, RulerMinimumSize);
    setMaximumSize(std::max(sw, RulerMinimumSize), std::max(sh, RulerMinimumSize));
    // The scale images in the screen's device pixels, so a scaled screen
    // shows them crisp.
    pixelRatio_ = screen_->devicePixelRatio();
    const auto device = [this](int length) {
        return std::max(static_cast<int>(std::ceil(length * pixelRatio_)), 1);
    };
    BitmapRulerV = Bitmap24(device(RulerBand), device(sh - RulerBand));
    BitmapRulerH = Bitmap24(device(sw - RulerBand), device(RulerBand));
    ImageRulerH->resize(sw, RulerBand);
    ImageRulerV->resize(RulerBand, sh);
    QPolygon region;
    for (const Point& corner : RulerRegion(sw, sh)) {
        region << QPoint(corner.x, corner.y);
    }
    setMask(QRegion(region));
    DrawRulers();
}

void TForm3::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (pendingPos_ && pos() == *pendingPos_) {
        pendingPos_.reset(); // the window manager has caught up
    }
    // Moved onto another monitor: measure on that one.
    if (isVisible() && screen_ != nullptr && RulerScreen() != screen_) {
        ApplyScreen();
    }
}

void TForm3::closeEvent(QCloseEvent* event) {
    if (event->spontaneous()) {
        // The window manager's close (Alt+F4 taken by it, a close button):
        // in ruler mode that is closing kolvi, as 閉じる(&X) is.
        event->ignore();
        main_.Action("ActionEditClose")->trigger();
        return;
    }
    main_.SetRulerRect(geometry());
    QWidget::closeEvent(event);
}

void TForm3::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        main_.Windows().FrontWindowMinimized();
    }
    QWidget::changeEvent(event);
}

void TForm3::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (pendingSize_ && size() == *pendingSize_) {
        pendingSize_.reset();
    }
    PanelWidth->setGeometry(width() - StripSize, 0, StripSize, height());
    PanelHeight->setGeometry(0, height() - StripSize, width(), StripSize);
}

void TForm3::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Resolved(clInfoBk));
}

void TForm3::mousePressEvent(QMouseEvent* event) {
    // The mouse takes over from the keys.
    pendingPos_.reset();
    pendingSize_.reset();
    if (event->button() == Qt::LeftButton) {
        movePending_ = true;
        pressedAt_ = event->globalPosition().toPoint();
        grabOffset_ = pressedAt_ - pos();
    }
}

void TForm3::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->globalPosition().toPoint();
    if (movingByHand_) {
        move(at - grabOffset_);
        return;
    }
    // The window manager's move starts once the drag threshold is passed: on
    // a bare click it would stay in move mode until the next release.
    if (movePending_ &&
        (at - pressedAt_).manhattanLength() >= QGuiApplication::styleHints()->startDragDistance()) {
        movePending_ = false;
        if (windowHandle() == nullptr || !windowHandle()->startSystemMove()) {
            movingByHand_ = true;
            move(at - grabOffset_);
        }
    }
}

void TForm3::mouseReleaseEvent(QMouseEvent*) {
    movePending_ = false;
    movingByHand_ = false;
}

void TForm3::contextMenuEvent(QContextMenuEvent* event) {
    PopupMenuMain->popup(event->globalPos());
}

RulerInk TForm3::Ink() const {
    return {font(), Resolved(clInfoText), Resolved(clInfoBk), pixelRatio_};
}

void TForm3::DrawRulers() {
    const RulerInk ink = Ink();
    DrawBareScale(BitmapRulerV, false, ink);
    DrawBareScale(BitmapRulerH, true, ink);
    ShowRulers();
}

void TForm3::ShowRulers() {
    ImageRulerV->SetImage(BitmapImage(BitmapRulerV, pixelRatio_).copy());
    ImageRulerH->SetImage(BitmapImage(BitmapRulerH, pixelRatio_).copy());
}

Extent TForm3::LabelSize(int from, int to) const {
    return RulerTextSize(font(), QString::fromStdString(MarkLabel(from, to, pixelRatio_)));
}

void TForm3::ShowMark(bool horizontal, const RulerMark& mark) {
    (horizontal ? ImageRulerH : ImageRulerV)
        ->SetImage(MarkedScale(horizontal ? BitmapRulerH : BitmapRulerV, horizontal, mark, Ink()));
}

void TForm3::MarkH(int x) {
    ShowMark(true, SingleMark(true, x));
}

void TForm3::MarkV(int y) {
    ShowMark(false, SingleMark(false, y));
}

void TForm3::RulerMouse(bool horizontal, int event, Qt::MouseButton button, QPoint at,
                        Qt::KeyboardModifiers modifiers) {
    bool& marking = horizontal ? MarkingH : MarkingV;
    int& anchor = horizontal ? AnchorH : AnchorV;
    int p = horizontal ? at.x() : at.y();
    const bool snap = modifiers & Qt::ControlModifier;
    const bool span = modifiers & Qt::ShiftModifier;
    if (event == Press) {
        if (button != Qt::LeftButton) {
            return;
        }
        marking = true;
        anchor = snap ? SnapToFive(p) : p;
        return;
    }
    if (!marking || (event == Release && button != Qt::LeftButton)) {
        return;
    }
    p = std::max(p, 0);
    if (snap) {
        p = SnapToFive(p);
    }
    if (span) {
        ShowMark(horizontal, SpanMark(horizontal, anchor, p,
                                      LabelSize(std::min(anchor, p), std::max(anchor, p))));
    } else {
        ShowMark(horizontal, SingleMark(horizontal, p));
    }
    if (event == Release) {
        marking = false;
    }
}

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick &&
        (watched == PanelMain || watched == PanelTitle || watched == PanelMainColor)) {
        main_.Action("ActionRulerPicker")->trigger();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kolvi
