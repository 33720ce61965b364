#pragma once

#include "cardnames.h"
#include "flight.h"
#include "settings.h"
#include "tableview.h"

#include <QHash>
#include <QMainWindow>
#include <QPixmap>

#include <array>
#include <future>
#include <memory>

class GameController;
class HintPanel;
class ImageButton;
class QAction;
class QLabel;
class QMenu;
class QTimer;
class SoundSystem;
class UpDown;
class ZoomLayout;

// The card table: the main window of the program and the game's view.
// It shows the scenes the game sends, flies dealt cards from the deck to
// their slots, and hands every click and menu command to the game.
class TableWindow : public QMainWindow, public TableView
{
    Q_OBJECT

public:
    TableWindow(Settings &settings, SoundSystem &sounds, QWidget *parent = nullptr);
    ~TableWindow() override;

    // The game is made with this window as its view, so it comes second.
    void attachGame(GameController *game) { m_game = game; }

    // Start-up: each image button shows its normal plate.
    void resetButtonPictures();
    // Takes the player's choices from the settings window: switches, check
    // marks, volumes, the speed of the flights, hints and the look.
    void applySettings(const Settings &chosen);
    // Shutdown: the next close request is accepted and nothing flies any more.
    void closeForExit();

    ImageButton *button(Button which) const;
    UpDown *spinner() const { return m_upDown; }
    QLabel *slot(Side side, int index) const;
    QLabel *flyingCard() const { return m_picture4; }
    HintPanel *hintPanel() const { return m_hintPanel; }
    // Where the flying card is, in twips.
    flight::Position flyingCardPosition() const { return m_flyingCard; }
    QTimer *flightTimer(Side side) const;
    QAction *menuAction(const QString &name) const;
    // The one place a card code becomes a picture: null for an invalid code.
    QPixmap facePicture(int code);
    QPixmap backPicture();
    // Puts the window in the middle of its screen's free area.
    void centreOnScreen();
    // Checks the language the program speaks now in the language menu.
    void showLanguage(Language spoken);

    // The table fills the window, keeping its proportions: 1 is its own
    // size, the smallest. The zoom steps resize the window to a step.
    qreal zoom() const;
    void zoomIn();
    void zoomOut();
    void resetZoom();
    void toggleFullScreen();
    // Before the first showing: the size the player left the table at, as
    // far as the screen holds it.
    void restoreZoom();

    // TableView
    void playSound(const QString &relativePath) override;
    void setButtonEnabled(Button button, bool enabled) override;
    void showButtons() override;
    void setSpinnerEnabled(bool enabled) override;
    void setSpinnerValue(int value) override;
    void setLabel(Label label, int value) override;
    void setSavingEnabled(bool enabled) override;
    void setToggleChecked(Toggle toggle, bool checked) override;
    void showSlotBack(Side side, int slot) override;
    void hideSlot(Side side, int slot) override;
    void startFlight(Side side, int card) override;
    void stopFlights() override;
    void redraw(const TableScene &scene) override;
    Answer ask(const Message &message) override;
    QString askText(const Message &message) override;
    void showGameNumber(std::optional<qint64> number) override;
    void playTrack(int track) override;
    void stopMusic() override;
    void exitGame() override;

public slots:
    // One tick of the flight to the player's or the banker's row.
    void TmrMovePlayer_Timer();
    void TmrMoveComputer_Timer();
    // The pointer over the bare table: hovered buttons show their normal plate.
    void Form_MouseMove();
    void pause_Click();
    void music_Click();
    void sounds_Click();
    void anime_Click();
    void hints_Click();
    void highContrast_Click();

signals:
    // A dealt card has reached its slot.
    void cardLanded(TableView::Side side, int card);
    void exitRequested();
    // Told to assistive technology: a landed card's slot, the result line.
    void announced(QWidget *widget);
    // A choice the player makes here that is remembered between runs.
    void settingsChanged();
    void settingsRequested();
    void keysRequested();
    void statisticsRequested();
    void recordsRequested();
    void rulesRequested();
    void developersRequested();
    // The table was laid out at another zoom; the small windows follow it.
    void zoomChanged(qreal zoom);
    // Ukrainian or English picked in the language menu.
    void languageChosen(Language language);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildTable();
    void buildMenus();
    void buildKeys();
    void buildLanguageMenu();
    // Every text of the table in the language now.
    void retranslate();
    // The colours of the normal or the high-contrast look.
    void applyLook();
    // Builds the odds tables off this thread, so no landing waits for them.
    void prepareHints();
    bool isAnimating() const;
    // Accessible names: a slot says which card it shows; the figures say their values.
    void nameSlot(Side side, int index, cardnames::Slot shows, int code = 0);
    void updateFigureNames();
    // Tells assistive technology that something worth hearing happened here.
    void announce(QWidget *widget);
    QAction *addMenuItem(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &shortcut);
    void showResult();
    void paintRow(Side side, const Hand &hand);
    void landCard(Side side, int card);
    void buttonClicked(Button which);
    void moveFlyingCard();
    void refreshPictureScale();
    // Lays the table out for the window's size; the pictures follow shortly,
    // so dragging the window's edge stays smooth.
    void relayout();
    void redrawPictures();
    // A card face, or its back for 0.
    void showPicture(Side side, int index, int code);
    void zoomTo(qreal zoom);
    void updateZoomItems();
    // A normal window's zoom is kept in the settings once it settles.
    void rememberZoom();

