#include "fixedwidth.h"
#include "savegame.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <map>

#include <unistd.h>

Q_DECLARE_METATYPE(Damage)
Q_DECLARE_METATYPE(FileProblem)

namespace {

// A game just after the player stood: 130 against 70 with a stake of 10.
SavedGame stoodGame()
{
    SavedGame s;
    std::size_t k = 0;
    for (int suit = 4; suit >= 1; --suit)
        for (int rank = 13; rank >= 1; --rank)
            s.deck[k++] = static_cast<std::int16_t>(suit * 100 + rank);
    s.bankerCount = 3;
    s.bankerHand = {413, 412, 411, 0, 0};
    s.playerCount = 2;
    s.playerHand = {410, 409, 0, 0, 0};
    s.deckPos = 6;
    s.playerMoney = 130;
    s.stake = 10;
    s.bankerMoney = 70;
    s.reservedA = 5;
    s.reservedB = -3;
    s.phase = QStringLiteral("Finish");
    s.pot = 0;
    s.musicOn = s.soundsOn = s.animationOn = true;
    s.evaluationCount = 12;
    s.winCount = 3;
    s.musicTrack = 7;
    return s;
}

// Every value the file carries, by name, as text.
const std::map<QString, std::function<QString(const SavedGame &)>> &fields()
{
    static const std::map<QString, std::function<QString(const SavedGame &)>> map = {
        {QStringLiteral("EvaluationCount"), [](const SavedGame &s) { return QString::number(s.evaluationCount); }},
        {QStringLiteral("MusicTrack"), [](const SavedGame &s) { return QString::number(s.musicTrack); }},
        {QStringLiteral("PlayerMoney"), [](const SavedGame &s) { return QString::number(s.playerMoney); }},
        {QStringLiteral("Stake"), [](const SavedGame &s) { return QString::number(s.stake); }},
        {QStringLiteral("Deck1"), [](const SavedGame &s) { return QString::number(s.deck[0]); }},
        {QStringLiteral("BankerCount"), [](const SavedGame &s) { return QString::number(s.bankerCount); }},
        {QStringLiteral("PlayerHand5"), [](const SavedGame &s) { return QString::number(s.playerHand[4]); }},
        {QStringLiteral("DeckPos"), [](const SavedGame &s) { return QString::number(s.deckPos); }},
        {QStringLiteral("Phase"), [](const SavedGame &s) { return s.phase; }},
        {QStringLiteral("Pot"), [](const SavedGame &s) { return QString::number(s.pot); }},
    };
    return map;
}

QByteArray patched(QByteArray row, int offset, const QByteArray &field)
{
    row.replace(offset, field.size(), field);
    return row;
}

} // namespace

class TestSaveGame : public QObject
{
    Q_OBJECT

private slots:
    void encodesField_data();
    void encodesField();
    void encodesFlagsOffEmptyPotAndLoadedPhase();
    void roundTripRestoresEveryField();
    void decodesField_data();
    void decodesField();
    void decodesFlag_data();
    void decodesFlag();
    void refusesDamagedRow_data();
    void refusesDamagedRow();
    void writeCreatesFolderAndReadsBack();
    void writeKeepsTailOfLongerFile();
    void writeFailureLeavesFileUntouched_data();
    void writeFailureLeavesFileUntouched();
    void readFailures_data();
    void readFailures();
    void readTakesOnlyTheRowOfAHugeFile();
};

