#pragma once

#include "datafolder.h"
#include "faketable.h"
#include "gamecontroller.h"
#include "savegame.h"
#include "settings.h"
#include "stackedrandom.h"

#include <QTemporaryDir>

#include <initializer_list>

// One game on a fake table, with its own data folder and a fixed seed.
struct TestGame
{
    using Phase = GameModel::Phase;

    explicit TestGame(std::uint64_t seed = 21)
        : random(seed), numbers(seed + 1), files(dir.path()), game(table, files, random, numbers, settings)
    {
        table.game = &game;
        settings.MusicOn = settings.SoundsOn = settings.AnimationOn = true;
        settings.MusicTrack = 1;
    }

    const GameModel &model() const { return game.model(); }

    // Starts a new game and lands the opening deal.
    void start()
    {
        game.newGame();
        table.land();
    }

    // A new game dealt from the given cards: player, banker, player,
    // banker, then the draws.
    void startWith(std::initializer_list<int> cards)
    {
        random.stackNextDeck(QList<int>(cards));
        start();
    }

    // Loads `saved` from the saved-game file, as the menu does; the load's
    // own box is forgotten. False when the game refused it.
    [[nodiscard]] bool load(const SavedGame &saved)
    {
        if (!files.save(saved).ok())
            return false;
        game.loadGame();
        if (table.messages.isEmpty() || table.messages.last().id != Message::Id::GameLoaded)
            return false;
        table.messages.removeLast();
        return true;
    }

    // A saved game between rounds with these purses and counters, the deck
    // in code order at `deckPos`.
    static SavedGame between(int playerMoney, int bankerMoney, int wins = 0, int evaluations = 0, int deckPos = 5)
    {
        SavedGame s;
        for (int k = 0; k < 52; ++k)
            s.deck[static_cast<std::size_t>(k)] = static_cast<std::int16_t>((k / 13 + 1) * 100 + k % 13 + 1);
        s.deckPos = static_cast<std::int16_t>(deckPos);
        s.playerMoney = static_cast<std::int16_t>(playerMoney);
        s.bankerMoney = static_cast<std::int16_t>(bankerMoney);
        s.winCount = static_cast<std::int16_t>(wins);
        s.evaluationCount = static_cast<std::int16_t>(evaluations);
        s.musicOn = s.soundsOn = s.animationOn = true;
        s.musicTrack = 1;
        s.phase = QStringLiteral("Finish");
        return s;
    }

    void bet(int stake)
    {
        table.setStake(stake);
        table.click(TableView::Button::Stavka);
    }

    QTemporaryDir dir;
    Settings settings;
    FakeTable table;
    StackedRandom random;
    SeededRandom numbers;
    DataFolder files;
    GameController game;
};
