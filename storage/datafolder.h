#pragma once

#include "filestatus.h"
#include "recordstable.h"
#include "savegame.h"

#include <QString>

// The data files below the program's folder: the saved game and the
// records table. Each call opens, transfers and closes its file.
class DataFolder
{
public:
    explicit DataFolder(QString baseDir);

    const QString &baseDir() const { return m_baseDir; }
    QString savedGamePath() const;
    QString recordsPath() const;

    FileStatus save(const SavedGame &game) const;
    // Reads and decodes; on failure `game` stays as it was.
    FileStatus load(SavedGame &game) const;
    FileStatus readRecords(RecordsTable &table) const;
    FileStatus writeRecords(const RecordsTable &table) const;

private:
    QString m_baseDir;
};
