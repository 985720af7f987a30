#include "Settings.h"

#include "color/ColorCode.h"

#include <algorithm>

namespace kolvi {

namespace {

constexpr std::string_view Position = "Position";
constexpr std::string_view Options = "Options";
constexpr std::string_view Design = "Design";
constexpr std::string_view Ruler = "Ruler";
constexpr std::string_view Action = "Action";

TColor ReadColor(const IniFile& file, std::string_view section, std::string_view key,
                 TColor fallback) {
    // The default text is the fallback's code as resolved now; an unreadable
    // text falls back to the colour itself.
    return ParseColorCode(file.ReadString(section, key, FormatColorCode(fallback)), fallback);
}

} // namespace

Settings LoadSettings(const IniFile& file, const Settings& current, int designWidth,
                      int designHeight) {
    Settings s = current;
    s.x = file.ReadInteger(Position, "x", current.x);
    s.y = file.ReadInteger(Position, "y", current.y);
    s.mode = std::clamp(file.ReadInteger(Position, "Mode", 0), 0, 2);

    s.visible = file.ReadBool(Options, "visible", current.visible);
    s.lowercase = file.ReadBool(Options, "lowercase", current.lowercase);
    s.window = file.ReadBool(Options, "window", current.window);
    s.task = file.ReadBool(Options, "task", current.task);
    s.rulerRun = file.ReadBool(Options, "RulerRun", current.rulerRun);
    s.mutex = file.ReadBool(Options, "Mutex", current.mutex);
    s.fontName = file.ReadString(Options, "FontName", current.fontName);
    s.outMode = std::clamp(file.ReadInteger(Options, "OutMode", 0), 0, 2);
    s.colorStr = ReadColor(file, Options, "ColorStr", 0x000000FF);

    s.fontColor = ReadColor(file, Design, "FontColor", clWindowText);
    s.bgColor = ReadColor(file, Design, "BGColor", clWindow);

    s.rulerX = file.ReadInteger(Ruler, "X", s.x);
    s.rulerY = file.ReadInteger(Ruler, "Y", s.y);
    s.rulerW = file.ReadInteger(Ruler, "W", designWidth);
    s.rulerH = file.ReadInteger(Ruler, "H", designHeight);
    s.rulerStayOnTop = file.ReadBool(Ruler, "StayOnTop", current.rulerStayOnTop);
    s.rulerMainColor = file.ReadBool(Ruler, "MainColor", current.rulerMainColor);

    for (ShortcutSetting& shortcut : s.shortcuts) {
        // A shortcut is a 16-bit value; wider numbers keep their low 16 bits.
        shortcut.shortcut = static_cast<std::uint16_t>(
            file.ReadInteger(Action, shortcut.action, shortcut.shortcut) & 0xFFFF);
    }
    return s;
}

void SaveSettings(const Settings& s, IniFile& file) {
    file.WriteInteger(Position, "x", s.x);
    file.WriteInteger(Position, "y", s.y);
    file.WriteInteger(Position, "Mode", s.mode);

    file.WriteBool(Options, "visible", s.visible);
    file.WriteBool(Options, "lowercase", s.lowercase);
    file.WriteBool(Options, "window", s.window);
    file.WriteBool(Options, "task", s.task);
    file.WriteBool(Options, "RulerRun", s.rulerRun);
    file.WriteBool(Options, "Mutex", s.mutex);
    file.WriteString(Options, "FontName", s.fontName);
    file.WriteInteger(Options, "OutMode", s.outMode);
    file.WriteString(Options, "ColorStr", FormatColorCode(s.colorStr));

    file.WriteString(Design, "FontColor", FormatColorCode(s.fontColor));
    file.WriteString(Design, "BGColor", FormatColorCode(s.bgColor));

    file.WriteInteger(Ruler, "X", s.rulerX);
    file.WriteInteger(Ruler, "Y", s.rulerY);
    file.WriteInteger(Ruler, "W", s.rulerW);
    file.WriteInteger(Ruler, "H", s.rulerH);
    file.WriteBool(Ruler, "StayOnTop", s.rulerStayOnTop);
    file.WriteBool(Ruler, "MainColor", s.rulerMainColor);

    for (const ShortcutSetting& shortcut : s.shortcuts) {
        file.WriteInteger(Action, shortcut.action, shortcut.shortcut);
    }
}

} // namespace kolvi
