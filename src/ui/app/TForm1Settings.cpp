// The settings file: read once while the window is created, written once when
// it closes. The file is replaced atomically, so a crash, a kill or a full disk
// during the save leaves the previous file whole; a save that fails is tried at
// the per-user place, and the user is told when the settings could not be kept.
#include "TForm1.h"

#include "ScreenPlacement.h"
#include "UserNotice.h"
#include "controls/TKNComboBox.h"
#include "platform/KolviFile.h"
#include "text/AnsiText.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>

#include <stdexcept>

namespace kolvi {

namespace {

// The main window's designed outer size.
constexpr int DesignWidth = 417;
constexpr int DesignHeight = 330;

// Far above any settings file kolvi writes (a few KiB), and still read in a
// fraction of a second.
constexpr std::size_t SettingsFileLimit = std::size_t{64} << 20;

QString Reason(const std::string& text) {
    return QString::fromLocal8Bit(text);
}

} // namespace

// The values of the settings table that live in the window rather than in an
// action: where each is read at close and applied at load.
struct TForm1::WindowSetting {
    std::string_view target;
    SettingValue (*get)(const TForm1&);
    void (*set)(TForm1&, const SettingValue&);
};

std::span<const TForm1::WindowSetting> TForm1::WindowSettings() {
    using Int = std::int32_t;
    static const WindowSetting settings[] = {
        // The position is brought onto a screen once both are read (ApplySettings).
        {"Form1.Left", [](const TForm1& f) -> SettingValue { return Int{f.x()}; },
         [](TForm1& f, const SettingValue& v) { f.move(std::get<Int>(v), f.y()); }},
        {"Form1.Top", [](const TForm1& f) -> SettingValue { return Int{f.y()}; },
         [](TForm1& f, const SettingValue& v) { f.move(f.x(), std::get<Int>(v)); }},
        {"PickerMode", [](const TForm1& f) -> SettingValue { return Int{f.picker_.PickerMode()}; },
         [](TForm1& f, const SettingValue& v) {
             f.picker_.SetPickerMode(static_cast<std::int16_t>(std::get<Int>(v)));
         }},
        {"ComboBoxMainColor.FontName",
         [](const TForm1& f) -> SettingValue { return f.fontNameBytes_; },
         [](TForm1& f, const SettingValue& v) {
             // Kept as its bytes for the file; decoded only to find the face.
             f.fontNameBytes_ = std::get<std::string>(v);
             QFont font = f.ComboBoxMainColor->font();
             font.setFamily(QString::fromStdString(AnsiToUtf8(f.fontNameBytes_)));
             f.ComboBoxMainColor->setFont(font);
         }},
        {"OutMode", [](const TForm1& f) -> SettingValue { return Int{f.outMode_}; },
         [](TForm1& f, const SettingValue& v) {
             f.outMode_ = static_cast<std::int16_t>(std::get<Int>(v));
         }},
        // Read as the start colour, written from the current one.
        {"CurrentColor", [](const TForm1& f) -> SettingValue { return f.picker_.CurrentColor(); },
         [](TForm1& f, const SettingValue& v) { f.startColor_ = std::get<TColor>(v); }},
        {"TestFontColor", [](const TForm1& f) -> SettingValue { return f.testFontColor_; },
         [](TForm1& f, const SettingValue& v) { f.testFontColor_ = std::get<TColor>(v); }},
        {"TestBackColor", [](const TForm1& f) -> SettingValue { return f.testBackColor_; },
         [](TForm1& f, const SettingValue& v) { f.testBackColor_ = std::get<TColor>(v); }},
        {"RulerRect.Left",
         [](const TForm1& f) -> SettingValue { return Int{f.CurrentRulerRect().x()}; },
         [](TForm1& f, const SettingValue& v) { f.rulerRect_.moveLeft(std::get<Int>(v)); }},
        {"RulerRect.Top",
         [](const TForm1& f) -> SettingValue { return Int{f.CurrentRulerRect().y()}; },
         [](TForm1& f, const SettingValue& v) { f.rulerRect_.moveTop(std::get<Int>(v)); }},
        {"RulerRect.Width",
         [](const TForm1& f) -> SettingValue { return Int{f.CurrentRulerRect().width()}; },
         [](TForm1& f, const SettingValue& v) { f.rulerRect_.setWidth(std::get<Int>(v)); }},
        {"RulerRect.Height",
         [](const TForm1& f) -> SettingValue { return Int{f.CurrentRulerRect().height()}; },
         [](TForm1& f, const SettingValue& v) { f.rulerRect_.setHeight(std::get<Int>(v)); }},
    };
    return settings;
}

SettingValue TForm1::SettingOf(const std::string& target) const {
    constexpr std::string_view shortcut = ".ShortCut";
    if (target.ends_with(shortcut)) {
        return Action(QString::fromStdString(target.substr(0, target.size() - shortcut.size())))
            ->ShortcutCode();
    }
    if (const TKNAction* action = Action(QString::fromStdString(target))) {
        return action->isChecked();
    }
    for (const WindowSetting& setting : WindowSettings()) {
        if (setting.target == target) {
            return setting.get(*this);
        }
    }
    throw std::logic_error("no window value for the setting " + target);
}

void TForm1::ApplySetting(const std::string& target, const SettingValue& value) {
    constexpr std::string_view shortcut = ".ShortCut";
    if (target.ends_with(shortcut)) {
        Action(QString::fromStdString(target.substr(0, target.size() - shortcut.size())))
            ->SetShortcutCode(std::get<std::uint16_t>(value));
        return;
    }
    if (TKNAction* action = Action(QString::fromStdString(target))) {
        action->setChecked(std::get<bool>(value));
        return;
    }
    for (const WindowSetting& setting : WindowSettings()) {
        if (setting.target == target) {
            setting.set(*this, value);
            return;
        }
    }
    throw std::logic_error("no window value for the setting " + target);
}

SettingValues TForm1::CurrentSettings() const {
    SettingValues values;
    for (const SettingKey& key : SettingsKeys()) {
        values.Set(key.target, SettingOf(key.target));
    }
    return values;
}

void TForm1::LoadSettingsFile() {
    FileRead read = ReadKolviFile(settingsFiles_.read, SettingsFileLimit);
    if (read.outcome == FileRead::Outcome::Refused) {
        // Not a settings file: it is neither read nor overwritten.
        refusedSettingsFile_ = settingsFiles_.read;
        settingsReadProblem_ = Reason(read.problem);
    } else if (settingsFiles_.read != settingsFiles_.write) {
        // Settings kept aside are read; the file they stand in for is replaced
        // at close only if it is a settings file.
        const FileRead own = ReadKolviFile(settingsFiles_.write, SettingsFileLimit);
        if (own.outcome == FileRead::Outcome::Refused) {
            refusedSettingsFile_ = settingsFiles_.write;
            settingsReadProblem_ = Reason(own.problem);
        }
    }
    if (!refusedSettingsFile_.isEmpty()) {
        QTimer::singleShot(0, this, &TForm1::ReportSettingsReadProblem);
    }
    settingsFile_ = IniFile::Parse(read.bytes);
    read = {};
    const SettingValues values = LoadSettings(settingsFile_);
    for (const SettingKey& key : SettingsKeys()) {
        ApplySetting(key.target, values.Value(key.target));
    }
    // The frame is not known before the window is shown: its designed outer size.
    move(ReachableOnTheScreens(pos(), QSize(DesignWidth, DesignHeight)));
}

void TForm1::ReportSettingsReadProblem() {
    const QString from =
        refusedSettingsFile_ == settingsFiles_.read
            ? QStringLiteral("既定の設定")
            : QDir::toNativeSeparators(settingsFiles_.read) + QStringLiteral(" に残した設定");
    const QString text =
        QStringLiteral("設定ファイル %1 を読み込めませんでした: %2\n"
                       "%3で起動します。このファイルは上書きしません。")
            .arg(QDir::toNativeSeparators(refusedSettingsFile_), settingsReadProblem_, from);
    NoticeBox(this, text)->open();
}

void TForm1::SaveSettingsFile() {
    SaveSettings(CurrentSettings(), settingsFile_);
    const std::string bytes = settingsFile_.Serialize();

    QStringList failures;
    bool onlyToldFailures = true;
    QString savedTo;
    QStringList targets{settingsFiles_.write};
    if (!settingsFiles_.fallback.isEmpty() && settingsFiles_.fallback != settingsFiles_.write) {
        targets << settingsFiles_.fallback;
    }
    for (const QString& target : targets) {
        const QString shown = QDir::toNativeSeparators(target);
        if (target == refusedSettingsFile_) {
            // Not a settings file, as the user was told at start: left as it is.
            failures << QStringLiteral("%1: %2").arg(shown, settingsReadProblem_);
            continue;
        }
        const QString folder = QFileInfo(target).absolutePath();
        QString reason;
        if (!QDir().mkpath(folder)) {
            reason =
                QStringLiteral("cannot create the folder %1").arg(QDir::toNativeSeparators(folder));
        } else {
            reason = ReplaceKolviFile(target, bytes);
        }
        if (reason.isEmpty()) {
            savedTo = target;
            break;
        }
        failures << QStringLiteral("%1: %2").arg(shown, reason);
        onlyToldFailures = false;
    }
    // Saved beside the program again: a spare from an earlier failure is stale now.
    if (savedTo == settingsFiles_.write && targets.size() > 1) {
        QFile::remove(settingsFiles_.fallback);
    }
    if (failures.isEmpty() || (!savedTo.isEmpty() && onlyToldFailures)) {
        return;
    }
    QString text;
    if (savedTo.isEmpty()) {
        settingsSaved_ = false;
        text = QStringLiteral("設定を保存できませんでした。この実行での変更は失われます。\n\n") +
               failures.join('\n');
    } else {
        text = QStringLiteral("設定を次の場所に保存できませんでした:\n%1\n\n"
                              "代わりに %2 に保存しました。次回からはそこから読み込みます。")
                   .arg(failures.join('\n'), QDir::toNativeSeparators(savedTo));
    }
    NoticeBox(this, text)->exec();
}

} // namespace kolvi
