#pragma once

#include "gamestate.h"

#include <QString>

// Hand values and the outcome of a settled round.
namespace scoring {

struct HandValue
{
    std::int16_t lowSum = 0;   // every ace counted 1
    std::int16_t highSum = 0;  // the first ace counted 11
    bool aceHigh = false;
    std::int16_t points = 0;
};

// Value of the first `count` cards of a hand.
HandValue evaluate(const OneBased<std::int16_t, 5> &hand, int count);

// The banker takes a card while below 15, or behind a player who is not bust,
// and holds fewer than five cards.
bool bankerDraws(int bankerPoints, int playerPoints, int bankerCount);

// "Player", "Computer" or "Nobody" for a settled round; `previous` stays when no test holds.
QString winner(int playerPoints, int bankerPoints, const QString &previous);

} // namespace scoring
