#pragma once

#include <QString>

// Data paths are written as below the program's folder with backslashes,
// e.g. "\gamedata\saves\table.dat"; this turns one into a native path.
QString gamePath(const QString &baseDir, const QString &relativePath);

namespace gamefiles {
inline const QString SavedGame = QStringLiteral("\\gamedata\\saves\\table.dat");
inline const QString Records = QStringLiteral("\\gamedata\\tables\\table.dat");
inline const QString Settings = QStringLiteral("\\gamedata\\settings.ini");
inline const QString Statistics = QStringLiteral("\\gamedata\\statistics.sqlite");
inline const QString Click = QStringLiteral("\\gamedata\\sounds\\click.wav");
inline const QString Draw = QStringLiteral("\\gamedata\\sounds\\draw.wav");
inline const QString Dist = QStringLiteral("\\gamedata\\sounds\\dist.wav");
// Track n (1..8): "\gamedata\music\0n.mp3".
QString musicTrack(int track);
} // namespace gamefiles
