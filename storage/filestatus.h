#pragma once

#include <QMetaType>
#include <QString>

#include <cstdint>

// What went wrong with a data file, for the table to put into words.
enum class FileProblem : std::uint8_t {
    None,
    Missing,
    IsDirectory,      // a folder stands where the file should be
    Unreadable,       // cannot be opened or read, or is no regular file
    Unwritable,
    FolderNotCreated, // `path` names the folder
    Damaged,          // read, but what it holds cannot be used
    Locked,           // another running copy of the game holds it
    NewerVersion,     // written by a later version of the game
};

enum class Damage : std::uint8_t {
    None,
    TooShort,
    NumberOutOfRange,       // `detail`: the field's offset
    HandCountOutOfRange,    // `detail`: the count
    NotACard,               // `detail`: the number
    DeckPositionOutOfRange, // `detail`: the position
};

struct FileStatus
{
    FileProblem problem = FileProblem::None;
    QString path;
    Damage damage = Damage::None;
    qint64 detail = 0;

    bool ok() const { return problem == FileProblem::None; }

    static FileStatus damaged(Damage damage, qint64 detail = 0)
    {
        return {FileProblem::Damaged, {}, damage, detail};
    }
};

Q_DECLARE_METATYPE(FileStatus)
