#include "scoring.h"

#include <cmath>

namespace scoring {

HandValue evaluate(const Hand &hand)
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

Outcome decide(int p, int b, Outcome previous)
{
    Outcome w = previous;
    if (b > 21 && p < b)
        w = Outcome::PlayerWins;
    if (p > 21 && b < p)
        w = Outcome::BankerWins;
    if (b <= 21 && p < b)
        w = Outcome::BankerWins;
    if (p <= 21 && b < p)
        w = Outcome::PlayerWins;
    if (b == p && b <= 21 && p <= 21)
        w = Outcome::Draw;
    if (b == 21)
        w = p != 21 ? Outcome::BankerWins : Outcome::Draw;
    if (b != 21 && p == 21)
        w = Outcome::PlayerWins;
    return w;
}

std::int32_t recordScore(int winCount, int evaluationCount)
{
    if (evaluationCount == 0)
        return 0;
    const double evaluations = evaluationCount;
    return static_cast<std::int32_t>(
        std::floor(static_cast<double>(std::int64_t{winCount} * 50000) / (evaluations * evaluations)));
}

} // namespace scoring
