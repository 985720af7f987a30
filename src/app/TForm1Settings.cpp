// The settings file: read once while the window is created, written once when
// it closes. The file is replaced atomically, so a crash, a kill or a full disk
// during the save leaves the previous file whole.
#include "TForm1.h"

#include "controls/TKNComboBox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kolvi {

namespace {

// The main window's designed outer size, the default ruler rectangle's size.
constexpr int DesignWidth = 417;
constexpr int DesignHeight = 330;

IniFile ReadIniFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    return IniFile::Parse(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace

Settings TForm1::CurrentSettings() const {
    Settings s = loaded_;
    s.x = x();
    s.y = y();
    s.mode = picker_.PickerMode;
    s.visible = ActionOptionSub->isChecked();
    s.lowercase = ActionOptionLowerCase->isChecked();
    s.window = ActionOptionStayOnTop->isChecked();
    s.task = ActionOptionMinimizeHide->isChecked();
    s.rulerRun = ActionOptionRulerRun->isChecked();
    s.mutex = ActionOptionMutex->isChecked();
    s.fontName = ComboBoxMainColor->font().family().toLocal8Bit().toStdString();
    s.outMode = OutMode;
    s.colorStr = picker_.CurrentColor();
    s.fontColor = TestFontColor;
    s.bgColor = TestBackColor;
    s.rulerX = RulerRect.x();
    s.rulerY = RulerRect.y();
    s.rulerW = RulerRect.width();
    s.rulerH = RulerRect.height();
    s.rulerStayOnTop = Action("ActionRulerStayOnTop")->isChecked();
    s.rulerMainColor = Action("ActionRulerMainColor")->isChecked();
    s.shortcuts.clear();
    for (const ActionList* list : {ActionListMain, ActionListRuler}) {
        for (const TKNAction* action : list->Actions()) {
            s.shortcuts.push_back({action->objectName().toStdString(), action->ShortcutCode()});
        }
    }
    return s;
}

void TForm1::LoadSettingsFile() {
    const Settings defaults = CurrentSettings();
    settingsFile_ = ReadIniFile(settingsFiles_.read);
    loaded_ = LoadSettings(settingsFile_, defaults, DesignWidth, DesignHeight);
    const Settings& s = loaded_;

    move(s.x, s.y);
    picker_.PickerMode = static_cast<std::int16_t>(s.mode);
    ActionOptionSub->setChecked(s.visible);
    ActionOptionLowerCase->setChecked(s.lowercase);
    ActionOptionStayOnTop->setChecked(s.window);
    ActionOptionMinimizeHide->setChecked(s.task);
    ActionOptionRulerRun->setChecked(s.rulerRun);
    ActionOptionMutex->setChecked(s.mutex);
    QFont font = ComboBoxMainColor->font();
    font.setFamily(QString::fromLocal8Bit(s.fontName));
    ComboBoxMainColor->setFont(font);
    OutMode = static_cast<std::int16_t>(s.outMode);
    TestFontColor = s.fontColor;
    TestBackColor = s.bgColor;
    RulerRect = QRect(s.rulerX, s.rulerY, s.rulerW, s.rulerH);
    Action("ActionRulerStayOnTop")->setChecked(s.rulerStayOnTop);
    Action("ActionRulerMainColor")->setChecked(s.rulerMainColor);
    for (const ShortcutSetting& shortcut : s.shortcuts) {
        Action(QString::fromStdString(shortcut.action))->SetShortcutCode(shortcut.shortcut);
    }
}

void TForm1::SaveSettingsFile() {
    SaveSettings(CurrentSettings(), settingsFile_);
    const std::string bytes = settingsFile_.Serialize();

    QDir().mkpath(QFileInfo(settingsFiles_.write).absolutePath());
    QSaveFile out(settingsFiles_.write);
    if (out.open(QIODevice::WriteOnly)) {
        out.write(bytes.data(), static_cast<qint64>(bytes.size()));
        out.commit();
    }
}

} // namespace kolvi
