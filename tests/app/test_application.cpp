#include "application.h"
#include "auxwindows.h"
#include "recordswindow.h"
#include "ruleswindow.h"
#include "gamecontroller.h"
#include "imagebutton.h"
#include "soundsystem.h"
#include "tablewindow.h"
#include "message.h"
#include "statisticswriter.h"
#include "updown.h"
#include "testfiles.h"
#include "recordingsounds.h"
#include "developerswindow.h"
#include "effectsplayer.h"
#include "fakemediaplayer.h"
#include "gamepaths.h"
#include "qtsoundsystem.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

struct AppFixture
{
    AppFixture()
        : app(dir.path(), [this](Settings &, const QString &) {
              auto made = std::make_unique<RecordingSounds>();
              sounds = made.get();
              return made;
          })
    {
    }
    QTemporaryDir dir;
    RecordingSounds *sounds = nullptr; // the application owns it
    Application app;
};

using Side = TableView::Side;
using Button = TableView::Button;

// The real window whose boxes only remember what they were asked.
class ListeningWindow final : public TableWindow
{
public:
    using TableWindow::TableWindow;
    QList<Message::Id> asked;
    Answer ask(const Message &message) override
    {
        asked << message.id;
        return message.isQuestion() ? Answer::Yes : Answer::Ok;
    }
};

// The program started in `folder`, as a player starts it again.
struct Run
{
    explicit Run(const QString &folder)
        : app(folder, [](Settings &, const QString &) { return std::make_unique<SilentSoundSystem>(); },
              [](Settings &settings, SoundSystem &sounds) { return std::make_unique<ListeningWindow>(settings, sounds); })
    {
        app.start(7);
        app.show();
        QCoreApplication::processEvents();
    }
    ListeningWindow &window() { return static_cast<ListeningWindow &>(app.window()); }
    Application app;
};

// Effects by their full path, as the real sound system hands them on.
class ListeningEffects final : public EffectsPlayer
{
public:
    explicit ListeningEffects(QStringList *played) : m_played(played) {}
    void play(const QString &path) override { *m_played << path; }
    void setVolume(int) override {}

private:
    QStringList *m_played;
};

// The records, rules and developers windows made so far.
int auxWindowsMade()
{
    int made = 0;
    for (QWidget *widget : QApplication::allWidgets())
        made += qobject_cast<RecordsWindow *>(widget) || qobject_cast<RulesWindow *>(widget)
                || qobject_cast<DevelopersWindow *>(widget);
    return made;
}

// What had happened by the time the table's first frame was painted.
class FirstFrameProbe final : public QObject
{
public:
    explicit FirstFrameProbe(std::function<void()> look) : m_look(std::move(look)) {}
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            m_look();
        }
        return QObject::eventFilter(watched, event);
    }
    bool painted = false;

private:
    std::function<void()> m_look;
};

} // namespace

class TestApplication : public QObject
{
    Q_OBJECT

private slots:
    void startUp()
    {
        AppFixture f;
        f.app.start();
        TableWindow &w = f.app.window();
        QVERIFY(!w.isVisible());
        QCOMPARE(f.sounds->calls.value(0), QStringLiteral("startMusic"));
        QVERIFY(f.sounds->calls.indexOf(QStringLiteral("sound \\gamedata\\sounds\\dist.wav")) > 0);
        QVERIFY(f.app.settings().MusicOn && f.app.settings().SoundsOn && f.app.settings().AnimationOn);
        QCOMPARE(f.app.settings().MusicTrack, std::int16_t{1});
        for (const char *item : {"music", "sounds", "anime"})
            QVERIFY2(w.menuAction(QLatin1String(item))->isChecked(), item);
        QVERIFY(!w.menuAction(QStringLiteral("saving"))->isEnabled());
        // The records, rules and developers windows exist, hidden.
        AuxWindows *aux = f.app.auxWindows();
        QVERIFY(aux);
        for (QWidget *window : {static_cast<QWidget *>(aux->recordsWindow()), static_cast<QWidget *>(aux->rulesWindow()),
                                static_cast<QWidget *>(aux->developersWindow())}) {
            QVERIFY(window);
            QVERIFY(window->isHidden());
        }
        // The first round is being dealt: the bet button ready, the rest off.
        QCOMPARE(w.button(Button::Stavka)->pictureIndex(), ImageButton::Normal);
        QCOMPARE(w.button(Button::Draw)->pictureIndex(), ImageButton::Disabled);
        QVERIFY(!w.button(Button::Next)->isHidden());
        QVERIFY(w.flightTimer(Side::Player)->isActive());
        QCOMPARE(f.app.game().model().phase(), GameModel::Phase::Dealing);
        QVERIFY(w.findChild<QLabel *>(QStringLiteral("Label8"))->text().isEmpty());

        f.app.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QRect screen = w.screen()->availableGeometry();
        QVERIFY(qAbs(w.frameGeometry().center().x() - screen.center().x()) <= 2);
    }

