#include "tabletext.h"

#include <QCoreApplication>

namespace tabletext {

namespace {

// The context the translations of these words are kept under.
class Words
{
    Q_DECLARE_TR_FUNCTIONS(TableText)
};

} // namespace

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
        return Words::tr("Переміг Банківник");
    case Outcome::PlayerWins:
        return Words::tr("Переміг Гравець");
    case Outcome::Draw:
        break;
    }
    return Words::tr("Нічия");
}

QString points(int playerPoints, int bankerPoints)
{
    return Words::tr("Очок у Гравця - %1. Очок у Банківника - %2")
        .arg(signed16(playerPoints), signed16(bankerPoints));
}

} // namespace tabletext
