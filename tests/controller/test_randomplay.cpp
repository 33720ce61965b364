#include "invariants.h"
#include "testgame.h"

#include "scoring.h"

#include <QTest>

#include <algorithm>
#include <random>

using Button = TableView::Button;
using Side = TableView::Side;
using Phase = GameModel::Phase;

// Whole games through the fake table with a simple player, checking the
// game's invariants after every step.
class TestRandomPlay : public QObject
{
    Q_OBJECT

private:
    QString broken(const TestGame &g) const
    {
        if (const QString fault = brokenInvariant(g.model()); !fault.isEmpty())
            return fault;
        if (g.table.playerFlight && g.table.bankerFlight)
            return QStringLiteral("two cards in the air");
        // The buttons show the moves of the model, nothing else.
        const GameModel::Moves moves = g.model().moves();
        if (g.table.isButtonEnabled(Button::Stavka) != moves.bet || g.table.isButtonEnabled(Button::Draw) != moves.draw
            || g.table.isButtonEnabled(Button::Stop) != moves.stand || g.table.isButtonEnabled(Button::Next) != moves.next)
            return QStringLiteral("buttons differ from the moves");
        return {};
    }

    // Lands flights one at a time, checking between landings.
    bool settle(TestGame &g, std::uint64_t seed)
    {
        for (;;) {
            const QString fault = broken(g);
            if (!fault.isEmpty()) {
                qWarning("seed %llu: %s", static_cast<unsigned long long>(seed), qPrintable(fault));
                return false;
            }
            if (!g.table.landOne())
                return true;
        }
    }

private slots:
    void thousandsOfGames()
    {
        const std::uint64_t seed = 2026;
        TestGame g(seed);
        std::mt19937 player(static_cast<std::uint32_t>(seed));
        int won = 0, lost = 0, rounds = 0, refusals = 0;
        const QString wonTexts[] = {QStringLiteral("Бажаєте грати ще?"),
                                    QStringLiteral("Ура! Ви перемогли! Бажаєте грати ще?")};

        g.game.newGame();
        QVERIFY(settle(g, seed));
        while (won + lost < 3000) {
            // Sometimes an impossible stake, to see it refused.
            const int stake = std::uniform_int_distribution(0, 12)(player);
            g.table.setStake(stake);
            const auto messagesBefore = g.table.messages.size();
            g.game.bet();
            QVERIFY(settle(g, seed));
            if (g.model().phase() != Phase::PlayerTurn) {
                QCOMPARE(g.table.messages.size(), messagesBefore + 1);
                ++refusals;
                g.table.setStake(std::min<int>({10, g.model().playerMoney(), g.model().bankerMoney()}));
                g.game.bet();
                QVERIFY(settle(g, seed));
                QCOMPARE(g.model().phase(), Phase::PlayerTurn);
            }

            const int standOn = std::uniform_int_distribution(12, 19)(player);
            while (g.model().playerHand().count < 5 && scoring::points(g.model().playerHand()) < standOn) {
                g.game.drawCard();
                QVERIFY(settle(g, seed));
            }
            g.game.stand();
            QVERIFY(settle(g, seed));
            QVERIFY(!g.game.isBankerPlaying());
            ++rounds;

            const bool gameWon = g.model().bankerMoney() < 1;
            const bool gameLost = g.model().playerMoney() < 1;
            const std::int32_t score = scoring::recordScore(g.model().winCount(), g.model().evaluationCount());
            g.table.messages.clear();
            g.game.nextRound();
            QVERIFY(settle(g, seed));
            if (gameWon) {
                ++won;
                QVERIFY(score >= 0 && score <= 1250);
                QCOMPARE(g.table.messages.last().title, QStringLiteral("Перемога!"));
                QVERIFY(std::find(std::begin(wonTexts), std::end(wonTexts), g.table.messages.last().text)
                        != std::end(wonTexts));
            } else if (gameLost) {
                ++lost;
                QCOMPARE(g.table.messages.last().text, QStringLiteral("Повна поразка! Бажаєте грати ще?"));
            }
            QCOMPARE(g.table.exits, 0);
            QCOMPARE(g.model().phase(), Phase::Betting);
        }
        qInfo("%d rounds, %d games won, %d lost, %d refused bets", rounds, won, lost, refusals);
        QVERIFY(won > 0);
        QVERIFY(lost > 0);
        QVERIFY(refusals > 0);
    }
};

QTEST_GUILESS_MAIN(TestRandomPlay)
#include "test_randomplay.moc"
