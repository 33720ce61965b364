#include "scoring.h"

#include <QTest>

#include <vector>

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
        OneBased<std::int16_t, 5> hand;
        for (std::size_t i = 0; i < cards.size(); ++i)
            hand[static_cast<int>(i) + 1] = static_cast<std::int16_t>(cards[i]);
        // Cards beyond the count never count.
        if (cards.size() < 5)
            hand[5] = 113;
        const auto v = scoring::evaluate(hand, static_cast<int>(cards.size()));
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
        QTest::addColumn<QString>("winner");

        QTest::newRow("player bust") << 25 << 18 << "Computer";
        QTest::newRow("banker bust") << 18 << 24 << "Player";
        QTest::newRow("player ahead") << 20 << 18 << "Player";
        QTest::newRow("banker ahead") << 17 << 19 << "Computer";
        QTest::newRow("equal 20") << 20 << 20 << "Nobody";
        QTest::newRow("21 against 21") << 21 << 21 << "Nobody";
        QTest::newRow("banker 21") << 20 << 21 << "Computer";
        QTest::newRow("player 21") << 21 << 19 << "Player";
        QTest::newRow("player 21 against bust") << 21 << 26 << "Player";
    }
    void winner()
    {
        QFETCH(int, player);
        QFETCH(int, banker);
        QFETCH(QString, winner);
        QCOMPARE(scoring::winner(player, banker, QStringLiteral("previous")), winner);
    }
};

QTEST_GUILESS_MAIN(TestScoring)
#include "test_scoring.moc"
