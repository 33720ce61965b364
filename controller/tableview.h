#pragma once

#include "gamemodel.h"
#include "message.h"
#include "odds.h"

#include <QString>

#include <optional>

// What the table shows after a repaint.
struct TableScene
{
    enum class Rows : std::uint8_t {
        Untouched,      // the opening deal: the slots keep their backs
        BankerHoleDown, // the player's turn: all face up but the banker's first card
        FaceUp,
    };

    std::int16_t playerMoney = 0;
    std::int16_t bankerMoney = 0;
    std::optional<std::int16_t> pot; // shown empty until first set
    Rows rows = Rows::Untouched;
    Hand player;
    Hand banker;
    // The result and points lines, once a round is settled.
    std::optional<GameModel::Settlement> result;

    // The player's turn with hints on: their points and the exact odds of
    // what they can see (none when the deck is not 52 different cards).
    struct Hint
    {
        std::int16_t playerPoints = 0;
        std::optional<odds::Figures> figures;
    };
    std::optional<Hint> hint;
};

// The seam between the game and whatever shows the table. The Qt window
// implements it; tests use a scripted fake. The game never touches a widget.
class TableView
{
public:
    using Side = ::Side;
    enum class Button { Stavka, Draw, Stop, Next };
    enum class Label { Stake, Pot, PlayerMoney, BankerMoney }; // Label14, Label8, Label12, Label4
    enum class Toggle { Music, Sounds, Animation };            // menu items with a check mark
    enum class Answer { Ok, Yes, No };

    virtual ~TableView() = default;

    // Plays an effect given by its path below the program, e.g. "\gamedata\sounds\click.wav".
    virtual void playSound(const QString &relativePath) = 0;

    // Availability and picture of an image button change together.
    virtual void setButtonEnabled(Button button, bool enabled) = 0;
    virtual void showButtons() = 0;

    virtual void setSpinnerEnabled(bool enabled) = 0;
    // A change of value reports back through GameController::chooseStake.
    virtual void setSpinnerValue(int value) = 0;
    virtual void setLabel(Label label, int value) = 0;

    virtual void setSavingEnabled(bool enabled) = 0;
    virtual void setToggleChecked(Toggle toggle, bool checked) = 0;

    // Card slots are 0-based: slot i shows hand card i + 1.
    virtual void showSlotBack(Side side, int slot) = 0;
    virtual void hideSlot(Side side, int slot) = 0;

    // Card number `card` already sits in its hand; the table reports its
    // landing through GameController::cardLanded(side, card).
    virtual void startFlight(Side side, int card) = 0;
    virtual void stopFlights() = 0;

    // Shows the scene now, synchronously.
    virtual void redraw(const TableScene &scene) = 0;

    // Shows a message and returns the answer: Ok, or Yes or No for a question.
    virtual Answer ask(const Message &message) = 0;
    // Asks for a line of text (a name, a game's number); empty on cancel.
    virtual QString askText(const Message &message) = 0;

    // The number of the game on the table; empty when it is not known.
    virtual void showGameNumber(std::optional<qint64> number) = 0;

    // Background music: switch to track n (1..8; other numbers reopen the file named before).
    virtual void playTrack(int track) = 0;
    virtual void stopMusic() = 0;

    // Ends the program; does not return to the game in the real window.
    virtual void exitGame() = 0;
};
