#pragma once

#include "card.h"
#include "gamestate.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <utility>

// The game's invariants, or what breaks them. `staked` is true from a bet
// until its settlement; `total` is what both purses hold together (200, or
// what a loaded file brought).
inline QString brokenInvariant(const GameState &s, const Vars &vars, bool staked, int total = 200)
{
    const int money = s.PlayerMoney + s.BankerMoney;
    if (money != (staked ? total - 2 * s.Stake : total))
        return QStringLiteral("money %1 of %2 with stake %3 in %4").arg(money).arg(total).arg(s.Stake).arg(s.Phase);
    for (auto [hand, count] : {std::pair{&s.PlayerHand, s.PlayerCount}, std::pair{&s.BankerHand, s.BankerCount}}) {
        if (count < 0 || count > 5)
            return QStringLiteral("hand count %1").arg(count);
        for (int i = 1; i <= 5; ++i)
            if ((i <= count) != card::isValid((*hand)[i]) || (i > count && (*hand)[i] != 0))
                return QStringLiteral("hand slot %1 holds %2 with count %3").arg(i).arg((*hand)[i]).arg(count);
    }
    QList<int> deck(s.Deck.begin(), s.Deck.end());
    std::sort(deck.begin(), deck.end());
    for (int k = 0; k < 52; ++k)
        if (deck[k] != (k / 13 + 1) * 100 + k % 13 + 1)
            return QStringLiteral("deck is not a permutation");
    if (s.DeckPos < 1 || s.DeckPos > 53)
        return QStringLiteral("DeckPos %1").arg(s.DeckPos);
    if (vars.EvaluationCount < 2 * vars.WinCount)
        return QStringLiteral("%1 evaluations for %2 wins").arg(vars.EvaluationCount).arg(vars.WinCount);
    return {};
}
