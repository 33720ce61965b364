#pragma once

#include "gamemodel.h"
#include "savedgamemapping.h"
#include "statistics.h"
#include "tableview.h"

#include <QList>
#include <QString>

#include <optional>

class DataFolder;
class GameLog;
class RandomSource;
struct Settings;

// Plays the rules on the table: each command of the player goes to the
// model, and what the model reports becomes flights, sounds, labels and
// boxes. The buttons show the model's moves. Cards fly one at a time; the
// opening deal and the banker's turn go on as each card lands.
class GameController
{
public:
    using Side = TableView::Side;
    using Answer = TableView::Answer;

    // Every game has a number: its shuffles follow from that number alone.
    // `numbers` picks the numbers of new games, `deals` shuffles the cards.
    GameController(TableView &table, const DataFolder &files, RandomSource &deals, RandomSource &numbers,
                   Settings &settings);

    // Settled rounds and ended games go here; none by default.
    void setLog(GameLog *log) { m_log = log; }

    const GameModel &model() const { return m_model; }
    // Empty for a game loaded from a file.
    std::optional<qint64> gameNumber() const { return m_gameNumber; }

    // Menu "Нова гра", start-up and another game after one is over: a game
    // with a number picked at random.
    void newGame();
    // The game with this number (1..GameModel::LargestGameNumber).
    void newGame(qint64 number);
    // Menu "Гра за номером…": asks for the number; anything but a whole
    // number in range is refused and the game goes on.
    void chooseGameNumber();
    // The spinner: the stake the player has in mind, previewed on the purses.
    void chooseStake(int stake);
    // The four buttons. A press made while a card flies, the opening deal
    // goes on or the banker plays is carried out once that is over, in the
    // order made; one that is no move by then is dropped.
    void bet();
    void drawCard();
    void stand();
    void nextRound();
    // The move forward from here: the bet, the stand, or the next round.
    void moveForward();
    // Shows the table again, as after a change of the hints.
    void refresh();
    // Menu "Зберегти": during the banker's turn the save waits for the
    // settlement, otherwise it is made at once.
    void saveGame();
    // Menu "Завантажити": a refused file leaves the game as it was.
    void loadGame();

    // The table reports that card number `card` of `side` has landed.
    void cardLanded(Side side, int card);

    // Offers a won game's score to the records table; returns the answer
    // to "another game?".
    Answer enterRecord(std::int32_t score);

    // The program is closing: a game on the table is left.
    void leaveGame();

    bool isCardFlying() const { return m_flight.has_value(); }
    bool isBankerPlaying() const { return m_model.phase() == GameModel::Phase::BankerTurn; }

    // The name a record gets when the player gives none. It is stored in
    // the file, so it is the same in every language.
    static const QString AnonymousName;

private:
    struct Flight
    {
        Side side;
        int card;
    };
    enum class Press { Bet, Draw, Stand, Next };

    bool isBusy() const { return m_flight || m_model.isAutoPlaying(); }
    void press(Press press, bool offered);
    void carryOut(Press press);
    void carryOutPending();
    void beginRound();
    void continueDeal();
    void finishDeal();
    void placeBet();
    void takeCard();
    void handOver();
    void goOn();
    void followBanker(const GameModel::Report &report);
    void fly(const GameModel::DealtCard &dealt);
    void stopFlights();
    void endGame(Answer anotherGame);
    void updateControls();
    void hideAllSlots();
    TableScene scene() const;
    // The history: a game begins, a move is weighed against the odds, a
    // round is settled, a game ends.
    void beginLog();
    void weighMove(odds::Move move);
    void logRound(const GameModel::Settlement &settlement);
    void logGameEnd(statistics::GameResult result, std::int32_t recordScore = 0);

    TableView &m_table;
    const DataFolder &m_files;
    RandomSource &m_deals;
    RandomSource &m_numbers;
    Settings &m_settings;
    GameModel m_model;
    std::optional<qint64> m_gameNumber;
    SaveExtras m_extras;
    int m_stakeChoice = 0; // the spinner's value: it outlives a new game, the model's stake does not
    std::optional<Flight> m_flight;
    QList<Press> m_pending;  // pressed while the game was busy
    bool m_saveHeld = false; // save asked for during the banker's turn
    GameLog *m_log = nullptr;
    QString m_gameKey;       // names this game's rounds in the history
    int m_roundsLogged = 0;  // settled rounds of this game
    int m_decisions = 0;     // this round's draws and stand
    int m_matchedDecisions = 0;
};
