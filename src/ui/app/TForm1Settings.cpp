// The settings file: read once while the window is created, written once when
// it closes. The file is replaced atomically, so a crash, a kill or a full disk
// during the save leaves the previous file whole; a save that fails is tried at
// the per-user place, and the user is told when the settings could not be kept.
#include "TForm1.h"

#include "controls/TKNComboBox.h"
#include "platform/KolviFile.h"
#include "shell/WindowPlacement.h"
#include "text/AnsiText.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace kolvi {

namespace {

// The main window's designed outer size, the default ruler rectangle's size.
constexpr int DesignWidth = 417;
constexpr int DesignHeight = 330;

// Far above any settings file kolvi writes (a few KiB), and still read in a
// fraction of a second.
constexpr std::size_t SettingsFileLimit = std::size_t{64} << 20;

std::string NativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString Reason(const std::string& text) {
    return QString::fromLocal8Bit(text);
}

void TellOnStderr(const QString& text) {
    std::fprintf(stderr, "kolvi: %s\n", text.toLocal8Bit().constData());
}

} // namespace

Settings TForm1::CurrentSettings() const {
    Settings s = loaded_;
    s.x = x();
    s.y = y();
    s.mode = picker_.PickerMode();
    s.visible = ActionOptionSub->isChecked();
    s.lowercase = ActionOptionLowerCase->isChecked();
    s.window = ActionOptionStayOnTop->isChecked();
    s.task = ActionOptionMinimizeHide->isChecked();
    s.rulerRun = ActionOptionRulerRun->isChecked();
    s.mutex = ActionOptionMutex->isChecked();
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
    FileRead read = ReadKolviFile(NativePath(settingsFiles_.read), SettingsFileLimit);
    if (read.outcome == FileRead::Outcome::Refused) {
        // Not a settings file: it is neither read nor overwritten.
        refusedSettingsFile_ = settingsFiles_.read;
        settingsReadProblem_ = Reason(read.problem);
        QTimer::singleShot(0, this, &TForm1::ReportSettingsReadProblem);
    }
    settingsFile_ = IniFile::Parse(read.bytes);
    read = {};
    loaded_ = LoadSettings(settingsFile_, defaults, DesignWidth, DesignHeight);
    const Settings& s = loaded_;

    move(PlaceOnAScreen(s.x, s.y));
    picker_.SetPickerMode(static_cast<std::int16_t>(s.mode));
    ActionOptionSub->setChecked(s.visible);
    ActionOptionLowerCase->setChecked(s.lowercase);
    ActionOptionStayOnTop->setChecked(s.window);
    ActionOptionMinimizeHide->setChecked(s.task);
    ActionOptionRulerRun->setChecked(s.rulerRun);
    ActionOptionMutex->setChecked(s.mutex);
    QFont font = ComboBoxMainColor->font();
    // Kept as its bytes for the file; decoded only to find the face.
    font.setFamily(QString::fromStdString(AnsiToUtf8(s.fontName)));
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

QPoint TForm1::PlaceOnAScreen(int x, int y) const {
    std::vector<Screen> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect all = screen->geometry();
        const QRect free = screen->availableGeometry();
        screens.push_back({{all.x(), all.y(), all.width(), all.height()},
                           {free.x(), free.y(), free.width(), free.height()}});
    }
    // The frame is not known before the window is shown: its designed outer size.
    const WindowPosition at = ReachablePosition({x, y}, DesignWidth, DesignHeight, screens);
    return {at.x, at.y};
}

void TForm1::ReportSettingsReadProblem() {
    const QString text =
        QStringLiteral("設定ファイル %1 を読み込めませんでした: %2\n"
                       "既定の設定で起動します。このファイルは上書きしません。")
            .arg(QDir::toNativeSeparators(refusedSettingsFile_), settingsReadProblem_);
    TellOnStderr(text);
    auto* box = new QMessageBox(QMessageBox::Warning, QApplication::applicationName(), text,
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void TForm1::SaveSettingsFile() {
    SaveSettings(CurrentSettings(), settingsFile_);
    const std::string bytes = settingsFile_.Serialize();

    QStringList failures;
    QString savedTo;
    QStringList targets{settingsFiles_.write};
    if (settingsFiles_.fallback != settingsFiles_.write) {
        targets << settingsFiles_.fallback;
    }
    for (const QString& target : targets) {
        if (target.isEmpty() || target == refusedSettingsFile_ || !savedTo.isEmpty()) {
            continue;
        }
        const QString folder = QFileInfo(target).absolutePath();
        QString reason;
        if (!QDir().mkpath(folder)) {
            reason =
                QStringLiteral("cannot create the folder %1").arg(QDir::toNativeSeparators(folder));
        } else {
            reason = Reason(ReplaceKolviFile(NativePath(target), bytes));
        }
        if (reason.isEmpty()) {
            savedTo = target;
        } else {
            failures << QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(target), reason);
        }
    }
    if (failures.isEmpty()) {
        return;
    }
    QString text;
    if (savedTo.isEmpty()) {
        settingsSaved_ = false;
        text = QStringLiteral("設定を保存できませんでした。この実行での変更は失われます。\n\n") +
               failures.join('\n');
    } else {
        text = QStringLiteral("設定を次の場所に保存できませんでした:\n%1\n\n"
                              "代わりに %2 に保存しました。")
                   .arg(failures.join('\n'), QDir::toNativeSeparators(savedTo));
    }
    TellOnStderr(text);
    QMessageBox::warning(this, QApplication::applicationName(), text);
}

} // namespace kolvi
