#pragma once

#include "scoring.h"

#include <QString>

#include <cstdint>
#include <optional>

// The lines the table paints from the game.
namespace tabletext {

// A number with a sign position: " 18", "-3".
QString signed16(int value);

// The pot as shown beside "На кону:": empty until it is first set.
QString pot(const std::optional<std::int16_t> &pot);

// "Переміг Гравець", "Переміг Банківник" or "Нічия".
QString result(Outcome outcome);

// "Очок у Гравця -  18. Очок у Банківника -  20"
QString points(int playerPoints, int bankerPoints);

} // namespace tabletext
