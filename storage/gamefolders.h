#pragma once

#include <QString>

// The folders below which the program's files lie, each holding its own
// "gamedata" tree so the spelled paths ("\gamedata\saves\table.dat") stay as
// they are. A portable copy (and the build tree) keeps everything in the
// gamedata folder beside the executable. An installed program has none
// there: it reads its music and sounds from the installed data folder and
// keeps the player's files in the user's data and config folders, so
// nothing is ever written next to it, whoever runs it.
struct GameFolders
{
    QString media;  // music and sounds, only read
    QString data;   // the saved game, the records table, the statistics
    QString config; // the settings
    bool installed = false;

    // Everything below `baseDir`, as beside the executable.
    static GameFolders portable(const QString &baseDir);
    // `installedMedia` is where the installed music lies, relative to
    // `programDir` (e.g. "../share/twentyone") or absolute.
    static GameFolders locate(const QString &programDir, const QString &installedMedia);

    // Makes the user's gamedata folders of an installed program; a folder that
    // cannot be made is told by the first file written there.
    void makeUserFolders() const;
};
