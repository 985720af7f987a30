#include "TForm1.h"

#include "ShortcutDispatcher.h"
#include "color/ColorCode.h"
#include "controls/TKNComboBox.h"
#include "controls/TKNImage.h"
#include "controls/TKNPanel.h"
#include "controls/TKNSpinEdit.h"
#include "platform/InstanceChannel.h"
#include "platform/SystemColors.h"

#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>

// Resources live in the static UI library; the linker keeps them only when asked.
static void InitResources() {
    Q_INIT_RESOURCE(kolvi);
}

namespace kolvi {

TForm1* Form1 = nullptr;

namespace {

constexpr int DesignLeft = 189;
constexpr int DesignTop = 113;
constexpr int PanelBaseWidth = 360;
constexpr int PanelBaseHeight = 305;
constexpr TColor StartColor = 0x000000FF;
// Pending input runs inside a render only once it has taken this long, so a fast
// render never pays for pumping the event queue after each of its rows.
constexpr qint64 RenderPumpAfterMs = 8;

QImage WrapBitmap(const Bitmap24& bitmap) {
    return QImage(bitmap.Bytes(), bitmap.Width(), bitmap.Height(),
                  static_cast<qsizetype>(bitmap.Stride()), QImage::Format_BGR888);
}

} // namespace

QColor ToQColor(TColor color) {
    const RGB rgb = SplitRGB(color);
    return QColor(rgb.r, rgb.g, rgb.b);
}

TForm1::TForm1(std::vector<std::string> arguments, std::unique_ptr<InstanceChannel> instance)
    : QMainWindow(nullptr), picker_(*this), instance_(std::move(instance)),
      arguments_(std::move(arguments)) {
    InitResources();
    Form1 = this;
    setObjectName("Form1");
    setWindowTitle(QApplication::applicationName());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    FormReady = true;

    CreateActions();
    CreateControls();
    move(DesignLeft, DesignTop);
    ApplyCommandLine();
    LayoutWindow();
    ConnectInput();
    ConnectCodes();

    instance_->onArgument = [this](const std::string& argument) { WMCopyData(argument); };
    UpdateInstanceLock();

    ApplyMode();
    SetColor(StartColor);
    PanelBeforeColor->SetColor(ToQColor(StartColor));
}

TForm1::~TForm1() {
    // Children die after this object; their last signals must not reach it.
    for (QObject* child : findChildren<QObject*>()) {
        child->disconnect(this);
    }
    ComboBoxMainColor->lineEdit()->removeEventFilter(this);
    if (ActionOptionMutex->isChecked()) {
        instance_->SetLocked(false);
    }
    Form1 = nullptr;
}

void TForm1::CreateActions() {
    ActionListMain = new ActionList("ActionListMain", this);
    const QString edit = QStringLiteral("編集");
    const QString option = QStringLiteral("設定");
    const QString help = QStringLiteral("ヘルプ");
    ActionList& list = *ActionListMain;
    list.Add("ActionEditColorPaste", edit, QStringLiteral("色の貼り付け(&P)"), 24662);
    list.Add("ActionEditColorCopy", edit, QStringLiteral("色のコピー(&C)"), 24643);
    list.Add("ActionEditReverse", edit, QStringLiteral("反転(&I)"), 16457);
    list.Add("ActionEditRuler", edit, QStringLiteral("ルーラーモード(&R)"), 16466);
    // In no menu, reached by its shortcut only. (A hidden QAction is disabled,
    // so it stays visible and is simply never added to a menu.)
    list.Add("ActionEditCursorColor", edit,
             QStringLiteral("カーソル位置からカラーコードを取得(&S)"), 16467);
    list.Add("ActionEditMinimize", edit, QStringLiteral("最小化(&M)"), 27);
    list.Add("ActionEditClose", edit, QStringLiteral("閉じる(&X)"), 32883);
    list.Add("ActionOptionTool", option, QStringLiteral("ショートカットカスタマイズ(&E)..."), 120);
    ActionOptionSub = list.Add("ActionOptionSub", option, QStringLiteral("オプション(&O)"), 16452);
    ActionOptionLowerCase =
        list.Add("ActionOptionLowerCase", option, QStringLiteral("小文字アルファベット(&L)"), 0);
    list.Add("ActionOptionStayOnTop", option, QStringLiteral("常に手前に表示(&A)"), 0)
        ->setCheckable(true);
    list.Add("ActionOptionMinimizeHide", option, QStringLiteral("最小化時にタスクトレイへ格納(&N)"),
             0);
    ActionOptionRulerRun =
        list.Add("ActionOptionRulerRun", option, QStringLiteral("ルーラーモードで起動(&R)"), 0);
    ActionOptionMutex =
        list.Add("ActionOptionMutex", option, QStringLiteral("二重起動禁止(&M)"), 0);
    ActionOptionMainMode0 =
        list.Add("ActionOptionMainMode0", option, QStringLiteral("フルカラー(&F)"), 112);
    ActionOptionMainMode1 =
        list.Add("ActionOptionMainMode1", option, QStringLiteral("&Webセーフカラー"), 113);
    ActionOptionMainMode2 =
        list.Add("ActionOptionMainMode2", option, QStringLiteral("&256色"), 114);
    list.Add("ActionHelpReadme", help, QStringLiteral("&readme.txt"), 0);
    list.Add("ActionHelpOnline", help, QStringLiteral("&online Help"), 0);

    for (TKNAction* action :
         {ActionOptionSub, ActionOptionLowerCase, ActionOptionRulerRun, ActionOptionMutex,
          ActionOptionMainMode0, ActionOptionMainMode1, ActionOptionMainMode2}) {
        action->setCheckable(true);
    }
    list.Find("ActionOptionMinimizeHide")->setCheckable(true);
    list.Find("ActionOptionMinimizeHide")->setChecked(true);
    ActionOptionMutex->setChecked(true);

    auto* modes = new QActionGroup(this);
    modes->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    int mode = 0;
    for (TKNAction* action :
         {ActionOptionMainMode0, ActionOptionMainMode1, ActionOptionMainMode2}) {
        modes->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, mode] { ActionOptionMainModeExecute(mode); });
        ++mode;
    }

    shortcuts_ = new ShortcutDispatcher({ActionListMain}, this);
    qApp->installEventFilter(shortcuts_);
}

