#include "gamemodel.h"
#include "odds.h"
#include "random.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <vector>

Q_DECLARE_METATYPE(odds::Check)

using Cards = QList<int>;

namespace {

odds::Position positionOf(const Cards &player, int up, const Cards &seen)
{
    odds::Position p;
    for (int k = 0; k < player.size() && k < Hand::MaxCards; ++k)
        p.player.cards[static_cast<std::size_t>(k)] = static_cast<Card>(player[k]);
    p.player.count = static_cast<std::int16_t>(player.size());
    p.bankerUp = static_cast<Card>(up);
    for (int c : seen)
        p.addSeen(static_cast<Card>(c));
    return p;
}

Cards allCardsBut(const Cards &known)
{
    Cards rest;
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank)
            if (!known.contains(suit * 100 + rank))
                rest << suit * 100 + rank;
    return rest;
}

Hand handOf(const Cards &cards)
{
    Hand h;
    for (int c : cards)
        h.add(static_cast<Card>(c));
    return h;
}

// The banker's turn card by card, as the rules play it; `next` walks the
// deck and stops at `end` (an empty deck settles the round).
Outcome bankerPlays(const Hand &player, Card hole, Card up, const int *next, const int *end)
{
    Hand banker;
    banker.add(hole);
    banker.add(up);
    const int p = scoring::points(player);
    while (scoring::bankerDraws(scoring::points(banker), p, banker.count) && next != end)
        banker.add(static_cast<Card>(*next++));
    return scoring::decide(p, scoring::points(banker), Outcome::Draw);
}

// Results counted over orders of the unseen cards, all equally likely.
struct Count
{
    qint64 win = 0;
    qint64 draw = 0;
    qint64 lose = 0;

    qint64 ev() const { return win - lose; }
    void add(Outcome o) { ++(o == Outcome::PlayerWins ? win : o == Outcome::Draw ? draw : lose); }
    Count &operator+=(const Count &c)
    {
        win += c.win;
        draw += c.draw;
        lose += c.lose;
        return *this;
    }
};

// Every order of the unseen cards, played card by card. An order lists
// the deck from the next card on and ends with the banker's face-down
// card. The orders are sorted, so those that begin alike (what the player
// has seen after drawing that far) lie side by side.
class EveryOrder
{
public:
    EveryOrder(const Cards &player, int up, Cards unseen) : m_player(handOf(player)), m_up(static_cast<Card>(up))
    {
        std::sort(unseen.begin(), unseen.end());
        do
            m_orders.push_back(std::vector<int>(unseen.begin(), unseen.end()));
        while (std::next_permutation(unseen.begin(), unseen.end()));
    }

    qint64 total() const { return static_cast<qint64>(m_orders.size()); }
    Count stand() const { return standing(0, m_orders.size(), 0, m_player); }
    bool canDraw() const { return canDraw(0, m_player); }
    Count draw() const { return drawing(0, m_orders.size(), 0, m_player); }
    Count best() const { return bestOf(0, m_orders.size(), 0, m_player); }

    qint64 bustingNext() const
    {
        qint64 busts = 0;
        const int low = scoring::evaluate(m_player).lowSum;
        for (const auto &order : m_orders)
            busts += low + card::lowValue(order.front()) > 21 ? 1 : 0;
        return busts;
    }

private:
    bool canDraw(int drawn, const Hand &player) const
    {
        return !player.isFull() && drawn < static_cast<int>(m_orders.front().size()) - 1;
    }

    Count standing(std::size_t from, std::size_t to, int drawn, const Hand &player) const
    {
        Count c;
        for (std::size_t i = from; i < to; ++i) {
            const std::vector<int> &order = m_orders[i];
            const int *deckEnd = order.data() + order.size() - 1;
            c.add(bankerPlays(player, static_cast<Card>(order.back()), m_up, order.data() + drawn, deckEnd));
        }
        return c;
    }

