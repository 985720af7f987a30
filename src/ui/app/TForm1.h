#pragma once

#include "ActionList.h"
#include "SettingsLocation.h"
#include "color/ColorPicker.h"
#include "lists/ColorHistory.h"
#include "shell/Settings.h"

#include <QElapsedTimer>
#include <QImage>
#include <QMainWindow>
#include <QRect>

#include <memory>
#include <span>
#include <string>
#include <vector>

class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;

namespace kolvi {

class InstanceChannel;
class ShortcutDispatcher;
class TKNComboBox;
class TKNImage;
class TKNPanel;
class TKNSpinEdit;
class ApplicationWindows;
class TForm2;
class TForm3;

// The colour picker window: owner of the picker state, the action lists and the
// instance lock. The algorithms live in ColorPicker; this class shows them.
class TForm1 : public QMainWindow, private PickerListener {
    Q_OBJECT

  public:
    // The settings are read from `settings.read` now and written to
    // `settings.write` when the window closes.
    TForm1(std::vector<std::string> arguments, std::unique_ptr<InstanceChannel> instance,
           SettingsFiles settings);
    ~TForm1() override;

    // What the option window, the ruler and the shortcut dialog reach of the
    // main window; its controls are its own (found by name in tests).

    // The colour.
    const ColorPicker& Picker() const { return picker_; }
    TColor CurrentColor() const { return picker_.CurrentColor(); }
    void SetColor(TColor color) { picker_.SetColor(color); }
    void SetColorRGB(int r, int g, int b) { picker_.SetColorRGB(r, g, b); }
    // The notation colours are copied out in: 0 "#RRGGBB", 1 "RRGGBB", 2 "0x00BBGGRR".
    std::int16_t OutMode() const { return outMode_; }
    // A swatch clicked: its colour to the option window's text sample.
    void ApplyTestColor(TKNPanel* swatch, Qt::MouseButton button);

    // The commands, by name, and the lists they belong to.
    TKNAction* Action(const QString& name) const;
    ActionList* MainActionList() const { return ActionListMain; }
    ActionList* RulerActionList() const { return ActionListRuler; }
    ActionList* OptionActionList() const { return ActionListOption; }
    void EnableActionLists(bool main, bool ruler);
    void SetTopMost(bool topMost, QWidget* window);
    void SyncOptionWindow();

    // The output history: the colours copied out, newest first.
    const kolvi::ColorHistory& History() const { return ColorHistory; }
    // Kept between runs for the other windows.
    QRect RulerRect() const { return rulerRect_; }
    void SetRulerRect(const QRect& rect) { rulerRect_ = rect; }
    TColor TestFontColor() const { return testFontColor_; }
    void SetTestFontColor(TColor color) { testFontColor_ = color; }
    TColor TestBackColor() const { return testBackColor_; }
    void SetTestBackColor(TColor color) { testBackColor_ = color; }
    // The pixels around the pointer of the last screen sample; null until one is taken.
    const QImage* CursorSample() const { return cursorSampleTaken_ ? &cursorSample_ : nullptr; }

    // The instance channel, the tray and the window states.
    // Forwarded arguments that arrived together, applied in order; then the
    // front window comes forward once.
    void WMCopyData(const std::vector<std::string>& arguments);
    void ActivateFrontWindow();
    // A click on the tray icon.
    void WMTrayNotify();
    void SetTrayIcon(bool show);
    bool TrayIconShown() const;
    // Minimising, restoring and activating the front window, and the mode.
    ApplicationWindows& Windows() { return *windows_; }
    // False once a close could keep the settings nowhere (the user was told).
    bool SettingsSaved() const { return settingsSaved_; }

    // Where the user guide and the manual are: beside the program, or where an
    // installation put them.
    static QString HelpFilePath(const QString& fileName);

