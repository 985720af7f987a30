#pragma once

#include <QString>

namespace kolvi {

struct SettingsFiles {
    QString read;
    QString write;
    // Where the settings go when writing `write` fails (empty: nowhere else).
    QString fallback;
};

// What the file system says about the places the settings may be kept.
struct SettingsPlaces {
    // The program's own path with ".ini".
    QString beside;
    bool besideWritable = false;
    bool besideExists = false;
    // The per-user file of an installed kolvi.
    QString config;
    bool configExists = false;
    // The per-user file that takes a copy's settings when the file beside it
    // cannot be written (a full disk, a folder in its place); one per copy.
    QString spare;
    // The spare holds newer settings than the file beside the program (or that
    // file is no settings file at all).
    bool spareIsNewer = false;
};

// The settings file is the program's own path with ".ini": kolvi copied into a
// folder keeps its settings there. When that folder cannot be written (an
// installed program) the settings are kept in the user's config folder, so
// they are never lost silently; until that file exists, a file beside the
// program is still read. When a save beside a copy fails, its settings go to
// the copy's spare file, which is read from then on until a save beside the
// program succeeds again.
SettingsFiles SettingsFilePaths(const QString& executablePath);

// The choice itself, given what the file system says.
SettingsFiles ChooseSettingsFiles(const SettingsPlaces& places);

} // namespace kolvi
