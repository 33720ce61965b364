#include "flight.h"

#include "tablelayout.h"

#include <QtGlobal>

#include <array>

namespace flight {

Position start()
{
    return {tablelayout::DeckLeft, tablelayout::DeckTop};
}

std::int16_t targetLeft(int k)
{
    return static_cast<std::int16_t>(tablelayout::slotLeft(k - 1));
}

std::int16_t playerStep(int k)
{
    // Chosen so that 48 drops of 95 twips bring each card near its slot.
    static constexpr std::array<std::int16_t, 5> steps{205, 165, 130, 93, 55};
    Q_ASSERT(k >= 1 && k <= 5);
    return steps[static_cast<std::size_t>(k - 1)];
}

bool stepPlayer(Position &card, int k, bool animate)
{
    if (animate) {
        card.left = static_cast<std::int16_t>(card.left - playerStep(k));
        card.top = static_cast<std::int16_t>(card.top + PlayerDrop);
    } else {
        card.left = targetLeft(k);
        card.top = tablelayout::PlayerRowTop;
    }
    return card.top >= tablelayout::PlayerRowTop;
}

bool stepBanker(Position &card, int k, bool animate)
{
    if (animate)
        card.left = static_cast<std::int16_t>(card.left - BankerStep);
    else
        card.left = targetLeft(k);
    return card.left <= targetLeft(k);
}

} // namespace flight
