#include "odds.h"

#include "gamemodel.h"
#include "scoring.h"

#include <algorithm>
#include <map>
#include <vector>

namespace odds {

namespace {

// Cards are told apart only by their points: ace, 2..9 and the ten-valued
// ones. The unseen cards become counts of these ten values.
constexpr int Values = 10;
// The banker takes at most four unseen cards: the face-down one and three
// more; the player at most three.
constexpr int MaxTaken = 4;
constexpr int MaxDrawn = Hand::MaxCards - 2;

// Multisets of at most k cards of the ten values: C(10 + k, k).
constexpr int multisetsUpTo(int k)
{
    int count = 1;
    for (int i = 1; i <= k; ++i)
        count = count * (Values + i) / i;
    return count;
}

// Expected values closer than rounding can tell are a tie, and a tie stands.
constexpr double TieMargin = 1e-12;

using ValueCounts = std::array<int, Values + 1>; // index 1..10

struct Tally
{
    double win = 0;
    double draw = 0;
    double lose = 0;

    double ev() const { return win - lose; }
    void add(const Tally &t, double weight)
    {
        win += weight * t.win;
        draw += weight * t.draw;
        lose += weight * t.lose;
    }
};

Chances chances(const Tally &t) { return {t.win, t.draw, t.lose, t.ev()}; }

struct HandState
{
    int low = 0;
    bool ace = false;
    int count = 0;

    int points() const { return ace && low + 10 <= 21 ? low + 10 : low; }
    HandState with(int value) const { return {low + value, ace || value == 1, count + 1}; }
};

// Every multiset of up to four card values, numbered by size (those of up
// to k cards come first) so that adding a card is one look-up. A hand's
// state follows from its multiset.
class Multisets
{
public:
    static constexpr int Count = multisetsUpTo(MaxTaken);

    static const Multisets &table()
    {
        static const Multisets instance;
        return instance;
    }

    // -1 beyond four cards.
    int add(int id, int value) const { return m_add[at(id)][at(value - 1)]; }
    int size(int id) const { return m_size[at(id)]; }
    // How many cards of the value (1..10) the multiset holds.
    int holds(int id, int value) const { return m_holds[at(id)][at(value - 1)]; }
    // A hand of these cards after the given ones.
    HandState hand(int id, const HandState &start) const
    {
        const HandState &cards = m_hand[at(id)];
        return {start.low + cards.low, start.ace || cards.ace, start.count + cards.count};
    }

private:
    static std::size_t at(int k) { return static_cast<std::size_t>(k); }

    Multisets()
    {
        using Key = std::array<std::uint8_t, Values>;
        std::map<Key, int> ids{{Key{}, 0}};
        int next = 1;
        for (int id = 0; id < Count; ++id) {
            for (int v = 1; v <= Values; ++v) {
                std::int16_t child = -1;
                if (m_size[at(id)] < MaxTaken) {
                    Key key = m_holds[at(id)];
                    ++key[at(v - 1)];
                    const auto [it, added] = ids.emplace(key, next);
                    if (added) {
                        m_holds[at(next)] = key;
                        m_size[at(next)] = static_cast<std::uint8_t>(m_size[at(id)] + 1);
                        m_hand[at(next)] = m_hand[at(id)].with(v);
                        ++next;
                    }
                    child = static_cast<std::int16_t>(it->second);
                }
                m_add[at(id)][at(v - 1)] = child;
            }
        }
    }

