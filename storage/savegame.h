#pragma once

#include "filestatus.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

class QIODevice;

// The saved game as its file holds it: one row of 323 bytes in 78
// fixed-width fields, in this order.
struct SavedGame
{
    std::int16_t evaluationCount = 0;
    std::int16_t winCount = 0;
    // Read back only when the field says exactly "True" or "False"; a flag
    // without a value is written as "False".
    std::optional<bool> musicOn, soundsOn, animationOn;
    std::int16_t musicTrack = 0;
    std::int16_t playerMoney = 0;
    std::int16_t stake = 0;
    std::int16_t bankerMoney = 0;
    std::int16_t reservedA = 0; // carried by the file only
    std::array<std::int16_t, 52> deck{};
    std::int16_t bankerCount = 0;
    std::array<std::int16_t, 5> bankerHand{};
    std::int16_t playerCount = 0;
    std::array<std::int16_t, 5> playerHand{};
    std::int16_t deckPos = 1;
    std::int16_t reservedB = 0; // carried by the file only
    // Written as it stands ("Stavka", "Game", "Finish", or a number); read
    // back as the number its text starts with ("Finish" gives "0").
    QString phase;
    std::int16_t pot = 0;

    friend bool operator==(const SavedGame &, const SavedGame &) = default;
};

namespace savegame {

constexpr int RowBytes = 323;

QByteArray encode(const SavedGame &game);

// Every field by its encoding. Refuses a short row and numbers beyond 16
// bits (Damaged, leaving `game` as it was); takes everything else as the
// file holds it.
FileStatus decode(QByteArrayView row, SavedGame &game);

// Writes the row atomically at offset 0, keeping any bytes after it.
// Creates a missing saves folder.
FileStatus write(const QString &path, const QByteArray &row);

// Reads the first RowBytes bytes and nothing more; never creates the file.
// A shorter file is Damaged (TooShort).
FileStatus read(const QString &path, QByteArray &row);
// The same from an open device; the path version reads through it.
FileStatus read(QIODevice &device, QByteArray &row);

} // namespace savegame
