#include "tablewindow.h"

#include "artwork.h"
#include "cardnames.h"
#include "dialogs.h"
#include "flight.h"
#include "gamecontroller.h"
#include "hintpanel.h"
#include "imagebutton.h"
#include "messagetext.h"
#include "odds.h"
#include "settings.h"
#include "soundsystem.h"
#include "tablelayout.h"
#include "tablelook.h"
#include "tabletext.h"
#include "twips.h"
#include "updown.h"
#include "zoomlayout.h"

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QScopeGuard>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr int FontPixels = 24; // 18 pt at 96 dpi, kept in step with the twips layout

// The table at zoom 1, the smallest it is shown.
constexpr QSize TableSize(twips::toPixels(11910), twips::toPixels(8220));

// The zoom the menu steps through.
constexpr std::array<qreal, 7> ZoomSteps{1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};

// Milliseconds between the ticks of a flight, by speed; a flight keeps its
// number of ticks.
int flightInterval(AnimationSpeed speed)
{
    switch (speed) {
    case AnimationSpeed::Slow:
        return 10;
    case AnimationSpeed::Fast:
        return 2;
    case AnimationSpeed::Normal:
    case AnimationSpeed::Instant:
        break;
    }
    return 5;
}


QFont captionFont(bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(FontPixels);
    font.setBold(bold);
    font.setItalic(true);
    return font;
}

QFont figureFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(FontPixels);
    font.setBold(true);
    return font;
}

// Its colours come from the table's look.
QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QFont &font, bool opaque,
                  Qt::Alignment alignment)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setAutoFillBackground(opaque);
    return label;
}

QLabel *makePictureBox(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *box = new QLabel(parent);
    box->setObjectName(name);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setLineWidth(2);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setGeometry(geometry);
    return box;
}

} // namespace

TableWindow::TableWindow(Settings &settings, SoundSystem &sounds, QWidget *parent)
    : QMainWindow(parent), m_settings(settings), m_sounds(sounds)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("21"));
    // The icon (seven sizes to decode) comes after the first frame: Application.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    buildTable();
    buildMenus();
    buildLanguageMenu();
    retranslate();
    buildKeys();
    resize(sizeHint());
}

TableWindow::~TableWindow() = default;