    std::array<std::array<std::int16_t, Values>, Count> m_add{};
    std::array<std::array<std::uint8_t, Values>, Count> m_holds{};
    std::array<std::uint8_t, Count> m_size{};
    std::array<HandState, Count> m_hand{};
};

// The chance of taking given cards from the unseen ones in a given order
// depends only on which cards they are: the product over values of
// n(n-1).. for the cards of that value, over T(T-1).. for all of them. So a
// banker's turn is worked out as a sum over the multisets of cards it can
// take, each weighted by the number of orders its rule lets it take them in.
//
// The falling factors n, n-1, n-2, n-3 of each value are kept in one small
// table; a turn names the slots it multiplies.
constexpr int FactorSlots = Values * MaxTaken + 1;
constexpr std::uint8_t OneSlot = FactorSlots - 1; // holds 1: a turn of fewer cards
using Factors = std::array<double, FactorSlots>;

struct Turn
{
    std::array<std::uint8_t, MaxTaken> slots{OneSlot, OneSlot, OneSlot, OneSlot};
    double orders = 0;
};

// The turns that end on the same points after the same number of cards.
struct TurnGroup
{
    int points = 0;
    int taken = 0;
    // The rule asks for another card here: only an empty deck ends the turn,
    // so these count when exactly `taken` cards were unseen.
    bool deckEmptied = false;
    std::size_t begin = 0;
    std::size_t end = 0;
};

struct TurnTable
{
    std::vector<Turn> turns;
    std::vector<TurnGroup> groups;
};

// Every turn the banker can play, for each face-up card and each rule that
// scoring::bankerDraws() makes of the player's points. Built once; it does
// not depend on which cards are unseen.
class BankerTurns
{
public:
    static constexpr int MaxPoints = 52; // above any hand of five cards

    static const BankerTurns &table()
    {
        static const BankerTurns instance;
        return instance;
    }

    const TurnTable &turns(int upValue, int playerPoints) const
    {
        return m_tables[m_ruleOf[static_cast<std::size_t>(playerPoints)]][static_cast<std::size_t>(upValue - 1)];
    }

private:
    using Rule = std::array<bool, 3 * MaxPoints>; // draws at (cards 2..4, points)

    BankerTurns()
    {
        std::vector<Rule> rules;
        for (int p = 0; p < MaxPoints; ++p) {
            Rule rule{};
            for (int n = 2; n < Hand::MaxCards; ++n)
                for (int b = 0; b < MaxPoints; ++b)
                    rule[static_cast<std::size_t>((n - 2) * MaxPoints + b)] = scoring::bankerDraws(b, p, n);
            std::size_t index = 0;
            while (index < rules.size() && rules[index] != rule)
                ++index;
            if (index == rules.size()) {
                rules.push_back(rule);
                m_tables.emplace_back();
                for (int up = 1; up <= Values; ++up)
                    m_tables.back()[static_cast<std::size_t>(up - 1)] = build(rule, up);
            }
            m_ruleOf[static_cast<std::size_t>(p)] = static_cast<std::uint8_t>(index);
        }
    }

    static TurnTable build(const Rule &rule, int up)
    {
        const Multisets &sets = Multisets::table();
        const HandState start{up, up == 1, 1};
        auto drawsOn = [&](int id) {
            const HandState hand = sets.hand(id, start);
            // The face-down card always comes; five cards end the turn.
            if (hand.count < 2)
                return true;
            if (hand.count >= Hand::MaxCards)
                return false;
            return rule[static_cast<std::size_t>((hand.count - 2) * MaxPoints + hand.points())];
        };

        // Orders in which the rule reaches each multiset; sizes grow with the id.
        std::array<double, Multisets::Count> orders{};
        orders[0] = 1;
        for (int id = 0; id < Multisets::Count; ++id)
            if (orders[static_cast<std::size_t>(id)] > 0 && drawsOn(id))
                for (int v = 1; v <= Values; ++v)
                    orders[static_cast<std::size_t>(sets.add(id, v))] += orders[static_cast<std::size_t>(id)];

        struct Found
        {
            std::array<int, 3> group; // emptied deck, cards taken, points
            Turn turn;
        };
        std::vector<Found> found;
        for (int id = 1; id < Multisets::Count; ++id) {
            if (orders[static_cast<std::size_t>(id)] == 0)
                continue;
            Found f{{drawsOn(id) ? 1 : 0, sets.size(id), sets.hand(id, start).points()}, {}};
            f.turn.orders = orders[static_cast<std::size_t>(id)];
            std::size_t k = 0;
            for (int v = 1; v <= Values; ++v)
                for (int r = 0; r < sets.holds(id, v); ++r)
                    f.turn.slots[k++] = static_cast<std::uint8_t>((v - 1) * MaxTaken + r);
            found.push_back(f);
        }
        std::stable_sort(found.begin(), found.end(), [](const Found &a, const Found &b) { return a.group < b.group; });

        TurnTable table;
        for (const Found &f : found) {
            if (table.groups.empty() || table.groups.back().deckEmptied != (f.group[0] == 1)
                || table.groups.back().taken != f.group[1] || table.groups.back().points != f.group[2])
                table.groups.push_back({f.group[2], f.group[1], f.group[0] == 1, table.turns.size(), table.turns.size()});
            table.turns.push_back(f.turn);
            ++table.groups.back().end;
        }
        return table;
    }

