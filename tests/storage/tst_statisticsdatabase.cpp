// The statistics database: rows kept whole, the summary, the first schema
// brought up to date, files it must refuse and leave alone, and the export.
#include "statistics.h"
#include "statisticsdatabase.h"
#include "testfiles.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

Q_DECLARE_METATYPE(FileProblem)

using namespace statistics;
using Access = StatisticsDatabase::Access;

namespace {

const QString FirstSchemaFixture = QStringLiteral(STORAGE_FIXTURES "/statistics-v1.sql");

bool isRoot() { return geteuid() == 0; }

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// The file through a connection of the test's own, as another program sees it.
class SqlFile
{
public:
    explicit SqlFile(const QString &path, bool readOnly = true)
        : m_name(QStringLiteral("test %1").arg(quintptr(this)))
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        database.setDatabaseName(path);
        if (readOnly)
            database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        database.open();
    }
    ~SqlFile()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    SqlFile(const SqlFile &) = delete;
    SqlFile &operator=(const SqlFile &) = delete;

    bool exec(const QString &sql) const
    {
        QSqlQuery query(QSqlDatabase::database(m_name, false));
        if (query.exec(sql))
            return true;
        qWarning("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
        return false;
    }

    // Each row as its values joined by '|', NULL as "NULL"; an error as the one row.
    QStringList rows(const QString &sql) const
    {
        QSqlQuery query(QSqlDatabase::database(m_name, false));
        if (!query.exec(sql))
            return {QStringLiteral("error: ") + query.lastError().text()};
        QStringList rows;
        while (query.next()) {
            QStringList values;
            for (int i = 0; i < query.record().count(); ++i)
                values.append(query.isNull(i) ? QStringLiteral("NULL") : query.value(i).toString());
            rows.append(values.join(u'|'));
        }
        return rows;
    }

private:
    QString m_name;
};

// The statements of an SQL file, one after another.
void runScript(const QString &databasePath, const QString &scriptPath)
{
    QFile script(scriptPath);
    QVERIFY2(script.open(QIODevice::ReadOnly), qPrintable(scriptPath));
    QStringList lines;
    for (const QString &line : QString::fromUtf8(script.readAll()).split(u'\n')) {
        if (!line.startsWith(QLatin1String("--")))
            lines.append(line);
    }
    const SqlFile file(databasePath, false);
    QVERIFY(file.exec(QStringLiteral("BEGIN")));
    for (const QString &statement : lines.join(u'\n').split(QStringLiteral(";\n"), Qt::SkipEmptyParts)) {
        if (!statement.trimmed().isEmpty())
            QVERIFY(file.exec(statement));
    }
    QVERIFY(file.exec(QStringLiteral("COMMIT")));
}

RoundRow playedRound(int n, const QString &gameKey, RoundOutcome outcome, int stake, int playerPoints, int playerMoney,
                     int decisions, int matched)
{
    RoundRow round;
    round.playedAt = QDateTime(QDate(2024, 2, 10), QTime(20, 0), Qt::UTC).addSecs(60 * n);
    round.gameKey = gameKey;
    round.stake = stake;
    round.playerCards = {110, 209};
    round.bankerCards = {305, 412};
    round.playerPoints = playerPoints;
    round.bankerPoints = 17;
    round.outcome = outcome;
    round.playerMoney = playerMoney;
    round.bankerMoney = 200 - playerMoney;
    round.decisions = decisions;
    round.matchedDecisions = matched;
    return round;
}

GameRow endedGame(const QString &gameKey, GameResult result, std::optional<int> score)
{
    GameRow game;
    game.endedAt = QDateTime(QDate(2024, 2, 11), QTime(8, 30), Qt::UTC);
    game.gameKey = gameKey;
    game.result = result;
    game.rounds = 10;
    game.recordScore = score;
    return game;
}

// A history whose figures differ from every simpler way of counting them:
// draws inside both runs, a bigger stake lost than any won, and the latest
// round's game neither the last game ended nor first by its key.
void writeHistory(StatisticsDatabase &database)
{
    constexpr auto W = RoundOutcome::PlayerWins;
    constexpr auto D = RoundOutcome::Draw;
    constexpr auto L = RoundOutcome::BankerWins;
    const struct
    {
        const char *game;
        RoundOutcome outcome;
        int stake, points, money, decisions, matched;
    } rounds[] = {
        {"b-first", W, 3, 20, 103, 2, 1}, {"b-first", W, 7, 21, 110, 1, 1}, {"b-first", D, 5, 19, 110, 3, 2},
        {"b-first", W, 2, 20, 112, 1, 0}, {"b-first", W, 2, 18, 114, 2, 2}, {"b-first", W, 2, 21, 116, 1, 1},
        {"b-first", L, 10, 25, 106, 3, 1}, {"b-first", L, 10, 17, 96, 1, 1}, {"b-first", D, 1, 18, 96, 1, 0},
        {"b-first", L, 1, 22, 95, 2, 2},   {"a-second", W, 4, 20, 104, 1, 1}, {"a-second", L, 4, 16, 100, 2, 1},
    };
    int n = 0;
    for (const auto &r : rounds) {
        RoundRow row = playedRound(n++, QString::fromLatin1(r.game), r.outcome, r.stake, r.points, r.money, r.decisions,
                                   r.matched);
        row.gameNumber = row.gameKey == QLatin1String("b-first") ? std::optional<qint64>(1) : std::nullopt;
        QVERIFY(database.addRound(row).ok());
        if (n == 10) {
            QVERIFY(database.addGame(endedGame(QStringLiteral("x-older"), GameResult::Won, 230)).ok());
            QVERIFY(database.addGame(endedGame(QStringLiteral("b-first"), GameResult::Won, 150)).ok());
            QVERIFY(database.addGame(endedGame(QStringLiteral("lost-one"), GameResult::Lost, std::nullopt)).ok());
        }
    }
    QVERIFY(database.addGame(endedGame(QStringLiteral("left"), GameResult::Abandoned, std::nullopt)).ok());
}

Summary historySummary()
{
    Summary s;
    s.gamesPlayed = 4;
    s.gamesWon = 2;
    s.gamesLost = 1;
    s.roundsWon = 6;
    s.roundsDrawn = 2;
    s.roundsLost = 4;
    s.longestWinningStreak = 3;
    s.longestLosingStreak = 2;
    s.biggestPotWon = 14;
    s.bestRecordScore = 230;
    s.decisions = 20;
    s.matchedDecisions = 13;
    s.lastGamePurse = {104, 100};
    s.byPlayerPoints = {{16, {1, 0}}, {17, {1, 0}}, {18, {2, 1}}, {19, {1, 0}},
                        {20, {3, 3}}, {21, {2, 2}}, {22, {1, 0}}, {25, {1, 0}}};
    return s;
}

// Field by field, for a message that says which.
void compareSummary(const Summary &actual, const Summary &expected)
{
    QCOMPARE(actual.gamesPlayed, expected.gamesPlayed);
    QCOMPARE(actual.gamesWon, expected.gamesWon);
    QCOMPARE(actual.gamesLost, expected.gamesLost);
    QCOMPARE(actual.roundsWon, expected.roundsWon);
    QCOMPARE(actual.roundsDrawn, expected.roundsDrawn);
    QCOMPARE(actual.roundsLost, expected.roundsLost);
    QCOMPARE(actual.longestWinningStreak, expected.longestWinningStreak);
    QCOMPARE(actual.longestLosingStreak, expected.longestLosingStreak);
    QCOMPARE(actual.biggestPotWon, expected.biggestPotWon);
    QCOMPARE(actual.bestRecordScore.value_or(-1), expected.bestRecordScore.value_or(-1));
    QCOMPARE(actual.decisions, expected.decisions);
    QCOMPARE(actual.matchedDecisions, expected.matchedDecisions);
    QCOMPARE(actual.lastGamePurse, expected.lastGamePurse);
    QCOMPARE(actual.byPlayerPoints.keys(), expected.byPlayerPoints.keys());
    for (auto it = expected.byPlayerPoints.cbegin(); it != expected.byPlayerPoints.cend(); ++it) {
        QCOMPARE(actual.byPlayerPoints.value(it.key()).rounds, it->rounds);
        QCOMPARE(actual.byPlayerPoints.value(it.key()).won, it->won);
    }
    QVERIFY(actual == expected);
}

Summary summaryOf(const StatisticsDatabase &database)
{
    Summary summary;
    summary.gamesPlayed = -1;
    const FileStatus status = database.summary(summary);
    if (!status.ok())
        qWarning("summary failed: problem %d", int(status.problem));
    return summary;
}

// A database of `rounds` rounds, closed.
void writeRounds(const QString &path, int rounds)
{
    StatisticsDatabase database(path, QStringLiteral("fixture"));
    QVERIFY(database.open(Access::Write).ok());
    for (int n = 0; n < rounds; ++n)
        QVERIFY(database.addRound(playedRound(n, QStringLiteral("game %1").arg(n / 20),
                                              n % 3 == 0 ? RoundOutcome::BankerWins : RoundOutcome::PlayerWins,
                                              n % 10 + 1, 12 + n % 10, 100 + n, 2, 1))
                    .ok());
}

QByteArray sqliteHeaderAndJunk()
{
    QByteArray bytes("SQLite format 3", 16);
    for (int i = 0; bytes.size() < 4096; ++i)
        bytes.append(char(i * 37 + 11));
    return bytes;
}

} // namespace

