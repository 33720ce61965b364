#include "fixedwidth.h"
#include "savegame.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <map>

#include <unistd.h>

namespace {

struct Sample
{
    GameState state;
    Vars vars;
};

// A game just after the player stood: 130 against 70 with a stake of 10.
Sample stoodGame()
{
    Sample s;
    int k = 1;
    for (int suit = 4; suit >= 1; --suit)
        for (int rank = 13; rank >= 1; --rank)
            s.state.Deck[k++] = static_cast<std::int16_t>(suit * 100 + rank);
    s.state.BankerCount = 3;
    s.state.BankerHand[1] = 413;
    s.state.BankerHand[2] = 412;
    s.state.BankerHand[3] = 411;
    s.state.PlayerCount = 2;
    s.state.PlayerHand[1] = 410;
    s.state.PlayerHand[2] = 409;
    s.state.DeckPos = 6;
    s.state.PlayerMoney = 130;
    s.state.Stake = 10;
    s.state.BankerMoney = 70;
    s.state.ReservedA = 5;
    s.state.ReservedB = -3;
    s.state.Phase = QStringLiteral("Finish");
    s.state.Pot = 0;
    s.vars.MusicOn = true;
    s.vars.SoundsOn = true;
    s.vars.AnimationOn = true;
    s.vars.EvaluationCount = 12;
    s.vars.WinCount = 3;
    s.vars.MusicTrack = 7;
    return s;
}

// Every value the file carries, by name, as text.
const std::map<QString, std::function<QString(const GameState &, const Vars &)>> &fields()
{
    static const std::map<QString, std::function<QString(const GameState &, const Vars &)>> map = {
        {QStringLiteral("EvaluationCount"), [](const GameState &, const Vars &v) { return QString::number(v.EvaluationCount); }},
        {QStringLiteral("MusicTrack"), [](const GameState &, const Vars &v) { return QString::number(v.MusicTrack); }},
        {QStringLiteral("PlayerMoney"), [](const GameState &s, const Vars &) { return QString::number(s.PlayerMoney); }},
        {QStringLiteral("Stake"), [](const GameState &s, const Vars &) { return QString::number(s.Stake); }},
        {QStringLiteral("Deck1"), [](const GameState &s, const Vars &) { return QString::number(s.Deck[1]); }},
        {QStringLiteral("BankerCount"), [](const GameState &s, const Vars &) { return QString::number(s.BankerCount); }},
        {QStringLiteral("PlayerHand5"), [](const GameState &s, const Vars &) { return QString::number(s.PlayerHand[5]); }},
        {QStringLiteral("DeckPos"), [](const GameState &s, const Vars &) { return QString::number(s.DeckPos); }},
        {QStringLiteral("Phase"), [](const GameState &s, const Vars &) { return s.Phase; }},
        {QStringLiteral("Pot"), [](const GameState &s, const Vars &) { return s.Pot ? QString::number(*s.Pot) : QString(); }},
    };
    return map;
}

QByteArray patched(QByteArray row, int offset, const QByteArray &field)
{
    row.replace(offset, field.size(), field);
    return row;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
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
    const Sample s = stoodGame();
    const QByteArray row = savegame::encode(s.state, s.vars);
    QCOMPARE(row.size(), savegame::RowBytes);
    QCOMPARE(row.mid(offset, bytes.size()), bytes);
    QCOMPARE(savegame::encode(s.state, s.vars), row);
}

void TestSaveGame::encodesFlagsOffEmptyPotAndLoadedPhase()
{
    Sample s = stoodGame();
    s.vars.MusicOn = s.vars.SoundsOn = s.vars.AnimationOn = false;
    s.state.Pot.reset();
    s.state.Phase = QStringLiteral("0");
    const QByteArray row = savegame::encode(s.state, s.vars);
    QCOMPARE(row.size(), savegame::RowBytes);
    QCOMPARE(row.mid(10, 15).toHex(), QByteArray("46616c736546616c736546616c7365"));
    QCOMPARE(row.mid(300, 20), QByteArray("0                   "));
    QCOMPARE(row.mid(320, 3), QByteArray(" 0 "));
}

void TestSaveGame::roundTripRestoresEveryField()
{
    const Sample saved = stoodGame();
    const QByteArray row = savegame::encode(saved.state, saved.vars);

    GameState state;
    Vars vars;
    state.Winner = QStringLiteral("Player");
    state.PlayerPoints = 19;
    vars.RecordScore = 77;
    savegame::LoadedFlags flags;
    QCOMPARE(savegame::decode(row, state, vars, flags), QString());

    QCOMPARE(vars.EvaluationCount, saved.vars.EvaluationCount);
    QCOMPARE(vars.WinCount, saved.vars.WinCount);
    QCOMPARE(vars.MusicTrack, saved.vars.MusicTrack);
    QCOMPARE(vars.MusicOn, true);
    QCOMPARE(vars.SoundsOn, true);
    QCOMPARE(vars.AnimationOn, true);
    QCOMPARE(flags.musicOn, std::optional<bool>(true));
    QCOMPARE(flags.soundsOn, std::optional<bool>(true));
    QCOMPARE(flags.animationOn, std::optional<bool>(true));
    QCOMPARE(state.PlayerMoney, saved.state.PlayerMoney);
    QCOMPARE(state.Stake, saved.state.Stake);
    QCOMPARE(state.BankerMoney, saved.state.BankerMoney);
    QCOMPARE(state.ReservedA, saved.state.ReservedA);
    QCOMPARE(state.ReservedB, saved.state.ReservedB);
    QCOMPARE(state.Deck, saved.state.Deck);
    QCOMPARE(state.BankerCount, saved.state.BankerCount);
    QCOMPARE(state.BankerHand, saved.state.BankerHand);
    QCOMPARE(state.PlayerCount, saved.state.PlayerCount);
    QCOMPARE(state.PlayerHand, saved.state.PlayerHand);
    QCOMPARE(state.DeckPos, saved.state.DeckPos);
    QCOMPARE(state.Phase, QStringLiteral("0"));
    QCOMPARE(state.Pot, std::optional<std::int16_t>(0));

    // What the file does not carry stays as it was.
    QCOMPARE(state.Winner, QStringLiteral("Player"));
    QCOMPARE(state.PlayerPoints, 19);
    QCOMPARE(vars.RecordScore, 77);

    // Saving right after loading writes the loaded phase and reads back the same.
    const QByteArray again = savegame::encode(state, vars);
    QCOMPARE(again.mid(300, 20), QByteArray("0                   "));
    GameState state2;
    Vars vars2;
    QCOMPARE(savegame::decode(again, state2, vars2, flags), QString());
    QCOMPARE(savegame::encode(state2, vars2), again);
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

    const Sample saved = stoodGame();
    const QByteArray row = patched(savegame::encode(saved.state, saved.vars), offset, field);
    GameState state;
    Vars vars;
    savegame::LoadedFlags flags;
    QCOMPARE(savegame::decode(row, state, vars, flags), QString());
    QCOMPARE(fields().at(name)(state, vars), expected);
}

void TestSaveGame::decodesFlag_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<bool>("before");
    QTest::addColumn<std::optional<bool>>("reported");