    // One card, then the better of standing and drawing on, among the orders
    // that show the player the same cards.
    Count drawing(std::size_t from, std::size_t to, int drawn, const Hand &player) const
    {
        Count c;
        const auto k = static_cast<std::size_t>(drawn);
        while (from < to) {
            std::size_t end = from;
            while (end < to && m_orders[end][k] == m_orders[from][k])
                ++end;
            Hand more = player;
            more.add(static_cast<Card>(m_orders[from][k]));
            c += bestOf(from, end, drawn + 1, more);
            from = end;
        }
        return c;
    }

    Count bestOf(std::size_t from, std::size_t to, int drawn, const Hand &player) const
    {
        const Count s = standing(from, to, drawn, player);
        if (!canDraw(drawn, player))
            return s;
        const Count d = drawing(from, to, drawn, player);
        return d.ev() > s.ev() ? d : s;
    }

    Hand m_player;
    Card m_up;
    std::vector<std::vector<int>> m_orders;
};

bool close(double a, double b) { return std::abs(a - b) < 1e-12; }

double share(qint64 part, qint64 whole) { return static_cast<double>(part) / static_cast<double>(whole); }

void compareChances(const odds::Chances &c, const Count &count, qint64 total, const char *what)
{
    QVERIFY2(close(c.win, share(count.win, total)), what);
    QVERIFY2(close(c.draw, share(count.draw, total)), what);
    QVERIFY2(close(c.lose, share(count.lose, total)), what);
    QVERIFY2(close(c.ev, share(count.ev(), total)), what);
}

// Frequencies of a sample against chances, within four standard errors.
void compareSampled(const odds::Chances &c, const Count &count, qint64 n, const char *what)
{
    const double size = static_cast<double>(n);
    auto within = [size](double p, qint64 hits) {
        const double error = std::sqrt(p * (1 - p) / size);
        return std::abs(static_cast<double>(hits) / size - p) <= 4 * error + 1e-12;
    };
    QVERIFY2(within(c.win, count.win), what);
    QVERIFY2(within(c.draw, count.draw), what);
    QVERIFY2(within(c.lose, count.lose), what);
    const double spread = std::sqrt(std::max(0.0, c.win + c.lose - c.ev * c.ev) / size);
    QVERIFY2(std::abs(static_cast<double>(count.ev()) / size - c.ev) <= 4 * spread + 1e-12, what);
}

} // namespace

class TestOdds : public QObject
{
    Q_OBJECT

private slots:
    // Few unseen cards: every order of them is played out and the player's
    // best continuation is searched among the orders they cannot tell apart.
    void matchesEveryOrder_data()
    {
        QTest::addColumn<Cards>("player");
        QTest::addColumn<int>("up");
        QTest::addColumn<Cards>("unseen");

        QTest::newRow("hard 12 against a ten") << Cards{110, 102} << 310 << Cards{101, 203, 305, 207, 409, 113, 412, 106};
        QTest::newRow("soft 17 against a seven, aces to come")
            << Cards{101, 106} << 207 << Cards{201, 301, 104, 205, 110, 309, 402};
        QTest::newRow("three cards on 13 against an ace")
            << Cards{102, 105, 106} << 401 << Cards{107, 208, 110, 211, 303, 404, 112};
        QTest::newRow("five cards: standing only") << Cards{101, 202, 303, 204, 105} << 110 << Cards{106, 207, 308, 409, 111, 212};
        QTest::newRow("already above 21") << Cards{110, 209, 305} << 106 << Cards{101, 202, 303, 404, 113, 212};
        QTest::newRow("small cards: the banker stops at five")
            << Cards{110, 210} << 102 << Cards{101, 201, 103, 203, 104, 204, 303, 313};
        QTest::newRow("small cards: the deck runs out") << Cards{102, 203} << 304 << Cards{105, 206, 307, 402, 103, 201};
        QTest::newRow("one card left besides the banker's") << Cards{102, 203} << 304 << Cards{105, 206};
        QTest::newRow("only the banker's card unseen") << Cards{110, 205} << 309 << Cards{104};
    }
    void matchesEveryOrder()
    {
        QFETCH(Cards, player);
        QFETCH(int, up);
        QFETCH(Cards, unseen);
        const auto figures = odds::compute(positionOf(player, up, allCardsBut(player + Cards{up} + unseen)));
        QVERIFY(figures);

        const EveryOrder orders(player, up, unseen);
        const qint64 total = orders.total();
        compareChances(figures->stand, orders.stand(), total, "stand");
        QCOMPARE(figures->draw.has_value(), orders.canDraw());
        if (orders.canDraw())
            compareChances(*figures->draw, orders.draw(), total, "draw");
        const Count best = orders.best();
        QVERIFY(close(figures->evOptimal, share(best.ev(), total)));
        QCOMPARE(figures->best, orders.canDraw() && orders.draw().ev() > orders.stand().ev() ? odds::Move::Draw : odds::Move::Stand);

        const bool bust = scoring::evaluate(handOf(player)).lowSum > 21;
        const double bustNext = bust ? 1 : unseen.size() < 2 ? 0 : share(orders.bustingNext(), total);
        QVERIFY(close(figures->bustNext, bustNext));
    }

