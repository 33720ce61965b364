// What the game tells the history: a row for each settled round, one for
// each game that ends or is left, and how the player's moves compared with
// the better move.
#include "gamelog.h"
#include "testgame.h"

#include <QTest>

using Button = TableView::Button;
using Answer = TableView::Answer;
using statistics::GameResult;
using statistics::RoundOutcome;

Q_DECLARE_METATYPE(GameResult)

namespace {

struct FakeLog final : GameLog
{
    QList<statistics::RoundRow> rounds;
    QList<statistics::GameRow> games;
    void roundSettled(const statistics::RoundRow &round) override { rounds << round; }
    void gameEnded(const statistics::GameRow &game) override { games << game; }
};

struct LoggedGame : TestGame
{
    LoggedGame() { game.setLog(&log); }
    FakeLog log;
};

} // namespace

class TestHistory : public QObject
{
    Q_OBJECT

private slots:
    // Player 2 + 9 = 11 draws a 7 and stands on 18; the banker, 10 + 6,
    // draws a 10 and busts.
    void roundRowAfterTheSettlement()
    {
        LoggedGame g;
        g.random.stackNextDeck({102, 110, 109, 106, 207, 310});
        g.game.newGame(777);
        g.table.land();
        g.bet(6);
        QVERIFY(g.log.rounds.isEmpty());
        g.table.click(Button::Draw);
        g.table.click(Button::Stop);
        QCOMPARE(g.log.rounds.size(), 1);
        const statistics::RoundRow &row = g.log.rounds[0];
        QVERIFY(row.playedAt.isValid());
        QVERIFY(!row.gameKey.isEmpty());
        QCOMPARE(row.gameNumber, std::optional<qint64>(777));
        QCOMPARE(row.stake, 6);
        QCOMPARE(row.playerCards, (QList<int>{102, 109, 207}));
        QCOMPARE(row.bankerCards, (QList<int>{110, 106, 310}));
        QCOMPARE(row.playerPoints, 18);
        QCOMPARE(row.bankerPoints, 26);
        QCOMPARE(row.outcome, RoundOutcome::PlayerWins);
        QCOMPARE(row.playerMoney, 106);
        QCOMPARE(row.bankerMoney, 94);
        // Drawing on 11 and standing on 18 against a 6 are both the better move.
        QCOMPARE(row.decisions, 2);
        QCOMPARE(row.matchedDecisions, 2);
        QVERIFY(g.log.games.isEmpty());
    }

    // Standing on 5 against a face-up 10 is not the better move.
    void movesAreWeighedAgainstTheOdds()
    {
        LoggedGame g;
        g.random.stackNextDeck({102, 110, 103, 410});
        g.game.newGame(5);
        g.table.land();
        g.bet(1);
        g.table.click(Button::Stop);
        QCOMPARE(g.log.rounds.size(), 1);
        QCOMPARE(g.log.rounds[0].decisions, 1);
        QCOMPARE(g.log.rounds[0].matchedDecisions, 0);
    }

    void gameRows_data()
    {
        QTest::addColumn<int>("playerMoney");
        QTest::addColumn<GameResult>("result");
        QTest::addColumn<int>("score");
        // Four wins in 122 evaluations: 4 * 50000 / 122^2.
        QTest::newRow("won") << 190 << GameResult::Won << 13;
        QTest::newRow("lost") << 10 << GameResult::Lost << 0;
    }
    void gameRows()
    {
        QFETCH(int, playerMoney);
        QFETCH(GameResult, result);
        QFETCH(int, score);
        LoggedGame g;
        g.start();
        // A game of a few rounds from a file, decided by its next round: the
        // player holds 9 + 10 + 2 = 21 against the banker's 16 and a bust,
        // or 10 + 10 + 5 = 25 against 10 + 10.
        QVERIFY(g.load(TestGame::between(playerMoney, 200 - playerMoney, 3, 120)));
        g.log.games.clear(); // the new game left behind
        const QList<int> deck = result == GameResult::Won ? QList<int>{109, 110, 210, 106, 102, 313}
                                                          : QList<int>{110, 210, 310, 410, 105};
        g.random.stackNextDeck(deck);
        // A worn deck makes the next round shuffle the stacked one.
        QVERIFY(g.load([&] { SavedGame s = TestGame::between(playerMoney, 200 - playerMoney, 3, 120, 50); return s; }()));
        g.table.click(Button::Next);
        g.bet(10);
        g.table.click(Button::Draw);
        g.table.click(Button::Stop);
        g.table.answers.enqueue(Answer::Yes);
        g.table.click(Button::Next);

        QCOMPARE(g.log.games.size(), 1);
        const statistics::GameRow &row = g.log.games[0];
        QCOMPARE(row.result, result);
        QCOMPARE(row.gameNumber, std::nullopt); // loaded: its number is unknown
        QCOMPARE(row.rounds, 1);                 // the rounds played since the load
        QCOMPARE(row.recordScore.has_value(), result == GameResult::Won);
        if (row.recordScore)
            QCOMPARE(*row.recordScore, score);
        QVERIFY(row.endedAt.isValid());
        QCOMPARE(row.gameKey, g.log.rounds.last().gameKey);
    }

    // A new game or a load leaves the game on the table: written as
    // abandoned, once, but only when a round was played.
    void abandonedGames()
    {
        LoggedGame g;
        g.game.newGame(11);
        g.table.land();
        g.game.newGame(12); // nothing played yet: no game to write
        g.table.land();
        QVERIFY(g.log.games.isEmpty());
        g.bet(2);
        g.table.click(Button::Stop);
        g.game.newGame(13);
        g.table.land();
        QCOMPARE(g.log.games.size(), 1);
        QCOMPARE(g.log.games[0].result, GameResult::Abandoned);
        QCOMPARE(g.log.games[0].gameNumber, std::optional<qint64>(12));
        QCOMPARE(g.log.games[0].rounds, 1);
        g.game.leaveGame(); // nothing played in game 13
        QCOMPARE(g.log.games.size(), 1);

        g.bet(2);
        g.table.click(Button::Stop);
        g.game.leaveGame(); // the program closes
        g.game.leaveGame();
        QCOMPARE(g.log.games.size(), 2);
        QCOMPARE(g.log.games[1].gameNumber, std::optional<qint64>(13));
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "test_history.moc"