void TableWindow::buildTable()
{
    m_table = new QWidget(this);
    m_table->setObjectName(QStringLiteral("table"));
    m_table->setMinimumSize(TableSize);
    m_table->setAutoFillBackground(true);
    // Pointer moves over the bare table put hovered buttons back to normal.
    m_table->setMouseTracking(true);
    m_table->installEventFilter(this);
    setCentralWidget(m_table);

    QWidget *t = m_table;
    const Qt::Alignment left = Qt::AlignLeft, right = Qt::AlignRight, centre = Qt::AlignHCenter;

    m_label1 = makeLabel(t, "Label1", QString(), captionFont(true), false, left);
    m_label1->setGeometry(twips::rect(240, 360, 4095, 615));
    m_label5 = makeLabel(t, "Label5", QString(), captionFont(true), true, left);
    m_label5->setGeometry(twips::rect(7560, 360, 3495, 495));
    m_label4 = makeLabel(t, "Label4", QStringLiteral("100"), figureFont(), true, right);
    m_label4->setGeometry(twips::rect(10920, 360, 735, 495));

    using namespace tablelayout;
    for (int i = 0; i < 5; ++i) {
        m_picture2[static_cast<std::size_t>(i)] = makePictureBox(
            t, QStringLiteral("Picture2_%1").arg(i), twips::rect(slotLeft(i), BankerRowTop, SlotWidth, SlotHeight));
        m_picture2[static_cast<std::size_t>(i)]->hide();
    }

    m_picture1 = makePictureBox(t, QStringLiteral("Picture1"), twips::rect(DeckLeft, DeckTop, 1520, 2355));
    m_picture1->setAutoFillBackground(true);
    m_picture1->setPixmap(backPicture());
    // A click on the deck takes a card, as "Тягнути" does.
    m_picture1->installEventFilter(this);

    m_label9 = makeLabel(t, "Label9", QString(), captionFont(true), true, left);
    m_label9->setGeometry(twips::rect(9360, 3600, 1575, 495));
    m_label8 = makeLabel(t, "Label8", QStringLiteral("100"), figureFont(), true, right);
    m_label8->setGeometry(twips::rect(10920, 3600, 735, 495));

    // The result lines grow with their text.
    m_label6 = makeLabel(t, "Label6", QString(), captionFont(false), false, left);
    m_label6->move(twips::point(240, 3720));
    m_label6->hide();
    m_label7 = makeLabel(t, "Label7", QString(), captionFont(false), false, left);
    m_label7->move(twips::point(240, 4200));
    m_label7->hide();

    m_label11 = makeLabel(t, "Label11", QString(), captionFont(true), true, left);
    m_label11->setGeometry(twips::rect(8280, 4080, 2655, 495));
    m_label12 = makeLabel(t, "Label12", QStringLiteral("100"), figureFont(), true, right);
    m_label12->setGeometry(twips::rect(10920, 4080, 735, 495));
    m_label13 = makeLabel(t, "Label13", QString(), captionFont(true), true, left);
    m_label13->setGeometry(twips::rect(5400, 4800, 1575, 495));
    m_label14 = makeLabel(t, "Label14", QStringLiteral("0"), figureFont(), true, centre);
    m_label14->setGeometry(twips::rect(7080, 4800, 495, 495));

    m_upDown = new UpDown(t);
    m_upDown->setObjectName(QStringLiteral("UpDown1"));
    m_upDown->setRange(0, 10);
    m_upDown->setValue(0);
    m_upDown->setGeometry(twips::rect(7680, 4800, 255, 495));
    m_upDown->setAccessibleName(cardnames::stakeSpinnerName());
    m_upDown->setAccessibleDescription(cardnames::stakeSpinnerDescription());
    m_upDown->setToolTip(cardnames::stakeSpinnerDescription());
    connect(m_upDown, &UpDown::valueChanged, this, [this](int value) {
        if (m_game)
            m_game->chooseStake(value);
    });

    struct ButtonSpec
    {
        const char *name;
        artwork::Plate plate;
        QRect geometry;
    };
    const std::array<ButtonSpec, 4> specs{{
        {"CmdStavka", artwork::Plate::Stavka, twips::rect(8160, 4800, 3495, 495)},
        {"CmdDraw", artwork::Plate::Draw, twips::rect(9960, 5760, 1695, 495)},
        {"CmdStop", artwork::Plate::Stop, twips::rect(9960, 6600, 1695, 495)},
        {"CmdNext", artwork::Plate::Next, twips::rect(9960, 7440, 1695, 495)},
    }};
    for (std::size_t i = 0; i < specs.size(); ++i) {
        auto *b = new ImageButton(specs[i].plate, t);
        b->setObjectName(QLatin1String(specs[i].name));
        b->setGeometry(specs[i].geometry);
        b->hide();
        const auto which = static_cast<Button>(i);
        b->setAccessibleName(cardnames::buttonName(which));
        b->setAccessibleDescription(cardnames::buttonDescription(which));
        b->setToolTip(cardnames::buttonName(which) + QStringLiteral(" — ") + cardnames::buttonDescription(which));
        connect(b, &ImageButton::clicked, this, [this, which] { buttonClicked(which); });
        m_buttons[i] = b;
    }

    m_label2 = makeLabel(t, "Label2", QString(), captionFont(true), false, left);
    m_label2->setGeometry(twips::rect(240, 4920, 3255, 615));

    for (int i = 0; i < 5; ++i) {
        m_picture3[static_cast<std::size_t>(i)] = makePictureBox(
            t, QStringLiteral("Picture3_%1").arg(i), twips::rect(slotLeft(i), PlayerRowTop, SlotWidth, SlotHeight));
        m_picture3[static_cast<std::size_t>(i)]->hide();
    }

    // Under the player's cards, small: the number that replays this game.
    m_gameNumber = new QLabel(t);
    m_gameNumber->setObjectName(QStringLiteral("gameNumber"));
    QFont small = captionFont(false);
    small.setPixelSize(13);
    m_gameNumber->setFont(small);
    m_gameNumber->setGeometry(twips::rect(240, 7920, 7200, 270));

    // Between the banker's cards and the player's, where the result lines
    // show once the round is over.
    m_hintPanel = new HintPanel(t);
    m_hintPanel->setGeometry(twips::rect(240, 3420, 7860, 1350));

    // The flying card passes over everything on its way.
    m_picture4 = new QLabel(t);
    m_picture4->setObjectName(QStringLiteral("Picture4"));
    m_picture4->setGeometry(twips::toPixels(9960), twips::toPixels(1080), artwork::CardWidth, artwork::CardHeight);
    m_picture4->setPixmap(backPicture());
    m_picture4->hide();
    m_picture4->raise();

    setTabOrder(button(Button::Draw), button(Button::Stop));
    setTabOrder(button(Button::Stop), m_upDown);
    setTabOrder(m_upDown, button(Button::Stavka));
    setTabOrder(button(Button::Stavka), button(Button::Next));

    m_tmrMovePlayer = new QTimer(this);
    m_tmrMovePlayer->setObjectName(QStringLiteral("TmrMovePlayer"));
    m_tmrMoveComputer = new QTimer(this);
    m_tmrMoveComputer->setObjectName(QStringLiteral("TmrMoveComputer"));
    for (QTimer *timer : {m_tmrMovePlayer, m_tmrMoveComputer}) {
        timer->setInterval(flightInterval(m_settings.animationSpeed));
        timer->setTimerType(Qt::PreciseTimer);
    }
    connect(m_tmrMovePlayer, &QTimer::timeout, this, &TableWindow::TmrMovePlayer_Timer);
    connect(m_tmrMoveComputer, &QTimer::timeout, this, &TableWindow::TmrMoveComputer_Timer);

    m_layout = std::make_unique<ZoomLayout>(m_table);
    m_layout->fitToText(m_label6);
    m_layout->fitToText(m_label7);
    m_pictureTimer = new QTimer(this);
    m_pictureTimer->setSingleShot(true);
    m_pictureTimer->setInterval(80);
    connect(m_pictureTimer, &QTimer::timeout, this, [this] {
        redrawPictures();
        rememberZoom();
    });

    applyLook();
    updateFigureNames();
    for (Side side : {Side::Player, Side::Banker})
        for (int i = 0; i < Hand::MaxCards; ++i)
            nameSlot(side, i, cardnames::Slot::Empty);
    if (m_settings.hints)
        prepareHints();
}

