#include "testgame.h"

#include "gamepaths.h"
#include "recordsfile.h"

#include <QDir>
#include <QFileInfo>

#include <QFile>
#include <QTest>

using Button = TableView::Button;
using Side = TableView::Side;
using Label = TableView::Label;

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
} // namespace

class TestRound : public QObject
{
    Q_OBJECT

private slots:
    void newGameDealsFourCardsInOrder()
    {
        TestGame g;
        g.start();
        const GameState &s = g.state;
        QCOMPARE(s.Phase, QStringLiteral("Stavka"));
        QCOMPARE(s.PlayerMoney, 100);
        QCOMPARE(s.BankerMoney, 100);
        QCOMPARE(s.DeckPos, 5);
        QCOMPARE(s.PlayerHand[1], s.Deck[1]);
        QCOMPARE(s.BankerHand[1], s.Deck[2]);
        QCOMPARE(s.PlayerHand[2], s.Deck[3]);
        QCOMPARE(s.BankerHand[2], s.Deck[4]);
        QCOMPARE(s.PlayerHand[3], 0);
        QVERIFY(!s.Pot.has_value());
        // The shuffle first, then one deal effect per card.
        QCOMPARE(g.table.sounds, QStringList({Dist, Draw, Draw, Draw, Draw}));
        QCOMPARE(g.table.flightsStarted, 4);
        QVERIFY(g.table.playerSlots[0] && g.table.playerSlots[1] && g.table.bankerSlots[0] && g.table.bankerSlots[1]);
        QVERIFY(!g.table.playerSlots[2]);
        QCOMPARE(buttonRow(g.table), QStringLiteral("10001"));

        // Once the deal is over a further step deals nothing.
        g.game.First_Draw();
        QCOMPARE(g.state.DeckPos, 5);
        QCOMPARE(g.table.flightsStarted, 4);
    }

