#pragma once

#include "IniFile.h"
#include "color/ColorValue.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kolvi {

struct ShortcutSetting {
    std::string action;
    std::uint16_t shortcut = 0;
    friend bool operator==(const ShortcutSetting&, const ShortcutSetting&) = default;
};

// Everything kolvi keeps between runs, in the order of the settings file.
struct Settings {
    // Position
    int x = 189;
    int y = 113;
    int mode = 0;
    // Options
    bool visible = false;
    bool lowercase = false;
    bool window = false;
    bool task = true;
    bool rulerRun = false;
    bool mutex = true;
    std::string fontName = "Terminal";
    int outMode = 0;
    TColor colorStr = 0x000000FF;
    // Design
    TColor fontColor = clWindowText;
    TColor bgColor = clWindow;
    // Ruler
    int rulerX = 0;
    int rulerY = 0;
    int rulerW = 0;
    int rulerH = 0;
    bool rulerStayOnTop = true;
    bool rulerMainColor = false;
    // Action: the main list's actions, then the ruler list's, in list order.
    std::vector<ShortcutSetting> shortcuts;

    friend bool operator==(const Settings&, const Settings&) = default;
};

// Reads every key in the file's order. `current` is the state before loading:
// each key missing or unreadable keeps it, except the ruler rectangle, whose
// defaults are the main window's position as just read and its designed size.
Settings LoadSettings(const IniFile& file, const Settings& current, int designWidth,
                      int designHeight);

// Writes every key in the same order, replacing entries in place and keeping
// what the file holds besides.
void SaveSettings(const Settings& settings, IniFile& file);

} // namespace kolvi