    // The first show: the picker, or only the ruler when kolvi starts in ruler mode.
    void ShowAtStart();
    // The ruler window's colour bar follows ActionRulerMainColor.
    void SyncRulerColorPanel();

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    void CreateControls();
    void CreateActions();
    void CreateMenus();
    // Each action to its handler (TForm1Actions.cpp).
    void ConnectActionHandlers();
    void ConnectInput();
    void ConnectCodes();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void LayoutWindow();
    void ApplyCommandLine();
    // "-o", "-p" or "-r": sets its option; false for any other argument.
    bool SetCommandLineOption(const std::string& argument);
    void UpdateInstanceLock();

    // The settings file (TForm1Settings.cpp).
    struct WindowSetting;
    static std::span<const WindowSetting> WindowSettings();
    SettingValue SettingOf(const std::string& target) const;
    void ApplySetting(const std::string& target, const SettingValue& value);
    SettingValues CurrentSettings() const;
    void LoadSettingsFile();
    void ReportSettingsReadProblem();
    void SaveSettingsFile();

    // The colour shown.
    void SetCurrentColor(TColor color);
    void PropagateColor();
    void ApplyMode();
    void ApplyLowerCase();
    void RefreshColorCodes(int r, int g, int b);

    // The front window was minimised by its own minimise button.
    void AppMinimize();

    // Main-window commands.
    void ActionEditRulerExecute();
    void ActionEditMinimizeExecute();
    void ActionEditCloseExecute();
    void ActionOptionToolExecute();
    void ActionOptionSubExecute();
    void ActionOptionStayOnTopExecute();
    void ActionOptionMutexExecute();
    void ActionOptionMainModeExecute(int mode);
    void ActionOptionMainMode0Execute();
    void ActionOptionMainMode1Execute();
    void ActionOptionMainMode2Execute();
    void ActionHelpReadmeExecute();
    void ActionHelpOnlineExecute();

    // Ruler commands (TForm1Ruler.cpp).
    void ActionRulerPickerExecute();
    void ActionRulerStayOnTopExecute();
    void ActionRulerMainColorExecute();
    void ActionRulerClearExecute();
    void ActionRulerCursorMarkExecute();
    void ActionRulerCursorSizeExecute();
    void ActionRulerUpExecute();
    void ActionRulerDownExecute();
    void ActionRulerLeftExecute();
    void ActionRulerRightExecute();
    void ActionRulerHUpExecute();
    void ActionRulerHDownExecute();
    void ActionRulerVUpExecute();
    void ActionRulerVDownExecute();
    // Option-window commands (TForm1Lists.cpp).
    void CreateOptionWindow();
    void DockOptionWindow();
    void PropagateColorToOptionWindow(TColor color);
    void ActionSubFavoriteExecute();
    void ActionSubRecentExecute();
    void ActionSubEditExecute();
    void ActionSubToClipboardExecute();
    void ActionSubApplyExecute();
    void ActionSubAddExecute();
    void ActionSubDeleteExecute();
    void ActionSubUpExecute();
    void ActionSubDownExecute();
    void ActionSubTestFontExecute();
    void ActionSubTestBackExecute();

    void MoveRuler(int dx, int dy);
    void SizeRuler(int dw, int dh);
    // The ruler's rectangle: the window's own while it is shown.
    QRect CurrentRulerRect() const;

    // Picker input.
    void EditRGBChange();
    void EditRGBEnter(TKNSpinEdit* edit);
    void ImageBaseImageMouseDown(Qt::MouseButton button);
    void ImageBaseImageMouseMove(int y);
    void ImageBaseImageMouseUp(int y);
    void ImageMainImageMouseDown(Qt::MouseButton button);
    void ImageMainImageMouseMove(QPoint position);
    void ImageMainImageMouseUp(QPoint position);
    void PanelColorMouseDown(TKNPanel* swatch, Qt::MouseButton button);
    void ComboBoxMainColorDropDown();
    void ImageMerlinClick();
    void ActionEditReverseExecute();
    void ActionEditCursorColorExecute();

    // Colour codes and the clipboard.
    void ComboBoxMainColorChange();
    bool ComboBoxMainColorKeyPress(int key);
    void ActionEditColorPasteExecute();
    void ActionEditColorCopyExecute();
    void ActionOptionLowerCaseExecute();

