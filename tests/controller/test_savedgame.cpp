#include "testgame.h"
#include "testfiles.h"

#include "gamepaths.h"
#include "savedgamemapping.h"
#include "savegame.h"

#include <QDir>
#include <QFile>
#include <QTest>

using Button = TableView::Button;
using Label = TableView::Label;
using Toggle = TableView::Toggle;
using Phase = GameModel::Phase;

namespace {
const QString Saved = QStringLiteral("Гру успішно збережено... Для продовження натисніть на кнопку...");

// A game right after the player has stood and the round is settled.
void playToStand(TestGame &g)
{
    g.start();
    g.bet(10);
    g.table.click(Button::Stop);
    QVERIFY(!g.game.isBankerPlaying());
}

SavedGame decoded(const QByteArray &row)
{
    SavedGame s;
    [&] { QVERIFY(savegame::decode(row, s).ok()); }();
    return s;
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
        const QString path = g.files.savedGamePath();
        g.game.saveGame();
        QCOMPARE(g.table.lastMessage()->text, Saved);
        QCOMPARE(g.table.lastMessage()->title, QStringLiteral("Збереження гри"));
        const QByteArray saved = contents(path);
        QCOMPARE(saved.size(), 323);
        QCOMPARE(saved.mid(300, 20), QByteArray("Finish              "));
        g.game.saveGame();
        QCOMPARE(contents(path), saved);

        const GameModel before = g.model();
        const Settings settingsBefore = g.settings;
        g.table.click(Button::Next); // play on, then come back
        g.table.setStake(3);
        g.settings.MusicTrack = 5;
        g.game.loadGame();

        QCOMPARE(g.table.lastMessage()->text, QStringLiteral("Гру успішно завантажено... Для продовження натисніть на кнопку..."));
        QCOMPARE(g.table.lastMessage()->title, QStringLiteral("Завантаження гри"));
        const GameModel &m = g.model();
        QCOMPARE(m.deck(), before.deck());
        QCOMPARE(m.playerHand(), before.playerHand());
        QCOMPARE(m.bankerHand(), before.bankerHand());
        QCOMPARE(m.playerMoney(), before.playerMoney());
        QCOMPARE(m.bankerMoney(), before.bankerMoney());
        QCOMPARE(m.evaluationCount(), before.evaluationCount());
        QCOMPARE(m.winCount(), before.winCount());
        QCOMPARE(g.settings.MusicTrack, settingsBefore.MusicTrack);
        QCOMPARE(m.phase(), Phase::Resumed);
        QCOMPARE(m.pot(), std::optional<std::int16_t>(0));
        QCOMPARE(m.stake(), 0);
        QCOMPARE(g.table.scene.rows, TableScene::Rows::FaceUp);
        QVERIFY(!g.table.scene.result);

        // Only Next is usable, the spinner is off at 0, stake and pot show 0.
        QVERIFY(!g.table.isButtonEnabled(Button::Stavka));
        QVERIFY(!g.table.isButtonEnabled(Button::Draw));
        QVERIFY(!g.table.isButtonEnabled(Button::Stop));
        QVERIFY(g.table.isButtonEnabled(Button::Next));
        QVERIFY(!g.table.spinnerEnabled);
        QCOMPARE(g.table.spinner, 0);
        QCOMPARE(g.table.labels[Label::Stake], QStringLiteral("0"));
        QCOMPARE(g.table.labels[Label::Pot], QStringLiteral("0"));
        QCOMPARE(g.table.tracksPlayed, QList<int>{settingsBefore.MusicTrack});

        // Saving right after the load writes the phase the load left.
        g.game.saveGame();
        QCOMPARE(contents(path).mid(300, 20), QByteArray("0                   "));

        // Play goes on with the next round.
        g.table.click(Button::Next);
        QCOMPARE(g.model().phase(), Phase::Betting);
        QCOMPARE(g.model().playerMoney() + g.model().bankerMoney(), 200);
    }