    std::array<std::uint8_t, MaxPoints> m_ruleOf{};
    std::vector<std::array<TurnTable, Values>> m_tables;
};

// One round from the player's turn on, over the counts of the unseen cards.
// The player's cards are taken out of the counts on the way down and put
// back on the way up, so the counts always hold what is left at the
// current node.
class Round
{
public:
    Round(const ValueCounts &unseen, int unseenCount, int bankerUp)
        : m_unseen(unseen), m_left(unseenCount), m_up(bankerUp), m_sets(Multisets::table()), m_turns(BankerTurns::table())
    {
    }

    // The player stands on the given points: the banker turns its card
    // over and plays its rule.
    Tally standing(int playerPoints) const
    {
        Factors factors;
        for (int v = 1; v <= Values; ++v)
            for (int r = 0; r < MaxTaken; ++r)
                factors[static_cast<std::size_t>((v - 1) * MaxTaken + r)] = m_unseen[static_cast<std::size_t>(v)] - r;
        factors[OneSlot] = 1;
        // 1 / (T (T-1) ..) for each number of cards taken.
        std::array<double, MaxTaken + 1> perOrder{};
        double falling = 1;
        for (int k = 1; k <= MaxTaken && k <= m_left; ++k) {
            falling *= m_left - k + 1;
            perOrder[static_cast<std::size_t>(k)] = 1 / falling;
        }

        Tally result;
        const TurnTable &table = m_turns.turns(m_up, playerPoints);
        for (const TurnGroup &group : table.groups) {
            if (group.taken > m_left || (group.deckEmptied && group.taken != m_left))
                continue;
            double sum = 0;
            for (std::size_t t = group.begin; t < group.end; ++t) {
                const Turn &turn = table.turns[t];
                sum += turn.orders * factors[turn.slots[0]] * factors[turn.slots[1]] * factors[turn.slots[2]]
                       * factors[turn.slots[3]];
            }
            const double chance = sum * perOrder[static_cast<std::size_t>(group.taken)];
            switch (scoring::decide(playerPoints, group.points, Outcome::Draw)) {
            case Outcome::PlayerWins: result.win += chance; break;
            case Outcome::Draw: result.draw += chance; break;
            case Outcome::BankerWins: result.lose += chance; break;
            }
        }
        return result;
    }

    // The player may draw while below five cards and a card is left in the
    // deck besides the banker's face-down one.
    bool canDraw(const HandState &player) const { return player.count < Hand::MaxCards && m_left >= 2; }

    // One card now, then the better move at every step.
    Tally drawing(int id, const HandState &player)
    {
        Tally result;
        const double total = m_left;
        for (int v = 1; v <= Values; ++v) {
            const int n = m_unseen[static_cast<std::size_t>(v)];
            if (n == 0)
                continue;
            take(v);
            result.add(playOn(m_sets.add(id, v), player.with(v)), n / total);
            putBack(v);
        }
        return result;
    }

private:
    Tally playOn(int id, const HandState &player)
    {
        Known &known = m_player[static_cast<std::size_t>(id)];
        if (known.done)
            return known.tally;
        // Above 21 the banker never draws and wins; more cards change nothing.
        Tally best = standing(player.points());
        if (player.low <= 21 && canDraw(player)) {
            const Tally more = drawing(id, player);
            if (more.ev() > best.ev() + TieMargin)
                best = more;
        }
        known = {best, true};
        return best;
    }

    void take(int v)
    {
        --m_unseen[static_cast<std::size_t>(v)];
        --m_left;
    }
    void putBack(int v)
    {
        ++m_unseen[static_cast<std::size_t>(v)];
        ++m_left;
    }

    struct Known
    {
        Tally tally;
        bool done = false;
    };