void TestSaveGame::encodesField_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("EvaluationCount") << 0 << QByteArray(" 12  ");
    QTest::newRow("WinCount") << 5 << QByteArray(" 3   ");
    QTest::newRow("MusicOn") << 10 << QByteArray::fromHex("5472756520");
    QTest::newRow("SoundsOn") << 15 << QByteArray::fromHex("5472756520");
    QTest::newRow("AnimationOn") << 20 << QByteArray::fromHex("5472756520");
    QTest::newRow("MusicTrack") << 25 << QByteArray(" 7");
    QTest::newRow("PlayerMoney") << 27 << QByteArray::fromHex("20313330");
    QTest::newRow("Stake") << 31 << QByteArray::fromHex("20313020");
    QTest::newRow("BankerMoney") << 35 << QByteArray::fromHex("20373020");
    QTest::newRow("ReservedA") << 39 << QByteArray(" 5 ");
    QTest::newRow("first card") << 42 << QByteArray(" 413");
    QTest::newRow("last card") << 246 << QByteArray(" 101");
    QTest::newRow("BankerCount") << 250 << QByteArray(" 3");
    QTest::newRow("banker's cards") << 252 << QByteArray(" 413 412 411 0   0   ");
    QTest::newRow("PlayerCount") << 272 << QByteArray(" 2");
    QTest::newRow("player's cards") << 274 << QByteArray(" 410 409 0   0   0   ");
    QTest::newRow("DeckPos") << 294 << QByteArray(" 6 ");
    QTest::newRow("ReservedB") << 297 << QByteArray("-3 ");
    QTest::newRow("Phase") << 300 << QByteArray("Finish              ");
    QTest::newRow("Pot") << 320 << QByteArray(" 0 ");
}

void TestSaveGame::encodesField()
{
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    const SavedGame s = stoodGame();
    const QByteArray row = savegame::encode(s);
    QCOMPARE(row.size(), savegame::RowBytes);
    QCOMPARE(row.mid(offset, bytes.size()), bytes);
    QCOMPARE(savegame::encode(s), row);
}

void TestSaveGame::encodesFlagsOffEmptyPotAndLoadedPhase()
{
    SavedGame s = stoodGame();
    s.musicOn = s.soundsOn = false;
    s.animationOn.reset(); // a flag without a value is written off
    s.phase = QStringLiteral("0");
    const QByteArray row = savegame::encode(s);
    QCOMPARE(row.size(), savegame::RowBytes);
    QCOMPARE(row.mid(10, 15).toHex(), QByteArray("46616c736546616c736546616c7365"));
    QCOMPARE(row.mid(300, 20), QByteArray("0                   "));
    QCOMPARE(row.mid(320, 3), QByteArray(" 0 "));
}

void TestSaveGame::roundTripRestoresEveryField()
{
    const SavedGame saved = stoodGame();
    const QByteArray row = savegame::encode(saved);

    SavedGame read;
    QVERIFY(savegame::decode(row, read).ok());
    SavedGame expected = saved;
    expected.phase = QStringLiteral("0"); // the phase keeps only its number
    QCOMPARE(read, expected);

    // Saving what was read writes the phase the load left and reads back the same.
    const QByteArray again = savegame::encode(read);
    QCOMPARE(again.mid(300, 20), QByteArray("0                   "));
    SavedGame read2;
    QVERIFY(savegame::decode(again, read2).ok());
    QCOMPARE(savegame::encode(read2), again);
}

void TestSaveGame::decodesField_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    QTest::newRow("half to even down") << 27 << QByteArray("12.5") << "PlayerMoney" << "12";
    QTest::newRow("half to even up") << 27 << QByteArray("13.5") << "PlayerMoney" << "14";
    QTest::newRow("empty text") << 27 << QByteArray("    ") << "PlayerMoney" << "0";
    QTest::newRow("letters") << 27 << QByteArray("abc ") << "PlayerMoney" << "0";
    QTest::newRow("stake as in the file") << 31 << QByteArray(" 7  ") << "Stake" << "7";
    QTest::newRow("pot as in the file") << 320 << QByteArray(" 20") << "Pot" << "20";
    QTest::newRow("five-digit count") << 0 << QByteArray("32767") << "EvaluationCount" << "32767";
    QTest::newRow("track beyond 8 taken") << 25 << QByteArray("12") << "MusicTrack" << "12";
    QTest::newRow("card 0 in the deck") << 42 << QByteArray(" 0  ") << "Deck1" << "0";
    QTest::newRow("repeated card taken") << 42 << QByteArray(" 101") << "Deck1" << "101";
    QTest::newRow("full hand") << 250 << QByteArray(" 5") << "BankerCount" << "5";
    QTest::newRow("last hand slot") << 290 << QByteArray(" 213") << "PlayerHand5" << "213";
    QTest::newRow("deck used up") << 294 << QByteArray(" 53") << "DeckPos" << "53";
    QTest::newRow("first card next") << 294 << QByteArray(" 1 ") << "DeckPos" << "1";
    QTest::newRow("phase name") << 300 << QByteArray("Game                ") << "Phase" << "0";
    QTest::newRow("phase with a number") << 300 << QByteArray(" 12.5Stavka         ") << "Phase" << "12";
    QTest::newRow("negative phase number") << 300 << QByteArray("-3                  ") << "Phase" << "-3";
}

