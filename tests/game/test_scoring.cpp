#include "scoring.h"

#include <QTest>

#include <vector>

Q_DECLARE_METATYPE(Outcome)

using Cards = std::vector<int>;

class TestScoring : public QObject
{
    Q_OBJECT

private slots:
    void handValue_data()
    {
        QTest::addColumn<Cards>("cards");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("points");

        QTest::newRow("no cards") << Cards{} << 0 << 0 << 0;
        QTest::newRow("ace king") << Cards{101, 413} << 11 << 21 << 21;
        QTest::newRow("two aces: one counts 11") << Cards{201, 301} << 2 << 12 << 12;
        QTest::newRow("ace 9 5: ace falls back to 1") << Cards{401, 109, 205} << 15 << 25 << 15;
        QTest::newRow("king queen 5: bust") << Cards{113, 212, 305} << 25 << 25 << 25;
        QTest::newRow("jack queen") << Cards{111, 212} << 20 << 20 << 20;
        QTest::newRow("four aces") << Cards{101, 201, 301, 401} << 4 << 14 << 14;
        QTest::newRow("ace late in a soft 21") << Cards{102, 103, 104, 101} << 10 << 20 << 20;
        QTest::newRow("largest hand") << Cards{110, 111, 112, 113, 210} << 50 << 50 << 50;
    }
    void handValue()
    {
        QFETCH(Cards, cards);
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(int, points);
        Hand hand;
        for (int c : cards)
            hand.add(static_cast<Card>(c));
        // Cards beyond the count never count.
        if (cards.size() < 5)
            hand.cards[4] = 113;
        const auto v = scoring::evaluate(hand);
        QCOMPARE(int(v.lowSum), low);
        QCOMPARE(int(v.highSum), high);
        QCOMPARE(int(v.points), points);
    }

    void bankerDecision_data()
    {
        QTest::addColumn<int>("banker");
        QTest::addColumn<int>("player");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("draws");

        QTest::newRow("16 behind 18 draws") << 16 << 18 << 2 << true;
        QTest::newRow("15 ahead of 14 stands") << 15 << 14 << 2 << false;
        QTest::newRow("17 against 17 stands") << 17 << 17 << 2 << false;
        QTest::newRow("below 15 draws") << 14 << 10 << 2 << true;
        QTest::newRow("player bust: low banker stands") << 4 << 22 << 2 << false;
        QTest::newRow("five cards stand below 15") << 12 << 20 << 5 << false;
        QTest::newRow("five cards at 19 against 20") << 19 << 20 << 5 << false;
        QTest::newRow("banker bust stands") << 23 << 20 << 3 << false;
        QTest::newRow("behind a player on 21") << 20 << 21 << 4 << true;
    }
    void bankerDecision()
    {
        QFETCH(int, banker);
        QFETCH(int, player);
        QFETCH(int, count);
        QFETCH(bool, draws);
        QCOMPARE(scoring::bankerDraws(banker, player, count), draws);
    }

    void winner_data()
    {
        QTest::addColumn<int>("player");
        QTest::addColumn<int>("banker");
        QTest::addColumn<Outcome>("winner");

        QTest::newRow("player bust") << 25 << 18 << Outcome::BankerWins;
        QTest::newRow("banker bust") << 18 << 24 << Outcome::PlayerWins;
        QTest::newRow("player ahead") << 20 << 18 << Outcome::PlayerWins;
        QTest::newRow("banker ahead") << 17 << 19 << Outcome::BankerWins;
        QTest::newRow("equal 20") << 20 << 20 << Outcome::Draw;
        QTest::newRow("21 against 21") << 21 << 21 << Outcome::Draw;
        QTest::newRow("banker 21") << 20 << 21 << Outcome::BankerWins;
        QTest::newRow("player 21") << 21 << 19 << Outcome::PlayerWins;
        QTest::newRow("player 21 against bust") << 21 << 26 << Outcome::PlayerWins;
    }
    void winner()
    {
        QFETCH(int, player);
        QFETCH(int, banker);
        QFETCH(Outcome, winner);
        // An outcome no test yields shows that every row is decided by the rules.
        QCOMPARE(scoring::decide(player, banker, static_cast<Outcome>(99)), winner);
    }

    // Both bust on equal points: no test holds and the previous outcome stays.
    void equalBustKeepsPrevious()
    {
        QCOMPARE(scoring::decide(23, 23, Outcome::PlayerWins), Outcome::PlayerWins);
    }

    void recordScore_data()
    {
        QTest::addColumn<int>("wins");
        QTest::addColumn<int>("evaluations");
        QTest::addColumn<int>("score");
        QTest::newRow("12 wins in 40") << 12 << 40 << 375;
        QTest::newRow("10 wins in 20: the best") << 10 << 20 << 1250;
        QTest::newRow("long game past 16 bits") << 30 << 400 << 9;
        QTest::newRow("very long game") << 300 << 32000 << 0;
        QTest::newRow("no evaluation from a damaged file") << 5 << 0 << 0;
    }
    void recordScore()
    {
        QFETCH(int, wins);
        QFETCH(int, evaluations);
        QFETCH(int, score);
        QCOMPARE(scoring::recordScore(wins, evaluations), score);
    }
};

QTEST_GUILESS_MAIN(TestScoring)
#include "test_scoring.moc"
