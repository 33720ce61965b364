#include "scoring.h"

#include "card.h"

namespace scoring {

HandValue evaluate(const OneBased<std::int16_t, 5> &hand, int count)
{
    HandValue v;
    for (int i = 1; i <= count; ++i)
        v.lowSum = static_cast<std::int16_t>(v.lowSum + card::lowValue(hand[i]));
    for (int i = 1; i <= count; ++i) {
        int value = card::lowValue(hand[i]);
        if (card::isAce(hand[i]) && !v.aceHigh) {
            value = 11;
            v.aceHigh = true;
        }
        v.highSum = static_cast<std::int16_t>(v.highSum + value);
    }
    // A bust total first, then the best total of 21 or less overrides it.
    for (int t = 22; t <= 55; ++t) {
        if (t == v.lowSum || t == v.highSum) {
            v.points = static_cast<std::int16_t>(t);
            break;
        }
    }
    for (int t = 21; t >= 1; --t) {
        if (t == v.lowSum || t == v.highSum) {
            v.points = static_cast<std::int16_t>(t);
            break;
        }
    }
    return v;
}

bool bankerDraws(int b, int p, int n)
{
    if (b < 15 && n < 5 && p <= 21)
        return true;
    return b < p && p <= 21 && n < 5;
}

QString winner(int p, int b, const QString &previous)
{
    QString w = previous;
    if (b > 21 && p < b)
        w = QStringLiteral("Player");
    if (p > 21 && b < p)
        w = QStringLiteral("Computer");
    if (b <= 21 && p < b)
        w = QStringLiteral("Computer");
    if (p <= 21 && b < p)
        w = QStringLiteral("Player");
    if (b == p && b <= 21 && p <= 21)
        w = QStringLiteral("Nobody");
    if (b == 21)
        w = p != 21 ? QStringLiteral("Computer") : QStringLiteral("Nobody");
    if (b != 21 && p == 21)
        w = QStringLiteral("Player");
    return w;
}

} // namespace scoring
