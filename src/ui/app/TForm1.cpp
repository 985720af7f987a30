#include "TForm1.h"

#include "ApplicationWindows.h"
#include "ShortcutDispatcher.h"
#include "UserNotice.h"
#include "color/ColorCode.h"
#include "controls/TKNComboBox.h"
#include "controls/TKNImage.h"
#include "controls/TKNPanel.h"
#include "controls/TKNSpinEdit.h"
#include "lists/TForm2.h"
#include "platform/InstanceChannel.h"
#include "platform/SystemColors.h"
#include "ruler/TForm3.h"

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

TForm1::TForm1(std::vector<std::string> arguments, std::unique_ptr<InstanceChannel> instance,
               SettingsFiles settings)
    : QMainWindow(nullptr), picker_(*this), instance_(std::move(instance)),
      settingsFiles_(std::move(settings)), arguments_(std::move(arguments)) {
    InitResources();
    Form1 = this;
    setObjectName("Form1");
    setWindowTitle(QApplication::applicationName());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    CreateActions();
    windows_ = new ApplicationWindows(
        this, [this] { return ActionOptionMinimizeHide->isChecked(); }, this);
    connect(windows_, &ApplicationWindows::TrayIconClicked, this, &TForm1::WMTrayNotify);
    CreateControls();
    CreateMenus();
    move(DesignLeft, DesignTop);
    LoadSettingsFile();
    ApplyCommandLine();
    LayoutWindow();
    SetTopMost(ActionOptionStayOnTop->isChecked(), this);
    EnableActionLists(true, false);
    ConnectInput();
    ConnectCodes();
    ConnectActionHandlers();

    instance_->onArguments = [this](const std::vector<std::string>& records) {
        WMCopyData(records);
    };
    UpdateInstanceLock();

    ApplyMode();
    SetColor(startColor_);
    PanelBeforeColor->SetColor(ToQColor(startColor_));

    // The option window and the ruler window, created next, hidden at first.
    CreateOptionWindow();
    form3_ = std::make_unique<TForm3>(*this);
    windows_->SetRulerWindow(form3_.get());
    SyncRulerColorPanel();
    form3_->SetMainColor(picker_.CurrentColor());
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (form3_ != nullptr) {
                    form3_->SetTitleActive(state == Qt::ApplicationActive);
                }
            });
    // Ruler mode at start needs the ruler window; until it exists kolvi starts
    // as the picker, so it never starts with nothing visible.
}

TForm1::~TForm1() {
    // Children die after this object; their last signals must not reach it.
    for (QObject* child : findChildren<QObject*>()) {
        child->disconnect(this);
    }
    ComboBoxMainColor->removeEventFilter(this);
    ComboBoxMainColor->lineEdit()->removeEventFilter(this);
    SetTrayIcon(false);
    if (ActionOptionMutex->isChecked()) {
        instance_->SetLocked(false);
    }
    Form1 = nullptr;
}

void TForm1::CreateActions() {
    ActionListMain = new ActionList("ActionListMain", MainActionSpecs(), this);
    ActionListRuler = new ActionList("ActionListRuler", RulerActionSpecs(), this);
    ActionListOption = new ActionList("ActionListOption", OptionActionSpecs(), this);

    ActionOptionSub = Action("ActionOptionSub");
    ActionOptionLowerCase = Action("ActionOptionLowerCase");
    ActionOptionStayOnTop = Action("ActionOptionStayOnTop");
    ActionOptionMinimizeHide = Action("ActionOptionMinimizeHide");
    ActionOptionRulerRun = Action("ActionOptionRulerRun");
    ActionOptionMutex = Action("ActionOptionMutex");
    ActionOptionMainMode0 = Action("ActionOptionMainMode0");
    ActionOptionMainMode1 = Action("ActionOptionMainMode1");
    ActionOptionMainMode2 = Action("ActionOptionMainMode2");

    // One radio group; out-of-range modes leave all three unchecked.
    auto* modes = new QActionGroup(this);
    modes->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (TKNAction* action :
         {ActionOptionMainMode0, ActionOptionMainMode1, ActionOptionMainMode2}) {
        modes->addAction(action);
    }
    auto* lists = new QActionGroup(this);
    lists->addAction(Action("ActionSubFavorite"));
    lists->addAction(Action("ActionSubRecent"));

    shortcuts_ = new ShortcutDispatcher({ActionListMain, ActionListRuler}, this);
    qApp->installEventFilter(shortcuts_);
}

