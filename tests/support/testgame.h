#pragma once

#include "faketable.h"
#include "game.h"
#include "gamestate.h"
#include "random.h"

#include <QTemporaryDir>

#include <initializer_list>

// One engine on a fake table, with its own data folder and a fixed seed.
struct TestGame
{
    explicit TestGame(std::uint64_t seed = 21) : random(seed), game(state, vars, table, random, dir.path())
    {
        table.game = &game;
        vars.MusicOn = vars.SoundsOn = vars.AnimationOn = true;
        vars.MusicTrack = 1;
    }

    // Starts a new game and lands the opening deal.
    void start()
    {
        game.New_Game();
        table.land();
    }

    // Replaces the next cards of the deck and deals a new round from them.
    void dealRound(std::initializer_list<int> cards)
    {
        state.DeckPos = 1;
        int k = 1;
        for (int c : cards)
            state.Deck[k++] = static_cast<std::int16_t>(c);
        state.Phase = QStringLiteral("Stavka");
        game.NextGame();
        table.land();
    }

    void bet(int stake)
    {
        table.setStake(stake);
        table.click(TableView::Button::Stavka);
    }

    QTemporaryDir dir;
    GameState state;
    Vars vars;
    FakeTable table;
    SeededRandom random;
    Game game;
};
