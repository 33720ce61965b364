#include "deck.h"

#include "random.h"

#include <algorithm>

void shuffle(Deck &deck, RandomSource &random)
{
    deck.cards.fill(0);
    deck.position = 1;
    for (int suit = 1; suit <= 4; ++suit) {
        for (int rank = 1; rank <= 13; ++rank) {
            std::size_t k = 0;
            do {
                k = static_cast<std::size_t>(std::clamp(static_cast<int>(random.next() * Deck::Size), 0, Deck::Size - 1));
            } while (deck.cards[k] != 0);
            deck.cards[k] = card::code(suit, rank);
        }
    }
}
