#pragma once

#include "gamemodel.h"
#include "scoring.h"

#include <optional>
#include <string>
#include <string_view>

// How the simulated player plays their turn. A small value rather than a
// class hierarchy: the simulation asks it once per card, and a virtual call
// per card would cost as much as the card.
class Strategy
{
public:
    enum class Kind : std::uint8_t {
        StandOn, // draw while below a number of points
        Banker,  // the banker's own 15, from the player's seat
        Hint,    // the better move by the exact odds
    };

    static constexpr int BankerThreshold = 15;

    static Strategy standOn(int points) { return Strategy(Kind::StandOn, points); }
    static Strategy banker() { return Strategy(Kind::Banker, BankerThreshold); }
    static Strategy hint() { return Strategy(Kind::Hint, 0); }
    // "stand:N" (N from 0 to 50), "banker" or "hint"; empty for anything else.
    static std::optional<Strategy> parse(std::string_view text);

    Kind kind() const { return m_kind; }
    std::string name() const;

    // Asked during the player's turn while a card can be drawn.
    bool drawsOn(const GameModel &model) const
    {
        if (m_kind == Kind::Hint)
            return hintSaysDraw(model);
        return scoring::points(model.playerHand()) < m_points;
    }

    friend bool operator==(const Strategy &, const Strategy &) = default;

private:
    Strategy(Kind kind, int points) : m_kind(kind), m_points(points) {}
    static bool hintSaysDraw(const GameModel &model);

    Kind m_kind;
    int m_points;
};