    // The first frame waits for nothing it does not show: no player opens,
    // nothing sounds, no other window is made and the icon is not decoded
    // before it. Right after it the music starts from track 1, the effects
    // asked sound, the icon is set, and the records, rules and developers
    // windows exist, hidden.
    void startUpFinishesAfterTheFirstFrame()
    {
        QTemporaryDir dir;
        const QString shuffle = gamePath(dir.path(), gamefiles::Dist);
        QVERIFY(QDir().mkpath(QFileInfo(shuffle).path()));
        QFile file(shuffle);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("RIFF") == 4);
        file.close();
        FakeMediaPlayer *music = nullptr;
        QStringList played;
        Application app(dir.path(), [&](Settings &settings, const QString &baseDir) {
            music = new FakeMediaPlayer;
            return std::make_unique<QtSoundSystem>(settings, baseDir, music, std::make_unique<ListeningEffects>(&played));
        });
        QSignalSpy startedUp(&app, &Application::startedUp);
        app.start();
        QCOMPARE(music->log(), QStringList{});
        QVERIFY(played.isEmpty());
        QCOMPARE(auxWindowsMade(), 0);

        QStringList musicAtFrame{QStringLiteral("not painted")};
        int windowsAtFrame = -1;
        bool iconAtFrame = true;
        FirstFrameProbe probe([&] {
            musicAtFrame = music->log();
            windowsAtFrame = auxWindowsMade();
            iconAtFrame = !app.window().windowIcon().isNull();
        });
        app.window().installEventFilter(&probe);
        app.show();
        QVERIFY(startedUp.wait(5000));
        QVERIFY(probe.painted);
        QCOMPARE(musicAtFrame, QStringList{});
        QCOMPARE(windowsAtFrame, 0);
        QVERIFY(!iconAtFrame);
        QVERIFY(!app.window().windowIcon().isNull());

