#include "testgame.h"

#include "gamepaths.h"
#include "random.h"
#include "recordsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using Button = TableView::Button;
using Side = TableView::Side;
using Label = TableView::Label;
using Answer = TableView::Answer;
using Phase = GameModel::Phase;

Q_DECLARE_METATYPE(Outcome)
Q_DECLARE_METATYPE(Answer)

namespace {
const QString Click = QStringLiteral("\\gamedata\\sounds\\click.wav");
const QString Draw = QStringLiteral("\\gamedata\\sounds\\draw.wav");
const QString Dist = QStringLiteral("\\gamedata\\sounds\\dist.wav");

// Enabled state of Stavka, Draw, Stop, Next and the spinner, as "10001".
QString buttonRow(const FakeTable &t)
{
    QString row;
    for (Button b : {Button::Stavka, Button::Draw, Button::Stop, Button::Next})
        row += t.isButtonEnabled(b) ? QLatin1Char('1') : QLatin1Char('0');
    row += t.spinnerEnabled ? QLatin1Char('1') : QLatin1Char('0');
    return row;
}

RecordsTable readRecords(const TestGame &g)
{
    RecordsTable table;
    [&] { QVERIFY(recordsfile::read(g.files.recordsPath(), table).ok()); }();
    return table;
}
} // namespace

class TestRound : public QObject
{
    Q_OBJECT

private slots:
    void newGameDealsFourCardsInOrder()
    {
        TestGame g;
        g.start();
        const GameModel &m = g.model();
        QCOMPARE(m.phase(), Phase::Betting);
        QCOMPARE(m.playerMoney(), 100);
        QCOMPARE(m.bankerMoney(), 100);
        QCOMPARE(m.deck().position, 5);
        QCOMPARE(m.playerHand()[1], m.deck()[1]);
        QCOMPARE(m.bankerHand()[1], m.deck()[2]);
        QCOMPARE(m.playerHand()[2], m.deck()[3]);
        QCOMPARE(m.bankerHand()[2], m.deck()[4]);
        QCOMPARE(m.playerHand()[3], 0);
        QVERIFY(!m.pot().has_value());
        // The shuffle first, then one deal effect per card.
        QCOMPARE(g.table.sounds, QStringList({Dist, Draw, Draw, Draw, Draw}));
        QCOMPARE(g.table.flightsStarted, 4);
        QVERIFY(g.table.playerSlots[0] && g.table.playerSlots[1] && g.table.bankerSlots[0] && g.table.bankerSlots[1]);
        QVERIFY(!g.table.playerSlots[2]);
        QCOMPARE(buttonRow(g.table), QStringLiteral("10001"));
        QCOMPARE(g.table.scene.rows, TableScene::Rows::Untouched);
    }

    // A numbered game deals from its number alone, as the simulator does;
    // the table shows the number.
    void numberedGames()
    {
        TestGame g;
        g.game.newGame(123456);
        g.table.land();
        QCOMPARE(g.game.gameNumber(), std::optional<qint64>(123456));
        QCOMPARE(g.table.gameNumber, std::optional<qint64>(123456));
        const Deck dealt = g.model().deck();

        // The simulator's way to begin game 123456.
        SeededRandom simulator(999);
        GameModel model;
        model.newGame(simulator, 123456);
        QCOMPARE(dealt.cards, model.deck().cards);

        // Whatever came between, the same number deals the same cards; another does not.
        g.bet(5);
        g.table.click(Button::Stop);
        g.game.newGame(123456);
        g.table.land();
        QCOMPARE(g.model().deck().cards, dealt.cards);
        g.game.newGame(123457);
        QVERIFY(g.model().deck().cards != dealt.cards);

        // A new game otherwise picks a number, and a loaded one has none.
        g.game.newGame();
        QVERIFY(g.game.gameNumber() && *g.game.gameNumber() >= 1 && *g.game.gameNumber() <= GameModel::LargestGameNumber);
        g.table.land();
        QVERIFY(g.load(TestGame::between(100, 100)));
        QCOMPARE(g.table.gameNumber, std::nullopt);
    }