void TForm1::CreateControls() {
    PanelBase = new QWidget(this);
    PanelBase->setObjectName("PanelBase");
    PanelBase->setFixedSize(PanelBaseWidth, PanelBaseHeight);
    setCentralWidget(PanelBase);

    PanelHR1 = new TKNPanel("PanelHR1", TKNPanel::Bevel::Lowered, PanelBase);
    PanelHR1->setGeometry(0, 0, PanelBaseWidth, 2);

    PanelMainImage = new TKNPanel("PanelMainImage", TKNPanel::Bevel::Lowered, PanelBase);
    PanelMainImage->setGeometry(8, 10, 258, 258);
    ImageMainImage = new TKNImage("ImageMainImage", PanelMainImage);
    ImageMainImage->setGeometry(1, 1, FieldSize, FieldSize);
    ImageMainImage->setCursor(QCursor(QPixmap(":/colorpicker-cursor.xpm"), 15, 15));

    PanelBaseImage = new TKNPanel("PanelBaseImage", TKNPanel::Bevel::Lowered, PanelBase);
    PanelBaseImage->setGeometry(328, 11, 18, 255);
    ImageBaseImage = new TKNImage("ImageBaseImage", PanelBaseImage);
    ImageBaseImage->setGeometry(1, 1, StripWidth, StripHeight);
    ImageBaseSlider = new TKNImage("ImageBaseSlider", PanelBase);
    ImageBaseSlider->setGeometry(346, 7, SliderWidth, SliderHeight);

    PanelBaseColor = new TKNPanel("PanelBaseColor", TKNPanel::Bevel::Lowered, PanelBase);
    PanelBaseColor->setGeometry(288, 10, 32, 17);

    ImageMerlin = new TKNImage("ImageMerlin", PanelBase);
    ImageMerlin->setGeometry(288, 34, 32, 32);
    ImageMerlin->SetImage(QImage(":/merlin.xpm"));
    ImageMerlin->hide();

    const char* labels[] = {"R", "G", "B"};
    QLabel** labelFields[] = {&LabelR, &LabelG, &LabelB};
    TKNSpinEdit** editFields[] = {&EditR, &EditG, &EditB};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(labels[i], PanelBase);
        label->setObjectName(QStringLiteral("Label") + labels[i]);
        label->move(270, 158 + 24 * i);
        label->adjustSize();
        *labelFields[i] = label;
        auto* spin = new TKNSpinEdit(QStringLiteral("Edit") + labels[i], PanelBase);
        spin->setGeometry(280, 154 + 24 * i, 41, 20);
        spin->setMaxLength(3);
        spin->SetFMaxValue(255);
        *editFields[i] = spin;
    }

    PanelTest = new TKNPanel("PanelTest", TKNPanel::Bevel::Lowered, PanelBase);
    PanelTest->setGeometry(272, 235, 32, 32);
    PanelMainColor = new TKNPanel("PanelMainColor", TKNPanel::Bevel::None, PanelTest);
    PanelMainColor->setGeometry(1, 1, 30, 15);
    PanelBeforeColor = new TKNPanel("PanelBeforeColor", TKNPanel::Bevel::None, PanelTest);
    PanelBeforeColor->setGeometry(1, 16, 30, 15);

    ButtonColorPaste = new QPushButton(QStringLiteral("&In"), PanelBase);
    ButtonColorPaste->setObjectName("ButtonColorPaste");
    ButtonColorPaste->setGeometry(159, 274, 41, 21);

    ComboBoxMainColor = new TKNComboBox("ComboBoxMainColor", PanelBase);
    ComboBoxMainColor->setEditable(true);
    ComboBoxMainColor->setInsertPolicy(QComboBox::NoInsert);
    // Completing a code from the entries would rewrite what is being typed.
    ComboBoxMainColor->setCompleter(nullptr);
    QFont codeFont(QStringLiteral("Terminal"));
    codeFont.setPixelSize(13);
    ComboBoxMainColor->setFont(codeFont);
    ComboBoxMainColor->addItems({"#RRGGBB", "RRGGBB", "0x00GGBBRR"});
    ComboBoxMainColor->setGeometry(207, 274, 97, ComboBoxMainColor->sizeHint().height());

    ButtonColorCopy = new QPushButton(QStringLiteral("&Out"), PanelBase);
    ButtonColorCopy->setObjectName("ButtonColorCopy");
    ButtonColorCopy->setGeometry(311, 274, 41, 21);

    setTabOrder(ComboBoxMainColor, ButtonColorCopy);
    ComboBoxMainColor->setFocus();
}