    // What a save writes for each phase, and what a load leaves, round-trips byte for byte.
    void phaseFieldRoundTrips_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QByteArray>("resaved");
        QTest::newRow("a stand") << QByteArray("Finish              ") << QByteArray("0                   ");
        QTest::newRow("a number") << QByteArray("-17                 ") << QByteArray("-17                 ");
        QTest::newRow("a number with text") << QByteArray(" 12.5Stavka         ") << QByteArray("12                  ");
    }
    void phaseFieldRoundTrips()
    {
        QFETCH(QByteArray, field);
        QFETCH(QByteArray, resaved);
        TestGame g;
        playToStand(g);
        g.game.saveGame();
        QByteArray row = contents(g.files.savedGamePath());
        row.replace(300, 20, field);
        put(g.files.savedGamePath(), row);
        g.game.loadGame();
        g.game.saveGame();
        const QByteArray again = contents(g.files.savedGamePath());
        QCOMPARE(again.mid(300, 20), resaved);
        // Everything else comes back as it was, but the stake a load clears.
        QCOMPARE(again.left(300), row.left(300).replace(31, 4, " 0  "));
        QCOMPARE(again.mid(320), QByteArray(" 0 "));
        g.game.loadGame();
        g.game.saveGame();
        QCOMPARE(contents(g.files.savedGamePath()), again);
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
        QByteArray row = savegame::encode(savedgamemapping::record(g.model(), g.settings, {}));
        row.replace(10, 5, music);
        put(g.files.savedGamePath(), row);
        g.game.loadGame();
        QCOMPARE(g.settings.MusicOn, musicOn);
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
        g.game.newGame(); // a card is in the air
        const QString path = g.files.savedGamePath();
        if (present)
            put(path, bytes);
        const GameModel before = g.model();
        const int stops = g.table.flightsStopped;
        g.game.loadGame();
        QCOMPARE(g.table.messages.size(), 1);
        QCOMPARE(g.table.messages[0].title, QStringLiteral("Завантаження гри"));
        QVERIFY(g.table.messages[0].text != QStringLiteral("Гру успішно завантажено... Для продовження натисніть на кнопку..."));
        QCOMPARE(g.model().deck(), before.deck());
        QCOMPARE(g.model().playerHand(), before.playerHand());
        QCOMPARE(g.model().phase(), before.phase());
        QCOMPARE(g.table.flightsStopped, stops);
        QCOMPARE(QFile::exists(path), present);
        // The deal goes on.
        g.table.land();
        QCOMPARE(g.model().bankerHand().count, 2);
    }

    // Values the rules cannot play are refused with the first one named; the
    // game stays as it was.
    void unplayableRecordIsRefused_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("words");
        QTest::newRow("blank row: deck of zeros") << 0 << QByteArray(323, ' ') << "число 0 не є кодом карти";
        QTest::newRow("one 0 among the deck's cards") << 42 + 4 * 17 << QByteArray(" 0  ") << "число 0 не є кодом карти";
        QTest::newRow("card 114 in the deck") << 42 << QByteArray(" 114") << "число 114 не є кодом карти";
        QTest::newRow("card 100 in the deck") << 246 << QByteArray(" 100") << "число 100 не є кодом карти";
        QTest::newRow("banker holds 6") << 250 << QByteArray(" 6") << "кількість карт у руці (6) поза межами від 0 до 5";
        QTest::newRow("player holds -1") << 272 << QByteArray("-1") << "кількість карт у руці (-1) поза межами від 0 до 5";
        QTest::newRow("card 501 in a hand") << 252 << QByteArray(" 501") << "число 501 не є кодом карти";
        QTest::newRow("negative card in a hand") << 290 << QByteArray("-101") << "число -101 не є кодом карти";
        QTest::newRow("DeckPos 54") << 294 << QByteArray(" 54") << "позиція в колоді (54) поза межами від 1 до 53";
        QTest::newRow("DeckPos 0") << 294 << QByteArray(" 0 ") << "позиція в колоді (0) поза межами від 1 до 53";
        QTest::newRow("40000 evaluations") << 0 << QByteArray("40000") << "число в полі на позиції 0 виходить за межі допустимого";
    }
    void unplayableRecordIsRefused()
    {
        QFETCH(int, offset);
        QFETCH(QByteArray, field);
        QFETCH(QString, words);
        TestGame g;
        playToStand(g);
        g.game.saveGame();
        QByteArray row = contents(g.files.savedGamePath());
        row.replace(offset, field.size(), field);
        put(g.files.savedGamePath(), row);
        const GameModel before = g.model();
        const QByteArray kept = savegame::encode(savedgamemapping::record(g.model(), g.settings, {}));
        g.game.loadGame();
        const QString text = g.table.lastMessage()->text;
        QVERIFY2(text.startsWith(QStringLiteral("Файл збереженої гри пошкоджено: ") + words), qPrintable(text));
        QVERIFY(text.endsWith(QStringLiteral("Поточна гра триває.")));
        QCOMPARE(savegame::encode(savedgamemapping::record(g.model(), g.settings, {})), kept);
        QCOMPARE(g.model().phase(), before.phase());
        QCOMPARE(contents(g.files.savedGamePath()), row);
    }

    void loadDuringAFlightStopsItAndClearsSlots()
    {
        TestGame g;
        playToStand(g);
        g.game.saveGame();
        g.table.click(Button::Next);
        g.bet(2);
        for (int i = 0; i < 3; ++i)
            g.table.click(Button::Draw);
        g.game.newGame(); // first card of the new deal in the air
        g.game.loadGame();
        QVERIFY(g.table.flightsStopped >= 2);
        QVERIFY(!g.game.isCardFlying());
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(g.table.playerSlots[static_cast<std::size_t>(i)], false);
            QCOMPARE(g.table.bankerSlots[static_cast<std::size_t>(i)], false);
        }
        // A landing reported for the stopped flight changes nothing.
        const auto count = g.model().playerHand().count;
        g.game.cardLanded(TableView::Side::Player, 1);
        QCOMPARE(g.model().playerHand().count, count);
        QCOMPARE(g.model().phase(), Phase::Resumed);
    }

    // Saving while the banker still plays waits for the settlement, so the
    // stakes are never saved out of both purses.
    void saveDuringTheBankersTurnWaits()
    {
        TestGame g;
        g.startWith({110, 102, 109, 103, 104, 105, 106});
        g.bet(10);
        g.game.stand();
        QVERIFY(g.game.isBankerPlaying());
        g.game.saveGame();
        g.game.saveGame(); // asked twice, made once
        const QString path = g.files.savedGamePath();
        QVERIFY(!QFile::exists(path));
        QVERIFY(g.table.messages.isEmpty());
        g.table.land();
        const SavedGame s = decoded(contents(path));
        QCOMPARE(s.playerMoney + s.bankerMoney, 200);
        QCOMPARE(g.table.messages.size(), 1);
        QCOMPARE(g.table.messages[0].text, Saved);
    }

    // Stand, choose a new game, save while the opening cards fly: the save
    // is made there and then, and the next stand does not save again.
    void saveDuringTheDealIsMadeAtOnce()
    {
        TestGame g;
        playToStand(g);
        g.game.newGame(); // the first card of the deal is in the air
        QVERIFY(g.game.isCardFlying());
        g.game.saveGame();
        QCOMPARE(g.table.messages.size(), 1);
        QCOMPARE(g.table.messages[0].text, Saved);
        const QByteArray row = contents(g.files.savedGamePath());
        QCOMPARE(row.mid(300, 20), QByteArray("Stavka              "));
        QCOMPARE(decoded(row).playerCount, 1);

        g.table.land();
        g.bet(1);
        g.table.click(Button::Stop);
        g.table.click(Button::Next);
        g.bet(1);
        g.table.click(Button::Stop);
        QCOMPARE(g.table.messages.size(), 1);
        QCOMPARE(contents(g.files.savedGamePath()), row);
    }

    void saveFailureIsReported()
    {
        TestGame g;
        playToStand(g);
        // A file where the saves folder should be.
        put(g.dir.path() + QStringLiteral("/gamedata/saves"), "x");
        g.game.saveGame();
        QCOMPARE(g.table.messages.size(), 1);
        QVERIFY(g.table.messages[0].text != Saved);
        QVERIFY(g.table.messages[0].text.startsWith(QStringLiteral("Не вдалося зберегти гру: не вдалося створити папку")));
        QCOMPARE(contents(g.dir.path() + QStringLiteral("/gamedata/saves")), QByteArray("x"));
    }
};

QTEST_GUILESS_MAIN(TestSavedGame)
#include "test_savedgame.moc"
