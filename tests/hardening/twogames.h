#pragma once

#include "recordstable.h"
#include "savegame.h"

#include <QStringList>

// Two saved games and two records tables that differ in every row they
// write, so that a file caught between them shows which one it holds.
namespace twogames {

inline SavedGame game(int which)
{
    SavedGame s;
    // Two different deals of a full deck, both after a stand.
    std::size_t k = 0;
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank, ++k)
            s.deck[which == 0 ? k : 51 - k] = static_cast<std::int16_t>(suit * 100 + rank);
    s.playerHand = {s.deck[0], s.deck[2], 0, 0, 0};
    s.bankerHand = {s.deck[1], s.deck[3], 0, 0, 0};
    s.playerCount = s.bankerCount = 2;
    s.deckPos = 5;
    s.phase = QStringLiteral("Finish");
    s.pot = 0;
    s.stake = which == 0 ? 5 : 10;
    s.playerMoney = which == 0 ? 130 : 65;
    s.bankerMoney = static_cast<std::int16_t>(200 - s.playerMoney);
    s.musicOn = which == 0;
    s.soundsOn = s.animationOn = true;
    s.musicTrack = which == 0 ? 2 : 7;
    s.evaluationCount = which == 0 ? 9 : 14;
    s.winCount = which == 0 ? 3 : 1;
    return s;
}

inline RecordsTable records(int which)
{
    const QStringList names = {QStringLiteral("Олена"), QStringLiteral("Іван Їжак"), QStringLiteral("Ґанна"),
                               QStringLiteral("Євген"), QStringLiteral("Анонім"), QStringLiteral("Тарас"),
                               QStringLiteral("Ярина"), QStringLiteral("Богдан"), QStringLiteral("Щука"),
                               QStringLiteral("Останній")};
    RecordsTable table;
    for (int n = 1; n <= RecordsTable::Rows; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        table.names[i] = names[which == 0 ? n - 1 : 10 - n];
        table.scores[i] = static_cast<std::int16_t>(which == 0 ? 1000 - 90 * n : 500 - 60 * n);
    }
    return table;
}

} // namespace twogames
