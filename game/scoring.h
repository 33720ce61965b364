#pragma once

#include "hand.h"

#include <cstdint>

// Hand values, the banker's rule, the outcome of a settled round and the
// score of a won game.
enum class Outcome : std::uint8_t { PlayerWins, BankerWins, Draw };

namespace scoring {

struct HandValue
{
    std::int16_t lowSum = 0;  // every ace counted 1
    std::int16_t highSum = 0; // the first ace counted 11
    std::int16_t points = 0;  // the high sum when it is 21 or less, else the low sum
};

// Inline: the banker's turn and the simulator ask it on every card.
inline HandValue evaluate(const Hand &hand)
{
    int low = 0;
    bool ace = false;
    for (int i = 0; i < hand.count && i < Hand::MaxCards; ++i) {
        const Card c = hand.cards[static_cast<std::size_t>(i)];
        low += card::lowValue(c);
        ace = ace || card::isAce(c);
    }
    // Only the first ace may count 11; the best total of 21 or less wins,
    // a bust hand keeps its low sum.
    const int high = ace ? low + 10 : low;
    HandValue v;
    v.lowSum = static_cast<std::int16_t>(low);
    v.highSum = static_cast<std::int16_t>(high);
    v.points = static_cast<std::int16_t>(high <= 21 ? high : low);
    return v;
}

inline int points(const Hand &hand) { return evaluate(hand).points; }

// The banker takes a card while below 15, or behind a player who is not
// bust, and holds fewer than five cards.
constexpr bool bankerDraws(int bankerPoints, int playerPoints, int bankerCount)
{
    if (bankerPoints < 15 && bankerCount < 5 && playerPoints <= 21)
        return true;
    return bankerPoints < playerPoints && playerPoints <= 21 && bankerCount < 5;
}

// The winner of a settled round. Each test that holds overrides the ones
// before; when none holds (both bust on equal points, which play never
// reaches) the previous outcome stays.
Outcome decide(int playerPoints, int bankerPoints, Outcome previous);

// floor(wins * 50000 / evaluations^2) in wide arithmetic; 0 without evaluations.
std::int32_t recordScore(int winCount, int evaluationCount);

} // namespace scoring
