#include "flight.h"

#include <QtGlobal>

#include <array>

namespace flight {

std::int16_t playerStep(int k)
{
    // Chosen so that 48 drops of 95 twips bring each card near its slot.
    static constexpr std::array<std::int16_t, 5> steps{205, 165, 130, 93, 55};
    Q_ASSERT(k >= 1 && k <= 5);
    return steps[static_cast<std::size_t>(k - 1)];
}

void start(GameState &state)
{
    state.FlyLeft = DeckLeft;
    state.FlyTop = DeckTop;
}

bool stepPlayer(GameState &state, int k, bool animate)
{
    if (animate) {
        state.FlyLeft = static_cast<std::int16_t>(state.FlyLeft - playerStep(k));
        state.FlyTop = static_cast<std::int16_t>(state.FlyTop + PlayerDrop);
    } else {
        state.FlyLeft = targetLeft(k);
        state.FlyTop = PlayerRowTop;
    }
    return state.FlyTop >= PlayerRowTop;
}

bool stepBanker(GameState &state, int k, bool animate)
{
    if (animate)
        state.FlyLeft = static_cast<std::int16_t>(state.FlyLeft - BankerStep);
    else
        state.FlyLeft = targetLeft(k);
    return state.FlyLeft <= targetLeft(k);
}

} // namespace flight
