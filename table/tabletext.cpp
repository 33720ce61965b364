#include "tabletext.h"

#include <QCoreApplication>

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
        return QCoreApplication::translate("TableText", "Переміг Банківник");
    case Outcome::PlayerWins:
        return QCoreApplication::translate("TableText", "Переміг Гравець");
    case Outcome::Draw:
        break;
    }
    return QCoreApplication::translate("TableText", "Нічия");
}

QString points(int playerPoints, int bankerPoints)
{
    return QCoreApplication::translate("TableText", "Очок у Гравця - %1. Очок у Банківника - %2")
        .arg(signed16(playerPoints), signed16(bankerPoints));
}

} // namespace tabletext
