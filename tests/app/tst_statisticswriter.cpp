// The history written on a thread of its own: rows land whole, and a
// database that cannot be used is reported once and left as it was.
#include "statisticsdatabase.h"
#include "statisticswriter.h"
#include "testfiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

statistics::RoundRow round(const QString &game, statistics::RoundOutcome outcome, int playerMoney)
{
    statistics::RoundRow row;
    row.playedAt = QDateTime::currentDateTime();
    row.gameKey = game;
    row.gameNumber = 42;
    row.stake = 5;
    row.playerCards = {101, 210};
    row.bankerCards = {305, 406};
    row.playerPoints = 21;
    row.bankerPoints = 11;
    row.outcome = outcome;
    row.playerMoney = playerMoney;
    row.bankerMoney = 200 - playerMoney;
    row.decisions = 1;
    row.matchedDecisions = 1;
    return row;
}

statistics::Summary readBack(const QString &path)
{
    StatisticsDatabase reader(path, QStringLiteral("reader"));
    statistics::Summary summary;
    [&] {
        QVERIFY(reader.open(StatisticsDatabase::Access::Read).ok());
        QVERIFY(reader.summary(summary).ok());
    }();
    return summary;
}

} // namespace

class TestStatisticsWriter : public QObject
{
    Q_OBJECT

private slots:
    // The program starts the writer after the table's first frame; a row
    // that comes sooner opens the database itself instead of being lost.
    void rowsLandWhole_data()
    {
        QTest::addColumn<bool>("startedFirst");
        QTest::newRow("started") << true;
        QTest::newRow("opened by the first row") << false;
    }

    void rowsLandWhole()
    {
        QFETCH(bool, startedFirst);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gamedata/statistics.sqlite"));
        {
            StatisticsWriter writer(path);
            QSignalSpy unavailable(&writer, &StatisticsWriter::unavailable);
            if (startedFirst)
                writer.start();
            writer.roundSettled(round(QStringLiteral("a"), statistics::RoundOutcome::PlayerWins, 110));
            writer.start(); // once only: no second connection
            writer.roundSettled(round(QStringLiteral("a"), statistics::RoundOutcome::BankerWins, 100));
            statistics::GameRow game;
            game.endedAt = QDateTime::currentDateTime();
            game.gameKey = QStringLiteral("a");
            game.result = statistics::GameResult::Abandoned;
            game.rounds = 2;
            writer.gameEnded(game);
            writer.flush();
            QCoreApplication::processEvents();
            QVERIFY(unavailable.isEmpty());
            const statistics::Summary summary = readBack(path);
            QCOMPARE(summary.roundsWon, 1);
            QCOMPARE(summary.roundsLost, 1);
            QCOMPARE(summary.gamesPlayed, 1);
            QCOMPARE(summary.lastGamePurse, (QList<int>{110, 100}));

            QVERIFY(writer.clear().ok());
            QCOMPARE(readBack(path).roundsWon, 0);
        } // the writer finishes what is queued as it goes
        QVERIFY(QFileInfo::exists(path));
    }

    void unusableDatabase_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<FileProblem>("problem");
        QTest::newRow("damaged") << QStringLiteral("damaged") << FileProblem::Damaged;
        QTest::newRow("held by another writer") << QStringLiteral("locked") << FileProblem::Locked;
    }
    void unusableDatabase()
    {
        QFETCH(QString, kind);
        QFETCH(FileProblem, problem);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("statistics.sqlite"));
        std::unique_ptr<StatisticsWriter> holder;
        if (kind == QLatin1String("damaged")) {
            put(path, QByteArray("not a database at all, just words\n").repeated(40));
        } else {
            holder = std::make_unique<StatisticsWriter>(path);
            holder->start();
            holder->flush();
        }
        const QByteArray before = contents(path);

        StatisticsWriter writer(path);
        QSignalSpy unavailable(&writer, &StatisticsWriter::unavailable);
        writer.start();
        for (int i = 0; i < 3; ++i)
            writer.roundSettled(round(QStringLiteral("b"), statistics::RoundOutcome::Draw, 100));
        writer.flush();
        QTRY_COMPARE(unavailable.size(), 1);
        QCOMPARE(unavailable[0][0].value<FileStatus>().problem, problem);
        QCOMPARE(writer.clear().problem, problem);
        writer.flush();
        QCoreApplication::processEvents();
        QCOMPARE(unavailable.size(), 1); // said once
        QCOMPARE(contents(path), before);
    }
};

QTEST_GUILESS_MAIN(TestStatisticsWriter)
#include "tst_statisticswriter.moc"
