#pragma once

#include <QString>

namespace kolvi {

struct SettingsFiles {
    QString read;
    QString write;
    // Where the settings go when writing `write` fails (empty: nowhere else).
    QString fallback;
};

// The settings file is the program's own path with ".ini": kolvi copied into a
// folder keeps its settings there. When that folder cannot be written (an
// installed program) the settings are written to the user's config folder
// instead, so they are never lost silently; until that file exists, a file
// beside the program is still read.
SettingsFiles SettingsFilePaths(const QString& executablePath);

// The choice itself, given what the file system says.
SettingsFiles ChooseSettingsFiles(const QString& beside, bool besideWritable, bool besideExists,
                                  const QString& config, bool configExists);

} // namespace kolvi