QAction *TableWindow::addMenuItem(QMenu *menu, const QString &name, const QString &caption,
                                  const QKeySequence &shortcut)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

void TableWindow::buildLanguageMenu()
{
    // Said in both languages, so that it is found from either.
    QMenu *languages = menuBar()->addMenu(QStringLiteral("Мова / Language"));
    languages->setObjectName(QStringLiteral("languageMenu"));
    auto *group = new QActionGroup(this);
    group->setExclusive(true);
    m_ukrainianItem = addMenuItem(languages, QStringLiteral("ukrainian"), QStringLiteral("Українська"), {});
    m_englishItem = addMenuItem(languages, QStringLiteral("english"), QStringLiteral("English"), {});
    for (QAction *item : {m_ukrainianItem, m_englishItem}) {
        item->setCheckable(true);
        group->addAction(item);
    }
    connect(m_ukrainianItem, &QAction::triggered, this, [this] { emit languageChosen(Language::Ukrainian); });
    connect(m_englishItem, &QAction::triggered, this, [this] { emit languageChosen(Language::English); });
}

void TableWindow::showLanguage(Language spoken)
{
    m_ukrainianItem->setChecked(spoken != Language::English);
    m_englishItem->setChecked(spoken == Language::English);
}

void TableWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        // The cards' corner letters are the language's own.
        m_pictureScale = 0;
        redrawPictures();
    }
    if (event->type() == QEvent::WindowStateChange)
        updateZoomItems();
    QMainWindow::changeEvent(event);
}

void TableWindow::retranslate()
{
    m_label1->setText(tr("Карти Банківника:"));
    m_label5->setText(tr("Гроші Банківника:"));
    m_label9->setText(tr("На кону:"));
    m_label11->setText(tr("Гроші Гравця:"));
    m_label13->setText(tr("Ставка:"));
    m_label2->setText(tr("Карти Гравця:"));

    m_picture1->setAccessibleName(tr("Колода"));
    m_picture1->setAccessibleDescription(tr("Клацніть, щоб узяти карту"));
    m_upDown->setAccessibleName(cardnames::stakeSpinnerName());
    m_upDown->setAccessibleDescription(cardnames::stakeSpinnerDescription());
    m_upDown->setToolTip(cardnames::stakeSpinnerDescription());
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        const auto which = static_cast<Button>(i);
        m_buttons[i]->setAccessibleName(cardnames::buttonName(which));
        m_buttons[i]->setAccessibleDescription(cardnames::buttonDescription(which));
        m_buttons[i]->setToolTip(cardnames::buttonName(which) + QStringLiteral(" — ")
                                 + cardnames::buttonDescription(which));
    }

    findChild<QMenu *>(QStringLiteral("ewr"))->setTitle(tr("Гра"));
    findChild<QMenu *>(QStringLiteral("wqe"))->setTitle(tr("Про гру"));
    findChild<QMenu *>(QStringLiteral("zoomMenu"))->setTitle(tr("Масштаб"));
    const std::pair<const char *, QString> items[] = {
        {"NewGame", tr("Нова гра")},
        {"numberedGame", tr("Гра за номером…")},
        {"opening", tr("Завантажити")},
        {"saving", tr("Зберегти")},
        {"music", tr("Музика")},
        {"sounds", tr("Звуки")},
        {"anime", tr("Анімація")},
        {"hints", tr("Підказки")},
        {"highContrast", tr("Висока контрастність")},
        {"settings", tr("Налаштування…")},
        {"statistics", tr("Статистика")},
        {"records", tr("Рекорди")},
        {"pause", tr("Пауза")},
        {"wert", tr("Вихід")},
        {"rules", tr("Правила")},
        {"about", tr("Розробники")},
        {"keys", tr("Клавіші")},
        {"fullScreen", tr("На весь екран")},
        {"zoomIn", tr("Збільшити")},
        {"zoomOut", tr("Зменшити")},
        {"zoomReset", tr("Звичайний розмір")},
    };
    for (const auto &[name, caption] : items) {
        if (QAction *item = menuAction(QLatin1String(name)))
            item->setText(caption);
    }

    if (m_gameNumberShown)
        showGameNumber(*m_gameNumberShown);
    showResult();
    for (Side side : {Side::Player, Side::Banker}) {
        for (int i = 0; i < Hand::MaxCards; ++i) {
            const SlotShows &shown = m_slotShows[side == Side::Player ? 0 : 1][static_cast<std::size_t>(i)];
            nameSlot(side, i, shown.shows, shown.code);
        }
    }
    updateFigureNames();
}

// The result lines of the settled round, while they are on the table.
void TableWindow::showResult()
{
    if (!m_result)
        return;
    m_label6->setText(tabletext::result(m_result->outcome));
    m_label6->adjustSize();
    m_label7->setText(tabletext::points(m_result->playerPoints, m_result->bankerPoints));
    m_label7->adjustSize();
}

