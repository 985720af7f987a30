#pragma once

class QWidget;

namespace kolvi {

// For start-up measurements (bench/): with KOLVI_QUIT_AFTER_FIRST_PAINT set in
// the environment, the program prints the monotonic clock's nanoseconds on
// standard output when `window` has painted once, and quits; the time to the
// first paint is then told apart from the time the program takes to end.
void QuitAfterFirstPaintIfAsked(QWidget* window);

} // namespace kolvi