    QTest::newRow("True sets") << QByteArray("True ") << false << std::optional<bool>(true);
    QTest::newRow("False clears") << QByteArray("False") << true << std::optional<bool>(false);
    QTest::newRow("padded True") << QByteArray(" True") << false << std::optional<bool>(true);
    QTest::newRow("lower case leaves it on") << QByteArray("true ") << true << std::optional<bool>();
    QTest::newRow("lower case leaves it off") << QByteArray("false") << false << std::optional<bool>();
    QTest::newRow("number leaves it") << QByteArray("-1   ") << false << std::optional<bool>();
    QTest::newRow("empty leaves it") << QByteArray("     ") << true << std::optional<bool>();
}

void TestSaveGame::decodesFlag()
{
    QFETCH(QByteArray, field);
    QFETCH(bool, before);
    QFETCH(std::optional<bool>, reported);

    const Sample saved = stoodGame();
    // The same text in all three flag fields.
    const QByteArray row = patched(savegame::encode(saved.state, saved.vars), 10, field + field + field);
    GameState state;
    Vars vars;
    vars.MusicOn = vars.SoundsOn = vars.AnimationOn = before;
    savegame::LoadedFlags flags;
    QCOMPARE(savegame::decode(row, state, vars, flags), QString());

    const bool after = reported.value_or(before);
    QCOMPARE(flags.musicOn, reported);
    QCOMPARE(flags.soundsOn, reported);
    QCOMPARE(flags.animationOn, reported);
    QCOMPARE(vars.MusicOn, after);
    QCOMPARE(vars.SoundsOn, after);
    QCOMPARE(vars.AnimationOn, after);
}

void TestSaveGame::refusesDamagedRow_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("length");

    QTest::newRow("short row") << 0 << QByteArray() << savegame::RowBytes - 1;
    QTest::newRow("empty row") << 0 << QByteArray() << 0;
    QTest::newRow("40000 evaluations") << 0 << QByteArray("40000") << savegame::RowBytes;
    QTest::newRow("phase number below 16 bits") << 300 << QByteArray("-40000") << savegame::RowBytes;
    QTest::newRow("huge phase number") << 300 << QByteArray("99999999999999999999") << savegame::RowBytes;
    QTest::newRow("banker holds 6") << 250 << QByteArray(" 6") << savegame::RowBytes;
    QTest::newRow("player holds -1") << 272 << QByteArray("-1") << savegame::RowBytes;
    QTest::newRow("card 114 in the deck") << 42 << QByteArray(" 114") << savegame::RowBytes;
    QTest::newRow("card 100 in the deck") << 246 << QByteArray(" 100") << savegame::RowBytes;
    QTest::newRow("card 501 in a hand") << 252 << QByteArray(" 501") << savegame::RowBytes;
    QTest::newRow("negative card in a hand") << 290 << QByteArray("-101") << savegame::RowBytes;
    QTest::newRow("DeckPos 54") << 294 << QByteArray(" 54") << savegame::RowBytes;
    QTest::newRow("DeckPos 0") << 294 << QByteArray(" 0 ") << savegame::RowBytes;
}