void TableWindow::buildMenus()
{
    QMenu *game = menuBar()->addMenu(QString());
    game->setObjectName(QStringLiteral("ewr"));
    QMenu *about = menuBar()->addMenu(QString());
    about->setObjectName(QStringLiteral("wqe"));

    connect(addMenuItem(game, QStringLiteral("NewGame"), {}, Qt::Key_F2),
            &QAction::triggered, this, [this] {
                if (m_game)
                    m_game->newGame();
            });
    connect(addMenuItem(game, QStringLiteral("numberedGame"), {}, {}),
            &QAction::triggered, this, [this] {
                if (m_game)
                    m_game->chooseGameNumber();
            });
    connect(addMenuItem(game, QStringLiteral("opening"), {}, Qt::Key_F3),
            &QAction::triggered, this, [this] {
                if (m_game)
                    m_game->loadGame();
            });
    m_savingItem = addMenuItem(game, QStringLiteral("saving"), {}, Qt::Key_F4);
    connect(m_savingItem, &QAction::triggered, this, [this] {
        if (m_game)
            m_game->saveGame();
    });

    // The flags decide the check marks; a click only asks for the flip.
    m_musicItem = addMenuItem(game, QStringLiteral("music"), {}, Qt::CTRL | Qt::Key_M);
    m_soundsItem = addMenuItem(game, QStringLiteral("sounds"), {}, Qt::CTRL | Qt::Key_S);
    m_animeItem = addMenuItem(game, QStringLiteral("anime"), {}, Qt::CTRL | Qt::Key_A);
    for (QAction *item : {m_musicItem, m_soundsItem, m_animeItem})
        item->setCheckable(true);
    connect(m_musicItem, &QAction::triggered, this, &TableWindow::music_Click);
    connect(m_soundsItem, &QAction::triggered, this, &TableWindow::sounds_Click);
    connect(m_animeItem, &QAction::triggered, this, &TableWindow::anime_Click);
    m_hintsItem = addMenuItem(game, QStringLiteral("hints"), {}, Qt::Key_F8);
    m_highContrastItem = addMenuItem(game, QStringLiteral("highContrast"), {}, Qt::Key_F9);
    for (QAction *item : {m_hintsItem, m_highContrastItem})
        item->setCheckable(true);
    m_hintsItem->setChecked(m_settings.hints);
    m_highContrastItem->setChecked(m_settings.highContrast);
    connect(m_hintsItem, &QAction::triggered, this, &TableWindow::hints_Click);
    connect(m_highContrastItem, &QAction::triggered, this, &TableWindow::highContrast_Click);
    connect(addMenuItem(game, QStringLiteral("settings"), {}, {}),
            &QAction::triggered, this, &TableWindow::settingsRequested);

    game->addSeparator();
    m_fullScreenItem = addMenuItem(game, QStringLiteral("fullScreen"), {}, Qt::Key_F11);
    m_fullScreenItem->setCheckable(true);
    connect(m_fullScreenItem, &QAction::triggered, this, &TableWindow::toggleFullScreen);
    QMenu *zoom = game->addMenu(QString());
    zoom->setObjectName(QStringLiteral("zoomMenu"));
    m_zoomInItem = addMenuItem(zoom, QStringLiteral("zoomIn"), {}, {});
    m_zoomInItem->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)});
    m_zoomOutItem = addMenuItem(zoom, QStringLiteral("zoomOut"), {}, Qt::CTRL | Qt::Key_Minus);
    m_zoomResetItem = addMenuItem(zoom, QStringLiteral("zoomReset"), {}, Qt::CTRL | Qt::Key_0);
    connect(m_zoomInItem, &QAction::triggered, this, &TableWindow::zoomIn);
    connect(m_zoomOutItem, &QAction::triggered, this, &TableWindow::zoomOut);
    connect(m_zoomResetItem, &QAction::triggered, this, &TableWindow::resetZoom);
    updateZoomItems();
    game->addSeparator();

    connect(addMenuItem(game, QStringLiteral("statistics"), {}, Qt::Key_F7),
            &QAction::triggered, this, &TableWindow::statisticsRequested);
    connect(addMenuItem(game, QStringLiteral("records"), {}, Qt::Key_F5),
            &QAction::triggered, this, &TableWindow::recordsRequested);
    connect(addMenuItem(game, QStringLiteral("pause"), {}, Qt::Key_F6),
            &QAction::triggered, this, &TableWindow::pause_Click);
    connect(addMenuItem(game, QStringLiteral("wert"), {}, Qt::Key_F12),
            &QAction::triggered, this, &TableWindow::exitRequested);

    connect(addMenuItem(about, QStringLiteral("rules"), {}, Qt::Key_F1),
            &QAction::triggered, this, &TableWindow::rulesRequested);
    connect(addMenuItem(about, QStringLiteral("about"), {}, Qt::CTRL | Qt::Key_I),
            &QAction::triggered, this, &TableWindow::developersRequested);
    connect(addMenuItem(about, QStringLiteral("keys"), {}, {}),
            &QAction::triggered, this, &TableWindow::keysRequested);
}

