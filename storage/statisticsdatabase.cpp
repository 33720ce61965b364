#include "statisticsdatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <array>
#include <utility>

using namespace statistics;

namespace {

// 1: the first schema; 2: the game numbers in rounds and games.
constexpr int SchemaVersion = 2;
// Written into the file's header, so that another program's SQLite file is
// never taken for ours and written into.
constexpr int ApplicationId = 0x32317374;
// Another copy of the game reading at the very moment of a write.
constexpr int BusyTimeoutMs = 2000;

// SQLite's primary result codes that say more than "it failed".
namespace sqlite {
constexpr int Busy = 5;
constexpr int Locked = 6;
constexpr int ReadOnly = 8;
constexpr int Corrupt = 11;
constexpr int Full = 13;
constexpr int NotADatabase = 26;
} // namespace sqlite

int resultCode(const QSqlError &error) { return error.nativeErrorCode().toInt() & 0xff; }

FileProblem problemOf(const QSqlError &error, FileProblem otherwise)
{
    switch (resultCode(error)) {
    case sqlite::Corrupt:
    case sqlite::NotADatabase:
        return FileProblem::Damaged;
    case sqlite::Busy:
    case sqlite::Locked:
        return FileProblem::Locked;
    case sqlite::Full:
        return FileProblem::Unwritable;
    default:
        return otherwise;
    }
}

const QStringList CreateSchema = {
    QStringLiteral("CREATE TABLE rounds ("
                   " id INTEGER PRIMARY KEY,"
                   " played_at TEXT NOT NULL," // ISO 8601, UTC
                   " game_key TEXT NOT NULL,"
                   " game_number INTEGER,"
                   " stake INTEGER NOT NULL,"
                   " player_cards TEXT NOT NULL," // card codes, e.g. \"101,212\"
                   " banker_cards TEXT NOT NULL,"
                   " player_points INTEGER NOT NULL,"
                   " banker_points INTEGER NOT NULL,"
                   " outcome TEXT NOT NULL CHECK (outcome IN ('player', 'banker', 'draw')),"
                   " player_money INTEGER NOT NULL,"
                   " banker_money INTEGER NOT NULL,"
                   " decisions INTEGER NOT NULL,"
                   " matched_decisions INTEGER NOT NULL)"),
    QStringLiteral("CREATE INDEX rounds_by_game ON rounds (game_key)"),
    QStringLiteral("CREATE TABLE games ("
                   " id INTEGER PRIMARY KEY,"
                   " ended_at TEXT NOT NULL,"
                   " game_key TEXT NOT NULL,"
                   " game_number INTEGER,"
                   " result TEXT NOT NULL CHECK (result IN ('won', 'lost', 'abandoned')),"
                   " rounds INTEGER NOT NULL,"
                   " record_score INTEGER)"),
    // The figures of all rounds so far, kept with every round: the summary
    // never walks the whole history. The current streak counts rounds won
    // (above 0) or lost (below 0) since the last change.
    QStringLiteral("CREATE TABLE totals ("
                   " id INTEGER PRIMARY KEY CHECK (id = 1),"
                   " rounds_won INTEGER NOT NULL DEFAULT 0,"
                   " rounds_drawn INTEGER NOT NULL DEFAULT 0,"
                   " rounds_lost INTEGER NOT NULL DEFAULT 0,"
                   " current_streak INTEGER NOT NULL DEFAULT 0,"
                   " longest_winning_streak INTEGER NOT NULL DEFAULT 0,"
                   " longest_losing_streak INTEGER NOT NULL DEFAULT 0,"
                   " biggest_pot_won INTEGER NOT NULL DEFAULT 0,"
                   " decisions INTEGER NOT NULL DEFAULT 0,"
                   " matched_decisions INTEGER NOT NULL DEFAULT 0)"),
    QStringLiteral("INSERT INTO totals (id) VALUES (1)"),
    QStringLiteral("CREATE TABLE points_totals ("
                   " player_points INTEGER PRIMARY KEY,"
                   " rounds INTEGER NOT NULL,"
                   " won INTEGER NOT NULL)"),
};

// From version n to n + 1, at index n - 1. Old rows keep an unknown game number.
const QList<QStringList> Migrations = {
    {QStringLiteral("ALTER TABLE rounds ADD COLUMN game_number INTEGER"),
     QStringLiteral("ALTER TABLE games ADD COLUMN game_number INTEGER")},
};
static_assert(SchemaVersion == 2, "a new version needs its step in Migrations");

const QString TotalsColumns = QStringLiteral(
    "rounds_won, rounds_drawn, rounds_lost, current_streak, longest_winning_streak, "
    "longest_losing_streak, biggest_pot_won, decisions, matched_decisions");

struct Totals
{
    int roundsWon = 0;
    int roundsDrawn = 0;
    int roundsLost = 0;
    int currentStreak = 0;
    int longestWinningStreak = 0;
    int longestLosingStreak = 0;
    int biggestPotWon = 0;
    int decisions = 0;
    int matchedDecisions = 0;

