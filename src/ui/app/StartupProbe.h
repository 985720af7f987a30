#pragma once

class QWidget;

namespace kolvi {

// For start-up measurements (bench/): with KOLVI_QUIT_AFTER_FIRST_PAINT set in
// the environment, the program quits as soon as `window` has painted once.
void QuitAfterFirstPaintIfAsked(QWidget* window);

} // namespace kolvi