void TableWindow::buildKeys()
{
    // Keys go by the physical key: the letter that key gives in the
    // Ukrainian layout counts too (D gives "в", S gives "і", or "ы").
    constexpr int CyrillicVe = 0x0412;
    constexpr int UkrainianI = 0x0406;
    constexpr int CyrillicYeru = 0x042B;
    struct Key
    {
        const char *name;
        QList<QKeySequence> keys;
        std::function<void()> command;
    };
    const std::array<Key, 5> keys{{
        {"stakeUpKey", {Qt::Key_Up, Qt::Key_Plus, Qt::Key_Equal}, [this] {
             if (m_upDown->isEnabled())
                 m_upDown->stepUp();
         }},
        {"stakeDownKey", {Qt::Key_Down, Qt::Key_Minus}, [this] {
             if (m_upDown->isEnabled())
                 m_upDown->stepDown();
         }},
        {"forwardKey", {Qt::Key_Return, Qt::Key_Enter}, [this] {
             if (m_game)
                 m_game->moveForward();
         }},
        {"drawKey", {Qt::Key_D, CyrillicVe}, [this] {
             if (m_game)
                 m_game->drawCard();
         }},
        {"standKey", {Qt::Key_S, UkrainianI, CyrillicYeru}, [this] {
             if (m_game)
                 m_game->stand();
         }},
    }};
    for (const Key &key : keys) {
        auto *action = new QAction(this);
        action->setObjectName(QLatin1String(key.name));
        action->setShortcuts(key.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, key.command);
        addAction(action);
    }
}

void TableWindow::buttonClicked(Button which)
{
    if (!m_game)
        return;
    switch (which) {
    case Button::Stavka: m_game->bet(); break;
    case Button::Draw: m_game->drawCard(); break;
    case Button::Stop: m_game->stand(); break;
    case Button::Next: m_game->nextRound(); break;
    }
}

void TableWindow::centreOnScreen()
{
    const QScreen *s = screen();
    if (!s)
        return;
    const QRect free = s->availableGeometry();
    const QSize size = frameGeometry().size().expandedTo(sizeHint());
    move(free.center() - QPoint(size.width() / 2, size.height() / 2));
}

ImageButton *TableWindow::button(Button which) const { return m_buttons[static_cast<std::size_t>(which)]; }

QLabel *TableWindow::slot(Side side, int index) const
{
    const auto &row = side == Side::Player ? m_picture3 : m_picture2;
    return row[static_cast<std::size_t>(index)];
}

QTimer *TableWindow::flightTimer(Side side) const
{
    return side == Side::Player ? m_tmrMovePlayer : m_tmrMoveComputer;
}

QAction *TableWindow::menuAction(const QString &name) const { return findChild<QAction *>(name); }

void TableWindow::resetButtonPictures()
{
    for (ImageButton *b : m_buttons)
        b->setPictureIndex(ImageButton::Normal);
}

void TableWindow::closeForExit()
{
    m_closingForExit = true;
    stopFlights();
    close();
}

void TableWindow::closeEvent(QCloseEvent *event)
{
    // Every way out runs the one shutdown, which closes this window itself;
    // a close request nobody turns into a shutdown leaves the table open.
    if (!m_closingForExit)
        emit exitRequested();
    event->setAccepted(m_closingForExit);
}

