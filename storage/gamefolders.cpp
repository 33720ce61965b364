#include "gamefolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString GameData = QStringLiteral("gamedata");

} // namespace

GameFolders GameFolders::portable(const QString &baseDir)
{
    return {baseDir, baseDir, baseDir, false};
}

GameFolders GameFolders::locate(const QString &programDir, const QString &installedMedia)
{
    if (QFileInfo(QDir(programDir).filePath(GameData)).isDir())
        return portable(programDir);
    GameFolders folders;
    folders.installed = true;
    folders.media = QDir::cleanPath(QDir(programDir).absoluteFilePath(installedMedia));
    // A program moved away from its data still finds an installed copy of it.
    if (!QFileInfo(QDir(folders.media).filePath(GameData)).isDir()) {
        const QString found = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                     QFileInfo(folders.media).fileName() + QLatin1Char('/') + GameData,
                                                     QStandardPaths::LocateDirectory);
        if (!found.isEmpty())
            folders.media = QFileInfo(found).path();
    }
    folders.data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    folders.config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return folders;
}

void GameFolders::makeUserFolders() const
{
    if (!installed)
        return;
    for (const QString &base : {data, config})
        QDir().mkpath(QDir(base).filePath(GameData));
}