void TestSaveGame::refusesDamagedRow()
{
    QFETCH(int, offset);
    QFETCH(QByteArray, field);
    QFETCH(int, length);

    const Sample saved = stoodGame();
    const QByteArray row = patched(savegame::encode(saved.state, saved.vars), offset, field).left(length);

    // The game on the table differs from the file in every field.
    GameState state;
    Vars vars;
    state.Pot.reset();
    vars.MusicTrack = 2;
    vars.MusicOn = false;
    const QByteArray before = savegame::encode(state, vars);
    savegame::LoadedFlags flags;

    const QString message = savegame::decode(row, state, vars, flags);
    QVERIFY(message.startsWith(QStringLiteral("Файл збереженої гри пошкоджено")));
    QVERIFY(message.contains(QStringLiteral("гра триває")));
    QCOMPARE(savegame::encode(state, vars), before);
    QCOMPARE(state.Phase, QStringLiteral("Stavka"));
    QCOMPARE(state.Pot, std::nullopt);
    QCOMPARE(flags.musicOn, std::nullopt);
}

void TestSaveGame::writeCreatesFolderAndReadsBack()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gamedata/saves/table.dat"));
    const Sample s = stoodGame();
    const QByteArray row = savegame::encode(s.state, s.vars);
    QCOMPARE(savegame::write(path, row), QString());
    QCOMPARE(contents(path), row);
    // A second save over the first gives the same file.
    QCOMPARE(savegame::write(path, row), QString());
    QCOMPARE(contents(path), row);

    QByteArray read;
    QCOMPARE(savegame::read(path, read), QString());
    QCOMPARE(read, row);
}

void TestSaveGame::writeKeepsTailOfLongerFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.dat"));
    QByteArray before(savegame::RowBytes, 'x');
    before += QByteArray("\0tail kept\n", 11);
    put(path, before);

    const Sample s = stoodGame();
    const QByteArray row = savegame::encode(s.state, s.vars);
    QCOMPARE(savegame::write(path, row), QString());
    QCOMPARE(contents(path), row + before.mid(savegame::RowBytes));
}

void TestSaveGame::writeFailureLeavesFileUntouched_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("parent is a regular file") << QStringLiteral("file as folder");
    QTest::newRow("directory in place of the file") << QStringLiteral("directory");
    QTest::newRow("read-only folder") << QStringLiteral("read-only folder");
    QTest::newRow("read-only file") << QStringLiteral("read-only file");
}

void TestSaveGame::writeFailureLeavesFileUntouched()
{
    QFETCH(QString, obstacle);
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

    const Sample s = stoodGame();
    const QString message = savegame::write(path, savegame::encode(s.state, s.vars));
    QFile::setPermissions(saves, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QVERIFY(message.startsWith(QStringLiteral("Не вдалося зберегти гру")));
    QVERIFY(message.contains(QStringLiteral("гра триває")));
    QCOMPARE(contents(kept), old);
    QCOMPARE(QDir(saves).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), entriesBefore);
}

void TestSaveGame::readFailures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("start");

    QTest::newRow("missing") << QStringLiteral("missing") << QStringLiteral("Немає збереженої гри");
    QTest::newRow("directory") << QStringLiteral("directory") << QStringLiteral("Не вдалося завантажити гру");
    QTest::newRow("empty") << QStringLiteral("empty") << QStringLiteral("Файл збереженої гри пошкоджено");
    QTest::newRow("one byte short") << QStringLiteral("short") << QStringLiteral("Файл збереженої гри пошкоджено");
    QTest::newRow("unreadable") << QStringLiteral("unreadable") << QStringLiteral("Не вдалося завантажити гру");
}

void TestSaveGame::readFailures()
{
    QFETCH(QString, kind);
    QFETCH(QString, start);
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
    const QString message = savegame::read(path, row);
    QVERIFY2(message.startsWith(start), qPrintable(message));
    QVERIFY(message.contains(QStringLiteral("гра триває")));
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
    const Sample s = stoodGame();
    const QByteArray row = savegame::encode(s.state, s.vars);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(row), row.size());
        QVERIFY(file.resize(qint64(1) << 30)); // sparse: no disk space used
    }
    QByteArray read;
    QCOMPARE(savegame::read(path, read), QString());
    QCOMPARE(read, row);
}

QTEST_GUILESS_MAIN(TestSaveGame)
#include "tst_savegame.moc"