bool TableWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_picture1 && event->type() == QEvent::MouseButtonPress) {
        if (m_game && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            m_game->drawCard();
        return true;
    }
    if (watched == m_table && event->type() == QEvent::Resize)
        relayout();
    if (watched == m_table && event->type() == QEvent::MouseMove) {
        // Moves over labels and disabled buttons reach the table too; only
        // the bare cloth counts.
        const auto *move = static_cast<QMouseEvent *>(event);
        if (!m_table->childAt(move->position().toPoint()))
            Form_MouseMove();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TableWindow::Form_MouseMove()
{
    for (ImageButton *b : m_buttons) {
        if (b->isEnabled())
            b->setPictureIndex(ImageButton::Normal);
    }
}

// --- Pictures ---------------------------------------------------------------

void TableWindow::refreshPictureScale()
{
    // Drawn for the device pixels the cards cover: the table's zoom times the screen's.
    const qreal scale = devicePixelRatioF() * zoom();
    if (qFuzzyCompare(scale, m_pictureScale))
        return;
    m_pictureScale = scale;
    m_faces.clear();
    m_back = artwork::cardBack(devicePixelRatioF(), zoom());
}

QPixmap TableWindow::facePicture(int code)
{
    refreshPictureScale();
    auto it = m_faces.constFind(code);
    if (it == m_faces.constEnd())
        it = m_faces.insert(code, artwork::cardFace(code, devicePixelRatioF(), zoom()));
    return *it;
}

void TableWindow::showPicture(Side side, int index, int code)
{
    slot(side, index)->setPixmap(code ? facePicture(code) : backPicture());
}

void TableWindow::redrawPictures()
{
    m_pictureTimer->stop();
    refreshPictureScale();
    m_picture1->setPixmap(backPicture());
    m_picture4->setPixmap(backPicture());
    for (Side side : {Side::Player, Side::Banker})
        for (int i = 0; i < Hand::MaxCards; ++i) {
            const SlotShows &shown = m_slotShows[side == Side::Player ? 0 : 1][static_cast<std::size_t>(i)];
            if (shown.shows != cardnames::Slot::Empty)
                showPicture(side, i, shown.shows == cardnames::Slot::FaceUp ? shown.code : 0);
        }
}

// --- Zoom -------------------------------------------------------------------

qreal TableWindow::zoom() const { return m_layout ? m_layout->zoom() : 1.0; }

void TableWindow::relayout()
{
    const QSize room = m_table->size();
    const qreal fitting = std::max(1.0, ZoomLayout::fittingZoom(TableSize, room));
    const qreal before = zoom();
    m_layout->setZoom(fitting, ZoomLayout::centredOrigin(TableSize, room, fitting));
    if (qFuzzyCompare(before, fitting))
        return;
    for (ImageButton *b : m_buttons)
        b->setZoom(fitting);
    m_hintPanel->setZoom(fitting);
    // A flying card keeps its place on the way.
    if (m_picture4->isVisible())
        moveFlyingCard();
    m_pictureTimer->start();
    updateZoomItems();
    emit zoomChanged(fitting);
}

void TableWindow::zoomTo(qreal target)
{
    if (isFullScreen())
        return;
    if (isMaximized())
        showNormal();
    // The window's own size hint holds the table at zoom 1.
    resize(sizeHint() + (QSizeF(TableSize) * target).toSize() - TableSize);
}

void TableWindow::restoreZoom()
{
    qreal target = m_settings.zoomPercent / 100.0;
    if (const QScreen *s = screen()) {
        const QSize frame = frameGeometry().size() - geometry().size();
        const QSize room = s->availableGeometry().size() - frame - (sizeHint() - TableSize);
        target = std::min(target, ZoomLayout::fittingZoom(TableSize, room));
    }
    if (target > 1.0)
        zoomTo(target);
}

void TableWindow::rememberZoom()
{
    if (isMaximized() || isFullScreen())
        return;
    const int percent = std::clamp(int(std::lround(zoom() * 100)), 100, 300);
    if (percent == m_settings.zoomPercent)
        return;
    m_settings.zoomPercent = percent;
    emit settingsChanged();
}

// The steps go as far as the screen holds the window.
void TableWindow::zoomIn()
{
    const QScreen *s = screen();
    const QSize room = s ? s->availableGeometry().size() : QSize();
    const QSize frame = frameGeometry().size() - m_table->size();
    for (const qreal step : ZoomSteps) {
        if (step <= zoom() + 0.01)
            continue;
        const QSize needed = frame + (QSizeF(TableSize) * step).toSize();
        if (s && (needed.width() > room.width() || needed.height() > room.height()))
            break;
        zoomTo(step);
        return;
    }
}

void TableWindow::zoomOut()
{
    for (auto it = ZoomSteps.rbegin(); it != ZoomSteps.rend(); ++it) {
        if (*it < zoom() - 0.01) {
            zoomTo(*it);
            return;
        }
    }
    zoomTo(1.0);
}

void TableWindow::resetZoom() { zoomTo(1.0); }

void TableWindow::toggleFullScreen()
{
    if (isFullScreen()) {
        if (m_maximizedBeforeFullScreen)
            showMaximized();
        else
            showNormal();
    } else {
        m_maximizedBeforeFullScreen = isMaximized();
        showFullScreen();
    }
}

void TableWindow::updateZoomItems()
{
    if (!m_zoomInItem)
        return;
    // Full screen decides the size by itself.
    const bool free = !isFullScreen();
    m_zoomInItem->setEnabled(free && zoom() < ZoomSteps.back() - 0.01);
    m_zoomOutItem->setEnabled(free && zoom() > 1.01);
    m_zoomResetItem->setEnabled(free && zoom() > 1.01);
    m_fullScreenItem->setChecked(isFullScreen());
}


QPixmap TableWindow::backPicture()
{
    refreshPictureScale();
    return m_back;
}

// --- TableView --------------------------------------------------------------

void TableWindow::playSound(const QString &relativePath) { m_sounds.playSound(relativePath); }

void TableWindow::setButtonEnabled(Button which, bool enabled) { SetButtonEnabled(button(which), enabled); }

void TableWindow::showButtons()
{
    for (ImageButton *b : m_buttons)
        b->show();
}

void TableWindow::setSpinnerEnabled(bool enabled) { m_upDown->setEnabled(enabled); }

void TableWindow::setSpinnerValue(int value) { m_upDown->setValue(value); }

void TableWindow::setLabel(Label label, int value)
{
    const QString text = QString::number(value);
    const auto named = qScopeGuard([this] { updateFigureNames(); });
    switch (label) {
    case Label::Stake: m_label14->setText(text); break;
    case Label::Pot: m_label8->setText(text); break;
    case Label::PlayerMoney: m_label12->setText(text); break;
    case Label::BankerMoney: m_label4->setText(text); break;
    }
}

void TableWindow::setSavingEnabled(bool enabled) { m_savingItem->setEnabled(enabled); }

void TableWindow::setToggleChecked(Toggle toggle, bool checked)
{
    switch (toggle) {
    case Toggle::Music: m_musicItem->setChecked(checked); break;
    case Toggle::Sounds: m_soundsItem->setChecked(checked); break;
    case Toggle::Animation: m_animeItem->setChecked(checked); break;
    }
}

void TableWindow::showSlotBack(Side side, int index)
{
    showPicture(side, index, 0);
    slot(side, index)->show();
    nameSlot(side, index, cardnames::Slot::FaceDown);
}

void TableWindow::hideSlot(Side side, int index)
{
    slot(side, index)->hide();
    nameSlot(side, index, cardnames::Slot::Empty);
}

void TableWindow::paintRow(Side side, const Hand &hand)
{
    for (int i = 1; i <= std::min<int>(hand.count, Hand::MaxCards); ++i)
        hideSlot(side, i - 1);
    for (int j = 1; j <= Hand::MaxCards; ++j) {
        if (hand[j] == 0)
            continue;
        // A damaged saved game may bring a code that is no card: its slot stays empty.
        const QPixmap face = facePicture(hand[j]);
        if (face.isNull())
            continue;
        showPicture(side, j - 1, hand[j]);
        slot(side, j - 1)->show();
        nameSlot(side, j - 1, cardnames::Slot::FaceUp, hand[j]);
    }
}

void TableWindow::redraw(const TableScene &scene)
{
    m_label12->setText(QString::number(scene.playerMoney));
    m_label4->setText(QString::number(scene.bankerMoney));
    m_label8->setText(tabletext::pot(scene.pot));
    m_label6->hide();
    m_label7->hide();

    if (scene.rows != TableScene::Rows::Untouched) {
        paintRow(Side::Banker, scene.banker);
        // During the player's turn the banker's first card lies face down.
        if (scene.rows == TableScene::Rows::BankerHoleDown) {
            showPicture(Side::Banker, 0, 0);
            nameSlot(Side::Banker, 0, cardnames::Slot::FaceDown);
        }
        paintRow(Side::Player, scene.player);
    }

    m_result = scene.result;
    if (scene.result) {
        m_label6->setText(tabletext::result(scene.result->outcome));
        m_label6->adjustSize();
        m_label6->show();
        m_label7->setText(tabletext::points(scene.result->playerPoints, scene.result->bankerPoints));
        m_label7->adjustSize();
        m_label7->show();
        announce(m_label6);
    }

    // The hint speaks only in the player's turn; the better move's button shows it too.
    const std::optional<odds::Figures> figures = scene.hint ? scene.hint->figures : std::nullopt;
    if (scene.hint)
        m_hintPanel->showHint(scene.hint->playerPoints, figures);
    else
        m_hintPanel->clear();
    button(Button::Draw)->setHighlighted(figures && figures->draw && figures->best == odds::Move::Draw);
    button(Button::Stop)->setHighlighted(figures && figures->best == odds::Move::Stand);

    updateFigureNames();
    repaint();
}

TableView::Answer TableWindow::ask(const Message &message)
{
    // Nothing appears any more once the program is closing.
    if (m_closingForExit)
        return message.isQuestion() ? Answer::No : Answer::Ok;
    const MessageText words = messageText(message);
    return dialogs::messageBox(this, words.text, words.title, message.isQuestion());
}

QString TableWindow::askText(const Message &message)
{
    if (m_closingForExit)
        return {};
    const MessageText words = messageText(message);
    return dialogs::inputBox(this, words.title, words.text);
}

void TableWindow::showGameNumber(std::optional<qint64> number)
{
    m_gameNumberShown = number;
    m_gameNumber->setText(number ? tr("Гра №%1").arg(*number) : tr("Номер гри невідомий"));
    m_gameNumber->setAccessibleName(m_gameNumber->text());
}

void TableWindow::playTrack(int track) { m_sounds.playTrack(track); }

void TableWindow::stopMusic() { m_sounds.stopMusic(); }

void TableWindow::exitGame() { emit exitRequested(); }

// --- Menu commands ----------------------------------------------------------

void TableWindow::pause_Click()
{
    m_sounds.stopMusic();
    // However the box is closed, the game goes on.
    ask(Message(Message::Id::Pause));
    if (m_settings.MusicOn)
        m_sounds.resumeMusic();
}

void TableWindow::music_Click()
{
    m_settings.MusicOn = !m_settings.MusicOn;
    if (m_settings.MusicOn)
        m_sounds.resumeMusic();
    else
        m_sounds.stopMusic();
    setToggleChecked(Toggle::Music, m_settings.MusicOn);
}

void TableWindow::sounds_Click()
{
    m_settings.SoundsOn = !m_settings.SoundsOn;
    setToggleChecked(Toggle::Sounds, m_settings.SoundsOn);
}

void TableWindow::anime_Click()
{
    m_settings.AnimationOn = !m_settings.AnimationOn;
    setToggleChecked(Toggle::Animation, m_settings.AnimationOn);
}

void TableWindow::applyLook()
{
    const TableLook look = TableLook::forHighContrast(m_settings.highContrast);
    look.apply(m_table);
    for (ImageButton *b : m_buttons) {
        b->setFocusFrameColour(look.focusFrame);
        b->setHighlightColour(look.moveHighlight);
    }
    m_hintPanel->setColours(look.hintBackground, look.hintText, look.hintAccent);
}

void TableWindow::applySettings(const Settings &chosen)
{
    const Settings before = m_settings;
    const std::int16_t track = m_settings.MusicTrack; // the music may have moved on meanwhile
    m_settings = chosen;
    m_settings.MusicTrack = track;

    if (m_settings.MusicOn != before.MusicOn) {
        if (m_settings.MusicOn)
            m_sounds.resumeMusic();
        else
            m_sounds.stopMusic();
    }
    setToggleChecked(Toggle::Music, m_settings.MusicOn);
    setToggleChecked(Toggle::Sounds, m_settings.SoundsOn);
    setToggleChecked(Toggle::Animation, m_settings.AnimationOn);
    m_sounds.setMusicVolume(m_settings.musicVolume);
    m_sounds.setEffectsVolume(m_settings.effectsVolume);
    for (QTimer *timer : {m_tmrMovePlayer, m_tmrMoveComputer})
        timer->setInterval(flightInterval(m_settings.animationSpeed));
    m_hintsItem->setChecked(m_settings.hints);
    m_highContrastItem->setChecked(m_settings.highContrast);
    if (m_settings.highContrast != before.highContrast)
        applyLook();
    if (m_settings.hints != before.hints) {
        if (m_settings.hints)
            prepareHints();
        if (m_game)
            m_game->refresh();
    }
    emit settingsChanged();
}

void TableWindow::nameSlot(Side side, int index, cardnames::Slot shows, int code)
{
    m_slotShows[side == Side::Player ? 0 : 1][static_cast<std::size_t>(index)] = {shows, code};
    QLabel *box = slot(side, index);
    box->setAccessibleName(cardnames::slotName(side, index, shows, code));
    box->setAccessibleDescription(cardnames::slotDescription(shows, code));
}

void TableWindow::updateFigureNames()
{
    m_label12->setAccessibleName(cardnames::figureName(Label::PlayerMoney, m_label12->text()));
    m_label4->setAccessibleName(cardnames::figureName(Label::BankerMoney, m_label4->text()));
    m_label8->setAccessibleName(cardnames::figureName(Label::Pot, m_label8->text()));
    m_label14->setAccessibleName(cardnames::figureName(Label::Stake, m_label14->text()));
}

void TableWindow::announce(QWidget *widget)
{
    QAccessibleEvent event(widget, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
    emit announced(widget);
}

void TableWindow::prepareHints()
{
    if (!m_hintsPrepared.valid())
        m_hintsPrepared = std::async(std::launch::async, odds::prepare);
}

void TableWindow::hints_Click()
{
    m_settings.hints = !m_settings.hints;
    m_hintsItem->setChecked(m_settings.hints);
    if (m_settings.hints)
        prepareHints();
    if (m_game)
        m_game->refresh();
    emit settingsChanged();
}

void TableWindow::highContrast_Click()
{
    m_settings.highContrast = !m_settings.highContrast;
    m_highContrastItem->setChecked(m_settings.highContrast);
    applyLook();
    emit settingsChanged();
}

// --- Card flights -----------------------------------------------------------

void TableWindow::startFlight(Side side, int card)
{
    // One flying card, one flight: a flight of the other side never shares it.
    QTimer *other = flightTimer(side == Side::Player ? Side::Banker : Side::Player);
    if (other->isActive()) {
        other->stop();
        m_picture4->hide();
    }
    (side == Side::Player ? m_playerFlight : m_bankerFlight) = card;
    m_flyingCard = flight::start();
    flightTimer(side)->start();
}

void TableWindow::stopFlights()
{
    m_tmrMovePlayer->stop();
    m_tmrMoveComputer->stop();
    m_playerFlight = m_bankerFlight = 0;
    m_picture4->hide();
}

void TableWindow::moveFlyingCard()
{
    m_picture4->move(m_layout->map(twips::point(m_flyingCard.left, m_flyingCard.top)));
    m_picture4->show();
}

void TableWindow::landCard(Side side, int card)
{
    flightTimer(side)->stop();
    (side == Side::Player ? m_playerFlight : m_bankerFlight) = 0;
    m_picture4->hide();
    emit cardLanded(side, card);
    if (m_game)
        m_game->cardLanded(side, card);
    // The slot names the card now: face up, or face down in the deal.
    announce(slot(side, card - 1));
}

bool TableWindow::isAnimating() const
{
    return m_settings.AnimationOn && m_settings.animationSpeed != AnimationSpeed::Instant;
}

void TableWindow::TmrMovePlayer_Timer()
{
    const int k = m_playerFlight;
    if (k < 1 || k > 5) {
        // No card to carry.
        m_tmrMovePlayer->stop();
        m_picture4->hide();
        return;
    }
    const bool animate = isAnimating();
    const bool arrived = flight::stepPlayer(m_flyingCard, k, animate);
    if (animate)
        moveFlyingCard();
    if (arrived)
        landCard(Side::Player, k);
}

void TableWindow::TmrMoveComputer_Timer()
{
    bool carried = false;
    // Each case reads the card afresh: when a landing makes the banker draw,
    // the new card takes its first step in this same tick.
    for (int k = 1; k <= 5; ++k) {
        if (m_bankerFlight != k || !m_tmrMoveComputer->isActive())
            continue;
        carried = true;
        const bool animate = isAnimating();
        const bool arrived = flight::stepBanker(m_flyingCard, k, animate);
        if (animate)
            moveFlyingCard();
        if (arrived)
            landCard(Side::Banker, k);
    }
    if (!carried) {
        m_tmrMoveComputer->stop();
        m_picture4->hide();
    }
}
