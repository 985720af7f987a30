#pragma once

#include "IniFile.h"
#include "color/ColorValue.h"

#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kolvi {

enum class SettingType {
    Integer,  // decimal text; read by the one integer reader, clamped to the key's range
    Boolean,  // "1" or "0"; read as any integer other than 0
    String,   // the rest of the line, as its bytes
    Color,    // "#RRGGBB" from the resolved colour; read as any colour code
    Shortcut, // a 16-bit shortcut code as decimal text; wider numbers keep their low 16 bits
};

// Integer: std::int32_t; Boolean: bool; String: std::string; Color: TColor;
// Shortcut: std::uint16_t.
using SettingValue = std::variant<std::int32_t, bool, std::string, TColor, std::uint16_t>;

// One key of the settings file.
struct SettingKey {
    std::string section;
    std::string name;
    SettingType type;
    // Where the value lives while kolvi runs: an action's checked state (the
    // action's name), an action's shortcut ("<action>.ShortCut"), or a value of
    // a window ("Form1.Left", "RulerRect.Width", ...).
    std::string target;
    // The value when the file has none that can be read: the designed value,
    // or, when `defaultTarget` is set, the value of that target as just read.
    SettingValue defaultValue;
    std::string defaultTarget = {};
    std::int32_t minimum = std::numeric_limits<std::int32_t>::min();
    std::int32_t maximum = std::numeric_limits<std::int32_t>::max();
};

// Every key, in the order it is read and written. Adding a setting is one row
// here (and, for a value that is not an action's state, where it lives in
// the window that holds it).
const std::vector<SettingKey>& SettingsKeys();

// The settings by target.
class SettingValues {
  public:
    void Set(std::string_view target, SettingValue value);
    const SettingValue& Value(std::string_view target) const;
    template <class T> const T& Get(std::string_view target) const {
        return std::get<T>(Value(target));
    }
    friend bool operator==(const SettingValues&, const SettingValues&) = default;

  private:
    std::map<std::string, SettingValue, std::less<>> values_;
};

// Reads every key in order; what is missing or unreadable takes its default.
SettingValues LoadSettings(const IniFile& file);

// Writes every key in order, replacing entries in place and keeping what the
// file holds besides. `values` holds every target of the table.
void SaveSettings(const SettingValues& values, IniFile& file);

} // namespace kolvi
