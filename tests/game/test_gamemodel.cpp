#include "gamemodel.h"
#include "random.h"

#include <QTest>

#include <algorithm>
#include <initializer_list>

using Phase = GameModel::Phase;
using BetCheck = GameModel::BetCheck;
using Moves = GameModel::Moves;

Q_DECLARE_METATYPE(Phase)
Q_DECLARE_METATYPE(BetCheck)
Q_DECLARE_METATYPE(Moves)

namespace {

// A round dealt from the given cards (player, banker, player, banker, then
// the draws), with the rest of the deck after them.
GameModel stacked(std::initializer_list<int> cards, int playerMoney = 100, int bankerMoney = 100)
{
    GameModel::Position p;
    std::size_t k = 0;
    for (int c : cards)
        p.deck.cards[k++] = static_cast<Card>(c);
    for (int suit = 1; suit <= 4 && k < p.deck.cards.size(); ++suit)
        for (int rank = 1; rank <= 13 && k < p.deck.cards.size(); ++rank)
            p.deck.cards[k++] = card::code(suit, rank);
    p.playerMoney = static_cast<std::int16_t>(playerMoney);
    p.bankerMoney = static_cast<std::int16_t>(bankerMoney);
    GameModel model;
    model.resume(p);
    SeededRandom random(1);
    model.next(random);
    while (model.phase() == Phase::Dealing)
        model.step();
    return model;
}

// Plays the banker's turn out; returns the settlement.
GameModel::Settlement standAndSettle(GameModel &model)
{
    GameModel::Report report = model.stand();
    while (!report.settlement)
        report = model.step();
    return *report.settlement;
}

bool isPermutation(const Deck &deck)
{
    auto cards = deck.cards;
    std::sort(cards.begin(), cards.end());
    for (std::size_t k = 0; k < cards.size(); ++k)
        if (cards[k] != card::code(static_cast<int>(k / 13 + 1), static_cast<int>(k % 13 + 1)))
            return false;
    return true;
}

} // namespace

class TestGameModel : public QObject
{
    Q_OBJECT

private slots:
    void openingDeal()
    {
        SeededRandom random(21);
        GameModel model;
        QCOMPARE(model.phase(), Phase::GameOver);
        const GameModel::Report start = model.newGame(random);
        QVERIFY(start.deckRenewed);
        QVERIFY(isPermutation(model.deck()));
        QCOMPARE(model.phase(), Phase::Dealing);
        QCOMPARE(model.pot(), std::nullopt);

        // Player, banker, player, banker: deck cards 1 to 4 in order.
        const Side order[] = {Side::Player, Side::Banker, Side::Player, Side::Banker};
        for (int k = 1; k <= 4; ++k) {
            const GameModel::Report r = model.step();
            QVERIFY(r.dealt);
            QCOMPARE(r.dealt->side, order[k - 1]);
            QCOMPARE(r.dealt->number, (k + 1) / 2);
            QCOMPARE(r.dealt->card, model.deck()[k]);
        }
        QCOMPARE(model.phase(), Phase::Betting);
        QCOMPARE(model.deck().position, 5);
        QCOMPARE(model.playerHand()[1], model.deck()[1]);
        QCOMPARE(model.bankerHand()[2], model.deck()[4]);
        // The deal is over: a further step deals nothing.
        QVERIFY(!model.step().dealt);
        QCOMPARE(model.deck().position, 5);
    }

    void everyNewDeckIsAPermutation()
    {
        SeededRandom random(7);
        GameModel model;
        for (int game = 0; game < 50; ++game) {
            model.newGame(random);
            QVERIFY(isPermutation(model.deck()));
            QCOMPARE(model.deck().position, 1);
            QCOMPARE(model.playerHand().count + model.bankerHand().count, 0);
        }
    }

