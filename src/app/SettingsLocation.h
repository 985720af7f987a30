#pragma once

#include <QString>

namespace kolvi {

// The settings file is the program's own path with ".ini": kolvi copied into a
// folder keeps its settings there. When that folder cannot be written (an
// installed program) the file lives in the user's config folder instead, so
// settings are never lost silently.
QString SettingsFilePath(const QString& executablePath);

} // namespace kolvi
