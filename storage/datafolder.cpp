#include "datafolder.h"

#include "gamepaths.h"
#include "recordsfile.h"

#include <utility>

DataFolder::DataFolder(QString baseDir) : m_baseDir(std::move(baseDir)) {}

QString DataFolder::savedGamePath() const { return gamePath(m_baseDir, gamefiles::SavedGame); }

QString DataFolder::recordsPath() const { return gamePath(m_baseDir, gamefiles::Records); }

FileStatus DataFolder::save(const SavedGame &game) const
{
    return savegame::write(savedGamePath(), savegame::encode(game));
}

FileStatus DataFolder::load(SavedGame &game) const
{
    QByteArray row;
    FileStatus status = savegame::read(savedGamePath(), row);
    if (status.ok())
        status = savegame::decode(row, game);
    if (!status.ok())
        status.path = savedGamePath();
    return status;
}

FileStatus DataFolder::readRecords(RecordsTable &table) const { return recordsfile::read(recordsPath(), table); }

FileStatus DataFolder::writeRecords(const RecordsTable &table) const
{
    return recordsfile::write(recordsPath(), table);
}
