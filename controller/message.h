#pragma once

#include "filestatus.h"

#include <QString>

#include <cstdint>
#include <utility>

// What the game tells the player or asks, as an identifier with its
// numbers. The table puts it into words.
struct Message
{
    enum class Id : std::uint8_t {
        StakeIsZero,
        PlayerCannotCover,
        BankerCannotCover,
        NewDeck,
        GameLost,          // asks Yes or No: another game?
        GameWon,           // asks Yes or No; the score did not enter the records
        GameWonWithRecord, // asks Yes or No after the name was entered
        RecordName,        // asks for the name; `number` is the score
        GameSaved,
        SaveFailed,        // `file` says why
        GameLoaded,
        LoadFailed,
        RecordsUnreadable,
        RecordsUnwritable,
        SettingsUnreadable, // the usual settings apply; `file` says why
        SettingsUnsaved,
        StatisticsUnavailable, // the game plays on without; `file` says why
        GameNumberPrompt,  // asks for a game's number
        GameNumberRefused, // `text` is what was typed
        Pause,
    };

    Message(Id which, std::int32_t value = 0) : id(which), number(value) {}
    Message(Id which, FileStatus status) : id(which), file(std::move(status)) {}

    Id id;
    std::int32_t number = 0;
    FileStatus file;
    QString text;

    bool isQuestion() const { return id == Id::GameLost || id == Id::GameWon || id == Id::GameWonWithRecord; }
};
