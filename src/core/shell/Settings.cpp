#include "Settings.h"

#include "ActionTable.h"
#include "color/ColorCode.h"

#include <algorithm>
#include <stdexcept>

namespace kolvi {

namespace {

// The main window's designed position and outer size; the ruler rectangle's
// default size.
constexpr std::int32_t DesignLeft = 189;
constexpr std::int32_t DesignTop = 113;
constexpr std::int32_t DesignWidth = 417;
constexpr std::int32_t DesignHeight = 330;
// Positions and sizes beyond any desktop: a hand-edited file cannot make the
// window arithmetic overflow.
constexpr std::int32_t FarOut = 1 << 24;

bool DesignedCheck(std::string_view action) {
    for (const auto specs : {MainActionSpecs(), RulerActionSpecs()}) {
        for (const ActionSpec& spec : specs) {
            if (spec.name == action) {
                return spec.checked;
            }
        }
    }
    throw std::logic_error("settings table names an unknown action");
}

std::vector<SettingKey> BuildKeys() {
    using T = SettingType;
    const auto check = [](const char* section, const char* name, const char* action) {
        return SettingKey{section, name, T::Boolean, action, DesignedCheck(action)};
    };
    std::vector<SettingKey> keys = {
        {"Position", "x", T::Integer, "Form1.Left", DesignLeft, {}, -FarOut, FarOut},
        {"Position", "y", T::Integer, "Form1.Top", DesignTop, {}, -FarOut, FarOut},
        {"Position", "Mode", T::Integer, "PickerMode", 0, {}, 0, 2},
        check("Options", "visible", "ActionOptionSub"),
        check("Options", "lowercase", "ActionOptionLowerCase"),
        check("Options", "window", "ActionOptionStayOnTop"),
        check("Options", "task", "ActionOptionMinimizeHide"),
        check("Options", "RulerRun", "ActionOptionRulerRun"),
        check("Options", "Mutex", "ActionOptionMutex"),
        {"Options", "FontName", T::String, "ComboBoxMainColor.FontName", std::string("Terminal")},
        {"Options", "OutMode", T::Integer, "OutMode", 0, {}, 0, 2},
        {"Options", "ColorStr", T::Color, "CurrentColor", TColor{0x000000FF}},
        {"Design", "FontColor", T::Color, "TestFontColor", clWindowText},
        {"Design", "BGColor", T::Color, "TestBackColor", clWindow},
        {"Ruler", "X", T::Integer, "RulerRect.Left", 0, "Form1.Left", -FarOut, FarOut},
        {"Ruler", "Y", T::Integer, "RulerRect.Top", 0, "Form1.Top", -FarOut, FarOut},
        {"Ruler", "W", T::Integer, "RulerRect.Width", DesignWidth, {}, 0, FarOut},
        {"Ruler", "H", T::Integer, "RulerRect.Height", DesignHeight, {}, 0, FarOut},
        check("Ruler", "StayOnTop", "ActionRulerStayOnTop"),
        check("Ruler", "MainColor", "ActionRulerMainColor"),
    };
    // Every command of the main and ruler lists keeps its shortcut.
    for (const auto specs : {MainActionSpecs(), RulerActionSpecs()}) {
        for (const ActionSpec& spec : specs) {
            keys.push_back({"Action", spec.name, T::Shortcut, std::string(spec.name) + ".ShortCut",
                            spec.shortcut});
        }
    }
    return keys;
}

SettingValue ReadValue(const IniFile& file, const SettingKey& key, const SettingValue& fallback) {
    switch (key.type) {
    case SettingType::Integer:
        return std::clamp(file.ReadInteger(key.section, key.name, std::get<std::int32_t>(fallback)),
                          key.minimum, key.maximum);
    case SettingType::Boolean:
        return file.ReadBool(key.section, key.name, std::get<bool>(fallback));
    case SettingType::String:
        return file.ReadString(key.section, key.name, std::get<std::string>(fallback));
    case SettingType::Color: {
        // The default text is the fallback's code as resolved now; an
        // unreadable text falls back to the colour itself.
        const TColor colour = std::get<TColor>(fallback);
        return ParseColorCode(file.ReadString(key.section, key.name, FormatColorCode(colour)),
                              colour);
    }
    case SettingType::Shortcut:
        return static_cast<std::uint16_t>(
            file.ReadInteger(key.section, key.name, std::get<std::uint16_t>(fallback)) & 0xFFFF);
    }
    throw std::logic_error("unknown setting type");
}

void WriteValue(IniFile& file, const SettingKey& key, const SettingValue& value) {
    switch (key.type) {
    case SettingType::Integer:
        file.WriteInteger(key.section, key.name, std::get<std::int32_t>(value));
        return;
    case SettingType::Boolean:
        file.WriteBool(key.section, key.name, std::get<bool>(value));
        return;
    case SettingType::String:
        file.WriteString(key.section, key.name, std::get<std::string>(value));
        return;
    case SettingType::Color:
        file.WriteString(key.section, key.name, FormatColorCode(std::get<TColor>(value)));
        return;
    case SettingType::Shortcut:
        file.WriteInteger(key.section, key.name, std::get<std::uint16_t>(value));
        return;
    }
}

} // namespace

const std::vector<SettingKey>& SettingsKeys() {
    static const std::vector<SettingKey> keys = BuildKeys();
    return keys;
}

void SettingValues::Set(std::string_view target, SettingValue value) {
    if (const auto found = values_.find(target); found != values_.end()) {
        found->second = std::move(value);
    } else {
        values_.emplace(std::string(target), std::move(value));
    }
}

const SettingValue& SettingValues::Value(std::string_view target) const {
    const auto found = values_.find(target);
    if (found == values_.end()) {
        throw std::out_of_range("no setting value for " + std::string(target));
    }
    return found->second;
}

SettingValues LoadSettings(const IniFile& file) {
    SettingValues values;
    for (const SettingKey& key : SettingsKeys()) {
        const SettingValue& fallback =
            key.defaultTarget.empty() ? key.defaultValue : values.Value(key.defaultTarget);
        values.Set(key.target, ReadValue(file, key, fallback));
    }
    return values;
}

void SaveSettings(const SettingValues& values, IniFile& file) {
    for (const SettingKey& key : SettingsKeys()) {
        WriteValue(file, key, values.Value(key.target));
    }
}

} // namespace kolvi