    // From a query selecting TotalsColumns.
    static Totals from(const QSqlQuery &query)
    {
        Totals t;
        int column = 0;
        for (int *field : t.fields())
            *field = query.value(column++).toInt();
        return t;
    }

    void bindTo(QSqlQuery &query)
    {
        for (const int *field : fields())
            query.addBindValue(*field);
    }

    void add(const RoundRow &round)
    {
        switch (round.outcome) {
        case RoundOutcome::PlayerWins:
            ++roundsWon;
            currentStreak = std::max(currentStreak, 0) + 1;
            longestWinningStreak = std::max(longestWinningStreak, currentStreak);
            biggestPotWon = std::max(biggestPotWon, 2 * round.stake);
            break;
        case RoundOutcome::BankerWins:
            ++roundsLost;
            currentStreak = std::min(currentStreak, 0) - 1;
            longestLosingStreak = std::max(longestLosingStreak, -currentStreak);
            break;
        case RoundOutcome::Draw:
            ++roundsDrawn;
            currentStreak = 0;
            break;
        }
        decisions += round.decisions;
        matchedDecisions += round.matchedDecisions;
    }

private:
    // In the order of TotalsColumns.
    std::array<int *, 9> fields()
    {
        return {&roundsWon,           &roundsDrawn,         &roundsLost,    &currentStreak,   &longestWinningStreak,
                &longestLosingStreak, &biggestPotWon,       &decisions,     &matchedDecisions};
    }
};

QString outcomeName(RoundOutcome outcome)
{
    switch (outcome) {
    case RoundOutcome::PlayerWins:
        return QStringLiteral("player");
    case RoundOutcome::BankerWins:
        return QStringLiteral("banker");
    case RoundOutcome::Draw:
        break;
    }
    return QStringLiteral("draw");
}

QString resultName(GameResult result)
{
    switch (result) {
    case GameResult::Won:
        return QStringLiteral("won");
    case GameResult::Lost:
        return QStringLiteral("lost");
    case GameResult::Abandoned:
        break;
    }
    return QStringLiteral("abandoned");
}

QString cardsText(const QList<int> &cards)
{
    QStringList codes;
    codes.reserve(cards.size());
    for (const int card : cards)
        codes.append(QString::number(card));
    return codes.join(u',');
}

QString timeText(const QDateTime &time) { return time.toUTC().toString(Qt::ISODateWithMs); }

QVariant optionalNumber(std::optional<qint64> number)
{
    return number ? QVariant(*number) : QVariant(QMetaType::fromType<qint64>());
}

// A transaction that is rolled back unless it was committed.
class Transaction
{
public:
    explicit Transaction(QSqlDatabase database) : m_database(std::move(database)), m_active(m_database.transaction()) {}
    ~Transaction()
    {
        if (m_active)
            m_database.rollback();
    }
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    bool isActive() const { return m_active; }
    bool commit()
    {
        m_active = !m_database.commit();
        return !m_active;
    }
    QSqlError lastError() const { return m_database.lastError(); }

private:
    QSqlDatabase m_database;
    bool m_active;
};

QSqlDatabase connection(const QString &name) { return QSqlDatabase::database(name, false); }

void removeConnection(const QString &name)
{
    if (!QSqlDatabase::contains(name))
        return;
    connection(name).close();
    QSqlDatabase::removeDatabase(name); // the last handle to it is gone by now
}

// A file of ours or one that may become ours: an empty one is a new
// database. Never hands the file to SQLite, which would read anything.
enum class Header : std::uint8_t { Empty, Sqlite, Foreign, Unreadable };

Header readHeader(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Header::Unreadable;
    const QByteArray head = file.read(100);
    if (file.error() != QFileDevice::NoError)
        return Header::Unreadable;
    if (head.isEmpty())
        return Header::Empty;
    static const QByteArray magic("SQLite format 3", 16); // with its zero byte
    return head.size() == 100 && head.startsWith(magic) ? Header::Sqlite : Header::Foreign;
}

QByteArray csvField(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') || bytes.contains('\r'))
        bytes = '"' + bytes.replace('"', "\"\"") + '"';
    return bytes;
}

// Local time with its offset from UTC, as a spreadsheet shows it.
QString localTimeText(const QString &storedUtc)
{
    const QDateTime local = QDateTime::fromString(storedUtc, Qt::ISODateWithMs).toLocalTime();
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
}

} // namespace