    // What the player may ask for in each phase, as the buttons show it.
    void moves_data()
    {
        QTest::addColumn<QString>("play");
        QTest::addColumn<Phase>("phase");
        QTest::addColumn<Moves>("moves");
        QTest::newRow("no game yet") << "" << Phase::GameOver << Moves{};
        QTest::newRow("during the deal") << "n" << Phase::Dealing << Moves{true, false, false, false};
        QTest::newRow("awaiting the stake") << "nd" << Phase::Betting << Moves{true, false, false, false};
        QTest::newRow("player's turn") << "ndb" << Phase::PlayerTurn << Moves{false, true, true, false};
        QTest::newRow("five cards: stand only") << "ndbccc" << Phase::PlayerTurn << Moves{false, false, true, false};
        QTest::newRow("banker's turn") << "ndbs" << Phase::BankerTurn << Moves{false, false, false, true};
        QTest::newRow("settled") << "ndbsa" << Phase::RoundOver << Moves{false, false, false, true};
        QTest::newRow("next round") << "ndbsax" << Phase::Dealing << Moves{true, false, false, false};
    }
    void moves()
    {
        QFETCH(QString, play);
        QFETCH(Phase, phase);
        QFETCH(Moves, moves);
        // Small cards all round: the banker keeps drawing after the stand.
        SeededRandom random(5);
        GameModel model;
        for (QChar c : play) {
            switch (c.toLatin1()) {
            case 'n': model.newGame(random); break;
            case 'd': while (model.phase() == Phase::Dealing) model.step(); break;
            case 'b': model = stacked({102, 103, 202, 203, 302, 303, 402, 403, 104, 204}); QCOMPARE(model.bet(1), BetCheck::Ok); break;
            case 'c': QVERIFY(model.draw().dealt); break;
            case 's': QVERIFY(model.stand().dealt); break; // banker on 5 draws
            case 'a': while (model.phase() == Phase::BankerTurn) model.step(); break;
            case 'x': model.next(random); break;
            }
        }
        QCOMPARE(model.phase(), phase);
        QCOMPARE(model.moves(), moves);
        QCOMPARE(model.isAutoPlaying(), phase == Phase::Dealing || phase == Phase::BankerTurn);
    }

    void betChecks_data()
    {
        QTest::addColumn<int>("playerMoney");
        QTest::addColumn<int>("bankerMoney");
        QTest::addColumn<int>("stake");
        QTest::addColumn<BetCheck>("check");
        QTest::newRow("zero stake first, even with a short purse") << 100 << 3 << 0 << BetCheck::ZeroStake;
        QTest::newRow("player short") << 4 << 196 << 5 << BetCheck::PlayerCannotCover;
        QTest::newRow("banker short") << 10 << 3 << 5 << BetCheck::BankerCannotCover;
        QTest::newRow("both short: player first") << 2 << 3 << 5 << BetCheck::PlayerCannotCover;
        QTest::newRow("a whole purse") << 7 << 193 << 7 << BetCheck::Ok;
    }
    void betChecks()
    {
        QFETCH(int, playerMoney);
        QFETCH(int, bankerMoney);
        QFETCH(int, stake);
        QFETCH(BetCheck, check);
        GameModel model = stacked({110, 210, 109, 209}, playerMoney, bankerMoney);
        const GameModel before = model;
        QCOMPARE(model.checkBet(stake), check);
        QCOMPARE(model.bet(stake), check);
        if (check != BetCheck::Ok) {
            QCOMPARE(model.phase(), Phase::Betting);
            QCOMPARE(model.playerMoney(), before.playerMoney());
            QCOMPARE(model.bankerMoney(), before.bankerMoney());
            return;
        }
        QCOMPARE(model.phase(), Phase::PlayerTurn);
        QCOMPARE(int(model.stake()), stake);
        QCOMPARE(model.pot(), std::optional<std::int16_t>(static_cast<std::int16_t>(2 * stake)));
        QCOMPARE(model.playerMoney() + model.bankerMoney(), playerMoney + bankerMoney - 2 * stake);
        // Once down, no second bet.
        QCOMPARE(model.checkBet(1), BetCheck::NotNow);
    }

