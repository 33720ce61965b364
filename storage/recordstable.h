#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The ten best results of won games, best first.
struct RecordsTable
{
    static constexpr int Rows = 10;

    std::array<QString, Rows> names;
    std::array<std::int16_t, Rows> scores{};

    // The place (1..10) a score takes: above the first entry it beats, so
    // below every entry with the same score; 0 when it beats none.
    int placeFor(std::int32_t score) const;

    // Moves the entries from `place` on down one row (the tenth drops out)
    // and puts the new one there. The score is clamped to 16 bits.
    void enter(int place, const QString &name, std::int32_t score);

    friend bool operator==(const RecordsTable &, const RecordsTable &) = default;
};