StatisticsDatabase::StatisticsDatabase(QString path, QString connectionName)
    : m_path(std::move(path)), m_connectionName(std::move(connectionName))
{
}

StatisticsDatabase::~StatisticsDatabase() { close(); }

bool StatisticsDatabase::isOpen() const { return m_open; }

FileStatus StatisticsDatabase::failure(const QSqlError &error, FileProblem otherwise) const
{
    return {problemOf(error, otherwise), m_path, Damage::None, resultCode(error)};
}

FileStatus StatisticsDatabase::open(Access access)
{
    close();
    const QFileInfo info(m_path);
    if (info.isDir())
        return fail(FileProblem::IsDirectory);
    if (info.exists() && !info.isFile())
        return fail(FileProblem::Unreadable); // a pipe or device could block
    if (access == Access::Read && !info.exists())
        return fail(FileProblem::Missing);

    if (access == Access::Write) {
        const QString folder = info.absolutePath();
        if (!QFileInfo(folder).isDir() && (QFileInfo::exists(folder) || !QDir().mkpath(folder)))
            return {FileProblem::FolderNotCreated, folder};
        auto lock = std::make_unique<QLockFile>(m_path + QStringLiteral(".lock"));
        // A game may run for hours: only a lock whose process is gone is stale.
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            return fail(lock->error() == QLockFile::LockFailedError ? FileProblem::Locked : FileProblem::Unwritable);
        m_lock = std::move(lock);
    }

    const FileStatus status = openChecked(access);
    if (!status.ok()) {
        removeConnection(m_connectionName);
        m_lock.reset();
        return status;
    }
    m_access = access;
    m_open = true;
    return {};
}

FileStatus StatisticsDatabase::openChecked(Access access)
{
    const Header header = QFileInfo::exists(m_path) ? readHeader(m_path) : Header::Empty;
    switch (header) {
    case Header::Unreadable:
        return fail(FileProblem::Unreadable);
    case Header::Foreign:
        return fail(FileProblem::Damaged);
    case Header::Empty:
        if (access == Access::Read)
            return fail(FileProblem::Missing); // nothing was ever recorded
        break;
    case Header::Sqlite:
        break;
    }
    if (access == Access::Read) {
        const FileStatus status = connectAndCheck(m_connectionName, access);
        if (status.ok() && m_schemaVersion == 0)
            return fail(FileProblem::Missing); // a writer died before it made the tables
        return status;
    }

    if (QFileInfo::exists(m_path) && !QFileInfo(m_path).isWritable())
        return fail(FileProblem::Unwritable);
    bool checkedAlready = header == Header::Empty;
    if (!checkedAlready) {
        // A connection that cannot write looks first: one that could would
        // fold a journal left by a killed writer into a file it then refuses.
        const QString lookingName = m_connectionName + QStringLiteral("-check");
        const FileStatus looked = connectAndCheck(lookingName, Access::Read);
        removeConnection(lookingName);
        // Only a writer may roll back a transaction cut short: the writer
        // looks again after that.
        checkedAlready = looked.ok();
        if (!looked.ok() && looked.detail != sqlite::ReadOnly)
            return looked;
    }
    FileStatus status = connect(m_connectionName, Access::Write);
    if (status.ok() && !checkedAlready)
        status = check(m_connectionName);
    if (status.ok())
        status = prepareForWriting();
    return status;
}

FileStatus StatisticsDatabase::connect(const QString &name, Access access) const
{
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    database.setDatabaseName(m_path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs);
    if (access == Access::Read)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY"); // and never creates the file
    database.setConnectOptions(options);
    if (!database.open())
        return failure(database.lastError(), access == Access::Read ? FileProblem::Unreadable : FileProblem::Unwritable);
    return {};
}

FileStatus StatisticsDatabase::connectAndCheck(const QString &name, Access access)
{
    FileStatus status = connect(name, access);
    if (status.ok())
        status = check(name);
    return status;
}