void TForm1::LayoutWindow() {
    const int comboHeight = ComboBoxMainColor->height();
    ButtonColorPaste->setFixedHeight(comboHeight);
    ButtonColorCopy->setFixedHeight(comboHeight);
    PanelBase->setFixedSize(PanelBaseWidth,
                            ComboBoxMainColor->y() + comboHeight + PanelMainImage->x());
    setFixedSize(sizeHint());
}

void TForm1::ApplyCommandLine() {
    for (const std::string& argument : arguments_) {
        if (argument == "-o") {
            ActionOptionSub->setChecked(true);
        } else if (argument == "-p") {
            ActionOptionRulerRun->setChecked(false);
        } else if (argument == "-r") {
            ActionOptionRulerRun->setChecked(true);
        }
    }
}

void TForm1::UpdateInstanceLock() {
    if (!instance_->SetLocked(ActionOptionMutex->isChecked())) {
        QMessageBox::critical(this, QApplication::applicationName(),
                              QStringLiteral("[ERROR] : CreateMutex"));
    }
}

void TForm1::WMCopyData(const std::string& argument) {
    if (argument == "-o") {
        ActionOptionSub->setChecked(true);
    } else if (argument == "-p") {
        ActionOptionRulerRun->setChecked(false);
    } else if (argument == "-r") {
        ActionOptionRulerRun->setChecked(true);
    } else if (argument == "-restore") {
        if (isMinimized()) {
            showNormal();
        } else {
            show();
        }
    }
    ActivateFrontWindow();
}

