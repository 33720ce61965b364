#pragma once

#include "deck.h"
#include "hand.h"
#include "scoring.h"

#include <cstdint>
#include <optional>

class RandomSource;

enum class Side : std::uint8_t { Player, Banker };

// The rules of Twenty-One as a value: the deck, both hands, the purses, the
// stake and the pot, and the counters of the game. It knows nothing of a
// window, of files or of words; it is cheap to copy, so a position can be
// branched and played on. Commands change it and report what happened;
// what the player may do is asked of it, never of the table.
//
// A round: the opening deal (step() per card, player first), the bet, the
// player's draws, the stand, the banker's turn (step() per evaluation) and
// the settlement; next() goes on to the next round or ends the game.
class GameModel
{
public:
    enum class Phase : std::uint8_t {
        Dealing,    // the opening deal; a bet may be asked for and waits for it
        Betting,    // both sides hold their cards and the stake is awaited
        PlayerTurn, // the stake is down: draw or stand
        BankerTurn, // after the stand: the banker plays by its rule
        RoundOver,  // settled: the pot is paid
        Resumed,    // restored from a file, between two rounds
        GameOver,   // no game on: a purse is empty, or none has begun
    };

    // Why a stake may not be put down.
    enum class BetCheck : std::uint8_t { Ok, NotNow, ZeroStake, PlayerCannotCover, BankerCannotCover };

    enum class GameEnd : std::uint8_t { None, Won, Lost };

    // What the player may ask for now, as the buttons offer it. A bet asked
    // for during the opening deal, and the next round asked for during the
    // banker's turn, wait until that play is over.
    struct Moves
    {
        bool bet = false;
        bool draw = false;
        bool stand = false;
        bool next = false;
        friend bool operator==(const Moves &, const Moves &) = default;
    };

    struct DealtCard
    {
        Side side;
        int number; // 1..5: the card's place in its hand
        Card card;
    };

    struct Settlement
    {
        Outcome outcome;
        std::int16_t playerPoints;
        std::int16_t bankerPoints;
    };

    // What a command did. Empty when the command did not apply.
    struct Report
    {
        bool deckRenewed = false;
        std::optional<DealtCard> dealt;
        std::optional<Settlement> settlement;
        GameEnd gameEnd = GameEnd::None;
        std::int32_t recordScore = 0; // of a won game
    };

    // What a saved game restores.
    struct Position
    {
        Deck deck;
        Hand player;
        Hand banker;
        std::int16_t playerMoney = 100;
        std::int16_t bankerMoney = 100;
        std::int16_t evaluationCount = 0;
        std::int16_t winCount = 0;
    };

    static constexpr std::int16_t StartingMoney = 100;
    // Numbered games run from 1 to this.
    static constexpr std::int64_t LargestGameNumber = 2'000'000'000;

    // No game yet: newGame() starts one.
    GameModel() = default;

    // Both purses back to 100, the counters to 0, a fresh deck, and the
    // opening deal of the first round. The pot stays as it was.
    Report newGame(RandomSource &random);
    // A numbered game: the random source starts afresh from the number, so
    // one number and the same moves always deal the same cards.
    Report newGame(RandomSource &random, std::uint64_t number);

    // The automatic play: one card of the opening deal, or one evaluation of
    // the banker's turn (which either deals the banker a card or settles).
    Report step();
    bool isAutoPlaying() const { return m_phase == Phase::Dealing || m_phase == Phase::BankerTurn; }

    Moves moves() const;

    // The stake the player has in mind before the bet: a save writes it.
    void chooseStake(int stake);
    BetCheck checkBet(int stake) const;
    // Both sides put the stake down and the player's turn begins.
    BetCheck bet(int stake);

    bool canDraw() const;
    Report draw();
    bool canStand() const { return m_phase == Phase::PlayerTurn; }
    // Hands over to the banker and runs its first evaluation.
    Report stand();
    bool canGoOn() const { return m_phase == Phase::RoundOver || m_phase == Phase::Resumed; }
    // Ends the game when a purse is empty; otherwise renews a worn deck and
    // begins the next round's opening deal.
    Report next(RandomSource &random);

    // Takes a saved position: the game stands between two rounds with no
    // stake and an empty pot. What the file does not hold stays.
    void resume(const Position &position);

    Phase phase() const { return m_phase; }
    const Deck &deck() const { return m_deck; }
    const Hand &playerHand() const { return m_player; }
    const Hand &bankerHand() const { return m_banker; }
    // The deck position where this round's deal began: the cards before it
    // were shown at earlier settlements.
    int roundStart() const { return m_roundStart; }
    std::int16_t playerMoney() const { return m_playerMoney; }
    std::int16_t bankerMoney() const { return m_bankerMoney; }
    std::int16_t stake() const { return m_stake; }
    // Empty until a bet first sets it.
    std::optional<std::int16_t> pot() const { return m_pot; }
    std::int16_t evaluationCount() const { return m_evaluationCount; }
    std::int16_t winCount() const { return m_winCount; }
    // Of the last evaluation and the last settlement.
    std::int16_t playerPoints() const { return m_playerPoints; }
    std::int16_t bankerPoints() const { return m_bankerPoints; }
    Outcome lastOutcome() const { return m_lastOutcome; }

private:
    void startRound();
    Report dealTo(Side side);
    Report dealOpeningCard();
    Report evaluate();

    Deck m_deck;
    Hand m_player;
    Hand m_banker;
    std::int16_t m_roundStart = 1;
    std::int16_t m_playerMoney = StartingMoney;
    std::int16_t m_bankerMoney = StartingMoney;
    std::int16_t m_stake = 0;
    std::optional<std::int16_t> m_pot;
    std::int16_t m_evaluationCount = 0;
    std::int16_t m_winCount = 0;
    std::int16_t m_playerPoints = 0;
    std::int16_t m_bankerPoints = 0;
    Outcome m_lastOutcome = Outcome::Draw;
    Phase m_phase = Phase::GameOver;
};