FileStatus StatisticsDatabase::check(const QString &name)
{
    QSqlQuery query(connection(name));
    query.setForwardOnly(true);
    QVariant value;
    const auto ask = [&query, &value](const QString &sql) {
        if (!query.exec(sql) || !query.next())
            return false;
        value = query.value(0);
        return true;
    };

    if (!ask(QStringLiteral("PRAGMA user_version")))
        return failure(query.lastError(), FileProblem::Unreadable);
    const int version = value.toInt();
    if (!ask(QStringLiteral("PRAGMA application_id")))
        return failure(query.lastError(), FileProblem::Unreadable);
    const int applicationId = value.toInt();
    if (!ask(QStringLiteral("SELECT count(*) FROM sqlite_master")))
        return failure(query.lastError(), FileProblem::Unreadable);
    const bool isBlank = version == 0 && applicationId == 0 && value.toInt() == 0;
    if (!isBlank && applicationId != ApplicationId)
        return fail(FileProblem::Damaged); // another program's database
    if (version > SchemaVersion)
        return fail(FileProblem::NewerVersion);
    if (!isBlank && version == 0)
        return fail(FileProblem::Damaged);
    if (!ask(QStringLiteral("PRAGMA quick_check")))
        return failure(query.lastError(), FileProblem::Damaged);
    if (value.toString() != QLatin1String("ok"))
        return fail(FileProblem::Damaged);
    m_schemaVersion = version;
    return {};
}

FileStatus StatisticsDatabase::prepareForWriting()
{
    QSqlDatabase database = connection(m_connectionName);
    QSqlQuery query(database);
    // In the journal mode the file has: a clean file is in rollback mode, so
    // a migration that fails leaves it as it was to the byte.
    if (m_schemaVersion < SchemaVersion) {
        Transaction transaction(database);
        if (!transaction.isActive())
            return failure(transaction.lastError(), FileProblem::Unwritable);
        if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
            return failure(query.lastError(), FileProblem::Unwritable);
        const int version = query.value(0).toInt();
        query.finish();
        QStringList steps;
        if (version == 0)
            steps = CreateSchema;
        for (int from = version; from > 0 && from < SchemaVersion; ++from)
            steps += Migrations.at(from - 1);
        steps += QStringLiteral("PRAGMA application_id = %1").arg(ApplicationId);
        steps += QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion);
        for (const QString &step : std::as_const(steps)) {
            // A schema that is not what its version says cannot be used.
            if (!query.exec(step))
                return failure(query.lastError(), FileProblem::Damaged);
        }
        if (!transaction.commit())
            return failure(transaction.lastError(), FileProblem::Unwritable);
        m_schemaVersion = SchemaVersion;
    }
    // Write-ahead logging: a round is one append to the log, readers in
    // another copy of the game never wait, and a writer killed at any point
    // leaves the last committed round readable. NORMAL syncs at checkpoints
    // only: a killed process loses nothing committed, a power cut at most the
    // last rounds, and never the file.
    if (!query.exec(QStringLiteral("PRAGMA journal_mode = WAL")) || !query.exec(QStringLiteral("PRAGMA synchronous = NORMAL")))
        return failure(query.lastError(), FileProblem::Unwritable);
    return {};
}

void StatisticsDatabase::close()
{
    if (m_open && m_access == Access::Write) {
        // Back to a single file in rollback mode: a reader that opens it
        // later, unable to write, would otherwise leave a log and an index
        // beside it. While another copy reads, the log simply stays.
        QSqlQuery query(connection(m_connectionName));
        query.exec(QStringLiteral("PRAGMA busy_timeout = 0"));
        query.exec(QStringLiteral("PRAGMA journal_mode = DELETE"));
    }
    removeConnection(m_connectionName);
    m_lock.reset();
    m_open = false;
    m_schemaVersion = 0;
}

