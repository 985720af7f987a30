#include "SettingsLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kolvi {

SettingsFiles ChooseSettingsFiles(const QString& beside, bool besideWritable, bool besideExists,
                                  const QString& config, bool configExists) {
    if (besideWritable) {
        return {beside, beside, config};
    }
    return {configExists || !besideExists ? config : beside, config, config};
}

SettingsFiles SettingsFilePaths(const QString& executablePath) {
    const QFileInfo program(executablePath);
    const QString beside = program.dir().filePath(program.completeBaseName() + ".ini");
    const QFileInfo folder(program.absolutePath());
    const QFileInfo file(beside);
    const QString config =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
            .filePath(QStringLiteral("kolvi/kolvi.ini"));
    return ChooseSettingsFiles(beside, folder.isWritable() && (!file.exists() || file.isWritable()),
                               file.exists(), config, QFileInfo::exists(config));
}

} // namespace kolvi
