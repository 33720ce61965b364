#include "tablefixture.h"
#include "hintpanel.h"
#include "updown.h"
#include "artwork.h"

#include <QAction>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QScreen>
#include <QSignalSpy>
#include <QToolButton>

namespace {

using Side = TableView::Side;
using Button = TableView::Button;

// Cards dealt player, banker, player, banker, then three for the player and
// three for the banker: the player stands on 20 with five cards, the banker
// draws up to five cards and stops on 17.
const std::initializer_list<int> FullRound{102, 202, 103, 203, 104, 105, 106, 207, 302, 303};

QLabel *label(const TableWindow &window, const char *name)
{
    return window.findChild<QLabel *>(QLatin1String(name));
}

} // namespace

class TestTableWindow : public QObject
{
    Q_OBJECT

private:
    // Moves the pointer as the window system would, so that moves over
    // labels and disabled buttons reach the table the way they do on screen.
    static void pointAt(TableWindow &window, QWidget *target, QPoint pos = {})
    {
        if (pos.isNull())
            pos = target->rect().center();
        QTest::mouseMove(window.windowHandle(), target->mapTo(&window, pos));
    }

    static void checkButtons(TableFixture &f, bool stavka, bool draw, bool stop, bool next, bool spinner)
    {
        const std::array<bool, 4> expected{stavka, draw, stop, next};
        for (int b = 0; b < 4; ++b) {
            const ImageButton *button = f.button(static_cast<Button>(b));
            const bool on = expected[static_cast<std::size_t>(b)];
            QVERIFY2(button->isEnabled() == on, qPrintable(button->objectName()));
            QCOMPARE(button->pictureIndex(), on ? ImageButton::Normal : ImageButton::Disabled);
        }
        QCOMPARE(f.window.spinner()->isEnabled(), spinner);
    }

    static void click(TableFixture &f, Button which) { QTest::mouseClick(f.button(which), Qt::LeftButton); }

    static void placeBet(TableFixture &f, int stake)
    {
        for (int i = 0; i < stake; ++i)
            QTest::mouseClick(f.window.spinner()->upButton(), Qt::LeftButton);
        click(f, Button::Stavka);
    }

