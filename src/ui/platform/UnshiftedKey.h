#pragma once

class QKeyEvent;

namespace kolvi {

// The key that a key pressed with Shift shows without it ("1" for the "!" of
// Shift+1, also for the "'" of Shift+7 on a Japanese keyboard), as a Qt key;
// 0 when it cannot be told. Read from the keyboard layout where the window
// system gives one, else from the US layout's shifted symbols.
int UnshiftedKey(const QKeyEvent& event);

} // namespace kolvi
