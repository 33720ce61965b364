#pragma once

#include "gamestate.h"

#include <cstdint>

// Paths of a dealt card from the deck to its slot, in twips. The table owns
// the timers and the flying card; these steps only move FlyLeft and FlyTop.
namespace flight {

constexpr std::int16_t DeckLeft = 10080;
constexpr std::int16_t DeckTop = 960;
constexpr std::int16_t PlayerRowTop = 5520;
constexpr std::int16_t BankerStep = 130;
constexpr std::int16_t PlayerDrop = 95;

// Left edge of the slot that card number k (1..5) flies to.
constexpr std::int16_t targetLeft(int k) { return static_cast<std::int16_t>(240 + 1800 * (k - 1)); }

// Horizontal step per tick of the player's card k.
std::int16_t playerStep(int k);

// Puts the flying card on the deck, as every deal does.
void start(GameState &state);

// One tick of player card k; true when it has arrived (FlyTop reached the row).
bool stepPlayer(GameState &state, int k, bool animate);

// One tick of banker card k; true when it has arrived (FlyLeft at or past the slot).
bool stepBanker(GameState &state, int k, bool animate);

} // namespace flight