    ValueCounts m_unseen;
    int m_left;
    int m_up;
    const Multisets &m_sets;
    const BankerTurns &m_turns;
    // By the multiset of the player's draws: the same cards in any order
    // leave the same hand and the same unseen cards.
    std::array<Known, multisetsUpTo(MaxDrawn)> m_player{};
};

} // namespace

namespace {

// 0..51 for a valid card.
std::size_t slotOf(Card c) { return static_cast<std::size_t>((card::suit(c) - 1) * 13 + card::rank(c) - 1); }

} // namespace

Check check(const Position &position)
{
    if (position.player.count < 2)
        return Check::TooFewPlayerCards;
    if (position.player.count > Hand::MaxCards)
        return Check::TooManyPlayerCards;
    // No list of real cards has such a count.
    if (position.seenCount < 0 || position.seenCount > Deck::Size)
        return Check::InvalidCard;
    std::array<bool, Deck::Size> given{};
    int known = 0;
    auto mark = [&](Card c) {
        if (!card::isValid(c))
            return Check::InvalidCard;
        if (given[slotOf(c)])
            return Check::RepeatedCard;
        given[slotOf(c)] = true;
        ++known;
        return Check::Ok;
    };
    for (int k = 1; k <= position.player.count; ++k)
        if (const Check c = mark(position.player[k]); c != Check::Ok)
            return c;
    if (const Check c = mark(position.bankerUp); c != Check::Ok)
        return c;
    for (int k = 0; k < position.seenCount; ++k)
        if (const Check c = mark(position.seen[static_cast<std::size_t>(k)]); c != Check::Ok)
            return c;
    return known < Deck::Size ? Check::Ok : Check::NoCardUnseen;
}

void prepare()
{
    BankerTurns::table();
    Multisets::table();
}

std::optional<Figures> compute(const Position &position)
{
    if (check(position) != Check::Ok)
        return std::nullopt;

    ValueCounts unseen{};
    for (int v = 1; v <= Values; ++v)
        unseen[static_cast<std::size_t>(v)] = v == 10 ? 16 : 4;
    int unseenCount = Deck::Size;
    auto remove = [&](Card c) {
        --unseen[static_cast<std::size_t>(card::lowValue(c))];
        --unseenCount;
    };
    HandState player;
    for (int k = 1; k <= position.player.count; ++k) {
        remove(position.player[k]);
        player = player.with(card::lowValue(position.player[k]));
    }
    remove(position.bankerUp);
    for (int k = 0; k < position.seenCount; ++k)
        remove(position.seen[static_cast<std::size_t>(k)]);

    Figures figures;
    if (player.low > 21) {
        figures.bustNext = 1;
    } else if (unseenCount >= 2) {
        int busting = 0;
        for (int v = 22 - player.low; v <= Values; ++v)
            busting += unseen[static_cast<std::size_t>(v)];
        figures.bustNext = static_cast<double>(busting) / unseenCount;
    }

    Round round(unseen, unseenCount, card::lowValue(position.bankerUp));
    figures.stand = chances(round.standing(player.points()));
    figures.evOptimal = figures.stand.ev;
    if (round.canDraw(player)) {
        figures.draw = chances(round.drawing(0, player));
        if (figures.draw->ev > figures.stand.ev + TieMargin) {
            figures.best = Move::Draw;
            figures.evOptimal = figures.draw->ev;
        }
    }
    return figures;
}

std::optional<Position> visiblePosition(const GameModel &model)
{
    if (model.phase() != GameModel::Phase::PlayerTurn || model.bankerHand().count < 2)
        return std::nullopt;
    // Only a deck of 52 different cards deals what the unseen cards say.
    std::array<bool, Deck::Size> inDeck{};
    for (const Card c : model.deck().cards) {
        if (!card::isValid(c) || inDeck[slotOf(c)])
            return std::nullopt;
        inDeck[slotOf(c)] = true;
    }
    Position position;
    position.player = model.playerHand();
    position.bankerUp = model.bankerHand()[2];
    for (int k = 1; k < model.roundStart() && k <= Deck::Size; ++k)
        position.addSeen(model.deck()[k]);
    return position;
}

} // namespace odds