void TestSaveGame::decodesField()
{
    QFETCH(int, offset);
    QFETCH(QByteArray, field);
    QFETCH(QString, name);
    QFETCH(QString, expected);

    const QByteArray row = patched(savegame::encode(stoodGame()), offset, field);
    SavedGame read;
    QVERIFY(savegame::decode(row, read).ok());
    QCOMPARE(fields().at(name)(read), expected);
}

void TestSaveGame::decodesFlag_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<std::optional<bool>>("reported");

    QTest::newRow("True") << QByteArray("True ") << std::optional<bool>(true);
    QTest::newRow("False") << QByteArray("False") << std::optional<bool>(false);
    QTest::newRow("padded True") << QByteArray(" True") << std::optional<bool>(true);
    QTest::newRow("lower case true") << QByteArray("true ") << std::optional<bool>();
    QTest::newRow("lower case false") << QByteArray("false") << std::optional<bool>();
    QTest::newRow("number") << QByteArray("-1   ") << std::optional<bool>();
    QTest::newRow("empty") << QByteArray("     ") << std::optional<bool>();
}

void TestSaveGame::decodesFlag()
{
    QFETCH(QByteArray, field);
    QFETCH(std::optional<bool>, reported);

    // The same text in all three flag fields.
    const QByteArray row = patched(savegame::encode(stoodGame()), 10, field + field + field);
    SavedGame read;
    QVERIFY(savegame::decode(row, read).ok());
    QCOMPARE(read.musicOn, reported);
    QCOMPARE(read.soundsOn, reported);
    QCOMPARE(read.animationOn, reported);
}

void TestSaveGame::refusesDamagedRow_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("length");
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<int>("detail");

    QTest::newRow("short row") << 0 << QByteArray() << savegame::RowBytes - 1 << Damage::TooShort << 0;
    QTest::newRow("empty row") << 0 << QByteArray() << 0 << Damage::TooShort << 0;
    QTest::newRow("40000 evaluations") << 0 << QByteArray("40000") << savegame::RowBytes << Damage::NumberOutOfRange << 0;
    QTest::newRow("wins past 16 bits") << 5 << QByteArray("99999") << savegame::RowBytes << Damage::NumberOutOfRange << 5;
    QTest::newRow("phase number below 16 bits") << 300 << QByteArray("-40000") << savegame::RowBytes << Damage::NumberOutOfRange << 300;
    QTest::newRow("huge phase number") << 300 << QByteArray("99999999999999999999") << savegame::RowBytes << Damage::NumberOutOfRange << 300;
}

void TestSaveGame::refusesDamagedRow()
{
    QFETCH(int, offset);
    QFETCH(QByteArray, field);
    QFETCH(int, length);
    QFETCH(Damage, damage);
    QFETCH(int, detail);

    const QByteArray row = patched(savegame::encode(stoodGame()), offset, field).left(length);
    SavedGame read;
    read.phase = QStringLiteral("Stavka");
    read.musicOn = false;
    const SavedGame before = read;
    const FileStatus status = savegame::decode(row, read);
    QCOMPARE(status.problem, FileProblem::Damaged);
    QCOMPARE(status.damage, damage);
    QCOMPARE(int(status.detail), detail);
    QCOMPARE(read, before);
}

void TestSaveGame::writeCreatesFolderAndReadsBack()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gamedata/saves/table.dat"));
    const QByteArray row = savegame::encode(stoodGame());
    QVERIFY(savegame::write(path, row).ok());
    QCOMPARE(contents(path), row);
    // A second save over the first gives the same file.
    QVERIFY(savegame::write(path, row).ok());
    QCOMPARE(contents(path), row);

    QByteArray read;
    QVERIFY(savegame::read(path, read).ok());
    QCOMPARE(read, row);
}

