#pragma once

#include "datafolder.h"
#include "gamecontroller.h"
#include "imagebutton.h"
#include "messagetext.h"
#include "settings.h"
#include "soundsystem.h"
#include "stackedrandom.h"
#include "tablewindow.h"
#include "recordingsounds.h"

#include <QQueue>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <initializer_list>

// The real window with its boxes answered from a script, so nothing blocks.
class ScriptedWindow final : public TableWindow
{
public:
    using TableWindow::TableWindow;

    struct Box
    {
        QString text;
        QString title;
        bool question;
    };
    QList<Box> boxes;
    QQueue<Answer> answers; // OK or Yes when empty

    Answer ask(const Message &message) override
    {
        const MessageText words = messageText(message);
        boxes << Box{words.text, words.title, message.isQuestion()};
        if (!answers.isEmpty())
            return answers.dequeue();
        return message.isQuestion() ? Answer::Yes : Answer::Ok;
    }
    QString askText(const Message &) override { return {}; }
};

// One game on the real window. The flight timers are slowed to an hour so
// that only the test's own calls of the tick handlers move a card.
struct TableFixture
{
    using Side = TableView::Side;
    using Button = TableView::Button;

    TableFixture()
        : window(settings, sounds), random(21), numbers(22), files(dir.path()), game(window, files, random, numbers, settings)
    {
        window.attachGame(&game);
        for (Side side : {Side::Player, Side::Banker})
            window.flightTimer(side)->setInterval(3600 * 1000);
        settings.MusicOn = settings.SoundsOn = settings.AnimationOn = true;
        settings.MusicTrack = 1;
    }

    const GameModel &model() const { return game.model(); }

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
                ++ticks.player[static_cast<std::size_t>(model().playerHand().count)];
                window.TmrMovePlayer_Timer();
            } else if (window.flightTimer(Side::Banker)->isActive()) {
                const int before = model().bankerHand().count;
                window.TmrMoveComputer_Timer();
                for (int k = before; k <= model().bankerHand().count; ++k)
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

    // A new game dealt from the given cards (deck order: player, banker,
    // player, banker, then the draws).
    void dealRound(std::initializer_list<int> cards)
    {
        fly();
        random.stackNextDeck(QList<int>(cards));
        game.newGame();
        fly();
    }

    ImageButton *button(Button which) const { return window.button(which); }

    QTemporaryDir dir;
    Settings settings;
    RecordingSounds sounds;
    ScriptedWindow window;
    StackedRandom random;
    SeededRandom numbers;
    DataFolder files;
    GameController game;
};
