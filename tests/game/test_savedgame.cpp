#include "testgame.h"

#include "gamepaths.h"
#include "savegame.h"

#include <QDir>
#include <QFile>
#include <QTest>

using Button = TableView::Button;
using Label = TableView::Label;
using Toggle = TableView::Toggle;

namespace {
QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// A game right after the player has stood and the round is settled.
void playToStand(TestGame &g)
{
    g.start();
    g.bet(10);
    g.table.click(Button::Stop);
    QVERIFY(!g.game.isBankerPlaying());
}
} // namespace

class TestSavedGame : public QObject
{
    Q_OBJECT

private slots:
    void saveAndLoadRoundTrip()
    {
        TestGame g;
        playToStand(g);
        const QString path = gamePath(g.dir.path(), gamefiles::SavedGame);
        g.game.saving_Click();
        QCOMPARE(g.table.lastMessage()->text, QStringLiteral("Гру успішно збережено... Для продовження натисніть на кнопку..."));
        QCOMPARE(g.table.lastMessage()->title, QStringLiteral("Збереження гри"));
        const QByteArray saved = readAll(path);
        QCOMPARE(saved.size(), 323);
        g.game.saving_Click();
        QCOMPARE(readAll(path), saved);

        const GameState before = g.state;
        const Vars varsBefore = g.vars;
        g.table.click(Button::Next); // play on, then come back
        g.table.setStake(3);
        g.vars.MusicTrack = 5;
        g.game.opening_Click();

        QCOMPARE(g.table.lastMessage()->text, QStringLiteral("Гру успішно завантажено... Для продовження натисніть на кнопку..."));
        QCOMPARE(g.table.lastMessage()->title, QStringLiteral("Завантаження гри"));
        QCOMPARE(g.state.Deck, before.Deck);
        QCOMPARE(g.state.DeckPos, before.DeckPos);
        QCOMPARE(g.state.PlayerHand, before.PlayerHand);
        QCOMPARE(g.state.BankerHand, before.BankerHand);
        QCOMPARE(g.state.PlayerCount, before.PlayerCount);
        QCOMPARE(g.state.BankerCount, before.BankerCount);
        QCOMPARE(g.state.PlayerMoney, before.PlayerMoney);
        QCOMPARE(g.state.BankerMoney, before.BankerMoney);
        QCOMPARE(g.vars.EvaluationCount, varsBefore.EvaluationCount);
        QCOMPARE(g.vars.WinCount, varsBefore.WinCount);
        QCOMPARE(g.vars.MusicTrack, varsBefore.MusicTrack);
        QCOMPARE(g.state.Phase, QStringLiteral("0"));
        QCOMPARE(g.state.Pot, std::optional<std::int16_t>(0));
        QCOMPARE(g.state.Stake, 0);

        // Only Next is usable, the spinner is off at 0, stake and pot show 0.
        QVERIFY(!g.table.isButtonEnabled(Button::Stavka));
        QVERIFY(!g.table.isButtonEnabled(Button::Draw));
        QVERIFY(!g.table.isButtonEnabled(Button::Stop));
        QVERIFY(g.table.isButtonEnabled(Button::Next));
        QVERIFY(!g.table.spinnerEnabled);
        QCOMPARE(g.table.spinner, 0);
        QCOMPARE(g.table.labels[Label::Stake], QStringLiteral("0"));
        QCOMPARE(g.table.labels[Label::Pot], QStringLiteral("0"));
        QCOMPARE(g.table.tracksPlayed, QList<int>{varsBefore.MusicTrack});

        // Play goes on with the next round.
        g.table.click(Button::Next);
        QCOMPARE(g.state.Phase, QStringLiteral("Stavka"));
        QCOMPARE(g.state.PlayerMoney + g.state.BankerMoney, 200);
    }

    void loadedFlags_data()
    {
        QTest::addColumn<QByteArray>("music");
        QTest::addColumn<bool>("musicOn");
        QTest::addColumn<bool>("checkSet");
        QTest::newRow("False stops the music") << QByteArray("False") << false << true;
        QTest::newRow("True restarts the track") << QByteArray("True ") << true << true;
        QTest::newRow("lower case leaves the flag") << QByteArray("true ") << true << false;
    }
    void loadedFlags()
    {
        QFETCH(QByteArray, music);
        QFETCH(bool, musicOn);
        QFETCH(bool, checkSet);
        TestGame g;
        playToStand(g);
        QByteArray row = savegame::encode(g.state, g.vars);
        row.replace(10, 5, music);
        writeAll(gamePath(g.dir.path(), gamefiles::SavedGame), row);
        g.game.opening_Click();
        QCOMPARE(g.vars.MusicOn, musicOn);
        QCOMPARE(g.table.checked.contains(Toggle::Music), checkSet);
        // Music never plays while the menu shows it off.
        QCOMPARE(g.table.musicStops, musicOn ? 0 : 1);
        QCOMPARE(g.table.tracksPlayed.size(), musicOn ? 1 : 0);
    }

