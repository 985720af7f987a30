#pragma once

class QWidget;

namespace kolvi {

// SIGTERM, SIGINT and SIGHUP (logout, kill, Ctrl+C) close `window` through its
// ordinary close path, so the settings are saved however kolvi is ended.
void CloseOnTerminationSignals(QWidget* window);

} // namespace kolvi
