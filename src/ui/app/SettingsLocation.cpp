#include "SettingsLocation.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace kolvi {

SettingsFiles ChooseSettingsFiles(const SettingsPlaces& places) {
    if (places.besideWritable) {
        return {places.spareIsNewer ? places.spare : places.beside, places.beside, places.spare};
    }
    return {places.configExists || !places.besideExists ? places.config : places.beside,
            places.config, places.config};
}

SettingsFiles SettingsFilePaths(const QString& executablePath) {
    const QFileInfo program(executablePath);
    const QString beside = program.dir().absoluteFilePath(program.completeBaseName() + ".ini");
    const QDir configFolder(
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
            .filePath(QStringLiteral("kolvi")));
    // Named after the copy's own file, so that copies never share a spare.
    const QString spareName = QString::fromLatin1(
        QCryptographicHash::hash(QFile::encodeName(beside), QCryptographicHash::Sha1)
            .toHex()
            .left(16));

    const QFileInfo folder(program.absolutePath());
    const QFileInfo file(beside);
    SettingsPlaces places;
    places.beside = beside;
    places.besideWritable = folder.isWritable() && (!file.exists() || file.isWritable());
    places.besideExists = file.exists();
    places.config = configFolder.filePath(QStringLiteral("kolvi.ini"));
    places.configExists = QFileInfo::exists(places.config);
    places.spare = configFolder.filePath(QStringLiteral("copies/") + spareName + ".ini");
    const QFileInfo spare(places.spare);
    places.spareIsNewer =
        spare.isFile() && (!file.isFile() || spare.lastModified() > file.lastModified());
    return ChooseSettingsFiles(places);
}

} // namespace kolvi
