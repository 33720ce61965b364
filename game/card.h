#pragma once

#include <cstdint>

// A card is its code: suit * 100 + rank. Suits 1 diamonds, 2 hearts,
// 3 clubs, 4 spades; ranks 1 ace, 2..10, 11 jack, 12 queen, 13 king.
// 0 marks an empty hand slot.
using Card = std::int16_t;

namespace card {

constexpr int suit(int code) { return code / 100; }
constexpr int rank(int code) { return code % 100; }

constexpr bool isValid(int code)
{
    return suit(code) >= 1 && suit(code) <= 4 && rank(code) >= 1 && rank(code) <= 13;
}

constexpr bool isAce(int code) { return rank(code) == 1; }

// Points of a card with the ace counted 1; 0 for an empty slot.
constexpr int lowValue(int code)
{
    const int r = rank(code);
    return r >= 11 ? 10 : r;
}

constexpr Card code(int suitDigit, int rankNumber)
{
    return static_cast<Card>(suitDigit * 100 + rankNumber);
}

} // namespace card