    void deckIsAPermutation()
    {
        TestGame g(7);
        for (int round = 0; round < 50; ++round) {
            g.game.Koloda();
            QList<int> codes;
            for (int c : g.state.Deck)
                codes << c;
            std::sort(codes.begin(), codes.end());
            QList<int> expected;
            for (int suit = 1; suit <= 4; ++suit)
                for (int rank = 1; rank <= 13; ++rank)
                    expected << suit * 100 + rank;
            QCOMPARE(codes, expected);
            QCOMPARE(g.state.DeckPos, 1);
            QCOMPARE(g.state.PlayerCount + g.state.BankerCount, 0);
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
        QCOMPARE(g.state.PlayerMoney, 100);
        QCOMPARE(g.state.BankerMoney, 100);
    }

    void betRefusals_data()
    {
        QTest::addColumn<int>("playerMoney");
        QTest::addColumn<int>("bankerMoney");
        QTest::addColumn<int>("stake");
        QTest::addColumn<QString>("message");

        QTest::newRow("zero stake first, even with an empty purse") << 0 << 200 << 0 << "Ставка повинна бути більшою за 0!";
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
        g.state.PlayerMoney = static_cast<std::int16_t>(playerMoney);
        g.state.BankerMoney = static_cast<std::int16_t>(bankerMoney);
        g.bet(stake);
        QCOMPARE(g.table.messages.size(), 1);
        QCOMPARE(g.table.messages[0].text, message);
        QCOMPARE(g.table.messages[0].title, QStringLiteral("Помилка!"));
        QCOMPARE(g.table.messages[0].buttons, TableView::Buttons::Ok);
        QCOMPARE(g.state.MsgAnswer, TableView::AnswerOk);
        QCOMPARE(g.state.Phase, QStringLiteral("Stavka"));
        QCOMPARE(int(g.state.PlayerMoney), playerMoney);
        QCOMPARE(int(g.state.BankerMoney), bankerMoney);
        QCOMPARE(buttonRow(g.table), QStringLiteral("10001"));
    }

    void betEqualToPurseEmptiesIt()
    {
        TestGame g;
        g.start();
        g.state.PlayerMoney = 7;
        g.state.BankerMoney = 193;
        g.bet(7);
        QCOMPARE(g.state.PlayerMoney, 0);
        QCOMPARE(g.state.Phase, QStringLiteral("Game"));
    }

    // The availability of the four buttons and the spinner through a whole round.
    void buttonStatesThroughARound()
    {
        TestGame g;
        g.start();
        g.dealRound({102, 103, 104, 105, 106, 107, 202, 203, 204, 205, 206});
        QCOMPARE(buttonRow(g.table), QStringLiteral("10001"));

        g.bet(7);
        QCOMPARE(buttonRow(g.table), QStringLiteral("01100"));
        QCOMPARE(g.state.Stake, 7);
        QCOMPARE(g.state.Pot, std::optional<std::int16_t>(14));
        QCOMPARE(g.state.PlayerMoney, 93);
        QCOMPARE(g.state.BankerMoney, 93);

        for (int card = 3; card <= 5; ++card)
            g.table.click(Button::Draw);
        QCOMPARE(g.state.PlayerCount, 5);
        QCOMPARE(buttonRow(g.table), QStringLiteral("00100"));
        QVERIFY(!g.table.savingEnabled);

        g.table.click(Button::Stop);
        QCOMPARE(buttonRow(g.table), QStringLiteral("00010"));
        QVERIFY(g.table.savingEnabled);
        QCOMPARE(g.state.Pot, std::optional<std::int16_t>(0));
        QCOMPARE(g.state.Phase, QStringLiteral("Finish"));

        g.table.click(Button::Next);
        QCOMPARE(buttonRow(g.table), QStringLiteral("10001"));
        QVERIFY(!g.table.savingEnabled);
        QCOMPARE(g.state.Phase, QStringLiteral("Stavka"));
    }

    void settlement_data()
    {
        QTest::addColumn<QList<int>>("deck");
        QTest::addColumn<int>("draws");
        QTest::addColumn<QString>("winner");
        QTest::addColumn<int>("playerMoney");
        QTest::addColumn<int>("evaluations");
        QTest::addColumn<int>("bankerCards");

        // Deck order: player, banker, player, banker, then the draws.
        QTest::newRow("banker 16 draws behind 18 and busts")
            << QList<int>{110, 110 + 100, 208, 306, 413} << 0 << "Player" << 110 << 2 << 3;
        QTest::newRow("banker 15 stands against 14")
            << QList<int>{110, 110 + 100, 204, 305} << 0 << "Computer" << 90 << 1 << 2;
        QTest::newRow("17 against 17 is a draw")
            << QList<int>{110, 210, 307, 407} << 0 << "Nobody" << 100 << 1 << 2;
        QTest::newRow("player bust: the banker never draws")
            << QList<int>{110, 102, 309, 403, 305} << 1 << "Computer" << 90 << 1 << 2;
        QTest::newRow("21 with three cards against 21 with two")
            << QList<int>{105, 101, 206, 113, 310} << 1 << "Nobody" << 100 << 1 << 2;
        QTest::newRow("banker stops at five cards below the player")
            << QList<int>{110, 102, 310, 202, 302, 402, 103, 303} << 0 << "Player" << 110 << 4 << 5;
    }
    void settlement()
    {
        QFETCH(QList<int>, deck);
        QFETCH(int, draws);
        QFETCH(QString, winner);
        QFETCH(int, playerMoney);
        QFETCH(int, evaluations);
        QFETCH(int, bankerCards);

        TestGame g;
        g.start();
        g.state.DeckPos = 1;
        for (int k = 0; k < deck.size(); ++k)
            g.state.Deck[k + 1] = static_cast<std::int16_t>(deck[k]);
        g.state.Phase = QStringLiteral("Stavka");
        g.game.NextGame();
        g.table.land();
        g.bet(10);
        for (int i = 0; i < draws; ++i)
            g.table.click(Button::Draw);
        g.table.click(Button::Stop);

        QCOMPARE(g.state.Winner, winner);
        QCOMPARE(int(g.state.PlayerMoney), playerMoney);
        QCOMPARE(g.state.PlayerMoney + g.state.BankerMoney, 200);
        QCOMPARE(int(g.vars.EvaluationCount), evaluations);
        QCOMPARE(int(g.state.BankerCount), bankerCards);
        QCOMPARE(int(g.vars.WinCount), winner == QLatin1String("Player") ? 1 : 0);
        QVERIFY(!g.game.isBankerPlaying());
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
        g.bet(1);
        g.table.click(Button::Stop);
        const auto oldDeck = g.state.Deck;
        g.state.DeckPos = static_cast<std::int16_t>(deckPos);
        g.table.messages.clear();
        g.table.sounds.clear();
        g.table.click(Button::Next);

        const QString text = QStringLiteral("В колоді залишилося менше 10 карт. Банківник здає нову колоду.");
        if (reshuffled) {
            QCOMPARE(g.table.messages.size(), 1);
            QCOMPARE(g.table.messages[0].text, text);
            QCOMPARE(g.table.messages[0].title, QStringLiteral("Нова колода!"));
            QCOMPARE(g.table.sounds.mid(0, 2), QStringList({Click, Dist}));
            QCOMPARE(g.state.DeckPos, 5);
            QCOMPARE(g.state.PlayerHand[1], g.state.Deck[1]);
        } else {
            QVERIFY(g.table.messages.isEmpty());
            QCOMPARE(g.state.Deck, oldDeck);
            QCOMPARE(int(g.state.DeckPos), deckPos + 4);
            QCOMPARE(g.state.PlayerHand[1], oldDeck[deckPos]);
        }
    }

    void recordScore_data()
    {
        QTest::addColumn<int>("wins");
        QTest::addColumn<int>("evaluations");
        QTest::addColumn<int>("score");
        QTest::newRow("12 wins in 40") << 12 << 40 << 375;
        QTest::newRow("10 wins in 20: the best") << 10 << 20 << 1250;
        QTest::newRow("long game past 16 bits") << 30 << 400 << 9;
        QTest::newRow("very long game") << 300 << 32000 << 0;
        QTest::newRow("no evaluation from a damaged file") << 5 << 0 << 0;
    }
    void recordScore()
    {
        QFETCH(int, wins);
        QFETCH(int, evaluations);
        QFETCH(int, score);
        QCOMPARE(Game::recordScore(wins, evaluations), score);
    }

    // The bet pressed during the opening deal waits until both sides hold two cards.
    void betDuringDealIsHeld()
    {
        TestGame g;
        g.game.New_Game(); // the first card is in the air
        QCOMPARE(g.state.PlayerCount, 1);
        g.table.setStake(5);
        g.game.CmdStavka_Click();
        QCOMPARE(g.state.Phase, QStringLiteral("Stavka"));
        QCOMPARE(g.state.PlayerMoney, 100);
        g.table.land();
        QCOMPARE(g.state.PlayerCount, 2);
        QCOMPARE(g.state.BankerCount, 2);
        QCOMPARE(g.state.Phase, QStringLiteral("Game"));
        QCOMPARE(g.state.PlayerMoney, 95);
        QCOMPARE(buttonRow(g.table), QStringLiteral("01100"));
    }

    // Draw, stand and next pressed while a card flies do nothing.
    void pressesDuringAFlightAreIgnored()
    {
        TestGame g;
        g.start();
        g.dealRound({102, 110, 103, 106, 104, 109, 105, 108});
        g.bet(10);
        g.game.CmdDraw_Click();
        QCOMPARE(g.state.PlayerCount, 3);
        g.game.CmdDraw_Click();
        g.game.CmdStop_Click();
        QCOMPARE(g.state.PlayerCount, 3);
        QCOMPARE(g.state.Phase, QStringLiteral("Game"));
        g.table.land();

        // Player 2 + 3 + 4 = 9 against the banker's 16: the stand settles at once.
        g.table.click(Button::Stop);
        QCOMPARE(g.state.Phase, QStringLiteral("Finish"));
        QCOMPARE(g.state.Winner, QStringLiteral("Computer"));
        QVERIFY(!g.game.isBankerPlaying());
    }

    // The next round never starts before the banker's turn is over.
    void nextWaitsForSettlement()
    {
        TestGame g;
        g.start();
        // Player 10+9 = 19, banker 2+3 = 5: the banker has to draw.
        g.dealRound({110, 102, 109, 103, 104, 105, 106});
        g.bet(10);
        g.game.CmdStop_Click(); // the banker's first extra card is in the air
        QVERIFY(g.game.isBankerPlaying());
        QVERIFY(g.table.isButtonEnabled(Button::Next));
        g.game.CmdNext_Click();
        QCOMPARE(g.state.Phase, QStringLiteral("Finish"));
        QCOMPARE(g.state.PlayerMoney + g.state.BankerMoney, 180);
        g.table.land();
        QVERIFY(!g.game.isBankerPlaying());
        QCOMPARE(g.state.PlayerMoney + g.state.BankerMoney, 200);
        g.table.click(Button::Next);
        QCOMPARE(g.state.Phase, QStringLiteral("Stavka"));
    }

    void newGameStopsFlightsAndKeepsPot()
    {
        TestGame g;
        g.start();
        g.bet(6);
        g.game.CmdDraw_Click(); // a card in the air
        g.game.NewGame_Click();
        QVERIFY(g.table.flightsStopped >= 1);
        QCOMPARE(g.state.PlayerMoney, 100);
        QCOMPARE(g.state.BankerMoney, 100);
        QCOMPARE(g.state.Stake, 0);
        QCOMPARE(g.state.Pot, std::optional<std::int16_t>(12));
        g.table.land();
        QCOMPARE(g.state.PlayerCount, 2);
        QCOMPARE(g.state.BankerCount, 2);
        QCOMPARE(g.state.DeckPos, 5);
    }

    void lostGame_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("play again") << int(TableView::AnswerYes);
        QTest::newRow("quit") << int(TableView::AnswerNo);
    }
    void lostGame()
    {
        QFETCH(int, answer);
        TestGame g;
        g.start();
        g.state.PlayerMoney = 0;
        g.state.BankerMoney = 200;
        g.game.CmdStop_Click(); // not enabled: nothing happens
        g.table.enabled[Button::Next] = true;
        g.table.answers.enqueue(answer);
        g.table.click(Button::Next);
        QCOMPARE(g.table.messages.size(), 1);
        QCOMPARE(g.table.messages[0].text, QStringLiteral("Повна поразка! Бажаєте грати ще?"));
        QCOMPARE(g.table.messages[0].title, QStringLiteral("Поразка!"));
        QCOMPARE(int(g.state.MsgAnswer), answer);
        QVERIFY(!QFile::exists(gamePath(g.dir.path(), gamefiles::Records)));
        if (answer == TableView::AnswerYes) {
            QCOMPARE(g.table.exits, 0);
            QCOMPARE(g.state.PlayerMoney, 100);
        } else {
            QCOMPARE(g.table.exits, 1);
        }
    }

