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

    ColorPicker& Picker() { return picker_; }
    // False once a close could keep the settings nowhere (the user was told).
    bool SettingsSaved() const { return settingsSaved_; }
    ActionList* ActionListMain = nullptr;
    ActionList* ActionListRuler = nullptr;
    ActionList* ActionListOption = nullptr;
    // An action of any list by name.
    TKNAction* Action(const QString& name) const;

    QMenuBar* MainMenuMain = nullptr;
    QMenu* PopupMenuImage = nullptr;
    QAction* MenuHelpVersion = nullptr;

    // Kept between runs besides the picker state.
    QRect RulerRect;
    TColor TestFontColor = clWindowText;
    TColor TestBackColor = clWindow;

    // Picker state owned by the window (the flags that keep controls that update
    // each other from looping, and the drags).
    bool EditsUpdating = false;
    bool CodeTyping = false;
    bool BaseDragging = false;
    bool FieldDragging = false;
    std::int16_t OutMode = 0;

    void SetColor(TColor color) { picker_.SetColor(color); }
    void SetColorRGB(int r, int g, int b) { picker_.SetColorRGB(r, g, b); }
    void SetCurrentColor(TColor color);
    void PropagateColor();
    void ApplyMode();
    void ApplyLowerCase();
    void RefreshColorCodes(int r, int g, int b);
    void UpdateInstanceLock();

    // Window states and the tray.
    void SetTrayIcon(bool show);
    bool TrayIconShown() const;
    // The front window was minimised by its own minimise button.
    void AppMinimize();
    // A click on the tray icon.
    void WMTrayNotify();
    // Minimising, restoring and activating the front window, and the mode.
    ApplicationWindows& Windows() { return *windows_; }
    void SetTopMost(bool topMost, QWidget* window);
    void SyncOptionWindow();
    void EnableActionLists(bool main, bool ruler);

    // Main-window commands.
    void ActionEditRulerExecute();
    void ActionEditMinimizeExecute();
    void ActionEditCloseExecute();
    void ActionOptionToolExecute();
    void ActionOptionSubExecute();
    void ActionOptionStayOnTopExecute();
    void ActionOptionMutexExecute();
    void ActionHelpReadmeExecute();
    void ActionHelpOnlineExecute();
    // Where the user guide and the manual are: beside the program, or where an
    // installation put them.
    static QString HelpFilePath(const QString& fileName);
    // Forwarded arguments that arrived together, applied in order; then the
    // front window comes forward once.
    void WMCopyData(const std::vector<std::string>& arguments);
    void ActivateFrontWindow();
    void ApplyTestColor(TKNPanel* swatch, Qt::MouseButton button);

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

    // The last screen sample, shown magnified by the option window.
    bool CursorSampleTaken = false;
    QImage CursorSample;

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateControls();
    void CreateActions();
    void CreateMenus();
    // Each action to its handler (TForm1Actions.cpp).
    void ConnectActionHandlers();
    struct WindowSetting;
    static std::span<const WindowSetting> WindowSettings();
    SettingValue SettingOf(const std::string& target) const;
    void ApplySetting(const std::string& target, const SettingValue& value);
    SettingValues CurrentSettings() const;
    void LoadSettingsFile();
    void ReportSettingsReadProblem();
    // The stored position, or the nearest one from which the window can be reached.
    QPoint PlaceOnAScreen(int x, int y) const;
    void SaveSettingsFile();
    void ConnectInput();
    void ConnectCodes();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void LayoutWindow();
    void ApplyCommandLine();
    // "-o", "-p" or "-r": sets its option; false for any other argument.
    bool SetCommandLineOption(const std::string& argument);

    // PickerListener
    void CurrentColorSet(TColor color) override;
    void BaseColorSet(TColor color) override;
    void FieldImageChanged() override;
    void MarkerPlaced() override;
    void StripImageChanged() override;
    void SliderImageChanged() override;
    void FieldRowRendered(int row) override;

    void ActionOptionMainModeExecute(int mode);

  public:
    void ActionOptionMainMode0Execute();
    void ActionOptionMainMode1Execute();
    void ActionOptionMainMode2Execute();

  private:
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
    std::vector<std::string> arguments_;
    ShortcutDispatcher* shortcuts_ = nullptr;
    QElapsedTimer renderClock_;

  public:
    // The output history: the colours copied out, newest first.
    kolvi::ColorHistory ColorHistory;

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
