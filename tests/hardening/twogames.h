#pragma once

#include "gamestate.h"

#include <QStringList>

// Two games and two records tables that differ in every row they write,
// so that a file caught between them shows which one it holds.
namespace twogames {

inline void game(int which, GameState &state, Vars &vars)
{
    state = GameState();
    vars = Vars();
    // Two different deals of a full deck, both after a stand.
    int k = 1;
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank)
            state.Deck[which == 0 ? k++ : 53 - k++] = static_cast<std::int16_t>(suit * 100 + rank);
    state.PlayerHand[1] = state.Deck[1];
    state.BankerHand[1] = state.Deck[2];
    state.PlayerHand[2] = state.Deck[3];
    state.BankerHand[2] = state.Deck[4];
    state.PlayerCount = state.BankerCount = 2;
    state.DeckPos = 5;
    state.Phase = QStringLiteral("Finish");
    state.Pot = 0;
    state.Stake = which == 0 ? 5 : 10;
    state.PlayerMoney = which == 0 ? 130 : 65;
    state.BankerMoney = static_cast<std::int16_t>(200 - state.PlayerMoney);
    vars.MusicOn = which == 0;
    vars.SoundsOn = vars.AnimationOn = true;
    vars.MusicTrack = which == 0 ? 2 : 7;
    vars.EvaluationCount = which == 0 ? 9 : 14;
    vars.WinCount = which == 0 ? 3 : 1;
}

inline void records(int which, GameState &state)
{
    const QStringList names = {QStringLiteral("Олена"), QStringLiteral("Іван Їжак"), QStringLiteral("Ґанна"),
                               QStringLiteral("Євген"), QStringLiteral("Анонім"), QStringLiteral("Тарас"),
                               QStringLiteral("Ярина"), QStringLiteral("Богдан"), QStringLiteral("Щука"),
                               QStringLiteral("Останній")};
    for (int n = 1; n <= 10; ++n) {
        state.RecordNames[n] = names[which == 0 ? n - 1 : 10 - n];
        state.RecordScores[n] = static_cast<std::int16_t>(which == 0 ? 1000 - 90 * n : 500 - 60 * n);
    }
}

} // namespace twogames
