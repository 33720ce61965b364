#pragma once

#include "deck.h"
#include "hand.h"

#include <array>
#include <cstdint>
#include <optional>

class GameModel;

// Exact chances of the round for what the player can see: their own cards,
// the banker's face-up second card and the cards shown in earlier rounds of
// this deck. Every other card of the 52 ("unseen") is equally likely to be
// the banker's face-down card or any card still to come.
namespace odds {

struct Position
{
    Hand player;       // 2..5 cards
    Card bankerUp = 0; // the banker's second card
    // Dealt in earlier rounds of this deck.
    std::array<Card, Deck::Size> seen{};
    std::int16_t seenCount = 0;

    // False when all 52 places are taken.
    bool addSeen(Card c)
    {
        if (seenCount < 0 || seenCount >= Deck::Size)
            return false;
        seen[static_cast<std::size_t>(seenCount++)] = c;
        return true;
    }
};

// Why a position cannot be worked out.
enum class Check : std::uint8_t {
    Ok,
    InvalidCard,        // a code that is no card
    RepeatedCard,       // one card given twice, across hand, banker and seen
    TooFewPlayerCards,  // fewer than two
    TooManyPlayerCards, // more than five
    NoCardUnseen,       // nothing left for the banker's face-down card
};

// Of one way to play the round on, in stakes: a win pays +1, a loss -1.
struct Chances
{
    double win = 0;
    double draw = 0;
    double lose = 0;
    double ev = 0;
};

enum class Move : std::uint8_t { Stand, Draw };

struct Figures
{
    // That the next card of the deck would take the player above 21, whether
    // or not they may still draw: 1 when already above, 0 when the deck is
    // empty (the only unseen card is the banker's face-down one).
    double bustNext = 0;
    Chances stand;
    // One card now, then the better move at every step; empty when the
    // player cannot draw (five cards, or no card left in the deck).
    std::optional<Chances> draw;
    Move best = Move::Stand; // Stand on a tie
    double evOptimal = 0;
};

Check check(const Position &position);

// Empty when check() refuses the position.
std::optional<Figures> compute(const Position &position);

// Builds the tables every position shares (a few milliseconds, once), so
// that no later compute() pays for them: call it before hints are needed.
void prepare();

// The position the player sees during their turn. Empty in any other phase,
// and when the deck is not 52 different cards (a file may hold anything):
// then the unseen cards are not what the round deals from.
std::optional<Position> visiblePosition(const GameModel &model);

} // namespace odds