TKNAction* TForm1::Action(const QString& name) const {
    for (const ActionList* list : {ActionListMain, ActionListRuler, ActionListOption}) {
        if (TKNAction* action = list->Find(name)) {
            return action;
        }
    }
    return nullptr;
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
    // Alt+O belongs to the menu "設定(&O)": menu access keys come before a button's.
    ButtonColorCopy->setShortcut(QKeySequence());

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

bool TForm1::SetCommandLineOption(const std::string& argument) {
    if (argument == "-o") {
        ActionOptionSub->setChecked(true);
    } else if (argument == "-p") {
        ActionOptionRulerRun->setChecked(false);
    } else if (argument == "-r") {
        ActionOptionRulerRun->setChecked(true);
    } else {
        return false;
    }
    return true;
}

void TForm1::ApplyCommandLine() {
    for (const std::string& argument : arguments_) {
        SetCommandLineOption(argument);
    }
}

void TForm1::UpdateInstanceLock() {
    if (!instance_->SetLocked(ActionOptionMutex->isChecked())) {
        TellOnStderr(QStringLiteral("[ERROR] : CreateMutex"));
        QMessageBox::critical(this, QApplication::applicationName(),
                              QStringLiteral("[ERROR] : CreateMutex"));
    }
}

void TForm1::WMCopyData(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (SetCommandLineOption(argument)) {
            if (argument == "-o") {
                SyncOptionWindow();
            } else if (argument == "-r") {
                ActionEditRulerExecute(); // only when the picker is shown
            } else if (argument == "-p") {
                ActionRulerPickerExecute(); // only when the ruler is shown
            }
        } else if (argument == "-restore") {
            windows_->Restore();
        }
    }
    // Once for all that came together: a burst must not raise the window
    // thousands of times.
    ActivateFrontWindow();
}

void TForm1::ActivateFrontWindow() {
    windows_->Activate();
}

void TForm1::ApplyMode() {
    ActionOptionMainMode0->setChecked(picker_.PickerMode() == 0);
    ActionOptionMainMode1->setChecked(picker_.PickerMode() == 1);
    ActionOptionMainMode2->setChecked(picker_.PickerMode() == 2);
    picker_.ApplyMode();
}

void TForm1::ActionOptionMainModeExecute(int mode) {
    picker_.SetPickerMode(static_cast<std::int16_t>(mode));
    ApplyMode();
}

void TForm1::ActionOptionMainMode0Execute() {
    ActionOptionMainModeExecute(0);
}

void TForm1::ActionOptionMainMode1Execute() {
    ActionOptionMainModeExecute(1);
}

void TForm1::ActionOptionMainMode2Execute() {
    ActionOptionMainModeExecute(2);
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
    // Rewriting the entry on show also rewrites the edit line: a code being
    // typed must survive both steps.
    QLineEdit* edit = ComboBoxMainColor->lineEdit();
    const QString typed = edit->text();
    const int cursor = edit->cursorPosition();
    RefreshColorCodes(rgb.r, rgb.g, rgb.b);
    ApplyLowerCase();
    if (CodeTyping) {
        if (edit->text() != typed) {
            const QSignalBlocker blocker(edit);
            edit->setText(typed);
            edit->setCursorPosition(cursor);
        }
    } else if (outMode_ >= 0 && outMode_ < 3) {
        ComboBoxMainColor->setEditText(ComboBoxMainColor->itemText(outMode_));
    }
}

void TForm1::PropagateColor() {
    PropagateColorToOptionWindow(picker_.CurrentColor());
    if (form3_ != nullptr) {
        form3_->SetMainColor(picker_.CurrentColor());
    }
}

void TForm1::RefreshColorCodes(int r, int g, int b) {
    const std::array<std::string, 3> entries = ColorCodeEntries(MakeColor(r, g, b));
    for (int i = 0; i < 3; ++i) {
        ComboBoxMainColor->setItemText(
            i, QString::fromStdString(entries[static_cast<std::size_t>(i)]));
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
    // A copy: a render that lets input run between its rows keeps the finished
    // image on screen until it is done.
    ImageMainImage->SetImage(WrapBitmap(picker_.FieldBitmap()).copy());
}

void TForm1::MarkerPlaced() {
    std::vector<QPoint> ring;
    ring.reserve(picker_.MarkerPixels().size());
    for (const Point& p : picker_.MarkerPixels()) {
        ring.emplace_back(p.x, p.y);
    }
    ImageMainImage->SetOverlay(std::move(ring), ToQColor(picker_.MarkerPen()));
}

void TForm1::StripImageChanged() {
    ImageBaseImage->SetImage(WrapBitmap(picker_.StripBitmap()));
}

void TForm1::SliderImageChanged() {
    ImageBaseSlider->SetImage(WrapBitmap(picker_.SliderImage()));
}

void TForm1::FieldRowRendered(int row) {
    if (row <= 1) {
        renderClock_.start();
    } else if (renderClock_.elapsed() >= RenderPumpAfterMs) {
        QApplication::processEvents();
        renderClock_.restart();
    }
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        AppMinimize();
    }
    if (event->type() == QEvent::ApplicationPaletteChange) {
        RefreshSystemColors(QApplication::palette());
        picker_.DrawSlider();
        if (form3_ != nullptr) {
            form3_->RefreshColors();
        }
    }
    QMainWindow::changeEvent(event);
}

} // namespace kolvi
