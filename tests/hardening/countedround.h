#pragma once

#include "statistics.h"

#include <QDateTime>

// The rounds the crash writer appends to its statistics, numbered from 0:
// every field follows from the number, which is also the player's money, so
// a row torn, lost from the middle or out of order shows.
namespace countedround {

inline statistics::RoundRow round(int n)
{
    using statistics::RoundOutcome;
    // Runs of wins and losses that draws break.
    static constexpr RoundOutcome Pattern[] = {RoundOutcome::PlayerWins, RoundOutcome::PlayerWins, RoundOutcome::Draw,
                                               RoundOutcome::BankerWins, RoundOutcome::PlayerWins,
                                               RoundOutcome::BankerWins, RoundOutcome::BankerWins};
    statistics::RoundRow r;
    r.playedAt = QDateTime(QDate(2024, 3, 1), QTime(9, 0), Qt::UTC).addSecs(n);
    r.gameKey = QStringLiteral("crash-%1").arg(n / 8);
    if (n % 3 != 0)
        r.gameNumber = n / 8 + 1;
    r.stake = n % 10 + 1;
    r.playerCards = {101 + n % 13, 201 + n / 13 % 13};
    r.bankerCards = {301 + n % 11, 401 + n % 7, 102 + n % 5};
    r.playerPoints = 12 + n % 11;
    r.bankerPoints = 15 + n % 9;
    r.outcome = Pattern[n % 7];
    r.playerMoney = n;
    r.bankerMoney = 1000000 - n;
    r.decisions = n % 4 + 1;
    r.matchedDecisions = n % (r.decisions + 1);
    return r;
}

} // namespace countedround
