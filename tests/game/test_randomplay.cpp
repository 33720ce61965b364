#include "invariants.h"
#include "testgame.h"

#include "scoring.h"

#include <QTest>

#include <algorithm>
#include <random>

using Button = TableView::Button;
using Side = TableView::Side;

// Whole games through the fake table with a simple player, checking the
// game's invariants after every step.
class TestRandomPlay : public QObject
{
    Q_OBJECT

private:
    QString broken(const TestGame &g) const
    {
        const bool staked = g.state.Phase == QLatin1String("Game") || g.game.isBankerPlaying();
        if (const QString fault = brokenInvariant(g.state, g.vars, staked); !fault.isEmpty())
            return fault;
        if (g.table.playerFlying && g.table.bankerFlying)
            return QStringLiteral("two cards in the air");
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
            if (!g.table.playerFlying && !g.table.bankerFlying)
                return true;
            const Side side = g.table.playerFlying ? Side::Player : Side::Banker;
            (side == Side::Player ? g.table.playerFlying : g.table.bankerFlying) = false;
            g.game.cardLanded(side, side == Side::Player ? g.state.PlayerCount : g.state.BankerCount);
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

        g.game.New_Game();
        QVERIFY(settle(g, seed));
        while (won + lost < 3000) {
            // Sometimes an impossible stake, to see it refused.
            const int stake = std::uniform_int_distribution(0, 12)(player);
            g.table.setStake(stake);
            const auto messagesBefore = g.table.messages.size();
            g.game.CmdStavka_Click();
            QVERIFY(settle(g, seed));
            if (g.state.Phase != QLatin1String("Game")) {
                QCOMPARE(g.table.messages.size(), messagesBefore + 1);
                ++refusals;
                g.table.setStake(std::min<int>({10, g.state.PlayerMoney, g.state.BankerMoney}));
                g.game.CmdStavka_Click();
                QVERIFY(settle(g, seed));
                QCOMPARE(g.state.Phase, QStringLiteral("Game"));
            }

            const int standOn = std::uniform_int_distribution(12, 19)(player);
            while (g.state.PlayerCount < 5
                   && scoring::evaluate(g.state.PlayerHand, g.state.PlayerCount).points < standOn) {
                g.game.CmdDraw_Click();
                QVERIFY(settle(g, seed));
            }
            g.game.CmdStop_Click();
            QVERIFY(settle(g, seed));
            QVERIFY(!g.game.isBankerPlaying());
            ++rounds;

            const bool gameWon = g.state.BankerMoney < 1;
            const bool gameLost = g.state.PlayerMoney < 1;
            g.table.messages.clear();
            g.game.CmdNext_Click();
            QVERIFY(settle(g, seed));
            if (gameWon) {
                ++won;
                QVERIFY(g.vars.RecordScore >= 0 && g.vars.RecordScore <= 1250);
                QCOMPARE(g.table.messages.last().title, QStringLiteral("Перемога!"));
                QVERIFY(std::find(std::begin(wonTexts), std::end(wonTexts), g.table.messages.last().text)
                        != std::end(wonTexts));
            } else if (gameLost) {
                ++lost;
                QCOMPARE(g.table.messages.last().text, QStringLiteral("Повна поразка! Бажаєте грати ще?"));
            }
            QCOMPARE(g.table.exits, 0);
            QCOMPARE(g.state.Phase, QStringLiteral("Stavka"));
        }
        qInfo("%d rounds, %d games won, %d lost, %d refused bets", rounds, won, lost, refusals);
        QVERIFY(won > 0);
        QVERIFY(lost > 0);
        QVERIFY(refusals > 0);
    }
};

QTEST_GUILESS_MAIN(TestRandomPlay)
#include "test_randomplay.moc"
