#pragma once

#include "gamestate.h"
#include "tableview.h"

#include <QString>

class RandomSource;

// The round flow of Twenty-One: deck, deal, betting, the player's turn,
// the banker's play, settlement, the end of a game and the saved game.
// Handlers keep the program's own names so they read like the rules.
class Game
{
public:
    using Side = TableView::Side;

    // baseDir is the program's folder; data files lie in baseDir/gamedata.
    Game(GameState &state, Vars &vars, TableView &table, RandomSource &random, QString baseDir);

    GameState &state() { return m_state; }
    const GameState &state() const { return m_state; }
    Vars &vars() { return m_vars; }
    const QString &baseDir() const { return m_baseDir; }

    // Deck and round.
    void Koloda();
    void New_Game();
    void NextGame();
    void First_Draw();
    void Calculate();
    void CompDraw();

    // The table's controls.
    void NewGame_Click();
    void UpDown1_Change(int value);
    void CmdStavka_Click();
    void CmdDraw_Click();
    void CmdStop_Click();
    void CmdNext_Click();
    void anime_Click();

    // Saved game (menu items "Зберегти" and "Завантажити").
    void saving_Click();
    void opening_Click();

    // Offers a won game's score to the records table and asks about another game.
    void EnterRecord(std::int32_t score);

    // The table reports that card number `card` of `side` has landed in its slot.
    void cardLanded(Side side, int card);

    bool isCardFlying() const { return m_flying; }
    bool isDealComplete() const;
    bool isBankerPlaying() const { return m_bankerPlaying; }

    // Score of a won game: floor(wins * 50000 / evaluations^2), 0 without evaluations.
    static std::int32_t recordScore(int winCount, int evaluationCount);

private:
    void dealCard(Side side);
    void placeBet();
    void stopFlights();
    void newDeckCheck();

    GameState &m_state;
    Vars &m_vars;
    TableView &m_table;
    RandomSource &m_random;
    QString m_baseDir;
    bool m_flying = false;       // a dealt card has not landed yet
    bool m_betPending = false;   // bet pressed during the opening deal
    bool m_bankerPlaying = false; // from the stand until the round is settled
    bool m_savePending = false;   // save asked for during the banker's turn
};
