#include "simulation.h"
#include "strategy.h"

#include <QTest>

#include <optional>

namespace QTest {
template <>
char *toString(const SimulationCounts &c)
{
    return qstrdup(QStringLiteral("rounds %1 games %2 won/drawn/lost %3/%4/%5 games won %6 score sum %7")
                       .arg(c.rounds)
                       .arg(c.games)
                       .arg(c.playerRounds)
                       .arg(c.drawRounds)
                       .arg(c.bankerRounds)
                       .arg(c.gamesWon)
                       .arg(c.recordScoreSum)
                       .toUtf8()
                       .constData());
}
} // namespace QTest

namespace {

SimulationSettings settings(const QString &strategy, std::int64_t rounds, int threads = 1, std::uint64_t seed = 21, int stake = 10)
{
    SimulationSettings s;
    s.strategy = *Strategy::parse(strategy.toStdString());
    s.rounds = rounds;
    s.threads = threads;
    s.seed = seed;
    s.stake = stake;
    return s;
}

} // namespace

class TestSimulation : public QObject
{
    Q_OBJECT

private slots:
    void parsesStrategies_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name"); // empty: refused
        QTest::newRow("stand:17") << "stand:17" << "stand:17";
        QTest::newRow("stand:0 never draws") << "stand:0" << "stand:0";
        QTest::newRow("stand:50") << "stand:50" << "stand:50";
        QTest::newRow("banker") << "banker" << "banker";
        QTest::newRow("hint") << "hint" << "hint";
        QTest::newRow("no number") << "stand:" << "";
        QTest::newRow("above the largest hand") << "stand:51" << "";
        QTest::newRow("negative") << "stand:-1" << "";
        QTest::newRow("trailing text") << "stand:17x" << "";
        QTest::newRow("a space") << "stand: 17" << "";
        QTest::newRow("capitals") << "Banker" << "";
        QTest::newRow("unknown") << "martingale" << "";
    }
    void parsesStrategies()
    {
        QFETCH(QString, text);
        QFETCH(QString, name);
        const auto strategy = Strategy::parse(text.toStdString());
        QCOMPARE(strategy.has_value(), !name.isEmpty());
        if (strategy)
            QCOMPARE(QString::fromStdString(strategy->name()), name);
    }

    // Same seed and threads, same figures; another seed, other figures. The
    // rounds add up whatever the split over the threads.
    void reproducibleFromItsSeed_data()
    {
        QTest::addColumn<QString>("strategy");
        QTest::addColumn<int>("rounds");
        QTest::addColumn<int>("threads");
        QTest::newRow("stand:17, one thread") << "stand:17" << 20000 << 1;
        QTest::newRow("banker, two threads") << "banker" << 20000 << 2;
        QTest::newRow("stand:12, rounds that do not split evenly") << "stand:12" << 10001 << 3;
        QTest::newRow("hint, two threads") << "hint" << 300 << 2;
    }
    void reproducibleFromItsSeed()
    {
        QFETCH(QString, strategy);
        QFETCH(int, rounds);
        QFETCH(int, threads);
        const SimulationResult first = simulate(settings(strategy, rounds, threads, 5));
        const SimulationResult again = simulate(settings(strategy, rounds, threads, 5));
        const SimulationResult other = simulate(settings(strategy, rounds, threads, 6));
        QCOMPARE(again.counts, first.counts);
        QVERIFY(other.counts != first.counts);

        const SimulationCounts &c = first.counts;
        QCOMPARE(c.rounds, std::int64_t(rounds));
        QCOMPARE(c.playerRounds + c.drawRounds + c.bankerRounds, c.rounds);
        QVERIFY(c.gamesWon <= c.games);
        const auto ci = first.evCi95();
        QVERIFY(ci[0] < first.ev() && first.ev() < ci[1]);
        if (const auto score = first.meanRecordScore())
            QVERIFY(*score > 0 && *score <= 1250);
    }

    // Each thread plays its own games: two threads are not one thread's
    // games twice over.
    void threadsPlayDifferentGames()
    {
        const SimulationCounts one = simulate(settings("stand:17", 5000, 1)).counts;
        SimulationCounts twice = one;
        twice += one;
        const SimulationCounts two = simulate(settings("stand:17", 10000, 2)).counts;
        QCOMPARE(two.rounds, twice.rounds);
        QVERIFY(two != twice);
    }

    // --game N: the numbered games N, N+1, … whatever the seed, each thread
    // taking every T-th; a game's rounds are its own.
    void numberedGames()
    {
        SimulationSettings numbered = settings("stand:17", 3000, 1);
        numbered.firstGame = 123456;
        const SimulationCounts first = simulate(numbered).counts;
        numbered.seed = 99;
        QCOMPARE(simulate(numbered).counts, first);
        QCOMPARE(playNumberedGames(Strategy::standOn(17), 10, 123456, 1, 3000), first);

        // Two threads play 123456, 123458, … and 123457, 123459, …
        numbered.threads = 2;
        numbered.rounds = 6000;
        SimulationCounts split = playNumberedGames(Strategy::standOn(17), 10, 123456, 2, 3000);
        split += playNumberedGames(Strategy::standOn(17), 10, 123457, 2, 3000);
        QCOMPARE(simulate(numbered).counts, split);

        numbered.threads = 1;
        numbered.rounds = 3000;
        numbered.firstGame = 123457;
        QVERIFY(simulate(numbered).counts != first);
    }

    // Games end on an empty purse, so a smaller stake makes them longer.
    void smallerStakesMakeLongerGames()
    {
        const SimulationCounts full = simulate(settings("stand:17", 20000, 1, 21, 10)).counts;
        const SimulationCounts small = simulate(settings("stand:17", 20000, 1, 21, 1)).counts;
        QVERIFY2(full.games > 100, "at stake 10 a game lasts some 70 rounds");
        QVERIFY(small.games * 3 < full.games);
        QVERIFY(full.gamesWon > 0);
    }

    // The hint follows the exact odds of what the player sees; never drawing
    // or always drawing to 21 is far worse.
    void hintPlaysBetterThanFixedRules()
    {
        const SimulationResult hint = simulate(settings("hint", 1500, 2));
        for (const char *fixed : {"stand:0", "stand:21"}) {
            const SimulationResult other = simulate(settings(fixed, 1500, 2));
            QVERIFY2(hint.evCi95()[0] > other.evCi95()[1], fixed);
        }
    }
};

QTEST_GUILESS_MAIN(TestSimulation)
#include "test_simulation.moc"