    void wonGameEntersRecords()
    {
        TestGame g;
        g.start();
        g.state.BankerMoney = 0;
        g.state.PlayerMoney = 200;
        g.vars.WinCount = 12;
        g.vars.EvaluationCount = 40;
        g.table.enabled[Button::Next] = true;
        g.table.names.enqueue(QStringLiteral("Оксана"));
        g.table.answers.enqueue(TableView::AnswerNo);
        g.table.click(Button::Next);

        QCOMPARE(g.vars.RecordScore, 375);
        QCOMPARE(g.table.inputPrompts, QStringList(QStringLiteral(
            "Запис в найкращу десятку|Ви перемогли і набрали 375 бали(-ів). Введіть Ваше ім'я:")));
        QCOMPARE(g.table.messages.last().text, QStringLiteral("Бажаєте грати ще?"));
        QCOMPARE(g.table.messages.last().title, QStringLiteral("Перемога!"));
        QCOMPARE(g.table.exits, 1);
        QCOMPARE(g.state.RecordNames[1], QStringLiteral("Оксана"));
        QCOMPARE(g.state.RecordScores[1], 375);
        QCOMPARE(QFileInfo(gamePath(g.dir.path(), gamefiles::Records)).size(), 250);

        // A second win with a lower score that is still above the empty rows: place 2, cancel -> "Анонім".
        g.state.BankerMoney = 0;
        g.state.PlayerMoney = 200;
        g.vars.WinCount = 10;
        g.vars.EvaluationCount = 100;
        g.table.answers.enqueue(TableView::AnswerYes);
        g.table.click(Button::Next);
        QCOMPARE(g.state.RecordNames[2], QStringLiteral("Анонім"));
        QCOMPARE(g.state.RecordScores[2], 50);
        QCOMPARE(g.state.PlayerMoney, 100);
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
        for (int i = 1; i <= 10; ++i) {
            g.state.RecordNames[i] = QStringLiteral("Гравець %1").arg(i);
            g.state.RecordScores[i] = static_cast<std::int16_t>(1100 - 100 * i);
        }
        const QString path = gamePath(g.dir.path(), gamefiles::Records);
        QVERIFY(recordsfile::WriteRecordsTable(g.state, path).isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();

        g.table.names.enqueue(QStringLiteral("Новий"));
        g.game.EnterRecord(score);
        GameState read;
        QVERIFY(recordsfile::ReadRecordsTable(read, path).isEmpty());
        if (place == 0) {
            QVERIFY(g.table.inputPrompts.isEmpty());
            QCOMPARE(g.table.messages.last().text, QStringLiteral("Ура! Ви перемогли! Бажаєте грати ще?"));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), before);
            return;
        }
        QCOMPARE(read.RecordNames[place], QStringLiteral("Новий"));
        QCOMPARE(int(read.RecordScores[place]), score);
        for (int i = 1; i < place; ++i)
            QCOMPARE(read.RecordNames[i], QStringLiteral("Гравець %1").arg(i));
        for (int i = place + 1; i <= 10; ++i)
            QCOMPARE(read.RecordNames[i], QStringLiteral("Гравець %1").arg(i - 1));
    }

    void unreadableRecordsFileIsReportedAndKept()
    {
        TestGame g;
        // A folder where the records file should be.
        QVERIFY(QDir().mkpath(gamePath(g.dir.path(), gamefiles::Records)));
        g.game.EnterRecord(500);
        QCOMPARE(g.table.messages.size(), 2);
        QVERIFY(!g.table.messages[0].text.isEmpty());
        QCOMPARE(g.table.messages[1].text, QStringLiteral("Ура! Ви перемогли! Бажаєте грати ще?"));
        QVERIFY(QFileInfo(gamePath(g.dir.path(), gamefiles::Records)).isDir());
    }
};

QTEST_GUILESS_MAIN(TestRound)
#include "test_round.moc"
