#pragma once

#include "game.h"
#include "gamestate.h"
#include "imagebutton.h"
#include "random.h"
#include "soundsystem.h"
#include "tablewindow.h"

#include <QQueue>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <initializer_list>

// Remembers what the table asked of sound and music.
class RecordingSounds final : public SoundSystem
{
public:
    QStringList calls;
    void playSound(const QString &path) override { calls << QStringLiteral("sound ") + path; }
    void startMusic() override { calls << QStringLiteral("startMusic"); }
    void playTrack(int track) override { calls << QStringLiteral("playTrack %1").arg(track); }
    void resumeMusic() override { calls << QStringLiteral("resumeMusic"); }
    void stopMusic() override { calls << QStringLiteral("stopMusic"); }
    void shutdown() override { calls << QStringLiteral("shutdown"); }
};

// The real window with its boxes answered from a script, so nothing blocks.
class ScriptedWindow final : public TableWindow
{
public:
    using TableWindow::TableWindow;

    struct Box
    {
        QString text;
        QString title;
        Buttons buttons;
    };
    QList<Box> boxes;
    QQueue<int> answers; // OK or Yes when empty

    int messageBox(const QString &text, const QString &title, Buttons buttons) override
    {
        boxes << Box{text, title, buttons};
        if (!answers.isEmpty())
            return answers.dequeue();
        return buttons == Buttons::Ok ? AnswerOk : AnswerYes;
    }
    QString inputBox(const QString &, const QString &) override { return {}; }
};

// One engine on the real window. The flight timers are slowed to an hour so
// that only the test's own calls of the tick handlers move a card.
struct TableFixture
{
    using Side = TableView::Side;
    using Button = TableView::Button;

    TableFixture() : window(state, vars, sounds), random(21), game(state, vars, window, random, dir.path())
    {
        window.attachGame(&game);
        for (Side side : {Side::Player, Side::Banker})
            window.flightTimer(side)->setInterval(3600 * 1000);
        vars.MusicOn = vars.SoundsOn = vars.AnimationOn = true;
        vars.MusicTrack = 1;
    }

    // Ticks of each card's flight, by side and card number (index 1..5).
    struct Ticks
    {
        std::array<int, 6> player{};
        std::array<int, 6> banker{};
    };

    // Ticks whichever flight runs until none is left. A banker tick counts
    // for every card it carried: a landing that makes the banker draw sends
    // the next card on its way in the same tick.
    Ticks fly()
    {
        Ticks ticks;
        for (int guard = 0; guard < 10000; ++guard) {
            if (window.flightTimer(Side::Player)->isActive()) {
                ++ticks.player[static_cast<std::size_t>(state.PlayerCount)];
                window.TmrMovePlayer_Timer();
            } else if (window.flightTimer(Side::Banker)->isActive()) {
                const int before = state.BankerCount;
                window.TmrMoveComputer_Timer();
                for (int k = before; k <= state.BankerCount; ++k)
                    ++ticks.banker[static_cast<std::size_t>(k)];
            } else {
                break;
            }
        }
        return ticks;
    }

    bool flying() const
    {
        return window.flightTimer(Side::Player)->isActive() || window.flightTimer(Side::Banker)->isActive();
    }

    // A new round dealt from the given cards (deck order: player, banker,
    // player, banker, then the draws).
    void dealRound(std::initializer_list<int> cards)
    {
        fly();
        state.DeckPos = 1;
        int k = 1;
        for (int c : cards)
            state.Deck[k++] = static_cast<std::int16_t>(c);
        state.Phase = QStringLiteral("Stavka");
        game.NextGame();
        fly();
    }

    ImageButton *button(Button which) const { return window.button(which); }

    QTemporaryDir dir;
    GameState state;
    Vars vars;
    RecordingSounds sounds;
    ScriptedWindow window;
    SeededRandom random;
    Game game;
};
