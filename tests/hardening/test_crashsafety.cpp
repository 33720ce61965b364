// A writer killed with SIGKILL at random moments never leaves a torn,
// missing or shortened data file: each file holds one whole version or the
// other, with the bytes after its rows untouched, and the statistics hold
// every round committed before the kill, each one whole.
#include "countedround.h"
#include "gamepaths.h"
#include "recordsfile.h"
#include "savegame.h"
#include "statisticsdatabase.h"
#include "twogames.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <random>
#include <thread>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void put(const QString &path, const QByteArray &bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Everything in the folder of `path`.
QStringList entries(const QString &path)
{
    return QDir(QFileInfo(path).path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

// Round n as its row in the statistics file.
QString storedRow(int n)
{
    const statistics::RoundRow r = countedround::round(n);
    const auto cards = [](const QList<int> &codes) {
        QStringList texts;
        for (const int code : codes)
            texts.append(QString::number(code));
        return texts.join(u',');
    };
    const char *const outcomes[] = {"player", "banker", "draw"};
    return QStringList({r.playedAt.toUTC().toString(Qt::ISODateWithMs), r.gameKey,
                        r.gameNumber ? QString::number(*r.gameNumber) : QStringLiteral("NULL"),
                        QString::number(r.stake), cards(r.playerCards), cards(r.bankerCards),
                        QString::number(r.playerPoints), QString::number(r.bankerPoints),
                        QString::fromLatin1(outcomes[int(r.outcome)]), QString::number(r.playerMoney),
                        QString::number(r.bankerMoney), QString::number(r.decisions),
                        QString::number(r.matchedDecisions)})
        .join(u'|');
}

// The file as another program reads it, without writing: the result of
// SQLite's integrity check, then every round as its row, oldest first.
QStringList inspect(const QString &path)
{
    const QString name = QStringLiteral("inspect");
    QStringList result;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(path);
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        QSqlQuery query(database);
        if (!database.open() || !query.exec(QStringLiteral("PRAGMA integrity_check")) || !query.next())
            return {QStringLiteral("not opened: ") + database.lastError().text() + query.lastError().text()};
        result.append(query.value(0).toString());
        query.exec(QStringLiteral("SELECT played_at, game_key, game_number, stake, player_cards, banker_cards,"
                                  " player_points, banker_points, outcome, player_money, banker_money, decisions,"
                                  " matched_decisions FROM rounds ORDER BY id"));
        while (query.next()) {
            QStringList values;
            for (int i = 0; i < 13; ++i)
                values.append(query.isNull(i) ? QStringLiteral("NULL") : query.value(i).toString());
            result.append(values.join(u'|'));
        }
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

// What the figures of rounds 0 to n - 1 are, counted here one by one.
statistics::Summary expectedSummary(int rounds)
{
    statistics::Summary s;
    int streak = 0;
    for (int n = 0; n < rounds; ++n) {
        const statistics::RoundRow r = countedround::round(n);
        statistics::Summary::Share &share = s.byPlayerPoints[r.playerPoints];
        ++share.rounds;
        if (r.outcome == statistics::RoundOutcome::PlayerWins) {
            ++s.roundsWon;
            ++share.won;
            streak = streak > 0 ? streak + 1 : 1;
            s.biggestPotWon = std::max(s.biggestPotWon, 2 * r.stake);
        } else if (r.outcome == statistics::RoundOutcome::BankerWins) {
            ++s.roundsLost;
            streak = streak < 0 ? streak - 1 : -1;
        } else {
            ++s.roundsDrawn;
            streak = 0;
        }
        s.longestWinningStreak = std::max(s.longestWinningStreak, streak);
        s.longestLosingStreak = std::max(s.longestLosingStreak, -streak);
        s.decisions += r.decisions;
        s.matchedDecisions += r.matchedDecisions;
        if (n > 0 && r.gameKey != countedround::round(n - 1).gameKey)
            s.lastGamePurse.clear();
        s.lastGamePurse.append(r.playerMoney);
    }
    return s;
}

} // namespace

class TestCrashSafety : public QObject
{
    Q_OBJECT

private slots:
    void killedWriterLeavesWholeFiles()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString savePath = gamePath(dir.path(), gamefiles::SavedGame);
        const QString recordsPath = gamePath(dir.path(), gamefiles::Records);
        const QString statisticsPath = gamePath(dir.path(), gamefiles::Statistics);

        // What each version looks like on disk, tails included.
        const QByteArray saveTail("\nbytes after the saved row\x01\xff", 28);
        const QByteArray recordsTail("tail after ten rows");
        QByteArray saves[2];
        QByteArray tables[2];
        for (int which = 0; which < 2; ++which) {
            saves[which] = savegame::encode(twogames::game(which)) + saveTail;
            tables[which] = recordsfile::encode(twogames::records(which)) + recordsTail;
        }
        QCOMPARE(saves[0].size(), 323 + saveTail.size());
        QCOMPARE(tables[0].size(), 250 + recordsTail.size());
        QVERIFY(saves[0] != saves[1]);
        QVERIFY(tables[0] != tables[1]);
        put(savePath, saves[0]);
        put(recordsPath, tables[0]);

        constexpr int Kills = 200;
        std::mt19937 random(2107);
        int seen[2][2] = {}; // [file][version]
        int roundsBefore = 0;
        for (int kill = 0; kill < Kills; ++kill) {
            QProcess writer;
            writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            writer.start(QStringLiteral(CRASHWRITER), {dir.path(), statisticsPath});
            QVERIFY2(writer.waitForStarted(10000), qPrintable(writer.errorString()));
            QVERIFY2(writer.waitForReadyRead(30000), "the writer never got going");
            std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
            QCOMPARE(writer.state(), QProcess::Running); // still writing: it did not fail
            writer.kill();
            QVERIFY(writer.waitForFinished(10000));
            QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

            const QByteArray save = contents(savePath);
            const QByteArray table = contents(recordsPath);
            const int saveVersion = save == saves[0] ? 0 : save == saves[1] ? 1 : -1;
            const int tableVersion = table == tables[0] ? 0 : table == tables[1] ? 1 : -1;
            QVERIFY2(saveVersion >= 0, qPrintable(QStringLiteral("kill %1: saved game holds %2 bytes: %3")
                                                      .arg(kill).arg(save.size()).arg(QString::fromLatin1(save.toHex()))));
            QVERIFY2(tableVersion >= 0, qPrintable(QStringLiteral("kill %1: records hold %2 bytes: %3")
                                                       .arg(kill).arg(table.size()).arg(QString::fromLatin1(table.toHex()))));
            ++seen[0][saveVersion];
            ++seen[1][tableVersion];

            // At most the copy of the write just killed lies beside a file:
            // each write that completes clears such copies away.
            for (const QString &path : {savePath, recordsPath})
                QVERIFY(entries(path).size() <= 2);

            // The statistics: sound, every round whole and in its place,
            // none of those written before "ready" lost, the figures those
            // of the rounds there.
            const QStringList found = inspect(statisticsPath);
            QCOMPARE(found.value(0), QStringLiteral("ok"));
            const int rounds = int(found.size()) - 1;
            QVERIFY2(rounds >= roundsBefore + 6, qPrintable(QStringLiteral("kill %1: %2 rounds after %3")
                                                                .arg(kill).arg(rounds).arg(roundsBefore)));
            for (int n = 0; n < rounds; ++n)
                QCOMPARE(found[n + 1], storedRow(n));
            roundsBefore = rounds;

            // Opened as the next run would: to read, then to write.
            StatisticsDatabase statistics(statisticsPath, QStringLiteral("after the kill"));
            QVERIFY(statistics.open(StatisticsDatabase::Access::Read).ok());
            statistics::Summary summary;
            QVERIFY(statistics.summary(summary).ok());
            QVERIFY2(summary == expectedSummary(rounds), qPrintable(QStringLiteral("kill %1").arg(kill)));
            const FileStatus reopened = statistics.open(StatisticsDatabase::Access::Write);
            QVERIFY2(reopened.ok(), qPrintable(QStringLiteral("kill %1: problem %2").arg(kill).arg(int(reopened.problem))));
        }

        // The kills landed between writes of both versions.
        QVERIFY(seen[0][0] > 0 && seen[0][1] > 0);
        QVERIFY(seen[1][0] > 0 && seen[1][1] > 0);

        // One more write of each file leaves nothing but the file.
        QVERIFY(savegame::write(savePath, savegame::encode(twogames::game(1))).ok());
        QVERIFY(recordsfile::write(recordsPath, twogames::records(1)).ok());
        QCOMPARE(contents(savePath), saves[1]);
        QCOMPARE(contents(recordsPath), tables[1]);
        for (const QString &path : {savePath, recordsPath})
            QCOMPARE(entries(path), QStringList{QStringLiteral("table.dat")});
        // A clean close leaves the statistics one file: no log, index or lock.
        QCOMPARE(entries(statisticsPath),
                 QStringList({QStringLiteral("saves"), QStringLiteral("statistics.sqlite"), QStringLiteral("tables")}));
    }

    // What a writer killed between linking and renaming its copy leaves
    // behind (as the test above found): the next save clears it, and
    // nothing else in the folder.
    void nextWriteSweepsStaleCopies()
    {
        QTemporaryDir dir;
        const QString savePath = gamePath(dir.path(), gamefiles::SavedGame);
        const QString recordsPath = gamePath(dir.path(), gamefiles::Records);
        const QStringList stale = {QStringLiteral("table.dat.WVITCp"), QStringLiteral("table.dat.pzHLjL")};
        const QStringList kept = {QStringLiteral("table.dat"), QStringLiteral("table.dat.bak"),
                                  QStringLiteral("table.dat.WVITCpX"), QStringLiteral("other.dat.IxnTEz")};
        for (const QString &path : {savePath, recordsPath}) {
            for (const QString &name : stale + kept)
                put(QFileInfo(path).dir().filePath(name), "x");
        }

        QVERIFY(savegame::write(savePath, savegame::encode(twogames::game(0))).ok());
        QVERIFY(recordsfile::write(recordsPath, twogames::records(0)).ok());

        QStringList expected = kept;
        expected.sort();
        for (const QString &path : {savePath, recordsPath})
            QCOMPARE(QFileInfo(path).dir().entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    }
};

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "test_crashsafety.moc"
