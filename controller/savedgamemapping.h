#pragma once

#include "filestatus.h"
#include "gamemodel.h"
#include "savegame.h"
#include "settings.h"

#include <QString>

// What a save carries beyond the rules and the settings: two numbers only
// the file uses, and the phase a load left, which a save writes back while
// the game still stands where it was loaded.
struct SaveExtras
{
    std::int16_t reservedA = 0;
    std::int16_t reservedB = 0;
    QString resumedPhase = QStringLiteral("0");
};

// The one place where the saved-game record meets the rules.
namespace savedgamemapping {

SavedGame record(const GameModel &model, const Settings &settings, const SaveExtras &extras);

// Refuses a record the rules cannot play (hand counts beyond 0..5, a deck
// entry that is no card, a hand entry that is neither 0 nor a card, a deck
// position beyond 1..53) and changes nothing then. Otherwise the game stands
// between two rounds as the file has it, and each flag the file states is
// taken.
FileStatus restore(const SavedGame &record, GameModel &model, Settings &settings, SaveExtras &extras);

} // namespace savedgamemapping
