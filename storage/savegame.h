#pragma once

#include "../game/gamestate.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The saved game: one row of 323 bytes in 78 fixed-width fields.
namespace savegame {

constexpr int RowBytes = 323;

// The row for the current game (fields 1..78).
QByteArray encode(const GameState &state, const Vars &vars);

// Flags read from a row: set only when the field says exactly "True" or "False".
struct LoadedFlags
{
    std::optional<bool> musicOn, soundsOn, animationOn;
};

// Decodes a row into `state` and `vars` when every value is within the
// limits the game can index (hand counts 0..5, cards 0 or a card code,
// DeckPos 1..53, numbers in 16 bits). On refusal returns a Ukrainian
// message and leaves both untouched. Otherwise the file is taken as it is:
// Phase becomes the number its text starts with ("Finish" gives "0"), and
// Stake and Pot are set as read, for the caller to reset. A flag changes
// only when its field says exactly "True" or "False".
QString decode(QByteArrayView row, GameState &state, Vars &vars, LoadedFlags &flags);

// Writes the row atomically at offset 0, keeping any bytes after it.
// Creates a missing saves folder. Empty on success, else a message.
QString write(const QString &path, const QByteArray &row);

// Reads the first RowBytes bytes and nothing more; never creates the file.
// Empty on success, else a message (missing, unreadable or short file).
QString read(const QString &path, QByteArray &row);

} // namespace savegame