    Settings &m_settings;
    SoundSystem &m_sounds;
    GameController *m_game = nullptr;
    bool m_closingForExit = false;

    QWidget *m_table = nullptr;
    QLabel *m_label1 = nullptr, *m_label2 = nullptr, *m_label4 = nullptr, *m_label5 = nullptr;
    QLabel *m_label6 = nullptr, *m_label7 = nullptr, *m_label8 = nullptr, *m_label9 = nullptr;
    QLabel *m_label11 = nullptr, *m_label12 = nullptr, *m_label13 = nullptr, *m_label14 = nullptr;
    std::array<QLabel *, 5> m_picture2{};  // banker's slots
    std::array<QLabel *, 5> m_picture3{};  // player's slots
    QLabel *m_picture1 = nullptr;          // the deck
    QLabel *m_picture4 = nullptr;          // the flying card
    HintPanel *m_hintPanel = nullptr;
    QLabel *m_gameNumber = nullptr;
    UpDown *m_upDown = nullptr;
    std::array<ImageButton *, 4> m_buttons{}; // CmdStavka, CmdDraw, CmdStop, CmdNext
    QTimer *m_tmrMovePlayer = nullptr;
    QTimer *m_tmrMoveComputer = nullptr;
    flight::Position m_flyingCard;
    std::future<void> m_hintsPrepared;
    // The card number each side's flight carries.
    int m_playerFlight = 0;
    int m_bankerFlight = 0;
    QAction *m_savingItem = nullptr;
    QAction *m_musicItem = nullptr;
    QAction *m_soundsItem = nullptr;
    QAction *m_animeItem = nullptr;
    QAction *m_hintsItem = nullptr;
    QAction *m_highContrastItem = nullptr;
    QAction *m_fullScreenItem = nullptr;
    QAction *m_zoomInItem = nullptr;
    QAction *m_zoomOutItem = nullptr;
    QAction *m_zoomResetItem = nullptr;

    std::unique_ptr<ZoomLayout> m_layout;
    QTimer *m_pictureTimer = nullptr;
    bool m_maximizedBeforeFullScreen = false;
    QAction *m_ukrainianItem = nullptr;
    QAction *m_englishItem = nullptr;

    // What the slots show, worded again in a new language and drawn again
    // at a new zoom.
    struct SlotShows
    {
        cardnames::Slot shows = cardnames::Slot::Empty;
        int code = 0;
    };
    std::array<std::array<SlotShows, 5>, 2> m_slotShows{}; // player's row, banker's row
    std::optional<GameModel::Settlement> m_result;          // the settled round's lines
    std::optional<std::optional<qint64>> m_gameNumberShown;

    // Card pictures at the scale they were last made for.
    QHash<int, QPixmap> m_faces;
    QPixmap m_back;
    qreal m_pictureScale = 0;
};