    void chooseGameNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qint64>("number"); // 0: refused, -1: cancelled
        QTest::newRow("a number") << "123456" << qint64(123456);
        QTest::newRow("spaces around") << "  77 " << qint64(77);
        QTest::newRow("the first") << "1" << qint64(1);
        QTest::newRow("the last") << "2000000000" << qint64(2000000000);
        QTest::newRow("zero") << "0" << qint64(0);
        QTest::newRow("one past the last") << "2000000001" << qint64(0);
        QTest::newRow("negative") << "-5" << qint64(0);
        QTest::newRow("a fraction") << "12.5" << qint64(0);
        QTest::newRow("words") << "сто" << qint64(0);
        QTest::newRow("cancelled") << "" << qint64(-1);
    }
    void chooseGameNumber()
    {
        QFETCH(QString, typed);
        QFETCH(qint64, number);
        TestGame g;
        g.game.newGame(42);
        g.table.land();
        g.bet(3);
        const Deck before = g.model().deck();
        g.table.messages.clear();
        g.table.names.enqueue(typed);
        g.game.chooseGameNumber();
        QCOMPARE(g.table.inputPrompts.size(), 1);
        if (number > 0) {
            QCOMPARE(g.game.gameNumber(), std::optional<qint64>(number));
            QVERIFY(g.table.messages.isEmpty());
            return;
        }
        // Refused or cancelled: the game goes on as it was.
        QCOMPARE(g.game.gameNumber(), std::optional<qint64>(42));
        QCOMPARE(g.model().deck(), before);
        QCOMPARE(g.model().phase(), Phase::PlayerTurn);
        if (number == 0) {
            QCOMPARE(g.table.messages.size(), 1);
            QVERIFY(g.table.messages[0].text.startsWith(QStringLiteral("«") + typed.trimmed() + QStringLiteral("» — не номер гри")));
            QVERIFY(g.table.messages[0].text.endsWith(QStringLiteral("Поточна гра триває.")));
        } else {
            QVERIFY(g.table.messages.isEmpty());
        }
    }

    void stakePreview()
    {
        TestGame g;
        g.start();
        g.table.setStake(3);
        g.table.setStake(4);
        QCOMPARE(g.table.labels[Label::Stake], QStringLiteral("4"));
        QCOMPARE(g.table.labels[Label::Pot], QStringLiteral("8"));
        QCOMPARE(g.table.labels[Label::PlayerMoney], QStringLiteral("96"));
        QCOMPARE(g.table.labels[Label::BankerMoney], QStringLiteral("96"));
        QCOMPARE(g.model().playerMoney(), 100);
        QCOMPARE(g.model().bankerMoney(), 100);
        // The stake in mind is what a save writes.
        QCOMPARE(g.model().stake(), 4);
    }

    // The spinner keeps its value into a new game, and the bet takes it.
    void spinnerValueOutlivesANewGame()
    {
        TestGame g;
        g.start();
        g.table.setStake(6);
        g.game.newGame();
        g.table.land();
        QCOMPARE(g.model().stake(), 0);
        g.table.click(Button::Stavka);
        QCOMPARE(g.model().phase(), Phase::PlayerTurn);
        QCOMPARE(g.model().stake(), 6);
        QVERIFY(g.table.messages.isEmpty());
    }

    void betRefusals_data()
    {
        QTest::addColumn<int>("playerMoney");
        QTest::addColumn<int>("bankerMoney");
        QTest::addColumn<int>("stake");
        QTest::addColumn<QString>("message");

        QTest::newRow("zero stake first, even with a short purse") << 100 << 3 << 0 << "Ставка повинна бути більшою за 0!";
        QTest::newRow("player short") << 4 << 196 << 5 << "У Вас не вистачає грошей для цієї ставки!";
        QTest::newRow("banker short") << 10 << 3 << 5 << "У Банківника не вистачає грошей для цієї ставки!";
        QTest::newRow("both short: player first") << 2 << 3 << 5 << "У Вас не вистачає грошей для цієї ставки!";
    }
    void betRefusals()
    {
        QFETCH(int, playerMoney);
        QFETCH(int, bankerMoney);
        QFETCH(int, stake);
        QFETCH(QString, message);

        TestGame g;
        g.start();
        QVERIFY(g.load(TestGame::between(playerMoney, bankerMoney)));
        g.table.click(Button::Next);
        g.bet(stake);
        QCOMPARE(g.table.messages.size(), 1);
        QCOMPARE(g.table.messages[0].text, message);
        QCOMPARE(g.table.messages[0].title, QStringLiteral("Помилка!"));
        QCOMPARE(g.table.messages[0].question, false);
        QCOMPARE(g.model().phase(), Phase::Betting);
        QCOMPARE(int(g.model().playerMoney()), playerMoney);
        QCOMPARE(int(g.model().bankerMoney()), bankerMoney);
        QCOMPARE(buttonRow(g.table), QStringLiteral("10001"));
    }

    void betEqualToPurseEmptiesIt()
    {
        TestGame g;
        g.start();
        QVERIFY(g.load(TestGame::between(7, 193)));
        g.table.click(Button::Next);
        g.bet(7);
        QCOMPARE(g.model().playerMoney(), 0);
        QCOMPARE(g.model().phase(), Phase::PlayerTurn);
    }

    // The availability of the four buttons and the spinner through a whole round.
    void buttonStatesThroughARound()
    {
        TestGame g;
        g.startWith({102, 103, 104, 105, 106, 107, 202, 203, 204, 205, 206});
        QCOMPARE(buttonRow(g.table), QStringLiteral("10001"));

        g.bet(7);
        QCOMPARE(buttonRow(g.table), QStringLiteral("01100"));
        QCOMPARE(g.model().stake(), 7);
        QCOMPARE(g.model().pot(), std::optional<std::int16_t>(14));
        QCOMPARE(g.model().playerMoney(), 93);
        QCOMPARE(g.model().bankerMoney(), 93);
        QCOMPARE(g.table.scene.rows, TableScene::Rows::BankerHoleDown);

        for (int card = 3; card <= 5; ++card)
            g.table.click(Button::Draw);
        QCOMPARE(g.model().playerHand().count, 5);
        QCOMPARE(buttonRow(g.table), QStringLiteral("00100"));
        QVERIFY(!g.table.savingEnabled);

        g.table.click(Button::Stop);
        QCOMPARE(buttonRow(g.table), QStringLiteral("00010"));
        QVERIFY(g.table.savingEnabled);
        QCOMPARE(g.model().pot(), std::optional<std::int16_t>(0));
        QCOMPARE(g.model().phase(), Phase::RoundOver);
        QCOMPARE(g.table.scene.rows, TableScene::Rows::FaceUp);
        QVERIFY(g.table.scene.result);

        g.table.click(Button::Next);
        QCOMPARE(buttonRow(g.table), QStringLiteral("10001"));
        QVERIFY(!g.table.savingEnabled);
        QCOMPARE(g.model().phase(), Phase::Betting);
        QVERIFY(!g.table.scene.result);
    }

    void settlement_data()
    {
        QTest::addColumn<QList<int>>("deck");
        QTest::addColumn<int>("draws");
        QTest::addColumn<Outcome>("winner");
        QTest::addColumn<int>("playerMoney");
        QTest::addColumn<int>("evaluations");
        QTest::addColumn<int>("bankerCards");

        // Deck order: player, banker, player, banker, then the draws.
        QTest::newRow("banker 16 draws behind 18 and busts")
            << QList<int>{110, 110 + 100, 208, 306, 413} << 0 << Outcome::PlayerWins << 110 << 2 << 3;
        QTest::newRow("banker 15 stands against 14")
            << QList<int>{110, 110 + 100, 204, 305} << 0 << Outcome::BankerWins << 90 << 1 << 2;
        QTest::newRow("17 against 17 is a draw")
            << QList<int>{110, 210, 307, 407} << 0 << Outcome::Draw << 100 << 1 << 2;
        QTest::newRow("player bust: the banker never draws")
            << QList<int>{110, 102, 309, 403, 305} << 1 << Outcome::BankerWins << 90 << 1 << 2;
        QTest::newRow("21 with three cards against 21 with two")
            << QList<int>{105, 101, 206, 113, 310} << 1 << Outcome::Draw << 100 << 1 << 2;
        QTest::newRow("banker stops at five cards below the player")
            << QList<int>{110, 102, 310, 202, 302, 402, 103, 303} << 0 << Outcome::PlayerWins << 110 << 4 << 5;
    }
    void settlement()
    {
        QFETCH(QList<int>, deck);
        QFETCH(int, draws);
        QFETCH(Outcome, winner);
        QFETCH(int, playerMoney);
        QFETCH(int, evaluations);
        QFETCH(int, bankerCards);

        TestGame g;
        g.random.stackNextDeck(deck);
        g.start();
        g.bet(10);
        for (int i = 0; i < draws; ++i)
            g.table.click(Button::Draw);
        g.table.click(Button::Stop);

        const GameModel &m = g.model();
        QCOMPARE(m.lastOutcome(), winner);
        QCOMPARE(int(m.playerMoney()), playerMoney);
        QCOMPARE(m.playerMoney() + m.bankerMoney(), 200);
        QCOMPARE(int(m.evaluationCount()), evaluations);
        QCOMPARE(int(m.bankerHand().count), bankerCards);
        QCOMPARE(int(m.winCount()), winner == Outcome::PlayerWins ? 1 : 0);
        QVERIFY(!g.game.isBankerPlaying());
        QCOMPARE(m.phase(), Phase::RoundOver);
        QCOMPARE(m.pot(), std::optional<std::int16_t>(0));
        QCOMPARE(g.table.scene.result->outcome, winner);
        QCOMPARE(g.table.scene.result->playerPoints, m.playerPoints());
        QCOMPARE(g.table.scene.result->bankerPoints, m.bankerPoints());
    }

    void newDeckCheck_data()
    {
        QTest::addColumn<int>("deckPos");
        QTest::addColumn<bool>("reshuffled");
        QTest::newRow("43 keeps the deck") << 43 << false;
        QTest::newRow("44 deals a new deck") << 44 << true;
    }
    void newDeckCheck()
    {
        QFETCH(int, deckPos);
        QFETCH(bool, reshuffled);

        TestGame g;
        g.start();
        QVERIFY(g.load(TestGame::between(100, 100, 0, 0, deckPos)));
        const Deck oldDeck = g.model().deck();
        g.table.sounds.clear();
        g.table.click(Button::Next);

        const QString text = QStringLiteral("В колоді залишилося менше 10 карт. Банківник здає нову колоду.");
        if (reshuffled) {
            QCOMPARE(g.table.messages.size(), 1);
            QCOMPARE(g.table.messages[0].text, text);
            QCOMPARE(g.table.messages[0].title, QStringLiteral("Нова колода!"));
            QCOMPARE(g.table.sounds.mid(0, 2), QStringList({Click, Dist}));
            QCOMPARE(g.model().deck().position, 5);
            QCOMPARE(g.model().playerHand()[1], g.model().deck()[1]);
        } else {
            QVERIFY(g.table.messages.isEmpty());
            QCOMPARE(g.model().deck(), [&] { Deck d = oldDeck; d.position = static_cast<std::int16_t>(deckPos + 4); return d; }());
            QCOMPARE(g.model().playerHand()[1], oldDeck[deckPos]);
        }
    }

    // The bet pressed during the opening deal waits until both sides hold two cards.
    void betDuringDealIsHeld()
    {
        TestGame g;
        g.game.newGame(); // the first card is in the air
        QCOMPARE(g.model().playerHand().count, 1);
        g.table.setStake(5);
        g.game.bet();
        QCOMPARE(g.model().phase(), Phase::Dealing);
        QCOMPARE(g.model().playerMoney(), 100);
        g.table.land();
        QCOMPARE(g.model().playerHand().count, 2);
        QCOMPARE(g.model().bankerHand().count, 2);
        QCOMPARE(g.model().phase(), Phase::PlayerTurn);
        QCOMPARE(g.model().playerMoney(), 95);
        QCOMPARE(buttonRow(g.table), QStringLiteral("01100"));
    }

    // Draw and stand pressed while a card flies wait for it, then happen in
    // the order pressed; each press counts once.
    void pressesDuringAFlightWaitTheirTurn()
    {
        TestGame g;
        g.startWith({102, 110, 103, 106, 104, 109, 105, 108});
        g.bet(10);
        g.game.drawCard();
        QCOMPARE(g.model().playerHand().count, 3);
        g.game.drawCard();
        g.game.stand();
        QCOMPARE(g.model().playerHand().count, 3);
        QCOMPARE(g.model().phase(), Phase::PlayerTurn);

        // The third card lands: the fourth is taken, and when it lands the player stands.
        QVERIFY(g.table.landOne());
        QCOMPARE(g.model().playerHand().count, 4);
        QCOMPARE(g.model().phase(), Phase::PlayerTurn);
        g.table.land();
        QCOMPARE(g.model().playerHand().count, 4);
        // Player 2 + 3 + 4 + 5 = 14 against the banker's 16.
        QCOMPARE(g.model().phase(), Phase::RoundOver);
        QCOMPARE(g.model().lastOutcome(), Outcome::BankerWins);
        QCOMPARE(g.table.sounds.count(Click), 4); // bet, draw, draw, stand: each press heard once
    }

    // A press that is no move by the time its turn comes is dropped, never
    // carried out twice.
    void pressesNoLongerMovesAreDropped()
    {
        TestGame g;
        g.game.newGame(); // the first card flies
        g.table.setStake(3);
        g.game.bet();
        g.game.bet();
        g.game.moveForward(); // Enter during the deal: the bet again
        g.table.land();
        QCOMPARE(g.model().phase(), Phase::PlayerTurn);
        QCOMPARE(g.model().playerMoney(), 97);
        QVERIFY(g.table.messages.isEmpty());

        // Four presses: the third card flies at once, the fourth and fifth
        // follow it, and the last press is no move by its turn.
        g.game.drawCard();
        g.game.drawCard();
        g.game.drawCard();
        g.game.drawCard();
        g.table.land();
        QCOMPARE(g.model().playerHand().count, 5);
        QCOMPARE(g.model().phase(), Phase::PlayerTurn);
    }

    // Enter: the bet before the bet, the stand in the player's turn, the next round after the settlement.
    void moveForwardTakesTheMoveAtHand()
    {
        TestGame g;
        g.startWith({110, 102, 109, 103, 104, 105, 106});
        g.table.setStake(2);
        g.game.moveForward();
        QCOMPARE(g.model().phase(), Phase::PlayerTurn);
        g.game.moveForward();
        QCOMPARE(g.model().phase(), Phase::BankerTurn);
        g.table.land();
        QCOMPARE(g.model().phase(), Phase::RoundOver);
        g.game.moveForward();
        QCOMPARE(g.model().phase(), Phase::Dealing);
    }

    // The next round never starts before the banker's turn is over: Next
    // pressed during it waits for the settlement.
    void nextWaitsForSettlement()
    {
        TestGame g;
        // Player 10+9 = 19, banker 2+3 = 5: the banker has to draw.
        g.startWith({110, 102, 109, 103, 104, 105, 106});
        g.bet(10);
        g.game.stand(); // the banker's first extra card is in the air
        QVERIFY(g.game.isBankerPlaying());
        QVERIFY(g.table.isButtonEnabled(Button::Next));
        g.game.nextRound();
        QCOMPARE(g.model().phase(), Phase::BankerTurn);
        QCOMPARE(g.model().playerMoney() + g.model().bankerMoney(), 180);
        const int redrawsBefore = g.table.redraws;
        while (g.game.isBankerPlaying())
            QVERIFY(g.table.landOne());
        // Settled and shown, then the next round is dealt.
        QVERIFY(g.table.redraws > redrawsBefore);
        QCOMPARE(g.model().playerMoney() + g.model().bankerMoney(), 200);
        QCOMPARE(g.model().phase(), Phase::Dealing);
        g.table.land();
        QCOMPARE(g.model().phase(), Phase::Betting);
    }

    void newGameStopsFlightsAndKeepsPot()
    {
        TestGame g;
        g.start();
        g.bet(6);
        g.game.drawCard(); // a card in the air
        g.game.newGame();
        QVERIFY(g.table.flightsStopped >= 1);
        QCOMPARE(g.model().playerMoney(), 100);
        QCOMPARE(g.model().bankerMoney(), 100);
        QCOMPARE(g.model().stake(), 0);
        QCOMPARE(g.model().pot(), std::optional<std::int16_t>(12));
        g.table.land();
        QCOMPARE(g.model().playerHand().count, 2);
        QCOMPARE(g.model().bankerHand().count, 2);
        QCOMPARE(g.model().deck().position, 5);
    }

    void lostGame_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("play again") << Answer::Yes;
        QTest::newRow("quit") << Answer::No;
    }
    void lostGame()
    {
        QFETCH(Answer, answer);
        TestGame g;
        g.start();
        QVERIFY(g.load(TestGame::between(0, 200)));
        g.game.stand(); // not a move now: nothing happens
        g.table.answers.enqueue(answer);
        g.table.click(Button::Next);
        QCOMPARE(g.table.messages.size(), 1);
        QCOMPARE(g.table.messages[0].text, QStringLiteral("Повна поразка! Бажаєте грати ще?"));
        QCOMPARE(g.table.messages[0].title, QStringLiteral("Поразка!"));
        QCOMPARE(g.table.messages[0].question, true);
        QVERIFY(!QFile::exists(gamePath(g.dir.path(), gamefiles::Records)));
        if (answer == Answer::Yes) {
            QCOMPARE(g.table.exits, 0);
            QCOMPARE(g.model().playerMoney(), 100);
        } else {
            QCOMPARE(g.table.exits, 1);
        }
    }

    void wonGameEntersRecords()
    {
        TestGame g;
        g.start();
        QVERIFY(g.load(TestGame::between(200, 0, 12, 40)));
        g.table.names.enqueue(QStringLiteral("Оксана"));
        g.table.answers.enqueue(Answer::No);
        g.table.click(Button::Next);

        QCOMPARE(g.table.inputPrompts, QStringList(QStringLiteral(
            "Запис в найкращу десятку|Ви перемогли і набрали 375 бали(-ів). Введіть Ваше ім'я:")));
        QCOMPARE(g.table.messages.last().text, QStringLiteral("Бажаєте грати ще?"));
        QCOMPARE(g.table.messages.last().title, QStringLiteral("Перемога!"));
        QCOMPARE(g.table.exits, 1);
        QCOMPARE(readRecords(g).names[0], QStringLiteral("Оксана"));
        QCOMPARE(readRecords(g).scores[0], 375);
        QCOMPARE(QFileInfo(gamePath(g.dir.path(), gamefiles::Records)).size(), 250);

        // A second win with a lower score that is still above the empty rows: place 2, cancel -> "Анонім".
        QVERIFY(g.load(TestGame::between(200, 0, 10, 100)));
        g.table.answers.enqueue(Answer::Yes);
        g.table.click(Button::Next);
        QCOMPARE(readRecords(g).names[1], QStringLiteral("Анонім"));
        QCOMPARE(readRecords(g).scores[1], 50);
        QCOMPARE(g.model().playerMoney(), 100);
    }

    void recordsPlacement_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("place");
        // Rows hold 1000, 900, ..., 100.
        QTest::newRow("best enters at 1") << 1200 << 1;
        QTest::newRow("equal enters below") << 900 << 3;
        QTest::newRow("just above the last") << 101 << 10;
        QTest::newRow("equal to the last is not entered") << 100 << 0;
        QTest::newRow("below every entry") << 5 << 0;
    }
    void recordsPlacement()
    {
        QFETCH(int, score);
        QFETCH(int, place);
        TestGame g;
        RecordsTable table;
        for (std::size_t i = 0; i < 10; ++i) {
            table.names[i] = QStringLiteral("Гравець %1").arg(i + 1);
            table.scores[i] = static_cast<std::int16_t>(1000 - 100 * int(i));
        }
        const QString path = gamePath(g.dir.path(), gamefiles::Records);
        QVERIFY(recordsfile::write(path, table).ok());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();

        g.table.names.enqueue(QStringLiteral("Новий"));
        g.game.enterRecord(score);
        const RecordsTable read = readRecords(g);
        if (place == 0) {
            QVERIFY(g.table.inputPrompts.isEmpty());
            QCOMPARE(g.table.messages.last().text, QStringLiteral("Ура! Ви перемогли! Бажаєте грати ще?"));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), before);
            return;
        }
        const auto at = [](int n) { return static_cast<std::size_t>(n - 1); };
        QCOMPARE(read.names[at(place)], QStringLiteral("Новий"));
        QCOMPARE(int(read.scores[at(place)]), score);
        for (int i = 1; i < place; ++i)
            QCOMPARE(read.names[at(i)], QStringLiteral("Гравець %1").arg(i));
        for (int i = place + 1; i <= 10; ++i)
            QCOMPARE(read.names[at(i)], QStringLiteral("Гравець %1").arg(i - 1));
    }

    void unreadableRecordsFileIsReportedAndKept()
    {
        TestGame g;
        // A folder where the records file should be.
        QVERIFY(QDir().mkpath(gamePath(g.dir.path(), gamefiles::Records)));
        g.game.enterRecord(500);
        QCOMPARE(g.table.messages.size(), 2);
        QVERIFY(!g.table.messages[0].text.isEmpty());
        QCOMPARE(g.table.messages[1].text, QStringLiteral("Ура! Ви перемогли! Бажаєте грати ще?"));
        QVERIFY(QFileInfo(gamePath(g.dir.path(), gamefiles::Records)).isDir());
    }
};

QTEST_GUILESS_MAIN(TestRound)
#include "test_round.moc"
