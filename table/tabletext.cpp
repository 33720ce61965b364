#include "tabletext.h"

namespace tabletext {

QString signed16(int value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

QString pot(const std::optional<std::int16_t> &pot)
{
    return pot ? QString::number(*pot) : QString();
}

QString result(Outcome outcome)
{
    switch (outcome) {
    case Outcome::BankerWins:
        return QStringLiteral("Переміг Банківник");
    case Outcome::PlayerWins:
        return QStringLiteral("Переміг Гравець");
    case Outcome::Draw:
        break;
    }
    return QStringLiteral("Нічия");
}

QString points(int playerPoints, int bankerPoints)
{
    return QStringLiteral("Очок у Гравця - ") + signed16(playerPoints) + QStringLiteral(". Очок у Банківника - ")
        + signed16(bankerPoints);
}

} // namespace tabletext
