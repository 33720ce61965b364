#pragma once

#include "gamecontroller.h"
#include "messagetext.h"
#include "tableview.h"

#include <QMap>
#include <QQueue>
#include <QStringList>

#include <array>
#include <optional>

// A scripted stand-in for the table window: it records what the game asks
// for, answers message and input boxes from a script, and lands card
// flights as soon as the test pumps it.
class FakeTable : public TableView
{
public:
    struct Box
    {
        Message::Id id;
        QString text;
        QString title;
        bool question;
    };

    GameController *game = nullptr;

    // Sounds, boxes and calls in the order they happened.
    QStringList sounds;
    QList<Box> messages;
    QStringList inputPrompts;
    QQueue<Answer> answers; // OK or Yes when empty
    QQueue<QString> names;  // input-box answers; empty (cancel) when empty
    int redraws = 0;
    TableScene scene;       // the last one shown
    int exits = 0;
    std::optional<qint64> gameNumber; // as the table shows it
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
    // The card number each side's flight carries.
    std::optional<int> playerFlight;
    std::optional<int> bankerFlight;

    void playSound(const QString &relativePath) override { sounds << relativePath; }
    void setButtonEnabled(Button button, bool on) override { enabled[button] = on; }
    void showButtons() override { buttonsShown = true; }
    void setSpinnerEnabled(bool on) override { spinnerEnabled = on; }
    void setSpinnerValue(int value) override
    {
        if (value == spinner)
            return;
        spinner = value;
        if (game)
            game->chooseStake(value);
    }
    void setLabel(Label label, int value) override { labels[label] = QString::number(value); }
    void setSavingEnabled(bool on) override { savingEnabled = on; }
    void setToggleChecked(Toggle toggle, bool on) override { checked[toggle] = on; }
    void showSlotBack(Side side, int slot) override { slotRow(side)[static_cast<std::size_t>(slot)] = true; }
    void hideSlot(Side side, int slot) override { slotRow(side)[static_cast<std::size_t>(slot)] = false; }
    void startFlight(Side side, int card) override
    {
        ++flightsStarted;
        (side == Side::Player ? playerFlight : bankerFlight) = card;
    }
    void stopFlights() override
    {
        ++flightsStopped;
        playerFlight.reset();
        bankerFlight.reset();
    }
    void redraw(const TableScene &shown) override
    {
        ++redraws;
        scene = shown;
    }
    Answer ask(const Message &message) override
    {
        const MessageText words = messageText(message);
        messages << Box{message.id, words.text, words.title, message.isQuestion()};
        if (!answers.isEmpty())
            return answers.dequeue();
        return message.isQuestion() ? Answer::Yes : Answer::Ok;
    }
    QString askText(const Message &message) override
    {
        const MessageText words = messageText(message);
        inputPrompts << words.title + QLatin1Char('|') + words.text;
        return names.isEmpty() ? QString() : names.dequeue();
    }
    void showGameNumber(std::optional<qint64> number) override { gameNumber = number; }
    void playTrack(int track) override { tracksPlayed << track; }
    void stopMusic() override { ++musicStops; }
    void exitGame() override { ++exits; }

    bool isButtonEnabled(Button button) const { return enabled.value(button, false); }
    bool isFlying() const { return playerFlight || bankerFlight; }

    // Lands the next flight in the air; false when none is.
    bool landOne()
    {
        if (!game || !isFlying())
            return false;
        const Side side = playerFlight ? Side::Player : Side::Banker;
        std::optional<int> &flight = side == Side::Player ? playerFlight : bankerFlight;
        const int card = *flight;
        flight.reset();
        game->cardLanded(side, card);
        return true;
    }

    // Lands the flights in the air, one at a time, until none is left.
    void land()
    {
        while (landOne()) {
        }
    }

    // A click on a button, as the window delivers it (a disabled button
    // takes no click), then the flights land.
    void click(Button button)
    {
        if (isButtonEnabled(button)) {
            switch (button) {
            case Button::Stavka: game->bet(); break;
            case Button::Draw: game->drawCard(); break;
            case Button::Stop: game->stand(); break;
            case Button::Next: game->nextRound(); break;
            }
        }
        land();
    }

    void setStake(int value)
    {
        if (spinnerEnabled)
            setSpinnerValue(value);
    }

    const Box *lastMessage() const { return messages.isEmpty() ? nullptr : &messages.last(); }

private:
    std::array<bool, 5> &slotRow(Side side) { return side == Side::Player ? playerSlots : bankerSlots; }
};
