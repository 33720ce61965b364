#include "strategy.h"

#include "odds.h"

#include <charconv>

std::optional<Strategy> Strategy::parse(std::string_view text)
{
    if (text == "banker")
        return banker();
    if (text == "hint")
        return hint();
    constexpr std::string_view prefix = "stand:";
    if (!text.starts_with(prefix))
        return std::nullopt;
    const std::string_view number = text.substr(prefix.size());
    int points = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), points);
    // 50 is the largest hand: any higher number plays the same.
    if (error != std::errc() || end != number.data() + number.size() || points < 0 || points > 50)
        return std::nullopt;
    return standOn(points);
}

std::string Strategy::name() const
{
    switch (m_kind) {
    case Kind::StandOn: return "stand:" + std::to_string(m_points);
    case Kind::Banker: return "banker";
    case Kind::Hint: return "hint";
    }
    return {};
}

bool Strategy::hintSaysDraw(const GameModel &model)
{
    const std::optional<odds::Position> position = odds::visiblePosition(model);
    if (!position)
        return false;
    const std::optional<odds::Figures> figures = odds::compute(*position);
    return figures && figures->best == odds::Move::Draw;
}
