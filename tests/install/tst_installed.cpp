// The installed program, started as its main() starts it from the install
// folder that install_check.sh made and made read-only, with a home of its own.
#include "application.h"
#include "datafolder.h"
#include "gamecontroller.h"
#include "gamefolders.h"
#include "gamepaths.h"
#include "message.h"
#include "soundsystem.h"
#include "tablewindow.h"
#include "testfiles.h"
#include "updown.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Plays nothing, but every effect and track asked for must be a file below
// the media folder the program was given.
class CheckingSounds final : public SoundSystem
{
public:
    explicit CheckingSounds(QString base) : m_base(std::move(base)) {}
    QStringList missing;
    int played = 0;

    void playSound(const QString &path) override { check(path); }
    void startMusic() override { check(gamefiles::musicTrack(1)); }
    void playTrack(int track) override { check(gamefiles::musicTrack(track)); }
    void resumeMusic() override {}
    void stopMusic() override {}
    void shutdown() override {}

private:
    void check(const QString &spelled)
    {
        ++played;
        if (!QFileInfo(gamePath(m_base, spelled)).isFile())
            missing << gamePath(m_base, spelled);
    }
    QString m_base;
};

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

QString installedBin() { return qEnvironmentVariable("TWENTYONE_INSTALLED_BIN"); }

} // namespace

class TestInstalled : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        if (installedBin().isEmpty())
            QSKIP("run by install_check.sh, which installs the program first");
        QCoreApplication::setApplicationName(QStringLiteral("twentyone"));
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_CONFIG_HOME");
    }

    // No gamedata beside the installed executable: the media come from the
    // installed data folder, the player's files go to the home folder.
    void findsItsFolders()
    {
        QTemporaryDir home;
        qputenv("HOME", QFile::encodeName(home.path()));
        const GameFolders folders = GameFolders::locate(installedBin(), QStringLiteral(TWENTYONE_INSTALLED_MEDIA));
        QVERIFY(folders.installed);
        QCOMPARE(folders.media, QDir::cleanPath(installedBin() + QStringLiteral("/../share/twentyone")));
        QCOMPARE(folders.data, home.filePath(QStringLiteral(".local/share/twentyone")));
        QCOMPARE(folders.config, home.filePath(QStringLiteral(".config/twentyone")));
        QStringList files{gamefiles::Click, gamefiles::Draw, gamefiles::Dist};
        for (int track = 1; track <= 8; ++track)
            files << gamefiles::musicTrack(track);
        for (const QString &file : files)
            QVERIFY2(QFileInfo(gamePath(folders.media, file)).isFile(), qPrintable(file));
    }

    // A round, a saved game, a changed setting and the exit. An unwritable
    // home gets the usual messages and the game plays on.
    void playsSavesAndQuits_data()
    {
        QTest::addColumn<bool>("writableHome");
        QTest::newRow("a fresh home") << true;
        QTest::newRow("home cannot be written") << false;
    }
    void playsSavesAndQuits()
    {
        QFETCH(bool, writableHome);
        QTemporaryDir dir;
        // A file where a folder should be stops even root from writing there.
        QString home = dir.filePath(QStringLiteral("home"));
        if (!writableHome) {
            put(home, "not a folder");
            home += QStringLiteral("/player");
        }
        qputenv("HOME", QFile::encodeName(home));

        CheckingSounds *sounds = nullptr;
        const GameFolders folders = GameFolders::locate(installedBin(), QStringLiteral(TWENTYONE_INSTALLED_MEDIA));
        Application app(
            folders,
            [&sounds](Settings &, const QString &base) {
                auto made = std::make_unique<CheckingSounds>(base);
                sounds = made.get();
                return made;
            },
            [](Settings &settings, SoundSystem &s) { return std::make_unique<ListeningWindow>(settings, s); });
        auto &window = static_cast<ListeningWindow &>(app.window());
        GameController &game = app.game();
        app.start(7);
        app.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        auto flyAll = [&window, &game] {
            for (int tick = 0; tick < 5000 && (game.isCardFlying() || game.model().isAutoPlaying()); ++tick) {
                window.TmrMovePlayer_Timer();
                window.TmrMoveComputer_Timer();
            }
        };
        window.spinner()->setValue(1);
        flyAll();
        game.bet();
        game.stand();
        flyAll();
        QCOMPARE(game.model().phase(), GameModel::Phase::RoundOver);
        QAction *saving = window.menuAction(QStringLiteral("saving"));
        QVERIFY(saving->isEnabled());
        saving->trigger();
        window.menuAction(QStringLiteral("hints"))->trigger();
        game.nextRound();
        flyAll();
        QCOMPARE(game.model().phase(), GameModel::Phase::Betting);

        const QString saved = gamePath(folders.data, gamefiles::SavedGame);
        const QString settings = gamePath(folders.config, gamefiles::Settings);
        if (writableHome) {
            QTRY_COMPARE(window.asked, QList<Message::Id>{Message::Id::GameSaved});
            QVERIFY(QFileInfo(saved).isFile());
            QVERIFY(QFileInfo(settings).isFile());
        } else {
            QTRY_VERIFY(window.asked.contains(Message::Id::StatisticsUnavailable));
            QVERIFY(window.asked.contains(Message::Id::SaveFailed));
            QVERIFY(window.asked.contains(Message::Id::SettingsUnsaved));
            QVERIFY(!window.asked.contains(Message::Id::GameSaved));
        }

        QSignalSpy exited(&app, &Application::exited);
        app.Exit_Game();
        QCOMPARE(exited.size(), 1);
        QVERIFY(sounds && sounds->played > 0);
        QCOMPARE(sounds->missing, QStringList{});
        if (writableHome) {
            QVERIFY(QFileInfo(gamePath(folders.data, gamefiles::Statistics)).isFile());
            SavedGame read;
            QVERIFY(DataFolder(folders.data).load(read).ok());
        }
    }
};

QTEST_MAIN(TestInstalled)
#include "tst_installed.moc"
