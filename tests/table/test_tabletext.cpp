#include "tabletext.h"

#include <QTest>

class TestTableText : public QObject
{
    Q_OBJECT

private slots:
    void points_data()
    {
        QTest::addColumn<int>("player");
        QTest::addColumn<int>("banker");
        QTest::addColumn<QString>("line");
        QTest::newRow("two digits") << 18 << 20 << QStringLiteral("Очок у Гравця -  18. Очок у Банківника -  20");
        QTest::newRow("twenty-one each") << 21 << 21 << QStringLiteral("Очок у Гравця -  21. Очок у Банківника -  21");
        QTest::newRow("one digit") << 5 << 0 << QStringLiteral("Очок у Гравця -  5. Очок у Банківника -  0");
        QTest::newRow("negative keeps its sign") << -3 << 25 << QStringLiteral("Очок у Гравця - -3. Очок у Банківника -  25");
    }
    void points()
    {
        QFETCH(int, player);
        QFETCH(int, banker);
        QFETCH(QString, line);
        QCOMPARE(tabletext::points(player, banker), line);
    }

    void result_data()
    {
        QTest::addColumn<QString>("winner");
        QTest::addColumn<QString>("line");
        QTest::newRow("banker") << QStringLiteral("Computer") << QStringLiteral("Переміг Банківник");
        QTest::newRow("player") << QStringLiteral("Player") << QStringLiteral("Переміг Гравець");
        QTest::newRow("draw") << QStringLiteral("Nobody") << QStringLiteral("Нічия");
        QTest::newRow("unknown keeps the old line") << QStringLiteral("player") << QStringLiteral("old");
    }
    void result()
    {
        QFETCH(QString, winner);
        QFETCH(QString, line);
        QCOMPARE(tabletext::result(winner, QStringLiteral("old")), line);
    }

    void pot()
    {
        QCOMPARE(tabletext::pot(std::nullopt), QString());
        QCOMPARE(tabletext::pot(std::int16_t{0}), QStringLiteral("0"));
        QCOMPARE(tabletext::pot(std::int16_t{14}), QStringLiteral("14"));
    }
};

QTEST_APPLESS_MAIN(TestTableText)
#include "test_tabletext.moc"
