#include "application.h"
#include "auxwindows.h"
#include "invariants.h"
#include "developerswindow.h"
#include "recordswindow.h"
#include "ruleswindow.h"
#include "gamecontroller.h"
#include "settings.h"
#include "imagebutton.h"
#include "random.h"
#include "soundsystem.h"
#include "tablewindow.h"
#include "updown.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <random>

namespace {

using Side = TableView::Side;
using Button = TableView::Button;

// The real window whose boxes answer at random, as a restless player would.
class RandomWindow final : public TableWindow
{
public:
    RandomWindow(Settings &settings, SoundSystem &sounds, std::mt19937 &random)
        : TableWindow(settings, sounds), m_random(random)
    {
    }

    // Always another game: a "No" would end the run.
    Answer ask(const Message &message) override { return message.isQuestion() ? Answer::Yes : Answer::Ok; }

    QString askText(const Message &) override
    {
        static const QString names[] = {
            QString(), QStringLiteral("Олеся"), QStringLiteral("   "), QStringLiteral("Ґаврило Їжакевич-Щербатюк-Єрмоленко"),
            QStringLiteral("✓ emoji 🂡"), QString(300, QLatin1Char('x')), QStringLiteral("tab\tnul") + QChar(0)};
        return names[std::uniform_int_distribution(0, 6)(m_random)];
    }

private:
    std::mt19937 &m_random;
};

} // namespace