        const QString first = QStringLiteral("File ") + gamePath(dir.path(), gamefiles::musicTrack(1));
        QCOMPARE(music->log(), (QStringList{first, "Open", "Play"}));
        QCOMPARE(played.value(0), shuffle);
        QCOMPARE(auxWindowsMade(), 3);
        for (QWidget *window : {static_cast<QWidget *>(app.auxWindows()->recordsWindow()),
                                static_cast<QWidget *>(app.auxWindows()->rulesWindow()),
                                static_cast<QWidget *>(app.auxWindows()->developersWindow())})
            QVERIFY(window && window->isHidden());
        QCOMPARE(startedUp.size(), 1);
    }

    // A window asked for before the first frame is made then, and opens.
    void recordsOpenBeforeTheFirstFrame()
    {
        AppFixture f;
        f.app.start();
        QCOMPARE(auxWindowsMade(), 0);
        f.app.window().menuAction(QStringLiteral("records"))->trigger();
        RecordsWindow *records = f.app.auxWindows()->recordsWindow();
        QVERIFY(records);
        QVERIFY(records->isVisible());
        QVERIFY(!f.app.window().isVisible());
    }

    void shutdown_data()
    {
        QTest::addColumn<std::function<void(Application &)>>("request");
        QTest::newRow("menu item wert") << std::function<void(Application &)>(
            [](Application &app) { app.window().menuAction(QStringLiteral("wert"))->trigger(); });
        QTest::newRow("close box or Alt+F4") << std::function<void(Application &)>(
            [](Application &app) { app.window().close(); });
        QTest::newRow("another game declined") << std::function<void(Application &)>(
            [](Application &app) { app.window().exitGame(); });
    }
    void shutdown()
    {
        QFETCH(std::function<void(Application &)>, request);
        AppFixture f;
        f.app.start();
        f.app.show();
        TableWindow &w = f.app.window();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QSignalSpy exited(&f.app, &Application::exited);

        request(f.app);
        QCOMPARE(exited.size(), 1);
        QCOMPARE(f.sounds->calls.count(QStringLiteral("shutdown")), 1);
        QVERIFY(!w.isVisible());
        QVERIFY(!w.flightTimer(Side::Player)->isActive());
        QVERIFY(!w.flightTimer(Side::Banker)->isActive());

        // Nothing runs the shutdown twice, and nothing comes back on screen.
        w.close();
        f.app.Exit_Game();
        w.exitGame();
        QCOMPARE(exited.size(), 1);
        QCOMPARE(f.sounds->calls.count(QStringLiteral("shutdown")), 1);
        for (QWidget *top : QApplication::topLevelWidgets())
            QVERIFY2(!top->isVisible(), qPrintable(top->objectName()));
        QCOMPARE(w.ask(Message(Message::Id::GameLost)), TableView::Answer::No);
    }

    // The player's own choices come back at the next start; the switches
    // start on as always.
    void settingsSurviveARestart()
    {
        QTemporaryDir dir;
        {
            Run first(dir.path());
            QVERIFY(!first.app.settings().hints && !first.app.settings().highContrast); // the first run as always
            first.window().menuAction(QStringLiteral("hints"))->trigger();
            first.window().menuAction(QStringLiteral("highContrast"))->trigger();
            first.window().menuAction(QStringLiteral("music"))->trigger(); // not remembered
            QVERIFY(first.window().asked.isEmpty());
        }
        Run second(dir.path());
        QVERIFY(second.app.settings().hints);
        QVERIFY(second.app.settings().highContrast);
        QVERIFY(second.app.settings().MusicOn);
        QVERIFY(second.window().menuAction(QStringLiteral("hints"))->isChecked());
        QVERIFY(second.window().menuAction(QStringLiteral("highContrast"))->isChecked());
        QVERIFY(second.app.auxWindows()->isHighContrast());
        QVERIFY(second.window().asked.isEmpty());
    }

    // A damaged settings file: the usual settings, one message, and the
    // file as it was however often the choices change.
    void statisticsUnavailable_data();
    void statisticsUnavailable();

    void damagedSettingsFileIsKept()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gamedata/settings.ini"));
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        static const char bytes[] = "[General\nhints=true\x00\xff garbage [[[";
        const QByteArray damaged(bytes, sizeof bytes - 1);
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(damaged);
        }
        Run run(dir.path());
        QVERIFY(!run.app.settings().hints);
        QCOMPARE(run.window().asked, QList<Message::Id>{Message::Id::SettingsUnreadable});
        run.window().menuAction(QStringLiteral("hints"))->trigger();
        run.window().menuAction(QStringLiteral("highContrast"))->trigger();
        QVERIFY(run.app.settings().hints);
        QCOMPARE(run.window().asked.size(), 1);
        QCOMPARE(contents(path), damaged);
    }
};

// A statistics file that cannot be used: the game plays on, says so once,
// and leaves the file as it was.
void TestApplication::statisticsUnavailable_data()
{
    QTest::addColumn<bool>("locked");
    QTest::newRow("damaged") << false;
    QTest::newRow("held by another running copy") << true;
}

void TestApplication::statisticsUnavailable()
{
    QFETCH(bool, locked);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gamedata/statistics.sqlite"));
    std::unique_ptr<StatisticsWriter> other;
    if (locked) {
        other = std::make_unique<StatisticsWriter>(path);
        other->start();
        other->flush();
    } else {
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, '\x5a'));
    }
    const QByteArray before = contents(path);

    Run run(dir.path());
    QTRY_COMPARE(run.window().asked, QList<Message::Id>{Message::Id::StatisticsUnavailable});
    // Rounds go on as ever: bet 1, stand, next.
    GameController &game = run.app.game();
    TableWindow &window = run.window();
    auto flyAll = [&window, &game] {
        for (int tick = 0; tick < 5000 && (game.isCardFlying() || game.model().isAutoPlaying()); ++tick) {
            window.TmrMovePlayer_Timer();
            window.TmrMoveComputer_Timer();
        }
    };
    window.spinner()->setValue(1);
    for (int round = 0; round < 3; ++round) {
        flyAll();
        game.bet();
        game.stand();
        flyAll();
        QCOMPARE(game.model().phase(), GameModel::Phase::RoundOver);
        game.nextRound();
    }
    QCOMPARE(run.window().asked, QList<Message::Id>{Message::Id::StatisticsUnavailable});
    QCOMPARE(contents(path), before);
}

QTEST_MAIN(TestApplication)
#include "test_application.moc"
