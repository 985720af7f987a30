#pragma once

class QKeyEvent;

namespace kolvi {

// The key that a key pressed with Shift shows without it ("1" for the "!" of
// Shift+1), as a Qt key; 0 when it cannot be told. Read from the keyboard
// layout where the window system gives one, else from the US layout.
int UnshiftedKey(const QKeyEvent& event);

} // namespace kolvi
