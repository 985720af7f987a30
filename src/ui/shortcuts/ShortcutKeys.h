#pragma once

#include "shortcuts/ShortcutCode.h"

#include <QKeySequence>

#include <cstdint>

class QKeyEvent;

namespace kolvi {

// The stored 16-bit shortcut code of a key press: the key by its unshifted
// symbol, keypad digits and operators as the keypad's own keys. 0 for a key
// without a virtual key (a modifier alone) and for any key with AltGr.
std::uint16_t ShortcutFromKeyEvent(const QKeyEvent& event);
// The code of a key combination as a menu or a key sequence holds it.
std::uint16_t ShortcutFromKeyCombination(QKeyCombination combination);
// The key sequence a menu shows for a stored code (empty for 0 or unknown keys).
QKeySequence KeySequenceFromShortcut(std::uint16_t code);

} // namespace kolvi