    static void showWindow(TableWindow &window)
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

private slots:
    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("shown");
        QTest::newRow("Label1") << "Label1" << QRect(16, 24, 273, 41) << true;
        QTest::newRow("Label5") << "Label5" << QRect(504, 24, 233, 33) << true;
        QTest::newRow("Label4") << "Label4" << QRect(728, 24, 49, 33) << true;
        for (int i = 0; i < 5; ++i) {
            const QString banker = QStringLiteral("Picture2_%1").arg(i);
            const QString player = QStringLiteral("Picture3_%1").arg(i);
            QTest::newRow(qPrintable(banker)) << banker << QRect(16 + 120 * i, 64, 104, 158) << false;
            QTest::newRow(qPrintable(player)) << player << QRect(16 + 120 * i, 368, 104, 158) << false;
        }
        QTest::newRow("Picture1") << "Picture1" << QRect(672, 64, 101, 157) << true;
        QTest::newRow("Picture4") << "Picture4" << QRect(664, 72, 100, 154) << false;
        QTest::newRow("Label9") << "Label9" << QRect(624, 240, 105, 33) << true;
        QTest::newRow("Label8") << "Label8" << QRect(728, 240, 49, 33) << true;
        QTest::newRow("Label11") << "Label11" << QRect(552, 272, 177, 33) << true;
        QTest::newRow("Label12") << "Label12" << QRect(728, 272, 49, 33) << true;
        QTest::newRow("Label13") << "Label13" << QRect(360, 320, 105, 33) << true;
        QTest::newRow("Label14") << "Label14" << QRect(472, 320, 33, 33) << true;
        QTest::newRow("UpDown1") << "UpDown1" << QRect(512, 320, 17, 33) << true;
        QTest::newRow("CmdStavka") << "CmdStavka" << QRect(544, 320, 233, 33) << false;
        QTest::newRow("Label2") << "Label2" << QRect(16, 328, 217, 41) << true;
        QTest::newRow("CmdDraw") << "CmdDraw" << QRect(664, 384, 113, 33) << false;
        QTest::newRow("CmdStop") << "CmdStop" << QRect(664, 440, 113, 33) << false;
        QTest::newRow("CmdNext") << "CmdNext" << QRect(664, 496, 113, 33) << false;
    }
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(bool, shown);
        TableFixture f;
        const auto *widget = f.window.findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), geometry);
        QCOMPARE(!widget->isHidden(), shown);
    }

    void windowFrame()
    {
        TableFixture f;
        QCOMPARE(f.window.objectName(), QStringLiteral("Form1"));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("21"));
        QVERIFY(f.window.windowFlags() & Qt::WindowMaximizeButtonHint);
        QVERIFY(f.window.windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(f.window.centralWidget()->size(), QSize(794, 548));
        QCOMPARE(f.window.centralWidget()->palette().color(QPalette::Window), QColor(0, 128, 0));
        showWindow(f.window);
        // Today's size is the smallest.
        QCOMPARE(f.window.centralWidget()->size(), QSize(794, 548));
        QCOMPARE(f.window.centralWidget()->minimumSize(), QSize(794, 548));
        QCOMPARE(f.window.zoom(), 1.0);
        QVERIFY(label(f.window, "Label6")->isHidden());
        QVERIFY(label(f.window, "Label6")->text().isEmpty());
        QCOMPARE(f.window.flightTimer(Side::Player)->objectName(), QStringLiteral("TmrMovePlayer"));
        QCOMPARE(f.window.flightTimer(Side::Banker)->objectName(), QStringLiteral("TmrMoveComputer"));

        // The flying card stays above whatever it passes over.
        QWidget *table = f.window.centralWidget();
        f.window.showButtons();
        for (const char *name : {"CmdDraw", "Label12", "UpDown1"}) {
            const auto *under = table->findChild<QWidget *>(QLatin1String(name));
            f.window.flyingCard()->move(under->geometry().topLeft());
            f.window.flyingCard()->show();
            QCOMPARE(table->childAt(under->geometry().topLeft() + QPoint(2, 2)), f.window.flyingCard());
        }
    }

    void menus_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<bool>("checkable");
        const QString game = QStringLiteral("ewr"), about = QStringLiteral("wqe");
        QTest::newRow("NewGame") << game << "NewGame" << "Нова гра" << QKeySequence(Qt::Key_F2) << false;
        QTest::newRow("opening") << game << "opening" << "Завантажити" << QKeySequence(Qt::Key_F3) << false;
        QTest::newRow("saving") << game << "saving" << "Зберегти" << QKeySequence(Qt::Key_F4) << false;
        QTest::newRow("music") << game << "music" << "Музика" << QKeySequence(Qt::CTRL | Qt::Key_M) << true;
        QTest::newRow("sounds") << game << "sounds" << "Звуки" << QKeySequence(Qt::CTRL | Qt::Key_S) << true;
        QTest::newRow("anime") << game << "anime" << "Анімація" << QKeySequence(Qt::CTRL | Qt::Key_A) << true;
        QTest::newRow("records") << game << "records" << "Рекорди" << QKeySequence(Qt::Key_F5) << false;
        QTest::newRow("pause") << game << "pause" << "Пауза" << QKeySequence(Qt::Key_F6) << false;
        QTest::newRow("fullScreen") << game << "fullScreen" << "На весь екран" << QKeySequence(Qt::Key_F11) << true;
        QTest::newRow("wert") << game << "wert" << "Вихід" << QKeySequence(Qt::Key_F12) << false;
        QTest::newRow("rules") << about << "rules" << "Правила" << QKeySequence(Qt::Key_F1) << false;
        QTest::newRow("about") << about << "about" << "Розробники" << QKeySequence(Qt::CTRL | Qt::Key_I) << false;
    }
    void menus()
    {
        QFETCH(QString, menu);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, shortcut);
        QFETCH(bool, checkable);
        TableFixture f;
        const auto *owner = f.window.findChild<QMenu *>(menu);
        QVERIFY(owner);
        QCOMPARE(owner->title(), menu == QLatin1String("ewr") ? QStringLiteral("Гра") : QStringLiteral("Про гру"));
        QAction *item = f.window.menuAction(name);
        QVERIFY(item);
        QVERIFY(owner->actions().contains(item));
        QCOMPARE(item->text(), caption);
        QCOMPARE(item->shortcut(), shortcut);
        QCOMPARE(item->isCheckable(), checkable);
        QVERIFY(item->isEnabled());
        QVERIFY(!item->isChecked());
    }

    void focusOrder()
    {
        TableFixture f;
        f.window.showButtons();
        for (int b = 0; b < 4; ++b)
            f.window.setButtonEnabled(static_cast<Button>(b), true);
        showWindow(f.window);
        QApplication::setActiveWindow(&f.window);
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.button(Button::Draw)->setFocus(Qt::TabFocusReason);
        for (const char *next : {"CmdStop", "UpDown1", "CmdStavka", "CmdNext", "CmdDraw"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(next));
        }
    }

    // The availability of the buttons and the spinner through one round,
    // every step a real click; the painting alongside.
    void roundDrivenByClicks()
    {
        TableFixture f;
        showWindow(f.window);
        f.game.newGame();
        QVERIFY(label(f.window, "Label8")->text().isEmpty()); // the pot was never set
        f.dealRound(FullRound);
        checkButtons(f, true, false, false, false, true);
        QVERIFY(!f.button(Button::Stavka)->isHidden());

        placeBet(f, 3);
        QCOMPARE(label(f.window, "Label14")->text(), QStringLiteral("3"));
        QCOMPARE(label(f.window, "Label8")->text(), QStringLiteral("6"));
        QCOMPARE(label(f.window, "Label12")->text(), QStringLiteral("97"));
        QCOMPARE(label(f.window, "Label4")->text(), QStringLiteral("97"));
        checkButtons(f, false, true, true, false, false);
        // The banker's first card lies face down during the player's turn.
        QCOMPARE(f.window.slot(Side::Banker, 0)->pixmap().cacheKey(), f.window.backPicture().cacheKey());
        QCOMPARE(f.window.slot(Side::Banker, 1)->pixmap().cacheKey(), f.window.facePicture(203).cacheKey());
        QCOMPARE(f.window.slot(Side::Player, 0)->pixmap().cacheKey(), f.window.facePicture(102).cacheKey());

        for (int card = 3; card <= 5; ++card) {
            QVERIFY(f.button(Button::Draw)->isEnabled());
            click(f, Button::Draw);
            f.fly();
            QCOMPARE(f.window.slot(Side::Player, card - 1)->pixmap().cacheKey(),
                     f.window.facePicture(100 + card + 1).cacheKey());
        }
        checkButtons(f, false, false, true, false, false);

        click(f, Button::Stop);
        checkButtons(f, false, false, false, true, false);
        QCOMPARE(f.model().phase(), GameModel::Phase::BankerTurn);
        // The result lines wait for the settlement, landing after landing.
        while (f.flying()) {
            QVERIFY(label(f.window, "Label6")->isHidden());
            QVERIFY(label(f.window, "Label7")->isHidden());
            f.window.TmrMoveComputer_Timer();
        }
        QCOMPARE(f.model().bankerHand().count, std::int16_t{5});
        QVERIFY(!label(f.window, "Label6")->isHidden());
        QCOMPARE(label(f.window, "Label6")->text(), QStringLiteral("Переміг Гравець"));
        QCOMPARE(label(f.window, "Label7")->text(), QStringLiteral("Очок у Гравця -  20. Очок у Банківника -  17"));
        const QLabel *points = label(f.window, "Label7");
        QVERIFY(points->width() >= points->fontMetrics().horizontalAdvance(points->text()));
        QCOMPARE(points->pos(), QPoint(16, 280));
        QCOMPARE(f.window.slot(Side::Banker, 0)->pixmap().cacheKey(), f.window.facePicture(202).cacheKey());
        QCOMPARE(label(f.window, "Label12")->text(), QStringLiteral("103"));
        QCOMPARE(label(f.window, "Label8")->text(), QStringLiteral("0"));
        checkButtons(f, false, false, false, true, false);

        click(f, Button::Next);
        checkButtons(f, true, false, false, false, true);
        QCOMPARE(f.model().phase(), GameModel::Phase::Dealing); // the next deal is under way
        QVERIFY(label(f.window, "Label6")->isHidden());
    }

    // A whole round without the mouse: keys on the table, as a player presses them.
    void roundByKeys()
    {
        TableFixture f;
        showWindow(f.window);
        QApplication::setActiveWindow(&f.window);
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.dealRound(FullRound);
        auto press = [&f](int key) {
            // The text of a Cyrillic letter key is the letter itself.
            const bool cyrillic = key >= 0x400 && key <= 0x4ff;
            const QString text = cyrillic ? QString(QChar(key)).toLower() : QString();
            QTest::sendKeyEvent(QTest::Click, &f.window, static_cast<Qt::Key>(key), text, Qt::NoModifier);
        };

        press(Qt::Key_Up);
        press(Qt::Key_Plus);
        press(Qt::Key_Up);
        press(Qt::Key_Minus);
        QCOMPARE(f.window.spinner()->value(), 2);
        press(Qt::Key_Return); // the bet
        QCOMPARE(f.model().phase(), GameModel::Phase::PlayerTurn);
        QCOMPARE(f.model().stake(), 2);
        press(Qt::Key_Up); // the spinner is off now
        QCOMPARE(f.window.spinner()->value(), 2);

        press(Qt::Key_D);
        QVERIFY(f.flying());
        press(0x0412); // "в", where D lies in the Ukrainian layout: waits for the flight
        f.fly();
        QCOMPARE(f.model().playerHand().count, std::int16_t{4});
        // A click on the deck takes a card too.
        QTest::mouseClick(f.window.findChild<QLabel *>(QStringLiteral("Picture1")), Qt::LeftButton);
        f.fly();
        QCOMPARE(f.model().playerHand().count, std::int16_t{5});

        press(0x0406); // "і", where S lies: the stand
        QCOMPARE(f.model().phase(), GameModel::Phase::BankerTurn);
        f.fly();
        QCOMPARE(f.model().phase(), GameModel::Phase::RoundOver);
        press(Qt::Key_Enter); // the next round
        QCOMPARE(f.model().phase(), GameModel::Phase::Dealing);
    }

    // What a screen reader hears: each slot names its card, or that it lies
    // face down; a landing and the round's result are announced.
    void accessibleHand()
    {
        TableFixture f;
        showWindow(f.window);
        // Each announcement raises Qt's accessibility event; without a
        // screen reader the window's signal says what it was about.
        QList<QWidget *> heard;
        connect(&f.window, &TableWindow::announced, &f.window, [&heard](QWidget *about) { heard << about; });
        auto announced = [&heard](QWidget *about) { return heard.contains(about); };

        f.dealRound({107, 412, 201, 310, 105, 113});
        QCOMPARE(f.window.slot(Side::Player, 1)->accessibleName(), QStringLiteral("Ваша карта 2: лежить сорочкою догори"));
        QVERIFY(announced(f.window.slot(Side::Banker, 1)));
        QCOMPARE(f.window.slot(Side::Player, 2)->accessibleName(), QStringLiteral("Ваша карта 3: немає"));

        placeBet(f, 4);
        QCOMPARE(f.window.slot(Side::Player, 0)->accessibleName(), QStringLiteral("Ваша карта 1: сімка бубнова"));
        QCOMPARE(f.window.slot(Side::Player, 1)->accessibleName(), QStringLiteral("Ваша карта 2: туз червовий"));
        QCOMPARE(f.window.slot(Side::Banker, 0)->accessibleName(), QStringLiteral("Карта Банківника 1: лежить сорочкою догори"));
        QCOMPARE(f.window.slot(Side::Banker, 1)->accessibleName(), QStringLiteral("Карта Банківника 2: десятка трефова"));
        QCOMPARE(label(f.window, "Label12")->accessibleName(), QStringLiteral("Гроші Гравця: 96"));
        QCOMPARE(label(f.window, "Label8")->accessibleName(), QStringLiteral("На кону: 8"));

        heard.clear();
        click(f, Button::Draw);
        f.fly();
        QCOMPARE(f.window.slot(Side::Player, 2)->accessibleName(), QStringLiteral("Ваша карта 3: п'ятірка бубнова"));
        QVERIFY(announced(f.window.slot(Side::Player, 2)));

        // 7 + A + 5 = 13 against Q + 10 = 20: the banker stands and wins.
        click(f, Button::Stop);
        f.fly();
        QCOMPARE(f.window.slot(Side::Banker, 0)->accessibleName(), QStringLiteral("Карта Банківника 1: дама пікова"));
        QVERIFY(announced(label(f.window, "Label6")));
        QCOMPARE(f.window.button(Button::Next)->accessibleName(), QStringLiteral("Далі"));
    }

    // With hints on, the panel shows what twentyone-sim odds says of the
    // same position: the earlier round's cards, the player's and the banker's second.
    void hintsMatchTheSimulator()
    {
        TableFixture f;
        showWindow(f.window);
        f.window.menuAction(QStringLiteral("hints"))->trigger();
        QVERIFY(f.settings.hints);
        // Round one: 19 against 19, a draw. Round two: 2 + 6 against a hidden card and the 8 of spades.
        f.dealRound({110, 210, 109, 209, 102, 305, 106, 408});
        QVERIFY(f.window.hintPanel()->lines().isEmpty()); // not the player's turn yet
        placeBet(f, 1);
        click(f, Button::Stop);
        f.fly();
        QCOMPARE(f.model().lastOutcome(), Outcome::Draw);
        click(f, Button::Next);
        f.fly();
        placeBet(f, 1);

        QProcess sim;
        sim.start(QStringLiteral(TWENTYONE_SIM), {QStringLiteral("odds"), QStringLiteral("--player"), QStringLiteral("102,106"),
                                                   QStringLiteral("--banker-up"), QStringLiteral("408"), QStringLiteral("--seen"),
                                                   QStringLiteral("110,210,109,209"), QStringLiteral("--json")});
        QVERIFY(sim.waitForFinished(30000));
        QCOMPARE(sim.exitCode(), 0);
        const QJsonObject json = QJsonDocument::fromJson(sim.readAllStandardOutput()).object();
        auto chances = [](const QJsonObject &o) {
            return odds::Chances{o[QLatin1String("win")].toDouble(), o[QLatin1String("draw")].toDouble(),
                                 o[QLatin1String("lose")].toDouble(), o[QLatin1String("ev")].toDouble()};
        };
        odds::Figures figures;
        figures.bustNext = json[QLatin1String("bust_next")].toDouble();
        figures.stand = chances(json[QLatin1String("stand")].toObject());
        figures.draw = chances(json[QLatin1String("draw")].toObject());
        figures.best = json[QLatin1String("best")].toString() == QLatin1String("draw") ? odds::Move::Draw : odds::Move::Stand;
        figures.evOptimal = json[QLatin1String("ev_optimal")].toDouble();
        HintPanel expected;
        expected.showHint(8, figures);
        QCOMPARE(f.window.hintPanel()->lines(), expected.lines());
        // The better move (to draw on 8) lights up its button only.
        QCOMPARE(figures.best, odds::Move::Draw);
        QVERIFY(f.button(Button::Draw)->isHighlighted());
        QVERIFY(!f.button(Button::Stop)->isHighlighted());

        // Hints off: the panel empties and the highlight goes.
        f.window.menuAction(QStringLiteral("hints"))->trigger();
        QVERIFY(f.window.hintPanel()->lines().isEmpty());
        QVERIFY(!f.button(Button::Draw)->isHighlighted());
    }

    void flightTicks_data()
    {
        using Row = std::array<int, 6>;
        QTest::addColumn<bool>("animate");
        QTest::addColumn<Row>("player");
        QTest::addColumn<Row>("banker");
        QTest::newRow("animated") << true << Row{0, 48, 48, 48, 48, 48} << Row{0, 76, 62, 48, 35, 21};
        QTest::newRow("no animation") << false << Row{0, 1, 1, 1, 1, 1} << Row{0, 1, 1, 1, 1, 1};
    }
    void flightTicks()
    {
        using Row = std::array<int, 6>;
        QFETCH(bool, animate);
        QFETCH(Row, player);
        QFETCH(Row, banker);
        TableFixture f;
        f.settings.AnimationOn = animate;
        showWindow(f.window);
        f.game.newGame();
        f.fly();

        f.random.stackNextDeck(QList<int>(FullRound));
        f.game.newGame();
        TableFixture::Ticks ticks = f.fly();
        placeBet(f, 1);
        for (int card = 3; card <= 5; ++card) {
            click(f, Button::Draw);
            ticks.player[static_cast<std::size_t>(card)] = f.fly().player[static_cast<std::size_t>(card)];
        }
        click(f, Button::Stop);
        const TableFixture::Ticks banker3to5 = f.fly();
        for (std::size_t c = 3; c <= 5; ++c)
            ticks.banker[c] = banker3to5.banker[c];

        QCOMPARE(ticks.player, player);
        QCOMPARE(ticks.banker, banker);
        // Every card landed and shows in its slot; nothing flies any more.
        for (int i = 0; i < 5; ++i) {
            QVERIFY(!f.window.slot(Side::Player, i)->isHidden());
            QVERIFY(!f.window.slot(Side::Banker, i)->isHidden());
        }
        QVERIFY(f.window.flyingCard()->isHidden());
        QVERIFY(!f.flying());
    }

    void flyingCardFollowsTheFlight()
    {
        TableFixture f;
        showWindow(f.window);
        f.game.newGame();
        f.window.TmrMovePlayer_Timer();
        QVERIFY(!f.window.flyingCard()->isHidden());
        QCOMPARE(f.window.flyingCard()->pos(), QPoint((10080 - 205) / 15, (960 + 95) / 15));
        QCOMPARE(f.window.flyingCard()->pixmap().cacheKey(), f.window.backPicture().cacheKey());
        // A new game under a flight stops it before dealing afresh.
        f.window.menuAction(QStringLiteral("NewGame"))->trigger();
        QCOMPARE(f.model().playerHand().count, std::int16_t{1});
        QCOMPARE(f.window.flyingCardPosition().left, std::int16_t{10080});
        QVERIFY(f.window.flyingCard()->isHidden());
        QVERIFY(!f.window.flightTimer(Side::Banker)->isActive());
        f.fly();
        QCOMPARE(f.model().playerHand().count, std::int16_t{2});
        QCOMPARE(f.model().bankerHand().count, std::int16_t{2});
    }

    // A larger window shows the same table larger: every place, font, plate
    // and card times the zoom, the spare room split evenly around it, and
    // the pictures drawn for their pixels rather than blown up.
    void zoomedTable_data()
    {
        QTest::addColumn<qreal>("zoom");
        QTest::addColumn<QSize>("room");
        QTest::addColumn<QPoint>("origin");
        QTest::newRow("1.5") << 1.5 << QSize(1191, 822) << QPoint(0, 0);
        QTest::newRow("2") << 2.0 << QSize(1588, 1096) << QPoint(0, 0);
        QTest::newRow("2, wider room") << 2.0 << QSize(1788, 1096) << QPoint(100, 0);
        QTest::newRow("1.25, taller room") << 1.25 << QSize(993, 785) << QPoint(0, 50);
    }
    void zoomedTable()
    {
        QFETCH(qreal, zoom);
        QFETCH(QSize, room);
        QFETCH(QPoint, origin);
        TableFixture f;
        showWindow(f.window);
        QWidget *table = f.window.centralWidget();
        QHash<QString, QRect> base;
        for (const QWidget *child : table->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            base.insert(child->objectName(), child->geometry());
        f.game.newGame();
        f.dealRound(FullRound);
        placeBet(f, 1);

        QSignalSpy zoomed(&f.window, &TableWindow::zoomChanged);
        f.window.resize(f.window.size() + room - table->size());
        QTRY_COMPARE(table->size(), room);
        QVERIFY(std::abs(f.window.zoom() - zoom) < 0.001);
        QCOMPARE(zoomed.count(), 1);

        for (const char *name : {"Label1", "Label4", "Picture1", "Picture2_0", "Picture3_1", "UpDown1", "CmdStavka",
                                 "CmdNext", "Label13", "Label14", "gameNumber", "hintPanel"}) {
            const QRect was = base.value(QLatin1String(name));
            const QRect now = table->findChild<QWidget *>(QLatin1String(name))->geometry();
            const QRectF expected(QPointF(origin) + QPointF(was.topLeft()) * zoom, QSizeF(was.size()) * zoom);
            QVERIFY2(std::abs(now.x() - expected.x()) <= 1 && std::abs(now.y() - expected.y()) <= 1
                         && std::abs(now.width() - expected.width()) <= 1
                         && std::abs(now.height() - expected.height()) <= 1,
                     name);
        }
        QCOMPARE(label(f.window, "Label1")->font().pixelSize(), qRound(24 * zoom));
        QCOMPARE(f.button(Button::Draw)->picture().deviceIndependentSize().toSize(),
                 (QSizeF(113, 33) * zoom).toSize());

        // The cards follow a moment later, drawn for the zoom.
        const QSize card = (QSizeF(artwork::CardWidth, artwork::CardHeight) * zoom).toSize();
        QLabel *first = f.window.slot(Side::Player, 0);
        QTRY_COMPARE(first->pixmap().size(), card);
        QCOMPARE(first->pixmap().devicePixelRatio(), 1.0);
        QCOMPARE(first->pixmap().toImage(), artwork::cardFace(102, 1.0, f.window.zoom()).toImage());
        QCOMPARE(f.window.slot(Side::Banker, 0)->pixmap().toImage(), artwork::cardBack(1.0, f.window.zoom()).toImage());
        QCOMPARE(f.window.findChild<QLabel *>(QStringLiteral("Picture1"))->pixmap().size(), card);

        // A flight keeps its ticks and lands where the zoomed slot is.
        click(f, Button::Draw);
        f.window.TmrMovePlayer_Timer();
        const QPoint at(f.window.flyingCardPosition().left / 15, f.window.flyingCardPosition().top / 15);
        QVERIFY((f.window.flyingCard()->pos() - (origin + QPointF(at) * zoom).toPoint()).manhattanLength() <= 2);
        QCOMPARE(f.fly().player[3], 47);
        QCOMPARE(f.window.slot(Side::Player, 2)->pixmap().size(), card);

        // Back to today's size, today's pictures.
        f.window.resetZoom();
        QTRY_COMPARE(table->size(), QSize(794, 548));
        QCOMPARE(f.window.zoom(), 1.0);
        QTRY_COMPARE(first->pixmap().size(), QSize(artwork::CardWidth, artwork::CardHeight));
        QCOMPARE(label(f.window, "Label1")->geometry(), base.value(QStringLiteral("Label1")));
    }

    // The steps go down to today's size and never past the screen; full
    // screen takes the zoom out of the player's hands until it is left.
    void zoomStepsAndFullScreen()
    {
        TableFixture f;
        showWindow(f.window);
        QWidget *table = f.window.centralWidget();
        QAction *in = f.window.menuAction(QStringLiteral("zoomIn"));
        QAction *out = f.window.menuAction(QStringLiteral("zoomOut"));
        QAction *reset = f.window.menuAction(QStringLiteral("zoomReset"));
        QCOMPARE(in->shortcuts().first(), QKeySequence(Qt::CTRL | Qt::Key_Equal));
        QCOMPARE(out->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Minus));
        QCOMPARE(reset->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_0));
        QVERIFY(!out->isEnabled());
        QVERIFY(!reset->isEnabled());

        in->trigger();
        const QSize screen = f.window.screen()->availableGeometry().size();
        QTRY_VERIFY(f.window.frameGeometry().width() <= std::max(screen.width(), 794 + 50));
        const qreal afterIn = f.window.zoom();
        QVERIFY(afterIn == 1.0 || afterIn == 1.25);

        f.window.resize(f.window.size() + QSize(1588, 1096) - table->size());
        QTRY_COMPARE(f.window.zoom(), 2.0);
        QVERIFY(out->isEnabled());
        out->trigger();
        QTRY_COMPARE(f.window.zoom(), 1.75);
        QCOMPARE(table->size(), QSize(1390, 959));
        reset->trigger();
        QTRY_COMPARE(f.window.zoom(), 1.0);
        QVERIFY(!out->isEnabled());

        QAction *full = f.window.menuAction(QStringLiteral("fullScreen"));
        full->trigger();
        QTRY_VERIFY(f.window.isFullScreen());
        QVERIFY(full->isChecked());
        QVERIFY(!in->isEnabled());
        full->trigger();
        QTRY_VERIFY(!f.window.isFullScreen());
        QVERIFY(!full->isChecked());
    }

    // The size a normal window settles at is kept, once, for the next run;
    // the next run opens at it as far as the screen holds it.
    void zoomIsRemembered()
    {
        TableFixture f;
        showWindow(f.window);
        QWidget *table = f.window.centralWidget();
        QSignalSpy changed(&f.window, &TableWindow::settingsChanged);
        f.window.resize(f.window.size() + QSize(1588, 1096) - table->size());
        QTRY_COMPARE(f.settings.zoomPercent, 200);
        QTest::qWait(200);
        QCOMPARE(changed.count(), 1);

        // Full screen is the screen's size, not the player's.
        f.window.menuAction(QStringLiteral("fullScreen"))->trigger();
        QTRY_VERIFY(f.window.isFullScreen());
        QTest::qWait(200);
        QCOMPARE(f.settings.zoomPercent, 200);
        f.window.menuAction(QStringLiteral("fullScreen"))->trigger();
        QTRY_VERIFY(!f.window.isFullScreen());

        TableFixture next;
        next.settings.zoomPercent = 300;
        next.window.adjustSize();
        next.window.restoreZoom();
        showWindow(next.window);
        const QSize room = next.window.screen()->availableGeometry().size();
        const qreal fits = std::max(1.0, std::min(qreal(room.width()) / 794, qreal(room.height() - 40) / 548));
        QTRY_VERIFY(next.window.zoom() > 1.0 || fits < 1.25);
        QVERIFY(next.window.zoom() <= std::min(3.0, fits) + 0.01);
    }

    void hover_data()
    {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("picture");
        const QString table = QStringLiteral("table");
        QTest::newRow("onto an enabled button") << QStringList{"CmdStavka"} << "CmdStavka" << 1;
        QTest::newRow("then onto a label") << QStringList{"CmdStavka", "Label13"} << "CmdStavka" << 1;
        QTest::newRow("then onto the spinner") << QStringList{"CmdStavka", "UpDown1"} << "CmdStavka" << 1;
        QTest::newRow("then onto a disabled button") << QStringList{"CmdStavka", "CmdNext"} << "CmdStavka" << 1;
        QTest::newRow("then onto the bare table") << QStringList{"CmdStavka", "Label13", table} << "CmdStavka" << 0;
        QTest::newRow("over a disabled button") << QStringList{"CmdDraw"} << "CmdDraw" << 2;
        QTest::newRow("disabled, then the table") << QStringList{"CmdDraw", table} << "CmdDraw" << 2;
    }
    void hover()
    {
        QFETCH(QStringList, path);
        QFETCH(QString, button);
        QFETCH(int, picture);
        TableFixture f;
        showWindow(f.window);
        f.game.newGame();
        f.fly();
        QWidget *table = f.window.centralWidget();
        pointAt(f.window, table, QPoint(400, 200));
        for (const QString &name : path) {
            if (name == QLatin1String("table"))
                pointAt(f.window, table, QPoint(400, 200));
            else
                pointAt(f.window, table->findChild<QWidget *>(name));
        }
        QCOMPARE(f.window.findChild<ImageButton *>(button)->pictureIndex(), picture);
    }

    void hoveredButtonDisabledByItsClick()
    {
        TableFixture f;
        showWindow(f.window);
        f.game.newGame();
        f.fly();
        QTest::mouseClick(f.window.spinner()->upButton(), Qt::LeftButton);
        ImageButton *stavka = f.button(Button::Stavka);
        pointAt(f.window, stavka);
        QCOMPARE(stavka->pictureIndex(), ImageButton::Hover);
        const qint64 hoverKey = stavka->picture().cacheKey();
        click(f, Button::Stavka);
        QCOMPARE(stavka->pictureIndex(), ImageButton::Disabled);
        QVERIFY(stavka->picture().cacheKey() != hoverKey);
        // Draw came on under no pointer: its normal plate.
        QCOMPARE(f.button(Button::Draw)->pictureIndex(), ImageButton::Normal);
    }

    void damagedCardCodeLeavesSlotEmpty()
    {
        TableFixture f;
        TableScene scene;
        scene.rows = TableScene::Rows::BankerHoleDown;
        scene.player.add(150);
        scene.player.add(105);
        f.window.showSlotBack(Side::Player, 0);
        f.window.redraw(scene);
        QVERIFY(f.window.slot(Side::Player, 0)->isHidden());
        QVERIFY(!f.window.slot(Side::Player, 1)->isHidden());
        QCOMPARE(f.window.slot(Side::Player, 1)->pixmap().cacheKey(), f.window.facePicture(105).cacheKey());
    }

    void pause_data()
    {
        QTest::addColumn<bool>("musicOn");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("music on") << true << QStringList{"stopMusic", "resumeMusic"};
        QTest::newRow("music off") << false << QStringList{"stopMusic"};
    }
    void pause()
    {
        QFETCH(bool, musicOn);
        QFETCH(QStringList, calls);
        TableFixture f;
        f.settings.MusicOn = musicOn;
        f.window.menuAction(QStringLiteral("pause"))->trigger();
        QCOMPARE(f.sounds.calls, calls);
        QCOMPARE(f.window.boxes.size(), 1);
        QCOMPARE(f.window.boxes[0].text, QStringLiteral("Пауза... Для продовження натисніть на кнопку..."));
        QCOMPARE(f.window.boxes[0].title, QStringLiteral("Пауза!"));
        QCOMPARE(f.window.boxes[0].question, false);
    }

    void toggles_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("music") << "music" << QStringList{"stopMusic", "resumeMusic"};
        QTest::newRow("sounds") << "sounds" << QStringList{};
        QTest::newRow("anime") << "anime" << QStringList{};
    }
    void toggles()
    {
        QFETCH(QString, item);
        QFETCH(QStringList, calls);
        TableFixture f;
        bool &flag = item == QLatin1String("music") ? f.settings.MusicOn
            : item == QLatin1String("sounds")       ? f.settings.SoundsOn
                                                    : f.settings.AnimationOn;
        QAction *action = f.window.menuAction(item);
        action->setChecked(true);
        action->trigger();
        QVERIFY(!flag);
        QVERIFY(!action->isChecked());
        action->trigger();
        QVERIFY(flag);
        QVERIFY(action->isChecked());
        QCOMPARE(f.sounds.calls, calls);
    }

    void spinnerStaysInRange()
    {
        TableFixture f;
        UpDown *spinner = f.window.spinner();
        QCOMPARE(spinner->value(), 0);
        QTest::mouseClick(spinner->downButton(), Qt::LeftButton);
        QCOMPARE(spinner->value(), 0);
        for (int i = 0; i < 12; ++i)
            QTest::mouseClick(spinner->upButton(), Qt::LeftButton);
        QCOMPARE(spinner->value(), 10);
        QCOMPARE(label(f.window, "Label14")->text(), QStringLiteral("10"));
    }
};

QTEST_MAIN(TestTableWindow)
#include "test_tablewindow.moc"
