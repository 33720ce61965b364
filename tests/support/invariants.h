#pragma once

#include "card.h"
#include "gamemodel.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <utility>

// The game's invariants, or what breaks them. `total` is what both purses
// hold together (200, or what a loaded file brought).
inline QString brokenInvariant(const GameModel &m, int total = 200)
{
    using Phase = GameModel::Phase;
    const bool staked = m.phase() == Phase::PlayerTurn || m.phase() == Phase::BankerTurn;
    const int money = m.playerMoney() + m.bankerMoney();
    if (money != (staked ? total - 2 * m.stake() : total))
        return QStringLiteral("money %1 of %2 with stake %3 in phase %4")
            .arg(money).arg(total).arg(m.stake()).arg(int(m.phase()));
    for (const Hand *hand : {&m.playerHand(), &m.bankerHand()}) {
        if (hand->count < 0 || hand->count > 5)
            return QStringLiteral("hand count %1").arg(hand->count);
        for (int i = 1; i <= 5; ++i)
            if ((i <= hand->count) != card::isValid((*hand)[i]) || (i > hand->count && (*hand)[i] != 0))
                return QStringLiteral("hand slot %1 holds %2 with count %3").arg(i).arg((*hand)[i]).arg(hand->count);
    }
    QList<int> deck(m.deck().cards.begin(), m.deck().cards.end());
    std::sort(deck.begin(), deck.end());
    for (int k = 0; k < 52; ++k)
        if (deck[k] != (k / 13 + 1) * 100 + k % 13 + 1)
            return QStringLiteral("deck is not a permutation");
    if (m.deck().position < 1 || m.deck().position > 53)
        return QStringLiteral("deck position %1").arg(m.deck().position);
    if (m.evaluationCount() < 2 * m.winCount())
        return QStringLiteral("%1 evaluations for %2 wins").arg(m.evaluationCount()).arg(m.winCount());
    return {};
}
