#include "scoring.h"

#include <cmath>

namespace scoring {

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