    // Ordinary positions: random deals from the unseen cards; after a draw
    // the player goes on as the calculator advises.
    void agreesWithRandomDeals_data()
    {
        QTest::addColumn<Cards>("player");
        QTest::addColumn<int>("up");
        QTest::addColumn<Cards>("seen");

        QTest::newRow("hard 12 against a ten, fresh deck") << Cards{110, 102} << 310 << Cards{};
        QTest::newRow("soft 17 against a seven, ten cards seen")
            << Cards{101, 106} << 207 << Cards{113, 212, 311, 105, 204, 303, 402, 109, 208, 307};
        QTest::newRow("three cards on 14 against an ace") << Cards{104, 105, 205} << 401 << Cards{};
        QTest::newRow("16 against a ten, late in a deck")
            << Cards{110, 206} << 310
            << Cards{101, 102, 103, 104, 105, 106, 107, 108, 109, 201, 202, 203, 204, 205, 207,
                     208, 209, 301, 302, 303, 304, 305, 306, 307, 308, 309, 401, 402, 403, 404};
    }
    void agreesWithRandomDeals()
    {
        QFETCH(Cards, player);
        QFETCH(int, up);
        QFETCH(Cards, seen);
        const auto figures = odds::compute(positionOf(player, up, seen));
        QVERIFY(figures && figures->draw);

        // The calculator's move for each hand the player may hold after a draw.
        std::map<Cards, bool> drawsOn;
        auto drawsMore = [&](const Cards &hand) {
            Cards key = hand;
            std::sort(key.begin(), key.end());
            auto it = drawsOn.find(key);
            if (it == drawsOn.end()) {
                const auto f = odds::compute(positionOf(hand, up, seen));
                it = drawsOn.emplace(key, f && f->best == odds::Move::Draw).first;
            }
            return it->second;
        };

        std::vector<int> unseen;
        for (int c : allCardsBut(player + Cards{up} + seen))
            unseen.push_back(c);
        std::mt19937 random(2024);
        constexpr qint64 Deals = 20000;
        Count standing, drawing;
        for (qint64 i = 0; i < Deals; ++i) {
            std::shuffle(unseen.begin(), unseen.end(), random);
            // unseen[0] is the banker's face-down card, the deck follows.
            const int *next = unseen.data() + 1;
            const int *end = unseen.data() + unseen.size();
            standing.add(bankerPlays(handOf(player), static_cast<Card>(unseen[0]), static_cast<Card>(up), next, end));
            Cards hand = player;
            hand << *next++;
            while (hand.size() < Hand::MaxCards && next != end && drawsMore(hand))
                hand << *next++;
            drawing.add(bankerPlays(handOf(hand), static_cast<Card>(unseen[0]), static_cast<Card>(up), next, end));
        }
        compareSampled(figures->stand, standing, Deals, "stand");
        compareSampled(*figures->draw, drawing, Deals, "draw");
    }