void TForm1::ActivateFrontWindow() {
    if (isVisible()) {
        raise();
        activateWindow();
    }
}

void TForm1::ApplyMode() {
    ActionOptionMainMode0->setChecked(picker_.PickerMode == 0);
    ActionOptionMainMode1->setChecked(picker_.PickerMode == 1);
    ActionOptionMainMode2->setChecked(picker_.PickerMode == 2);
    picker_.ApplyMode();
}

void TForm1::ActionOptionMainModeExecute(int mode) {
    picker_.PickerMode = static_cast<std::int16_t>(mode);
    ApplyMode();
}

void TForm1::SetCurrentColor(TColor color) {
    PanelMainColor->SetColor(ToQColor(color));
    PropagateColor();
    const RGB rgb = SplitRGB(color);
    if (!EditsUpdating) {
        EditsUpdating = true;
        EditR->SetFValue(rgb.r);
        EditG->SetFValue(rgb.g);
        EditB->SetFValue(rgb.b);
        EditsUpdating = false;
    }
    RefreshColorCodes(rgb.r, rgb.g, rgb.b);
    ApplyLowerCase();
    if (!CodeTyping && OutMode >= 0 && OutMode < 3) {
        ComboBoxMainColor->setEditText(ComboBoxMainColor->itemText(OutMode));
    }
}

void TForm1::PropagateColor() {
    // The option window and the ruler take the colour once they exist.
}

void TForm1::RefreshColorCodes(int r, int g, int b) {
    const std::array<std::string, 3> entries = ColorCodeEntries(MakeColor(r, g, b));
    // Rewriting the current entry would also rewrite a code being typed.
    QLineEdit* edit = ComboBoxMainColor->lineEdit();
    const QString typed = edit->text();
    const int cursor = edit->cursorPosition();
    for (int i = 0; i < 3; ++i) {
        ComboBoxMainColor->setItemText(
            i, QString::fromStdString(entries[static_cast<std::size_t>(i)]));
    }
    if (CodeTyping && edit->text() != typed) {
        const QSignalBlocker blocker(edit);
        edit->setText(typed);
        edit->setCursorPosition(cursor);
    }
}

void TForm1::ApplyLowerCase() {
    if (!ActionOptionLowerCase->isChecked()) {
        return;
    }
    for (int i = 0; i < 3; ++i) {
        ComboBoxMainColor->setItemText(i, ComboBoxMainColor->itemText(i).toLower());
    }
}

void TForm1::CurrentColorSet(TColor color) {
    SetCurrentColor(color);
}

void TForm1::BaseColorSet(TColor color) {
    PanelBaseColor->SetColor(ToQColor(color));
}

void TForm1::FieldImageChanged() {
    std::vector<QPoint> ring;
    ring.reserve(picker_.MarkerPixels().size());
    for (const Point& p : picker_.MarkerPixels()) {
        ring.emplace_back(p.x, p.y);
    }
    ImageMainImage->SetImage(WrapBitmap(picker_.FieldBitmap()));
    ImageMainImage->SetOverlay(std::move(ring), ToQColor(picker_.MarkerPen()));
}

void TForm1::StripImageChanged() {
    ImageBaseImage->SetImage(WrapBitmap(picker_.StripBitmap()));
}

void TForm1::SliderImageChanged() {
    ImageBaseSlider->SetImage(WrapBitmap(picker_.SliderImage()));
}

void TForm1::FieldRowRendered() {
    if (picker_.RenderRow <= 1) {
        renderClock_.start();
    } else if (renderClock_.elapsed() >= RenderPumpAfterMs) {
        QApplication::processEvents();
        renderClock_.restart();
    }
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ApplicationPaletteChange) {
        RefreshSystemColors(QApplication::palette());
        picker_.DrawSlider();
    }
    QMainWindow::changeEvent(event);
}

} // namespace kolvi