void TestSaveGame::writeKeepsTailOfLongerFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.dat"));
    QByteArray before(savegame::RowBytes, 'x');
    before += QByteArray("\0tail kept\n", 11);
    put(path, before);

    const QByteArray row = savegame::encode(stoodGame());
    QVERIFY(savegame::write(path, row).ok());
    QCOMPARE(contents(path), row + before.mid(savegame::RowBytes));
}

void TestSaveGame::writeFailureLeavesFileUntouched_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<FileProblem>("problem");
    QTest::newRow("parent is a regular file") << QStringLiteral("file as folder") << FileProblem::FolderNotCreated;
    QTest::newRow("directory in place of the file") << QStringLiteral("directory") << FileProblem::IsDirectory;
    QTest::newRow("read-only folder") << QStringLiteral("read-only folder") << FileProblem::Unwritable;
    QTest::newRow("read-only file") << QStringLiteral("read-only file") << FileProblem::Unwritable;
}

void TestSaveGame::writeFailureLeavesFileUntouched()
{
    QFETCH(QString, obstacle);
    QFETCH(FileProblem, problem);
    QTemporaryDir dir;
    const QString saves = dir.filePath(QStringLiteral("saves"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("saves")));
    QString path = saves + QStringLiteral("/table.dat");
    QString kept = path;
    const QByteArray old(400, 'o');

    if (obstacle == QLatin1String("file as folder")) {
        put(path, old);
        path += QStringLiteral("/table.dat");
    } else if (obstacle == QLatin1String("directory")) {
        QVERIFY(QDir(saves).mkdir(QStringLiteral("table.dat")));
        kept = path + QStringLiteral("/inside");
        put(kept, old);
    } else {
        if (geteuid() == 0)
            QSKIP("permissions do not stop root");
        put(path, old);
        if (obstacle == QLatin1String("read-only folder"))
            QVERIFY(QFile::setPermissions(saves, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        else
            QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
    }
    const QStringList entriesBefore = QDir(saves).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    const FileStatus status = savegame::write(path, savegame::encode(stoodGame()));
    QFile::setPermissions(saves, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QCOMPARE(status.problem, problem);
    QVERIFY(!status.path.isEmpty());
    QCOMPARE(contents(kept), old);
    QCOMPARE(QDir(saves).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), entriesBefore);
}

void TestSaveGame::readFailures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<FileProblem>("problem");

    QTest::newRow("missing") << QStringLiteral("missing") << FileProblem::Missing;
    QTest::newRow("directory") << QStringLiteral("directory") << FileProblem::IsDirectory;
    QTest::newRow("empty") << QStringLiteral("empty") << FileProblem::Damaged;
    QTest::newRow("one byte short") << QStringLiteral("short") << FileProblem::Damaged;
    QTest::newRow("unreadable") << QStringLiteral("unreadable") << FileProblem::Unreadable;
}

void TestSaveGame::readFailures()
{
    QFETCH(QString, kind);
    QFETCH(FileProblem, problem);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("saves/table.dat"));
    if (kind != QLatin1String("missing"))
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("saves")));
    if (kind == QLatin1String("directory"))
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("saves/table.dat")));
    else if (kind == QLatin1String("empty"))
        put(path, QByteArray());
    else if (kind == QLatin1String("short"))
        put(path, QByteArray(savegame::RowBytes - 1, ' '));
    else if (kind == QLatin1String("unreadable")) {
        if (geteuid() == 0)
            QSKIP("permissions do not stop root");
        put(path, QByteArray(savegame::RowBytes, ' '));
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    }

    QByteArray row("unchanged");
    const FileStatus status = savegame::read(path, row);
    QCOMPARE(status.problem, problem);
    QCOMPARE(status.path, path);
    QCOMPARE(row, QByteArray("unchanged"));
    if (kind == QLatin1String("missing")) {
        QVERIFY(!QFile::exists(path));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("saves"))));
    }
}

void TestSaveGame::readTakesOnlyTheRowOfAHugeFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.dat"));
    const QByteArray row = savegame::encode(stoodGame());
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(row), row.size());
        QVERIFY(file.resize(qint64(1) << 30)); // sparse: no disk space used
    }
    QByteArray read;
    QVERIFY(savegame::read(path, read).ok());
    QCOMPARE(read, row);
}

QTEST_GUILESS_MAIN(TestSaveGame)
#include "tst_savegame.moc"
