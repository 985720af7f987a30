#pragma once

#include <QKeySequence>

#include <cstdint>

class QKeyEvent;

namespace kolvi {

inline constexpr std::uint16_t ShortcutShift = 0x2000;
inline constexpr std::uint16_t ShortcutCtrl = 0x4000;
inline constexpr std::uint16_t ShortcutAlt = 0x8000;

// The stored 16-bit shortcut code of a key press (0 for keys that have none).
std::uint16_t ShortcutFromKeyEvent(const QKeyEvent& event);
// The key sequence a menu shows for a stored code (empty for 0 or unknown keys).
QKeySequence KeySequenceFromShortcut(std::uint16_t code);

} // namespace kolvi