    void refusesBadPositions_data()
    {
        QTest::addColumn<Cards>("player");
        QTest::addColumn<int>("up");
        QTest::addColumn<Cards>("seen");
        QTest::addColumn<odds::Check>("check");

        QTest::newRow("a player card twice") << Cards{110, 110} << 205 << Cards{} << odds::Check::RepeatedCard;
        QTest::newRow("the banker's card in the hand") << Cards{110, 205} << 205 << Cards{} << odds::Check::RepeatedCard;
        QTest::newRow("a seen card in the hand") << Cards{110, 205} << 309 << Cards{101, 110} << odds::Check::RepeatedCard;
        QTest::newRow("a seen card twice") << Cards{110, 205} << 309 << Cards{101, 102, 101} << odds::Check::RepeatedCard;
        QTest::newRow("an empty slot in the hand") << Cards{110, 0} << 309 << Cards{} << odds::Check::InvalidCard;
        QTest::newRow("rank 14") << Cards{114, 205} << 309 << Cards{} << odds::Check::InvalidCard;
        QTest::newRow("suit 5") << Cards{110, 205} << 501 << Cards{} << odds::Check::InvalidCard;
        QTest::newRow("rank 0 among the seen") << Cards{110, 205} << 309 << Cards{101, 300} << odds::Check::InvalidCard;
        QTest::newRow("a negative code") << Cards{110, 205} << 309 << Cards{-101} << odds::Check::InvalidCard;
        QTest::newRow("one player card") << Cards{110} << 309 << Cards{} << odds::Check::TooFewPlayerCards;
        QTest::newRow("six player cards") << Cards{101, 102, 103, 104, 105, 106} << 309 << Cards{} << odds::Check::TooManyPlayerCards;
        QTest::newRow("all 52 cards known") << Cards{110, 205} << 309 << allCardsBut({110, 205, 309}) << odds::Check::NoCardUnseen;
        QTest::newRow("51 known: the banker's card is left") << Cards{110, 205} << 309 << allCardsBut({110, 205, 309, 413})
                                                             << odds::Check::Ok;
    }
    void refusesBadPositions()
    {
        QFETCH(Cards, player);
        QFETCH(int, up);
        QFETCH(Cards, seen);
        QFETCH(odds::Check, check);
        const odds::Position p = positionOf(player, up, seen);
        QCOMPARE(odds::check(p), check);
        QCOMPARE(odds::compute(p).has_value(), check == odds::Check::Ok);
    }

    // What the player sees in a real game: the earlier rounds of this deck,
    // their own hand and the banker's second card, nothing of what follows.
    void visiblePositionOfAGame()
    {
        SeededRandom random(7);
        GameModel model;
        model.newGame(random);
        auto playRound = [&model] {
            while (model.phase() == GameModel::Phase::Dealing)
                model.step();
            QCOMPARE(model.bet(5), GameModel::BetCheck::Ok);
        };
        playRound();
        QVERIFY(model.draw().dealt);
        GameModel::Report r = model.stand();
        while (!r.settlement)
            r = model.step();
        QVERIFY(!odds::visiblePosition(model));
        model.next(random);
        while (model.phase() == GameModel::Phase::Dealing)
            model.step();
        QVERIFY(!odds::visiblePosition(model)); // the cards lie face down until the bet
        QCOMPARE(model.bet(5), GameModel::BetCheck::Ok);

        const auto position = odds::visiblePosition(model);
        QVERIFY(position);
        QCOMPARE(position->player, model.playerHand());
        QCOMPARE(position->bankerUp, model.bankerHand()[2]);
        QCOMPARE(int(position->seenCount), model.roundStart() - 1);
        QVERIFY(position->seenCount >= 5);
        for (int k = 1; k < model.roundStart(); ++k)
            QCOMPARE(position->seen[static_cast<std::size_t>(k - 1)], model.deck()[k]);
        QCOMPARE(odds::check(*position), odds::Check::Ok);
    }

    // A deck from a file that is not 52 different cards: no hints.
    void noPositionFromABrokenDeck()
    {
        SeededRandom random(7);
        GameModel fresh;
        fresh.newGame(random);
        GameModel::Position saved;
        saved.deck = fresh.deck();
        saved.deck.cards[40] = saved.deck.cards[0];
        GameModel model;
        model.resume(saved);
        model.next(random);
        while (model.phase() == GameModel::Phase::Dealing)
            model.step();
        QCOMPARE(model.bet(5), GameModel::BetCheck::Ok);
        QVERIFY(!odds::visiblePosition(model));
    }
};

QTEST_GUILESS_MAIN(TestOdds)
#include "test_odds.moc"