FileStatus StatisticsDatabase::addRound(const RoundRow &round)
{
    if (!m_open || m_access != Access::Write)
        return fail(FileProblem::Unwritable);
    const QSqlDatabase database = connection(m_connectionName);
    Transaction transaction(database);
    if (!transaction.isActive())
        return failure(transaction.lastError(), FileProblem::Unwritable);
    QSqlQuery query(database);
    const auto failed = [this, &query] { return failure(query.lastError(), FileProblem::Unwritable); };

    query.prepare(QStringLiteral(
        "INSERT INTO rounds (played_at, game_key, game_number, stake, player_cards, banker_cards, player_points,"
        " banker_points, outcome, player_money, banker_money, decisions, matched_decisions)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(timeText(round.playedAt));
    query.addBindValue(round.gameKey);
    query.addBindValue(optionalNumber(round.gameNumber));
    query.addBindValue(round.stake);
    query.addBindValue(cardsText(round.playerCards));
    query.addBindValue(cardsText(round.bankerCards));
    query.addBindValue(round.playerPoints);
    query.addBindValue(round.bankerPoints);
    query.addBindValue(outcomeName(round.outcome));
    query.addBindValue(round.playerMoney);
    query.addBindValue(round.bankerMoney);
    query.addBindValue(round.decisions);
    query.addBindValue(round.matchedDecisions);
    if (!query.exec())
        return failed();

    if (!query.exec(QStringLiteral("SELECT %1 FROM totals WHERE id = 1").arg(TotalsColumns)) || !query.next())
        return failed();
    Totals totals = Totals::from(query);
    query.finish();
    totals.add(round);
    query.prepare(QStringLiteral(
        "UPDATE totals SET rounds_won = ?, rounds_drawn = ?, rounds_lost = ?, current_streak = ?,"
        " longest_winning_streak = ?, longest_losing_streak = ?, biggest_pot_won = ?, decisions = ?,"
        " matched_decisions = ? WHERE id = 1"));
    totals.bindTo(query);
    if (!query.exec())
        return failed();

    query.prepare(QStringLiteral("INSERT INTO points_totals (player_points, rounds, won) VALUES (?, 1, ?)"
                                 " ON CONFLICT (player_points) DO UPDATE SET rounds = rounds + 1,"
                                 " won = won + excluded.won"));
    query.addBindValue(round.playerPoints);
    query.addBindValue(round.outcome == RoundOutcome::PlayerWins ? 1 : 0);
    if (!query.exec())
        return failed();

    query.finish();
    if (!transaction.commit())
        return failure(transaction.lastError(), FileProblem::Unwritable);
    return {};
}

FileStatus StatisticsDatabase::addGame(const GameRow &game)
{
    if (!m_open || m_access != Access::Write)
        return fail(FileProblem::Unwritable);
    const QSqlDatabase database = connection(m_connectionName);
    Transaction transaction(database);
    if (!transaction.isActive())
        return failure(transaction.lastError(), FileProblem::Unwritable);
    QSqlQuery query(database);
    query.prepare(QStringLiteral("INSERT INTO games (ended_at, game_key, game_number, result, rounds, record_score)"
                                 " VALUES (?, ?, ?, ?, ?, ?)"));
    query.addBindValue(timeText(game.endedAt));
    query.addBindValue(game.gameKey);
    query.addBindValue(optionalNumber(game.gameNumber));
    query.addBindValue(resultName(game.result));
    query.addBindValue(game.rounds);
    query.addBindValue(game.recordScore ? QVariant(*game.recordScore) : QVariant(QMetaType::fromType<int>()));
    if (!query.exec())
        return failure(query.lastError(), FileProblem::Unwritable);
    query.finish();
    if (!transaction.commit())
        return failure(transaction.lastError(), FileProblem::Unwritable);
    return {};
}

FileStatus StatisticsDatabase::summary(Summary &summary) const
{
    if (!m_open)
        return fail(FileProblem::Unreadable);
    // One snapshot: another copy of the game may add a round between the queries.
    Transaction snapshot(connection(m_connectionName));
    if (!snapshot.isActive())
        return failure(snapshot.lastError(), FileProblem::Unreadable);
    QSqlQuery query(connection(m_connectionName));
    query.setForwardOnly(true);
    const auto failed = [this, &query] { return failure(query.lastError(), FileProblem::Unreadable); };
    Summary result;

    if (!query.exec(QStringLiteral("SELECT %1 FROM totals WHERE id = 1").arg(TotalsColumns)))
        return failed();
    if (query.next()) {
        const Totals totals = Totals::from(query);
        result.roundsWon = totals.roundsWon;
        result.roundsDrawn = totals.roundsDrawn;
        result.roundsLost = totals.roundsLost;
        result.longestWinningStreak = totals.longestWinningStreak;
        result.longestLosingStreak = totals.longestLosingStreak;
        result.biggestPotWon = totals.biggestPotWon;
        result.decisions = totals.decisions;
        result.matchedDecisions = totals.matchedDecisions;
    }

    if (!query.exec(QStringLiteral("SELECT result, count(*), max(record_score) FROM games GROUP BY result")))
        return failed();
    while (query.next()) {
        const QString gameResult = query.value(0).toString();
        const int games = query.value(1).toInt();
        result.gamesPlayed += games;
        if (gameResult == QLatin1String("won"))
            result.gamesWon = games;
        else if (gameResult == QLatin1String("lost"))
            result.gamesLost = games;
        if (!query.value(2).isNull()) {
            const int score = query.value(2).toInt();
            result.bestRecordScore = std::max(result.bestRecordScore.value_or(score), score);
        }
    }

    if (!query.exec(QStringLiteral("SELECT player_money FROM rounds WHERE game_key ="
                                   " (SELECT game_key FROM rounds ORDER BY id DESC LIMIT 1) ORDER BY id")))
        return failed();
    while (query.next())
        result.lastGamePurse.append(query.value(0).toInt());

    if (!query.exec(QStringLiteral("SELECT player_points, rounds, won FROM points_totals")))
        return failed();
    while (query.next())
        result.byPlayerPoints.insert(query.value(0).toInt(), {query.value(1).toInt(), query.value(2).toInt()});

    query.finish();
    snapshot.commit();
    summary = std::move(result);
    return {};
}

FileStatus StatisticsDatabase::clear()
{
    if (!m_open || m_access != Access::Write)
        return fail(FileProblem::Unwritable);
    const QSqlDatabase database = connection(m_connectionName);
    Transaction transaction(database);
    if (!transaction.isActive())
        return failure(transaction.lastError(), FileProblem::Unwritable);
    QSqlQuery query(database);
    for (const char *statement : {"DELETE FROM rounds", "DELETE FROM games", "DELETE FROM points_totals",
                                  "DELETE FROM totals", "INSERT INTO totals (id) VALUES (1)"}) {
        if (!query.exec(QString::fromLatin1(statement)))
            return failure(query.lastError(), FileProblem::Unwritable);
    }
    if (!transaction.commit())
        return failure(transaction.lastError(), FileProblem::Unwritable);
    return {};
}

FileStatus StatisticsDatabase::exportCsv(const QString &csvPath) const
{
    const auto failAt = [&csvPath](FileProblem problem) { return FileStatus{problem, csvPath}; };
    if (!m_open)
        return fail(FileProblem::Unreadable);
    const QFileInfo target(csvPath);
    if (target.isDir())
        return failAt(FileProblem::IsDirectory);
    const QString folder = target.absolutePath();
    if (!QFileInfo(folder).isDir() && (QFileInfo::exists(folder) || !QDir().mkpath(folder)))
        return {FileProblem::FolderNotCreated, folder};
    QSaveFile out(csvPath);
    if (!out.open(QIODevice::WriteOnly))
        return failAt(FileProblem::Unwritable);

    Transaction snapshot(connection(m_connectionName));
    if (!snapshot.isActive())
        return failure(snapshot.lastError(), FileProblem::Unreadable);
    QSqlQuery query(connection(m_connectionName));
    query.setForwardOnly(true);
    // A reader may have the first schema still, without game numbers.
    const bool hasGameNumbers = m_schemaVersion >= 2;
    const QString select = hasGameNumbers
        ? QStringLiteral("SELECT played_at, game_number, stake, player_cards, banker_cards, player_points,"
                         " banker_points, outcome, player_money, banker_money, decisions, matched_decisions"
                         " FROM rounds ORDER BY id")
        : QStringLiteral("SELECT played_at, NULL, stake, player_cards, banker_cards, player_points,"
                         " banker_points, outcome, player_money, banker_money, decisions, matched_decisions"
                         " FROM rounds ORDER BY id");
    if (!query.exec(select))
        return failure(query.lastError(), FileProblem::Unreadable);

    QByteArray line = "played_at,game_number,stake,player_cards,banker_cards,player_points,banker_points,"
                      "outcome,player_money,banker_money,decisions,matched_decisions\r\n";
    bool written = out.write(line) == line.size();
    while (written && query.next()) {
        line = csvField(localTimeText(query.value(0).toString()));
        for (int column = 1; column < 12; ++column) {
            line += ',';
            if (!query.value(column).isNull()) // an unknown game number stays empty
                line += csvField(query.value(column).toString());
        }
        line += "\r\n";
        written = out.write(line) == line.size();
    }
    if (!written)
        return failAt(FileProblem::Unwritable);
    if (query.lastError().isValid())
        return failure(query.lastError(), FileProblem::Unreadable);
    if (!out.commit())
        return failAt(FileProblem::Unwritable);
    return {};
}
