#pragma once

// Where the cards lie on the table, in twips (fifteen to a logical pixel).
namespace tablelayout {

constexpr int DeckLeft = 10080;
constexpr int DeckTop = 960;
constexpr int BankerRowTop = 960;
constexpr int PlayerRowTop = 5520;
constexpr int SlotWidth = 1560;
constexpr int SlotHeight = 2370;

// Left edge of slot i (0..4), which shows hand card i + 1.
constexpr int slotLeft(int i) { return 240 + 1800 * i; }

} // namespace tablelayout
