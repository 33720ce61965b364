#pragma once

#include <QString>

// The seam between the engine and whatever shows the table. The Qt window
// implements it; tests use a scripted fake. The engine never touches a widget.
class TableView
{
public:
    enum class Button { Stavka, Draw, Stop, Next };
    enum class Side { Player, Banker };
    enum class Label { Stake, Pot, PlayerMoney, BankerMoney }; // Label14, Label8, Label12, Label4
    enum class Toggle { Music, Sounds, Animation };            // menu items with a check mark
    enum class Buttons { Ok, YesNo };

    static constexpr int AnswerOk = 1;
    static constexpr int AnswerYes = 6;
    static constexpr int AnswerNo = 7;

    virtual ~TableView() = default;

    // Plays an effect given by its path below the program, e.g. "\gamedata\sounds\click.wav".
    virtual void playSound(const QString &relativePath) = 0;

    // Availability and picture of an image button change together.
    virtual void setButtonEnabled(Button button, bool enabled) = 0;
    virtual bool isButtonEnabled(Button button) const = 0;
    virtual void showButtons() = 0;

    virtual void setSpinnerEnabled(bool enabled) = 0;
    virtual int spinnerValue() const = 0;
    // Changing the value reports back through Game::UpDown1_Change.
    virtual void setSpinnerValue(int value) = 0;
    virtual void setLabel(Label label, const QString &text) = 0;

    virtual void setSavingEnabled(bool enabled) = 0;
    virtual void setToggleChecked(Toggle toggle, bool checked) = 0;

    // Card slots are 0-based: slot i shows hand card i + 1.
    virtual void showSlotBack(Side side, int slot) = 0;
    virtual void hideSlot(Side side, int slot) = 0;

    // The card already sits in its hand; the table reports its landing
    // through Game::cardLanded(side, count).
    virtual void startFlight(Side side) = 0;
    virtual void stopFlights() = 0;

    // Shows the game state now, synchronously.
    virtual void redraw() = 0;

    // Returns AnswerOk, AnswerYes or AnswerNo.
    virtual int messageBox(const QString &text, const QString &title, Buttons buttons) = 0;
    // Returns the text typed, or an empty string on cancel.
    virtual QString inputBox(const QString &title, const QString &prompt) = 0;

    // Background music: switch to track n (1..8; other numbers reopen the file named before).
    virtual void playTrack(int track) = 0;
    virtual void stopMusic() = 0;

    // Ends the program; does not return to the engine in the real window.
    virtual void exitGame() = 0;
};
