#pragma once

#include "../game/gamestate.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The records file: ten rows of 25 bytes, a 20-byte Windows-1251 name and a
// 5-byte score with a sign position, best first.
namespace recordsfile {

constexpr int Rows = 10;
constexpr int RowBytes = 25;
constexpr int NameBytes = 20;
constexpr int ScoreBytes = 5;

// Empty on success, else a message for the player in Ukrainian.
using Error = QString;

// The rows of a table as read from the file's first bytes: fills
// RecordNames and RecordScores; rows past the end of `table` read as empty
// names scoring 0. The file readers below are built on these two.
void parseTable(GameState &state, QByteArrayView table);

// Rows 1..10 as the file holds them, 250 bytes.
QByteArray encodeTable(const GameState &state);

// Fills RecordNames and RecordScores. A missing file reads as ten empty
// rows scoring 0, and so do rows past the end of a short file.
Error ReadRecordsTable(GameState &state, const QString &path);

// Replaces rows 1..10 atomically, keeping any bytes after the tenth row.
// Names are cut to 20 bytes after encoding; a score too wide for its five
// bytes is written so that it still reads back (see fittedNumber()).
// Creates a missing tables folder. Leaves the file untouched on failure.
Error WriteRecordsTable(GameState &state, const QString &path);

} // namespace recordsfile
