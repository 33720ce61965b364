// The music playlist against a player that only remembers its commands.
#include "fakemediaplayer.h"
#include "settings.h"
#include "musicplaylist.h"

#include <QTest>

namespace {
const QString Base = QStringLiteral("/games/21");

QString track(int n)
{
    return QStringLiteral("/games/21/gamedata/music/%1.mp3").arg(n, 2, 10, QLatin1Char('0'));
}

QString file(const QString &path)
{
    return QStringLiteral("File ") + path;
}

const QString Open = QStringLiteral("Open");
const QString Play = QStringLiteral("Play");
const QString Stop = QStringLiteral("Stop");
const QString Close = QStringLiteral("Close");
} // namespace

class TestMusicPlaylist : public QObject
{
    Q_OBJECT

private:
    Settings m_settings;
    FakeMediaPlayer *m_player = nullptr;
    MusicPlaylist *m_playlist = nullptr;

    // The player as start-up leaves it, then with the given track open.
    void startOn(int trackNumber, const QString &openFile)
    {
        m_settings.MusicOn = true;
        m_settings.MusicTrack = static_cast<std::int16_t>(trackNumber);
        m_player->setFileName(openFile);
        m_player->open();
        m_player->play();
        m_player->clearLog();
    }

    // The music menu item switched off, as the table carries it out.
    void switchMusicOff()
    {
        m_settings.MusicOn = false;
        m_playlist->stop();
    }

private slots:
    void init()
    {
        m_settings = Settings{};
        m_player = new FakeMediaPlayer(this);
        m_playlist = new MusicPlaylist(*m_player, m_settings, Base, this);
    }

    void cleanup()
    {
        delete m_playlist;
        delete m_player;
    }

    void startPlaysTheFirstTrack()
    {
        m_playlist->start();
        QCOMPARE(m_player->log(), (QStringList{file(track(1)), Open, Play}));
        QVERIFY(m_player->isPlaying());
    }

    void trackEndMovesOn_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("next");
        QTest::addColumn<QString>("nextFile"); // the file open afterwards
        QTest::addColumn<bool>("named");       // whether a file name was sent