// Random clicks, pointer moves, menu commands (changes of language among
// them) and flight ticks sent to the whole program (table, records, rules
// and developers windows), with the game's invariants checked after every
// event.
class TestRandomPlayApp : public QObject
{
    Q_OBJECT

private slots:
    void randomEvents()
    {
        const std::uint32_t seed = qEnvironmentVariableIsSet("TWENTYONE_SEED")
            ? static_cast<std::uint32_t>(qEnvironmentVariableIntValue("TWENTYONE_SEED"))
            : 1;
        const int events = qEnvironmentVariableIsSet("TWENTYONE_EVENTS") ? qEnvironmentVariableIntValue("TWENTYONE_EVENTS")
                                                                         : 100000;
        qInfo("seed %u, %d events (replay with TWENTYONE_SEED)", seed, events);

        std::mt19937 random(seed);
        QTemporaryDir dir;
        Application app(
            dir.path(), [](Settings &, const QString &) { return std::make_unique<SilentSoundSystem>(); },
            [&random](Settings &settings, SoundSystem &sounds) {
                return std::make_unique<RandomWindow>(settings, sounds, random);
            });
        TableWindow &window = app.window();
        GameController &game = app.game();
        const GameModel &model = game.model();
        // Only the test's own ticks move a card.
        for (Side side : {Side::Player, Side::Banker})
            window.flightTimer(side)->setInterval(3600 * 1000);
        app.start(seed);
        app.show();

        const QStringList menu = {"NewGame", "opening", "saving", "music", "sounds", "anime", "pause",
                                  "records", "rules", "about", "english", "ukrainian"};
        auto *upDown = window.findChild<UpDown *>(QStringLiteral("UpDown1"));
        QVERIFY(upDown);
        // Purses together: 200 until a load brings a file's own sum.
        int total = 200;

        auto check = [&]() -> QString {
            if (const QString fault = brokenInvariant(model, total); !fault.isEmpty())
                return fault;
            if (window.flightTimer(Side::Player)->isActive() && window.flightTimer(Side::Banker)->isActive())
                return QStringLiteral("two flights at once");
            // The buttons show the model's moves and nothing else.
            const GameModel::Moves moves = model.moves();
            const bool offered[] = {moves.bet, moves.draw, moves.stand, moves.next};
            for (int b = 0; b < 4 && model.phase() != GameModel::Phase::GameOver; ++b)
                if (window.button(static_cast<Button>(b))->isEnabled() != offered[b])
                    return QStringLiteral("button %1 differs from the moves").arg(b);
            if (upDown->isEnabled() != moves.bet && model.phase() != GameModel::Phase::GameOver)
                return QStringLiteral("spinner differs from the moves");
            RecordsWindow *records = app.auxWindows()->recordsWindow();
            if (window.isVisible() == (records && records->isVisible()))
                return QStringLiteral("table and records window both shown or both hidden");
            return {};
        };

        int landed = 0;
        int windowsLeft = 0;
        for (int event = 0; event < events; ++event) {
            const int kind = std::uniform_int_distribution(0, 19)(random);
            const char *what = "";
            // A window over the table takes the input: go back or close it.
            QWidget *over = QApplication::activeModalWidget();
            if (RecordsWindow *records = app.auxWindows()->recordsWindow(); !over && records && records->isVisible())
                over = records;
            if (over && kind < 9) {
                what = "back";
                ++windowsLeft;
                if (kind % 2 == 0)
                    QTest::mouseClick(over->findChild<QAbstractButton *>(QStringLiteral("Command1")), Qt::LeftButton);
                else
                    over->close();
            } else if (kind < 4) {
                what = "click";
                const bool gameOver = model.playerMoney() < 1 || model.bankerMoney() < 1;
                const bool settled = !game.isBankerPlaying() && !game.isCardFlying();
                QTest::mouseClick(window.button(static_cast<Button>(kind)), Qt::LeftButton);
                // Another game after one is over starts from 100 each.
                if (kind == int(Button::Next) && gameOver && settled)
                    total = 200;
            } else if (kind < 6) {
                what = "spinner";
                QTest::mouseClick(kind == 4 ? upDown->upButton() : upDown->downButton(), Qt::LeftButton);
            } else if (kind < 8) {
                what = "move";
                QWidget *target = window.centralWidget();
                if (kind == 7)
                    target = window.button(static_cast<Button>(std::uniform_int_distribution(0, 3)(random)));
                QTest::mouseMove(target, QPoint(std::uniform_int_distribution(0, target->width() - 1)(random),
                                                std::uniform_int_distribution(0, target->height() - 1)(random)));
            } else if (kind < 9) {
                const QString item = menu[std::uniform_int_distribution(0, static_cast<int>(menu.size()) - 1)(random)];
                what = "menu";
                const bool loading = item == QLatin1String("opening");
                window.menuAction(item)->trigger();
                // A loaded file brings its own purses; a refused one changes nothing.
                if (loading && model.phase() == GameModel::Phase::Resumed)
                    total = model.playerMoney() + model.bankerMoney();
                if (item == QLatin1String("NewGame"))
                    total = 200;
                // Every window says its words again at once, mid-flight or not.
                if (item == QLatin1String("english") || item == QLatin1String("ukrainian"))
                    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
            } else {
                what = "tick";
                const bool wasFlying = game.isCardFlying();
                if (window.flightTimer(Side::Player)->isActive())
                    window.TmrMovePlayer_Timer();
                else if (window.flightTimer(Side::Banker)->isActive())
                    window.TmrMoveComputer_Timer();
                if (wasFlying && !game.isCardFlying())
                    ++landed;
            }
            const QString fault = check();
            if (!fault.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1, event %2 (%3): %4").arg(seed).arg(event).arg(what, fault)));
        }

        // Every card in the air lands.
        for (int tick = 0; tick < 1000 && game.isCardFlying(); ++tick) {
            window.TmrMovePlayer_Timer();
            window.TmrMoveComputer_Timer();
        }
        QVERIFY2(!game.isCardFlying(), qPrintable(QStringLiteral("seed %1: a card never landed").arg(seed)));
        QVERIFY(landed > 0);
        QVERIFY(windowsLeft > 0);
        qInfo("%d landings, %d times back from a window over the table", landed, windowsLeft);
    }
};

QTEST_MAIN(TestRandomPlayApp)
#include "test_randomplay_app.moc"
