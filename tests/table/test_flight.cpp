#include "flight.h"

#include <QTest>

// Flights in ticks of the table's timers, as the window drives them.
class TestFlight : public QObject
{
    Q_OBJECT

private slots:
    void ticks_data()
    {
        QTest::addColumn<bool>("player");
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("endLeft");

        QTest::newRow("player 1") << true << 1 << 48 << 240;
        QTest::newRow("player 2") << true << 2 << 48 << 2160;
        QTest::newRow("player 3") << true << 3 << 48 << 3840;
        QTest::newRow("player 4") << true << 4 << 48 << 5616;
        QTest::newRow("player 5") << true << 5 << 48 << 7440;
        QTest::newRow("banker 1") << false << 1 << 76 << 200;
        QTest::newRow("banker 2") << false << 2 << 62 << 2020;
        QTest::newRow("banker 3") << false << 3 << 48 << 3840;
        QTest::newRow("banker 4") << false << 4 << 35 << 5530;
        QTest::newRow("banker 5") << false << 5 << 21 << 7350;
    }
    void ticks()
    {
        QFETCH(bool, player);
        QFETCH(int, card);
        QFETCH(int, ticks);
        QFETCH(int, endLeft);

        flight::Position s = flight::start();
        QCOMPARE(s.left, 10080);
        QCOMPARE(s.top, 960);
        int n = 0;
        bool arrived = false;
        while (!arrived && n < 1000) {
            arrived = player ? flight::stepPlayer(s, card, true) : flight::stepBanker(s, card, true);
            ++n;
        }
        QCOMPARE(n, ticks);
        QCOMPARE(int(s.left), endLeft);
        QCOMPARE(int(s.top), player ? 5520 : 960);

        // Without the animation every card lands on its first tick, on its slot.
        s = flight::start();
        QVERIFY(player ? flight::stepPlayer(s, card, false) : flight::stepBanker(s, card, false));
        QCOMPARE(s.left, flight::targetLeft(card));
    }
};

QTEST_GUILESS_MAIN(TestFlight)
#include "test_flight.moc"
