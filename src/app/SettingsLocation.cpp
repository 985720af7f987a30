#include "SettingsLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kolvi {

QString SettingsFilePath(const QString& executablePath) {
    const QFileInfo program(executablePath);
    const QString beside = program.dir().filePath(program.completeBaseName() + ".ini");
    const QFileInfo folder(program.absolutePath());
    const QFileInfo file(beside);
    if (folder.isWritable() && (!file.exists() || file.isWritable())) {
        return beside;
    }
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("kolvi/kolvi.ini"));
}

} // namespace kolvi
