#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The texts the table paints from the game state.
namespace tabletext {

// A number with a sign position: " 18", "-3".
QString signed16(int value);

// The pot as shown beside "На кону:": empty until it is first set.
QString pot(const std::optional<std::int16_t> &pot);

// The result line for `winner`; an unknown winner keeps `previous`.
QString result(const QString &winner, const QString &previous);

// "Очок у Гравця -  18. Очок у Банківника -  20"
QString points(int playerPoints, int bankerPoints);

} // namespace tabletext
