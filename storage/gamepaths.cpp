#include "gamepaths.h"

#include <QDir>

QString gamePath(const QString &baseDir, const QString &relativePath)
{
    QString relative = relativePath;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (relative.startsWith(QLatin1Char('/')))
        relative.remove(0, 1);
    return QDir::cleanPath(QDir(baseDir).filePath(relative));
}

QString gamefiles::musicTrack(int track)
{
    return QStringLiteral("\\gamedata\\music\\%1.mp3").arg(track, 2, 10, QLatin1Char('0'));
}