class TestStatisticsDatabase : public QObject
{
    Q_OBJECT

private slots:
    void roundsAndGamesAreStoredWhole()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("gamedata"));
        const QString path = folder + QStringLiteral("/statistics.sqlite"); // the folder comes with the file

        RoundRow won;
        won.playedAt = QDateTime(QDate(2024, 5, 17), QTime(21, 4, 33, 250), Qt::OffsetFromUTC, 3 * 3600);
        won.gameKey = QStringLiteral("1715968800|Олена, гра 1");
        won.gameNumber = 12;
        won.stake = 7;
        won.playerCards = {101, 212};
        won.bankerCards = {310, 413, 105};
        won.playerPoints = 21;
        won.bankerPoints = 17;
        won.outcome = RoundOutcome::PlayerWins;
        won.playerMoney = 117;
        won.bankerMoney = 83;
        won.decisions = 3;
        won.matchedDecisions = 2;
        RoundRow drawn = playedRound(1, QStringLiteral("loaded"), RoundOutcome::Draw, 1, 19, 50, 0, 0);
        RoundRow lost = playedRound(2, QStringLiteral("loaded"), RoundOutcome::BankerWins, 10, 23, 40, 4, 4);
        lost.playerCards = {210, 306, 408, 102, 103};
        GameRow game = endedGame(won.gameKey, GameResult::Won, 240);
        game.gameNumber = 12;
        game.rounds = 31;
        const GameRow left = endedGame(QStringLiteral("loaded"), GameResult::Abandoned, std::nullopt);

        {
            StatisticsDatabase database(path, QStringLiteral("writer"));
            QVERIFY(database.open(Access::Write).ok());
            QVERIFY(database.isOpen());
            for (const RoundRow &round : {won, drawn, lost})
                QVERIFY(database.addRound(round).ok());
            QVERIFY(database.addGame(game).ok());
            QVERIFY(database.addGame(left).ok());
        }
        // Closed: one file, and no journal, lock or index of a log beside it.
        QCOMPARE(entries(folder), QStringList{QStringLiteral("statistics.sqlite")});

        {
            const SqlFile file(path);
            QCOMPARE(file.rows(QStringLiteral("SELECT played_at, game_key, game_number, stake, player_cards, banker_cards,"
                                              " player_points, banker_points, outcome, player_money, banker_money,"
                                              " decisions, matched_decisions FROM rounds ORDER BY id")),
                     QStringList({QStringLiteral("2024-05-17T18:04:33.250Z|1715968800|Олена, гра 1|12|7|101,212|"
                                                 "310,413,105|21|17|player|117|83|3|2"),
                                  QStringLiteral("2024-02-10T20:01:00.000Z|loaded|NULL|1|110,209|305,412|19|17|draw|"
                                                 "50|150|0|0"),
                                  QStringLiteral("2024-02-10T20:02:00.000Z|loaded|NULL|10|210,306,408,102,103|305,412|"
                                                 "23|17|banker|40|160|4|4")}));
            QCOMPARE(file.rows(QStringLiteral("SELECT ended_at, game_key, game_number, result, rounds, record_score"
                                              " FROM games ORDER BY id")),
                     QStringList({QStringLiteral("2024-02-11T08:30:00.000Z|1715968800|Олена, гра 1|12|won|31|240"),
                                  QStringLiteral("2024-02-11T08:30:00.000Z|loaded|NULL|abandoned|10|NULL")}));
            QCOMPARE(file.rows(QStringLiteral("PRAGMA user_version")), QStringList{QStringLiteral("2")});
            QCOMPARE(file.rows(QStringLiteral("PRAGMA journal_mode")), QStringList{QStringLiteral("delete")});
        }

        // Opened again, it goes on after the rows it has.
        {
            StatisticsDatabase database(path, QStringLiteral("writer"));
            QVERIFY(database.open(Access::Write).ok());
            QVERIFY(database.addRound(won).ok());
            QCOMPARE(summaryOf(database).lastGamePurse, QList<int>({117, 117})); // one game over both runs
        }
        const SqlFile file(path);
        QCOMPARE(file.rows(QStringLiteral("SELECT player_money FROM rounds ORDER BY id")),
                 QStringList({QStringLiteral("117"), QStringLiteral("50"), QStringLiteral("40"), QStringLiteral("117")}));
    }

    void summaryCountsTheHistory()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("statistics.sqlite"));
        StatisticsDatabase writer(path, QStringLiteral("writer"));
        QVERIFY(writer.open(Access::Write).ok());
        writeHistory(writer);
        compareSummary(summaryOf(writer), historySummary());
        if (QTest::currentTestFailed())
            return;

        // Another copy of the game reads while this one writes, and later.
        StatisticsDatabase reader(path, QStringLiteral("reader"));
        QVERIFY(reader.open(Access::Read).ok());
        compareSummary(summaryOf(reader), historySummary());
        reader.close();
        writer.close();
        QVERIFY(reader.open(Access::Read).ok());
        compareSummary(summaryOf(reader), historySummary());
    }

    void newDatabaseHasNothingToShow()
    {
        QTemporaryDir dir;
        StatisticsDatabase database(dir.filePath(QStringLiteral("statistics.sqlite")), QStringLiteral("new"));
        QVERIFY(database.open(Access::Write).ok());
        compareSummary(summaryOf(database), Summary());
    }

    // The first schema had no game numbers: a reader takes it as it is, a
    // writer adds them in one transaction, and the old rows count on.
    void firstSchemaIsReadAndMigrated()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("statistics.sqlite"));
        runScript(path, FirstSchemaFixture);
        const QByteArray firstVersion = contents(path);
        QVERIFY(!firstVersion.isEmpty());

        Summary expected;
        expected.gamesPlayed = 1;
        expected.gamesLost = 1;
        expected.roundsWon = expected.roundsDrawn = expected.roundsLost = 1;
        expected.longestWinningStreak = expected.longestLosingStreak = 1;
        expected.biggestPotWon = 10;
        expected.decisions = 5;
        expected.matchedDecisions = 2;
        expected.lastGamePurse = {105, 105, 95};
        expected.byPlayerPoints = {{19, {2, 1}}, {24, {1, 0}}};

        const QString csvPath = dir.filePath(QStringLiteral("rounds.csv"));
        {
            StatisticsDatabase reader(path, QStringLiteral("reader"));
            QVERIFY(reader.open(Access::Read).ok());
            compareSummary(summaryOf(reader), expected);
            QVERIFY(reader.exportCsv(csvPath).ok());
        }
        QCOMPARE(contents(path), firstVersion);
        const QList<QByteArray> lines = contents(csvPath).split('\n');
        QCOMPARE(lines.size(), 5); // the header, three rounds, the end
        for (const QByteArray &line : lines.mid(1, 3))
            QVERIFY2(line.split(',').value(1).isEmpty(), line.constData());

        StatisticsDatabase writer(path, QStringLiteral("writer"));
        QVERIFY(writer.open(Access::Write).ok());
        compareSummary(summaryOf(writer), expected);
        for (int n = 0; n < 2; ++n) {
            RoundRow round = playedRound(n, QStringLiteral("second-game"), RoundOutcome::PlayerWins, 4, 20, 99 + 8 * n, 1, 1);
            round.gameNumber = 9;
            QVERIFY(writer.addRound(round).ok());
        }
        // The streak goes on from the old totals: lost, then won twice.
        expected.roundsWon = 3;
        expected.longestWinningStreak = 2;
        expected.biggestPotWon = 10;
        expected.decisions = 7;
        expected.matchedDecisions = 4;
        expected.lastGamePurse = {99, 107};
        expected.byPlayerPoints.insert(20, {2, 2});
        compareSummary(summaryOf(writer), expected);
        writer.close();

        const SqlFile file(path);
        QCOMPARE(file.rows(QStringLiteral("PRAGMA user_version")), QStringList{QStringLiteral("2")});
        QCOMPARE(file.rows(QStringLiteral("SELECT game_number FROM rounds ORDER BY id")),
                 QStringList({QStringLiteral("NULL"), QStringLiteral("NULL"), QStringLiteral("NULL"),
                              QStringLiteral("9"), QStringLiteral("9")}));
        QCOMPARE(file.rows(QStringLiteral("SELECT game_number, result FROM games")), QStringList{QStringLiteral("NULL|lost")});
    }

    // Whatever a writer refuses, it refuses before writing a byte; a reader
    // refuses the same files and never writes at all.
    void refusedFileIsLeftAsItWas_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<FileProblem>("writeProblem");
        QTest::addColumn<FileProblem>("readProblem");
        QTest::newRow("text") << QStringLiteral("text") << FileProblem::Damaged << FileProblem::Damaged;
        QTest::newRow("a few bytes") << QStringLiteral("few") << FileProblem::Damaged << FileProblem::Damaged;
        QTest::newRow("SQLite header, then junk") << QStringLiteral("junk") << FileProblem::Damaged
                                                  << FileProblem::Damaged;
        QTest::newRow("pages overwritten") << QStringLiteral("overwritten") << FileProblem::Damaged
                                           << FileProblem::Damaged;
        QTest::newRow("another program's database") << QStringLiteral("foreign") << FileProblem::Damaged
                                                    << FileProblem::Damaged;
        QTest::newRow("newer version") << QStringLiteral("newer") << FileProblem::NewerVersion
                                       << FileProblem::NewerVersion;
        // Newer only in the log a killed writer left: a writer that opened
        // it as such would fold the log into the file on closing.
        QTest::newRow("newer version in the log") << QStringLiteral("newer in log") << FileProblem::NewerVersion
                                                  << FileProblem::NewerVersion;
        // Its games have the new column already: the first step of the
        // migration works, the second fails, and the first is undone.
        QTest::newRow("migration that cannot finish") << QStringLiteral("half migrated") << FileProblem::Damaged
                                                      << FileProblem::None;
    }

    void refusedFileIsLeftAsItWas()
    {
        QFETCH(QString, kind);
        QFETCH(FileProblem, writeProblem);
        QFETCH(FileProblem, readProblem);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("statistics.sqlite"));
        if (kind == QLatin1String("text")) {
            put(path, QByteArray("rounds won: 12\nrounds lost: 30\n").repeated(40));
        } else if (kind == QLatin1String("few")) {
            put(path, "SQLite");
        } else if (kind == QLatin1String("junk")) {
            put(path, sqliteHeaderAndJunk());
        } else if (kind == QLatin1String("overwritten")) {
            writeRounds(path, 400);
            QByteArray bytes = contents(path);
            const int pageSize = (uchar(bytes[16]) << 8) | uchar(bytes[17]);
            QVERIFY(bytes.size() >= 6 * pageSize);
            for (qsizetype i = pageSize; i < bytes.size() - pageSize; ++i)
                bytes[i] = char(0x5a ^ (i % 251));
            put(path, bytes);
        } else if (kind == QLatin1String("foreign")) {
            const SqlFile file(path, false);
            QVERIFY(file.exec(QStringLiteral("CREATE TABLE notes (text TEXT)")));
        } else if (kind == QLatin1String("newer")) {
            writeRounds(path, 3);
            const SqlFile file(path, false);
            QVERIFY(file.exec(QStringLiteral("PRAGMA user_version = 3")));
            QVERIFY(file.exec(QStringLiteral("CREATE TABLE hands (id INTEGER PRIMARY KEY)")));
        } else if (kind == QLatin1String("newer in log")) {
            const QString live = dir.filePath(QStringLiteral("live/statistics.sqlite"));
            writeRounds(live, 3);
            const SqlFile file(live, false);
            QVERIFY(file.exec(QStringLiteral("PRAGMA journal_mode = WAL")));
            QVERIFY(file.exec(QStringLiteral("PRAGMA user_version = 3")));
            for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
                QVERIFY(QFile::copy(live + suffix, path + suffix));
            QVERIFY(QFileInfo(path + QStringLiteral("-wal")).size() > 0);
        } else {
            runScript(path, FirstSchemaFixture);
            const SqlFile file(path, false);
            QVERIFY(file.exec(QStringLiteral("ALTER TABLE games ADD COLUMN game_number INTEGER")));
        }
        if (QTest::currentTestFailed())
            return;
        const QByteArray before = contents(path);
        const QByteArray logBefore = contents(path + QStringLiteral("-wal"));
        const QStringList entriesBefore = entries(dir.path());

        StatisticsDatabase database(path, QStringLiteral("refusing"));
        for (int attempt = 0; attempt < 2; ++attempt) {
            const FileStatus written = database.open(Access::Write);
            QCOMPARE(written.problem, writeProblem);
            QCOMPARE(written.path, path);
            QVERIFY(!database.isOpen());
            QCOMPARE(database.addRound(playedRound(0, QStringLiteral("g"), RoundOutcome::Draw, 1, 1, 1, 0, 0)).problem,
                     FileProblem::Unwritable);
            QCOMPARE(contents(path), before);
            QCOMPARE(entries(dir.path()), entriesBefore);
        }

        const FileStatus read = database.open(Access::Read);
        QCOMPARE(read.problem, readProblem);
        if (read.ok()) {
            Summary summary;
            QVERIFY(database.summary(summary).ok());
            QCOMPARE(summary.roundsWon + summary.roundsDrawn + summary.roundsLost, 3);
        }
        database.close();
        QCOMPARE(contents(path), before);
        QCOMPARE(contents(path + QStringLiteral("-wal")), logBefore);
        QCOMPARE(entries(dir.path()), entriesBefore);
    }

    // The lock of a running game keeps a second one to reading; the lock of
    // a game that was killed is taken over.
    void anotherRunningCopyHoldsTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("statistics.sqlite"));
        writeRounds(path, 5);
        QProcess holder;
        holder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        holder.start(QStringLiteral(CRASHWRITER), {QStringLiteral("--hold-lock"), path});
        QVERIFY2(holder.waitForStarted(10000), qPrintable(holder.errorString()));
        QVERIFY2(holder.waitForReadyRead(30000), "the other copy never opened the file");
        QCOMPARE(holder.readAll(), QByteArray("holding\n"));
        const QByteArray before = contents(path);
        const QStringList entriesBefore = entries(dir.path());

        StatisticsDatabase second(path, QStringLiteral("second"));
        const FileStatus status = second.open(Access::Write);
        QCOMPARE(status.problem, FileProblem::Locked);
        QCOMPARE(status.path, path);
        QCOMPARE(contents(path), before);
        QCOMPARE(entries(dir.path()), entriesBefore);

        QVERIFY(second.open(Access::Read).ok());
        QCOMPARE(summaryOf(second).roundsWon + summaryOf(second).roundsLost, 5);
        const RoundRow round = playedRound(9, QStringLiteral("g"), RoundOutcome::Draw, 1, 19, 1, 0, 0);
        QCOMPARE(second.addRound(round).problem, FileProblem::Unwritable);
        QCOMPARE(second.addGame(endedGame(QStringLiteral("g"), GameResult::Lost, std::nullopt)).problem,
                 FileProblem::Unwritable);
        QCOMPARE(second.clear().problem, FileProblem::Unwritable);
        second.close();
        QCOMPARE(contents(path), before);

        holder.kill();
        QVERIFY(holder.waitForFinished(10000));
        QVERIFY(second.open(Access::Write).ok());
        QVERIFY(second.addRound(round).ok());
        QCOMPARE(summaryOf(second).roundsDrawn, 1);
    }

    void folderOrFileInTheWay_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<FileProblem>("readProblem");
        QTest::addColumn<FileProblem>("writeProblem");
        QTest::newRow("no file yet") << QStringLiteral("none") << FileProblem::Missing << FileProblem::None;
        QTest::newRow("empty file") << QStringLiteral("empty") << FileProblem::Missing << FileProblem::None;
        QTest::newRow("file where the folder should be")
            << QStringLiteral("file as folder") << FileProblem::Missing << FileProblem::FolderNotCreated;
        QTest::newRow("folder where the file should be")
            << QStringLiteral("folder") << FileProblem::IsDirectory << FileProblem::IsDirectory;
        QTest::newRow("read-only folder") << QStringLiteral("read-only folder") << FileProblem::None
                                          << FileProblem::Unwritable;
        QTest::newRow("read-only file") << QStringLiteral("read-only file") << FileProblem::None
                                        << FileProblem::Unwritable;
    }

    void folderOrFileInTheWay()
    {
        QFETCH(QString, obstacle);
        QFETCH(FileProblem, readProblem);
        QFETCH(FileProblem, writeProblem);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("gamedata"));
        const QString path = folder + QStringLiteral("/statistics.sqlite");
        QString watched = dir.path(); // the folder whose entries must stay
        if (obstacle == QLatin1String("empty")) {
            put(path, QByteArray());
        } else if (obstacle == QLatin1String("file as folder")) {
            put(folder, "x");
        } else if (obstacle == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
            put(path + QStringLiteral("/inside"), "x");
        } else if (obstacle != QLatin1String("none")) {
            if (isRoot())
                QSKIP("permissions do not stop root");
            writeRounds(path, 3);
            watched = folder;
            if (obstacle == QLatin1String("read-only folder"))
                QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            else
                QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        }
        const QByteArray before = contents(path);
        const QStringList entriesBefore = entries(watched);

        StatisticsDatabase database(path, QStringLiteral("obstructed"));
        const FileStatus read = database.open(Access::Read);
        database.close();
        const QStringList entriesAfterReading = entries(watched);
        const FileStatus written = database.open(Access::Write);
        database.close();
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

        QCOMPARE(read.problem, readProblem);
        QCOMPARE(written.problem, writeProblem);
        QCOMPARE(entriesAfterReading, entriesBefore);
        if (!written.ok()) {
            QCOMPARE(written.path, writeProblem == FileProblem::FolderNotCreated ? folder : path);
            QCOMPARE(contents(path), before);
            QCOMPARE(entries(watched), entriesBefore);
        }
        if (obstacle == QLatin1String("folder"))
            QCOMPARE(contents(path + QStringLiteral("/inside")), QByteArray("x"));
    }

    void clearLeavesAnEmptyFileThatCountsAfresh()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("statistics.sqlite"));
        StatisticsDatabase database(path, QStringLiteral("clearing"));
        QVERIFY(database.open(Access::Write).ok());
        writeHistory(database);
        // Ends on a run of two wins, that must not go on after the clearing.
        for (int n = 0; n < 2; ++n)
            QVERIFY(database.addRound(playedRound(20 + n, QStringLiteral("c"), RoundOutcome::PlayerWins, 9, 20, 150, 1, 1)).ok());

        QVERIFY(database.clear().ok());
        compareSummary(summaryOf(database), Summary());
        QVERIFY(QFileInfo::exists(path));

        QVERIFY(database.addRound(playedRound(30, QStringLiteral("d"), RoundOutcome::PlayerWins, 2, 15, 102, 2, 1)).ok());
        Summary expected;
        expected.roundsWon = 1;
        expected.longestWinningStreak = 1;
        expected.biggestPotWon = 4;
        expected.decisions = 2;
        expected.matchedDecisions = 1;
        expected.lastGamePurse = {102};
        expected.byPlayerPoints = {{15, {1, 1}}};
        compareSummary(summaryOf(database), expected);
        database.close();
        const SqlFile file(path);
        QCOMPARE(file.rows(QStringLiteral("SELECT count(*) FROM games")), QStringList{QStringLiteral("0")});
    }

    void exportsRoundsOldestFirstAsCsv()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("statistics.sqlite"));
        const QString csvPath = dir.filePath(QStringLiteral("export/rounds.csv"));
        put(csvPath, QByteArray("an older export, longer than the new one\n").repeated(100));
        RoundRow first = playedRound(0, QStringLiteral("g1"), RoundOutcome::PlayerWins, 7, 21, 117, 3, 2);
        first.gameNumber = 12;
        first.playerCards = {101, 212};
        first.bankerCards = {310, 413, 105};
        first.playedAt = QDateTime(QDate(2024, 7, 1), QTime(23, 59, 58), Qt::OffsetFromUTC, -5 * 3600);
        const RoundRow second = playedRound(1, QStringLiteral("g2"), RoundOutcome::Draw, 1, 19, 117, 0, 0);
        RoundRow third = playedRound(2, QStringLiteral("g2"), RoundOutcome::BankerWins, 10, 23, 107, 1, 1);
        third.playerCards = {108};
        {
            StatisticsDatabase database(path, QStringLiteral("writer"));
            QVERIFY(database.open(Access::Write).ok());
            for (const RoundRow &round : {first, second, third})
                QVERIFY(database.addRound(round).ok());
            QVERIFY(database.addGame(endedGame(QStringLiteral("g1"), GameResult::Won, 300)).ok());
        }

        StatisticsDatabase reader(path, QStringLiteral("reader"));
        QVERIFY(reader.open(Access::Read).ok());
        QVERIFY(reader.exportCsv(csvPath).ok());

        const QByteArray bytes = contents(csvPath);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8(bytes);
        QVERIFY(!utf8.hasError());
        QVERIFY(!bytes.startsWith("\xef\xbb\xbf"));
        QStringList lines = text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.takeLast(), QString()); // every line ends
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], QStringLiteral("played_at,game_number,stake,player_cards,banker_cards,player_points,"
                                          "banker_points,outcome,player_money,banker_money,decisions,"
                                          "matched_decisions"));
        const QStringList rest = {QStringLiteral("12,7,\"101,212\",\"310,413,105\",21,17,player,117,83,3,2"),
                                  QStringLiteral(",1,\"110,209\",\"305,412\",19,17,draw,117,83,0,0"),
                                  QStringLiteral(",10,108,\"305,412\",23,17,banker,107,93,1,1")};
        const QList<QDateTime> times = {first.playedAt, second.playedAt, third.playedAt};
        const QRegularExpression withOffset(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d([+-]\\d\\d:\\d\\d|Z)$"));
        for (int row = 0; row < 3; ++row) {
            const QString line = lines[row + 1];
            const QString when = line.section(u',', 0, 0);
            QVERIFY2(withOffset.match(when).hasMatch(), qPrintable(when));
            QCOMPARE(QDateTime::fromString(when, Qt::ISODate), times[row]);
            QCOMPARE(line.section(u',', 1), rest[row]);
        }
    }

    void exportFailureIsReported_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<FileProblem>("problem");
        QTest::newRow("folder where the file should be") << QStringLiteral("folder") << FileProblem::IsDirectory;
        QTest::newRow("file where the folder should be") << QStringLiteral("file as folder")
                                                         << FileProblem::FolderNotCreated;
        QTest::newRow("database not open") << QStringLiteral("closed") << FileProblem::Unreadable;
    }

    void exportFailureIsReported()
    {
        QFETCH(QString, obstacle);
        QFETCH(FileProblem, problem);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("statistics.sqlite"));
        writeRounds(path, 2);
        QString csvPath = dir.filePath(QStringLiteral("rounds.csv"));
        if (obstacle == QLatin1String("folder"))
            put(csvPath + QStringLiteral("/inside"), "x");
        else if (obstacle == QLatin1String("file as folder"))
            put(csvPath, "kept");
        if (obstacle == QLatin1String("file as folder"))
            csvPath += QStringLiteral("/rounds.csv");
        const QStringList entriesBefore = entries(dir.path());

        StatisticsDatabase database(path, QStringLiteral("exporting"));
        if (obstacle != QLatin1String("closed"))
            QVERIFY(database.open(Access::Read).ok());
        const FileStatus status = database.exportCsv(csvPath);
        database.close();

        QCOMPARE(status.problem, problem);
        QCOMPARE(entries(dir.path()), entriesBefore);
        if (obstacle == QLatin1String("file as folder"))
            QCOMPARE(contents(dir.filePath(QStringLiteral("rounds.csv"))), QByteArray("kept"));
    }
};

QTEST_GUILESS_MAIN(TestStatisticsDatabase)
#include "tst_statisticsdatabase.moc"