        const QString previous = QStringLiteral("/elsewhere/previous.mp3");
        QTest::newRow("1 to 2") << 1 << 2 << track(2) << true;
        QTest::newRow("7 to 8") << 7 << 8 << track(8) << true;
        QTest::newRow("8 wraps to 1") << 8 << 1 << track(1) << true;
        QTest::newRow("0 reaches 1") << 0 << 1 << track(1) << true;
        QTest::newRow("-1 reopens") << -1 << 0 << previous << false;
        QTest::newRow("-32768 reopens") << -32768 << -32767 << previous << false;
        QTest::newRow("9 grows") << 9 << 10 << previous << false;
        QTest::newRow("100 grows") << 100 << 101 << previous << false;
        QTest::newRow("32767 turns over") << 32767 << -32768 << previous << false;
    }

    void trackEndMovesOn()
    {
        QFETCH(int, from);
        QFETCH(int, next);
        QFETCH(QString, nextFile);
        QFETCH(bool, named);
        startOn(from, QStringLiteral("/elsewhere/previous.mp3"));
        if (from >= 1 && from <= 8)
            startOn(from, track(from));

        m_player->playToEnd();

        QCOMPARE(m_settings.MusicTrack, next);
        QStringList expected{Stop, Close};
        if (named)
            expected << file(nextFile);
        expected << Open << Play;
        QCOMPARE(m_player->log(), expected);
        QCOMPARE(m_player->openFile(), nextFile);
        QVERIFY(m_player->isPlaying());
    }

    void theListLoopsThroughAllEightTracks()
    {
        m_settings.MusicTrack = 1;
        m_settings.MusicOn = true;
        m_playlist->start();
        QStringList opened;
        for (int i = 0; i < 16; ++i) {
            m_player->advance(1000); // mid-track status changes nothing
            m_player->playToEnd();
            opened << m_player->openFile();
        }
        QStringList expected;
        for (int round = 0; round < 2; ++round)
            for (int n : {2, 3, 4, 5, 6, 7, 8, 1})
                expected << track(n);
        QCOMPARE(opened, expected);
        QCOMPARE(m_settings.MusicTrack, 1);
    }

    void outOfRangeFromZeroCountsUpThenGoesOn()
    {
        startOn(-2, QStringLiteral("/elsewhere/previous.mp3"));
        QList<int> numbers;
        QStringList opened;
        for (int i = 0; i < 4; ++i) {
            m_player->playToEnd();
            numbers << m_settings.MusicTrack;
            opened << m_player->openFile();
        }
        QCOMPARE(numbers, (QList<int>{-1, 0, 1, 2}));
        QCOMPARE(opened, (QStringList{QStringLiteral("/elsewhere/previous.mp3"),
                                      QStringLiteral("/elsewhere/previous.mp3"), track(1), track(2)}));
    }

    void statusBeforeTheEndChangesNothing_data()
    {
        QTest::addColumn<bool>("musicOn");
        QTest::newRow("playing") << true;
        QTest::newRow("switched off") << false;
    }

    void statusBeforeTheEndChangesNothing()
    {
        QFETCH(bool, musicOn);
        startOn(3, track(3));
        m_player->advance(30'000);
        if (!musicOn) {
            switchMusicOff();
            m_player->clearLog();
        }
        for (int i = 0; i < 100; ++i) // short of the end when playing
            m_player->advance(500);
        QCOMPARE(m_player->log(), QStringList{});
        QCOMPARE(m_settings.MusicTrack, 3);
        QCOMPARE(m_player->position(), musicOn ? 80'000 : 30'000);
    }

    void playTrack_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("expectedFile");
        const QString previous = QStringLiteral("/elsewhere/previous.mp3");
        QTest::newRow("1") << 1 << track(1);
        QTest::newRow("7") << 7 << track(7);
        QTest::newRow("8") << 8 << track(8);
        QTest::newRow("0 reopens") << 0 << previous;
        QTest::newRow("9 reopens") << 9 << previous;
        QTest::newRow("-5 reopens") << -5 << previous;
    }

    void playTrack()
    {
        QFETCH(int, number);
        QFETCH(QString, expectedFile);
        startOn(4, QStringLiteral("/elsewhere/previous.mp3"));
        m_settings.MusicOn = false;

        m_playlist->Play_Track(number);

        QStringList expected{Stop, Close};
        if (expectedFile != QLatin1String("/elsewhere/previous.mp3"))
            expected << file(expectedFile);
        expected << Open << Play;
        QCOMPARE(m_player->log(), expected);
        QCOMPARE(m_player->openFile(), expectedFile);
        QCOMPARE(m_player->position(), 0);
        // The caller owns the number and the switch.
        QCOMPARE(m_settings.MusicTrack, 4);
        QCOMPARE(m_settings.MusicOn, false);
    }

    void musicOffAndOnResumesTheSameTrack()
    {
        startOn(5, track(5));
        m_player->advance(20'000);

        switchMusicOff();
        QVERIFY(!m_player->isPlaying());
        m_player->advance(10'000); // stands stopped
        QCOMPARE(m_settings.MusicOn, false);
        m_settings.MusicOn = true; // and on again
        m_playlist->resume();

        // The playlist leaves the switch to the table.
        QCOMPARE(m_settings.MusicOn, true);
        QCOMPARE(m_player->log(), (QStringList{Stop, Play}));
        QCOMPARE(m_settings.MusicTrack, 5);
        QCOMPARE(m_player->openFile(), track(5));
        QCOMPARE(m_player->position(), 20'000);
        QVERIFY(m_player->isPlaying());
    }

    void pause_data()
    {
        QTest::addColumn<bool>("musicOn");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("music on") << true << QStringList{Stop, Play};
        QTest::newRow("music off") << false << QStringList{Stop};
    }

    // The table's pause: "Stop" whether the music is on or not, "Play" after
    // the box only when it is on; the track keeps its place meanwhile.
    void pause()
    {
        QFETCH(bool, musicOn);
        QFETCH(QStringList, expected);
        startOn(2, track(2));
        m_player->advance(15'000);
        if (!musicOn) {
            switchMusicOff();
            m_player->clearLog();
        }

        m_playlist->stop();
        QVERIFY(!m_player->isPlaying());
        m_player->advance(10'000); // status while the box is up
        if (m_settings.MusicOn)
            m_playlist->resume();

        QCOMPARE(m_player->log(), expected);
        QCOMPARE(m_player->isPlaying(), musicOn);
        QCOMPARE(m_player->openFile(), track(2));
        QCOMPARE(m_player->position(), 15'000);
        QCOMPARE(m_settings.MusicOn, musicOn);
        QCOMPARE(m_settings.MusicTrack, 2);
    }

    void shutdownStopsAndCloses_data()
    {
        QTest::addColumn<bool>("musicOn");
        QTest::newRow("music on") << true;
        QTest::newRow("music off") << false;
    }

    void shutdownStopsAndCloses()
    {
        QFETCH(bool, musicOn);
        startOn(6, track(6));
        m_settings.MusicOn = musicOn;
        m_playlist->shutdown();
        QCOMPARE(m_player->log(), (QStringList{Stop, Close}));
        QVERIFY(!m_player->isOpen());
    }
};

QTEST_GUILESS_MAIN(TestMusicPlaylist)
#include "tst_musicplaylist.moc"