    void refusedFileKeepsTheGame_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("present");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("short") << QByteArray(322, ' ') << true;
        QTest::newRow("blank row") << QByteArray(323, ' ') << true; // purses 0 would win a game without evaluations
    }
    void refusedFileKeepsTheGame()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, present);
        TestGame g;
        g.game.New_Game(); // a card is in the air
        const QString path = gamePath(g.dir.path(), gamefiles::SavedGame);
        if (present)
            writeAll(path, bytes);
        const GameState before = g.state;
        const int stops = g.table.flightsStopped;
        g.game.opening_Click();
        QCOMPARE(g.table.messages.size(), 1);
        QCOMPARE(g.table.messages[0].title, QStringLiteral("Завантаження гри"));
        QVERIFY(g.table.messages[0].text != QStringLiteral("Гру успішно завантажено... Для продовження натисніть на кнопку..."));
        QCOMPARE(g.state.Deck, before.Deck);
        QCOMPARE(g.state.PlayerCount, before.PlayerCount);
        QCOMPARE(g.state.Phase, before.Phase);
        QCOMPARE(g.table.flightsStopped, stops);
        QCOMPARE(QFile::exists(path), present);
        // The deal goes on.
        g.table.land();
        QCOMPARE(g.state.BankerCount, 2);
    }

    void blankRowIsRefusedNotWon()
    {
        // A row of spaces reads as all zeros: DeckPos 0 is out of range, so it is refused.
        TestGame g;
        GameState s;
        Vars v;
        savegame::LoadedFlags flags;
        QVERIFY(!savegame::decode(QByteArray(323, ' '), s, v, flags).isEmpty());
    }

    void loadDuringAFlightStopsItAndClearsSlots()
    {
        TestGame g;
        playToStand(g);
        g.game.saving_Click();
        g.table.click(Button::Next);
        g.bet(2);
        for (int i = 0; i < 3; ++i)
            g.table.click(Button::Draw);
        g.game.NewGame_Click(); // first card of the new deal in the air
        g.game.opening_Click();
        QVERIFY(g.table.flightsStopped >= 2);
        QVERIFY(!g.game.isCardFlying());
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(g.table.playerSlots[static_cast<std::size_t>(i)], false);
            QCOMPARE(g.table.bankerSlots[static_cast<std::size_t>(i)], false);
        }
        // A landing reported for the stopped flight changes nothing.
        const auto count = g.state.PlayerCount;
        g.game.cardLanded(TableView::Side::Player, count);
        QCOMPARE(g.state.PlayerCount, count);
        QCOMPARE(g.state.Phase, QStringLiteral("0"));
    }

    // Saving while the banker still plays waits for the settlement, so the
    // stakes are never saved out of both purses.
    void saveDuringTheBankersTurnWaits()
    {
        TestGame g;
        g.start();
        g.dealRound({110, 102, 109, 103, 104, 105, 106});
        g.bet(10);
        g.game.CmdStop_Click();
        QVERIFY(g.game.isBankerPlaying());
        g.game.saving_Click();
        const QString path = gamePath(g.dir.path(), gamefiles::SavedGame);
        QVERIFY(!QFile::exists(path));
        g.table.land();
        const QByteArray row = readAll(path);
        QCOMPARE(row.size(), 323);
        GameState s;
        Vars v;
        savegame::LoadedFlags flags;
        QVERIFY(savegame::decode(row, s, v, flags).isEmpty());
        QCOMPARE(s.PlayerMoney + s.BankerMoney, 200);
    }

    void saveFailureIsReported()
    {
        TestGame g;
        playToStand(g);
        // A file where the saves folder should be.
        writeAll(g.dir.path() + QStringLiteral("/gamedata/saves"), "x");
        g.game.saving_Click();
        QCOMPARE(g.table.messages.size(), 1);
        QVERIFY(g.table.messages[0].text != QStringLiteral("Гру успішно збережено... Для продовження натисніть на кнопку..."));
        QCOMPARE(readAll(g.dir.path() + QStringLiteral("/gamedata/saves")), QByteArray("x"));
    }
};

QTEST_GUILESS_MAIN(TestSavedGame)
#include "test_savedgame.moc"
