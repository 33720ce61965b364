#pragma once

#include "card.h"

#include <array>
#include <cstdint>

// The cards of one side in the order they were dealt; slots above the
// count hold 0. A restored game holds whatever its file held.
struct Hand
{
    static constexpr int MaxCards = 5;

    std::array<Card, MaxCards> cards{};
    std::int16_t count = 0;

    // Card k, counted from 1 as the table counts its slots.
    Card operator[](int k) const { return cards[static_cast<std::size_t>(k - 1)]; }
    bool isFull() const { return count >= MaxCards; }
    void add(Card c) { cards[static_cast<std::size_t>(count++)] = c; }

    friend bool operator==(const Hand &, const Hand &) = default;
};
