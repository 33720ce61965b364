#pragma once

#include "game.h"
#include "tableview.h"

#include <QMap>
#include <QQueue>
#include <QStringList>

#include <array>

// A scripted stand-in for the table window: it records what the engine asks
// for, answers message and input boxes from a script, and lands card flights
// as soon as the test pumps it.
class FakeTable : public TableView
{
public:
    struct Message
    {
        QString text;
        QString title;
        Buttons buttons;
    };

    Game *game = nullptr;

    // Sounds, boxes and calls in the order they happened.
    QStringList sounds;
    QList<Message> messages;
    QStringList inputPrompts;
    QQueue<int> answers;        // message-box answers; OK or Yes when empty
    QQueue<QString> names;      // input-box answers; empty (cancel) when empty
    int redraws = 0;
    int exits = 0;
    QList<int> tracksPlayed;
    int musicStops = 0;

    QMap<Button, bool> enabled;
    bool buttonsShown = false;
    bool spinnerEnabled = false;
    int spinner = 0;
    bool savingEnabled = false;
    QMap<Toggle, bool> checked;
    QMap<Label, QString> labels;
    std::array<bool, 5> playerSlots{};
    std::array<bool, 5> bankerSlots{};
    int flightsStarted = 0;
    int flightsStopped = 0;
    bool playerFlying = false;
    bool bankerFlying = false;

    void playSound(const QString &relativePath) override { sounds << relativePath; }
    void setButtonEnabled(Button button, bool on) override { enabled[button] = on; }
    bool isButtonEnabled(Button button) const override { return enabled.value(button, false); }
    void showButtons() override { buttonsShown = true; }
    void setSpinnerEnabled(bool on) override { spinnerEnabled = on; }
    int spinnerValue() const override { return spinner; }
    void setSpinnerValue(int value) override
    {
        if (value == spinner)
            return;
        spinner = value;
        if (game)
            game->UpDown1_Change(value);
    }
    void setLabel(Label label, const QString &text) override { labels[label] = text; }
    void setSavingEnabled(bool on) override { savingEnabled = on; }
    void setToggleChecked(Toggle toggle, bool on) override { checked[toggle] = on; }
    void showSlotBack(Side side, int slot) override { slotRow(side)[static_cast<std::size_t>(slot)] = true; }
    void hideSlot(Side side, int slot) override { slotRow(side)[static_cast<std::size_t>(slot)] = false; }
    void startFlight(Side side) override
    {
        ++flightsStarted;
        (side == Side::Player ? playerFlying : bankerFlying) = true;
    }
    void stopFlights() override
    {
        ++flightsStopped;
        playerFlying = bankerFlying = false;
    }
    void redraw() override { ++redraws; }
    int messageBox(const QString &text, const QString &title, Buttons buttons) override
    {
        messages << Message{text, title, buttons};
        if (!answers.isEmpty())
            return answers.dequeue();
        return buttons == Buttons::Ok ? AnswerOk : AnswerYes;
    }
    QString inputBox(const QString &title, const QString &prompt) override
    {
        inputPrompts << title + QLatin1Char('|') + prompt;
        return names.isEmpty() ? QString() : names.dequeue();
    }
    void playTrack(int track) override { tracksPlayed << track; }
    void stopMusic() override { ++musicStops; }
    void exitGame() override { ++exits; }

    // Lands the flights in the air, one at a time, until none is left.
    void land()
    {
        while (game && (playerFlying || bankerFlying)) {
            const Side side = playerFlying ? Side::Player : Side::Banker;
            (side == Side::Player ? playerFlying : bankerFlying) = false;
            const auto &s = game->state();
            game->cardLanded(side, side == Side::Player ? s.PlayerCount : s.BankerCount);
        }
    }

    // A click on an enabled button, as the window would deliver it, then the flights land.
    void click(Button button)
    {
        switch (button) {
        case Button::Stavka: game->CmdStavka_Click(); break;
        case Button::Draw: game->CmdDraw_Click(); break;
        case Button::Stop: game->CmdStop_Click(); break;
        case Button::Next: game->CmdNext_Click(); break;
        }
        land();
    }

    void setStake(int value)
    {
        if (spinnerEnabled)
            setSpinnerValue(value);
    }

    const Message *lastMessage() const { return messages.isEmpty() ? nullptr : &messages.last(); }

private:
    std::array<bool, 5> &slotRow(Side side) { return side == Side::Player ? playerSlots : bankerSlots; }
};
