#pragma once

#include <cstdint>

// Paths of a dealt card from the deck to its slot, in twips. The window
// owns the timers and the flying card; these steps only move its position.
namespace flight {

struct Position
{
    std::int16_t left = 0;
    std::int16_t top = 0;
};

constexpr std::int16_t BankerStep = 130;
constexpr std::int16_t PlayerDrop = 95;

// On the deck, where every flight begins.
Position start();

// Left edge of the slot that card number k (1..5) flies to.
std::int16_t targetLeft(int k);

// Horizontal step per tick of the player's card k.
std::int16_t playerStep(int k);

// One tick of player card k; true when it has arrived (its top reached the row).
bool stepPlayer(Position &card, int k, bool animate);

// One tick of banker card k; true when it has arrived (its left edge at or past the slot).
bool stepBanker(Position &card, int k, bool animate);

} // namespace flight