    void noBetDuringTheDeal()
    {
        SeededRandom random(3);
        GameModel model;
        model.newGame(random);
        model.step();
        QCOMPARE(model.checkBet(5), BetCheck::NotNow);
        QCOMPARE(model.bet(5), BetCheck::NotNow);
        QCOMPARE(model.playerMoney(), 100);
        // The stake in mind is kept until the bet.
        model.chooseStake(4);
        QCOMPARE(model.stake(), 4);
    }

    void endOfGame_data()
    {
        QTest::addColumn<int>("playerMoney");
        QTest::addColumn<GameModel::GameEnd>("end");
        QTest::newRow("banker's purse empty") << 200 << GameModel::GameEnd::Won;
        QTest::newRow("player's purse empty") << 0 << GameModel::GameEnd::Lost;
        QTest::newRow("both have money") << 100 << GameModel::GameEnd::None;
    }
    void endOfGame()
    {
        QFETCH(int, playerMoney);
        QFETCH(GameModel::GameEnd, end);
        GameModel::Position p;
        p.deck.position = 5;
        p.playerMoney = static_cast<std::int16_t>(playerMoney);
        p.bankerMoney = static_cast<std::int16_t>(200 - playerMoney);
        p.winCount = 12;
        p.evaluationCount = 40;
        GameModel model;
        model.resume(p);
        QCOMPARE(model.moves(), (Moves{false, false, false, true}));
        SeededRandom random(1);
        const GameModel::Report r = model.next(random);
        QCOMPARE(r.gameEnd, end);
        QCOMPARE(r.recordScore, end == GameModel::GameEnd::Won ? 375 : 0);
        QCOMPARE(model.phase(), end == GameModel::GameEnd::None ? Phase::Dealing : Phase::GameOver);
        QCOMPARE(model.moves().next, false);
    }

    void newDeck_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("renewed");
        QTest::newRow("43 keeps the deck") << 43 << false;
        QTest::newRow("44 deals a new deck") << 44 << true;
    }
    void newDeck()
    {
        QFETCH(int, position);
        QFETCH(bool, renewed);
        GameModel model = stacked({});
        GameModel::Position p;
        p.deck = model.deck();
        p.deck.position = static_cast<std::int16_t>(position);
        model.resume(p);
        SeededRandom random(9);
        QCOMPARE(model.next(random).deckRenewed, renewed);
        QCOMPARE(model.deck() == p.deck, !renewed);
        QCOMPARE(int(model.roundStart()), renewed ? 1 : position);
        model.step();
        QCOMPARE(model.playerHand()[1], renewed ? model.deck()[1] : p.deck[position]);
    }

    void aCopyPlaysOnAlone()
    {
        SeededRandom random(11);
        GameModel model;
        model.newGame(random);
        while (model.phase() == Phase::Dealing)
            model.step();
        QCOMPARE(model.bet(5), BetCheck::Ok);
        const GameModel copy = model;
        GameModel standing = model;
        standAndSettle(standing);
        GameModel drawing = model;
        drawing.draw();
        QCOMPARE(model.phase(), Phase::PlayerTurn);
        QCOMPARE(model.playerHand(), copy.playerHand());
        QCOMPARE(model.deck(), copy.deck());
        QCOMPARE(int(drawing.playerHand().count), 3);
        QCOMPARE(standing.phase(), Phase::RoundOver);
    }

    void sameSeedSameGame()
    {
        auto play = [](std::uint64_t seed) {
            SeededRandom random(seed);
            GameModel model;
            model.newGame(random);
            QList<int> seen;
            for (int round = 0; round < 40; ++round) {
                while (model.isAutoPlaying())
                    model.step();
                model.bet(std::min<int>({10, model.playerMoney(), model.bankerMoney()}));
                while (model.canDraw() && scoring::points(model.playerHand()) < 16)
                    model.draw();
                standAndSettle(model);
                seen << model.playerMoney();
                if (model.next(random).gameEnd != GameModel::GameEnd::None)
                    model.newGame(random);
            }
            return seen;
        };
        QCOMPARE(play(7), play(7));
        QVERIFY(play(7) != play(8));
    }
};

QTEST_GUILESS_MAIN(TestGameModel)
#include "test_gamemodel.moc"
