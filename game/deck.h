#pragma once

#include "card.h"

#include <array>
#include <cstdint>

class RandomSource;

// One 52-card deck in dealing order and the position of the next card.
struct Deck
{
    static constexpr int Size = 52;
    // From this position on fewer than 10 cards are left: a new deck comes
    // before the next round.
    static constexpr int WornFrom = 44;

    std::array<Card, Size> cards{};
    std::int16_t position = 1; // the next card to deal, 1..53; 53 when used up

    // Card k, counted from 1.
    Card operator[](int k) const { return cards[static_cast<std::size_t>(k - 1)]; }
    bool hasCard() const { return position >= 1 && position <= Size; }
    Card take() { return cards[static_cast<std::size_t>(position++ - 1)]; }
    bool isWorn() const { return position >= WornFrom; }

    friend bool operator==(const Deck &, const Deck &) = default;
};

// A fresh deck: each card in turn, from 101 to 413, tries random places
// until it finds an empty one.
void shuffle(Deck &deck, RandomSource &random);
