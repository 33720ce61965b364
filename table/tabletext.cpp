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

QString result(const QString &winner, const QString &previous)
{
    if (winner == QLatin1String("Computer"))
        return QStringLiteral("Переміг Банківник");
    if (winner == QLatin1String("Player"))
        return QStringLiteral("Переміг Гравець");
    if (winner == QLatin1String("Nobody"))
        return QStringLiteral("Нічия");
    return previous;
}

QString points(int playerPoints, int bankerPoints)
{
    return QStringLiteral("Очок у Гравця - ") + signed16(playerPoints) + QStringLiteral(". Очок у Банківника - ")
        + signed16(bankerPoints);
}

} // namespace tabletext