    // PickerListener
    void CurrentColorSet(TColor color) override;
    void BaseColorSet(TColor color) override;
    void FieldImageChanged() override;
    void MarkerPlaced() override;
    void StripImageChanged() override;
    void SliderImageChanged() override;
    void FieldRowRendered(int row) override;

    ColorPicker picker_;
    std::unique_ptr<InstanceChannel> instance_;
    SettingsFiles settingsFiles_;
    // The file as read at start: written back at close with kolvi's keys
    // replaced, so entries kolvi does not know survive.
    IniFile settingsFile_;
    // The font face's name as the file holds it (bytes of any code page).
    std::string fontNameBytes_;
    TColor startColor_ = 0x000000FF;
    // A settings file that exists but was not read (not a regular file, too
    // large, unreadable), and why.
    QString refusedSettingsFile_;
    QString settingsReadProblem_;
    bool settingsSaved_ = true;
    bool closing_ = false;
    ApplicationWindows* windows_ = nullptr;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm3> form3_;
    std::vector<std::string> arguments_;
    ShortcutDispatcher* shortcuts_ = nullptr;
    QElapsedTimer renderClock_;

    // Picker state owned by the window: the notation, the flags that keep
    // controls that update each other from looping, and the drags.
    std::int16_t outMode_ = 0;
    bool EditsUpdating = false;
    bool CodeTyping = false;
    bool BaseDragging = false;
    bool FieldDragging = false;

    kolvi::ColorHistory ColorHistory;
    QRect rulerRect_;
    TColor testFontColor_ = clWindowText;
    TColor testBackColor_ = clWindow;
    bool cursorSampleTaken_ = false;
    QImage cursorSample_;

    ActionList* ActionListMain = nullptr;
    ActionList* ActionListRuler = nullptr;
    ActionList* ActionListOption = nullptr;
    QMenuBar* MainMenuMain = nullptr;
    QMenu* PopupMenuImage = nullptr;
    QAction* MenuHelpVersion = nullptr;

    // Controls, named as everywhere in kolvi.
    QWidget* PanelBase = nullptr;
    TKNPanel* PanelHR1 = nullptr;
    TKNPanel* PanelMainImage = nullptr;
    TKNImage* ImageMainImage = nullptr;
    TKNPanel* PanelBaseImage = nullptr;
    TKNImage* ImageBaseImage = nullptr;
    TKNImage* ImageBaseSlider = nullptr;
    TKNPanel* PanelBaseColor = nullptr;
    TKNImage* ImageMerlin = nullptr;
    QLabel* LabelR = nullptr;
    QLabel* LabelG = nullptr;
    QLabel* LabelB = nullptr;
    TKNSpinEdit* EditR = nullptr;
    TKNSpinEdit* EditG = nullptr;
    TKNSpinEdit* EditB = nullptr;
    TKNPanel* PanelTest = nullptr;
    TKNPanel* PanelMainColor = nullptr;
    TKNPanel* PanelBeforeColor = nullptr;
    QPushButton* ButtonColorPaste = nullptr;
    TKNComboBox* ComboBoxMainColor = nullptr;
    QPushButton* ButtonColorCopy = nullptr;

    // Actions of the main list used by the window itself.
    TKNAction* ActionOptionSub = nullptr;
    TKNAction* ActionOptionStayOnTop = nullptr;
    TKNAction* ActionOptionMinimizeHide = nullptr;
    TKNAction* ActionOptionLowerCase = nullptr;
    TKNAction* ActionOptionRulerRun = nullptr;
    TKNAction* ActionOptionMutex = nullptr;
    TKNAction* ActionOptionMainMode0 = nullptr;
    TKNAction* ActionOptionMainMode1 = nullptr;
    TKNAction* ActionOptionMainMode2 = nullptr;
};

QColor ToQColor(TColor color);

// The process-wide main window, set while it exists.
extern TForm1* Form1;

} // namespace kolvi
