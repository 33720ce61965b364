// Effects and the sound system the table talks to, over fake players.
#include "effectsplayer.h"
#include "fakemediaplayer.h"
#include "gamepaths.h"
#include "settings.h"
#include "qteffectsplayer.h"
#include "qtsoundsystem.h"
#include "soundeffects.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

namespace {
class FakeEffectsPlayer final : public EffectsPlayer
{
public:
    explicit FakeEffectsPlayer(QStringList *played) : m_played(played) {}
    void play(const QString &path) override { *m_played << path; }
    void setVolume(int percent) override { volume = percent; }

    int volume = -1; // the last one set

private:
    QStringList *m_played;
};

// A valid mono 16-bit WAV of soft noise-free silence ramps.
QByteArray tinyWav(int samples)
{
    QByteArray data(samples * 2, '\0');
    for (int i = 0; i < samples; ++i) {
        const auto value = static_cast<qint16>((i % 100 - 50) * 40);
        std::memcpy(data.data() + 2 * i, &value, 2);
    }
    auto le32 = [](quint32 v) {
        QByteArray b(4, '\0');
        for (int i = 0; i < 4; ++i)
            b[i] = static_cast<char>((v >> (8 * i)) & 0xff);
        return b;
    };
    auto le16 = [](quint16 v) {
        QByteArray b(2, '\0');
        b[0] = static_cast<char>(v & 0xff);
        b[1] = static_cast<char>(v >> 8);
        return b;
    };
    QByteArray wav = "RIFF" + le32(static_cast<quint32>(36 + data.size())) + "WAVEfmt " + le32(16)
                     + le16(1) + le16(1) + le32(22050) + le32(44100) + le16(2) + le16(16)
                     + "data" + le32(static_cast<quint32>(data.size())) + data;
    return wav;
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}
} // namespace

class TestSoundEffects : public QObject
{
    Q_OBJECT

private slots:
    void playSound_data()
    {
        QTest::addColumn<bool>("soundsOn");
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("played");
        QTest::newRow("on, present") << true << true << true;
        QTest::newRow("on, missing") << true << false << false;
        QTest::newRow("off, present") << false << true << false;
        QTest::newRow("off, missing") << false << false << false;
    }

    void playSound()
    {
        QFETCH(bool, soundsOn);
        QFETCH(bool, present);
        QFETCH(bool, played);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("click.wav"));
        if (present)
            QVERIFY(writeFile(path, tinyWav(100)));

        QStringList log;
        FakeEffectsPlayer player(&log);
        Settings settings;
        settings.SoundsOn = soundsOn;
        SoundEffects effects(player, settings);
        effects.Play_Sound(path);

        QCOMPARE(log, played ? QStringList{path} : QStringList{});
    }

    void eachCallIsHandedOnWithoutQueueing()
    {
        QTemporaryDir dir;
        const QString draw = dir.filePath(QStringLiteral("draw.wav"));
        const QString dist = dir.filePath(QStringLiteral("dist.wav"));
        QVERIFY(writeFile(draw, tinyWav(100)));
        QVERIFY(writeFile(dist, tinyWav(100)));
        QStringList log;
        FakeEffectsPlayer player(&log);
        Settings settings;
        settings.SoundsOn = true;
        SoundEffects effects(player, settings);

        effects.Play_Sound(dist);
        for (int i = 0; i < 4; ++i)
            effects.Play_Sound(draw);
        settings.SoundsOn = false; // the sounds menu item, as the table flips it
        effects.Play_Sound(draw);
        QCOMPARE(settings.SoundsOn, false);
        settings.SoundsOn = true;
        effects.Play_Sound(dist);
        QCOMPARE(settings.SoundsOn, true);

        QCOMPARE(log, (QStringList{dist, draw, draw, draw, draw, dist}));
    }

    void soundSystemMapsPathsBelowTheProgram()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(gamePath(dir.path(), gamefiles::Click), tinyWav(100)));
        QStringList log;
        Settings settings;
        settings.SoundsOn = true;
        auto *music = new FakeMediaPlayer;
        QtSoundSystem sound(settings, dir.path(), music, std::make_unique<FakeEffectsPlayer>(&log));

        sound.playSound(gamefiles::Click);
        sound.playSound(gamefiles::Draw); // not there: silence
        QCOMPARE(log, QStringList{dir.path() + QStringLiteral("/gamedata/sounds/click.wav")});
    }

    // The table's music commands, down to the player.
    void soundSystemDrivesTheMusic()
    {
        Settings settings;
        settings.MusicTrack = 1;
        auto *music = new FakeMediaPlayer;
        QStringList effectsLog;
        QtSoundSystem sound(settings, QStringLiteral("/g"), music,
                            std::make_unique<FakeEffectsPlayer>(&effectsLog));
        const QString first = QStringLiteral("File /g/gamedata/music/01.mp3");

        sound.startMusic();
        settings.MusicOn = true;
        QCOMPARE(music->log(), (QStringList{first, "Open", "Play"}));

        // A loaded game with its music off stops the player.
        music->clearLog();
        settings.MusicOn = false;
        settings.MusicTrack = 7;
        sound.stopMusic();
        QCOMPARE(music->log(), QStringList{"Stop"});
        QVERIFY(!music->isPlaying());
        music->advance(500);
        QCOMPARE(settings.MusicTrack, 7);

        // A loaded game with its music on starts its track from the beginning.
        music->clearLog();
        settings.MusicOn = true;
        sound.playTrack(settings.MusicTrack);
        QCOMPARE(music->log(),
                 (QStringList{"Stop", "Close", "File /g/gamedata/music/07.mp3", "Open", "Play"}));

        // Track ends are followed without the table's help.
        music->playToEnd();
        QCOMPARE(settings.MusicTrack, 8);
        QCOMPARE(music->openFile(), QStringLiteral("/g/gamedata/music/08.mp3"));

        // The music item off, the pause with the music off, the item on
        // again, as the table carries them out; then exit.
        music->clearLog();
        settings.MusicOn = false;
        sound.stopMusic();
        sound.stopMusic();
        settings.MusicOn = true;
        sound.resumeMusic();
        sound.resumeMusic();
        sound.shutdown();
        QCOMPARE(music->log(), (QStringList{"Stop", "Stop", "Play", "Play", "Stop", "Close"}));
        QVERIFY(effectsLog.isEmpty());
    }

    // The sound system's volumes reach the players, from the settings at
    // start and from every change after; zero silences without switching off.
    void volumesReachThePlayers_data()
    {
        QTest::addColumn<int>("startMusic");
        QTest::addColumn<int>("startEffects");
        QTest::addColumn<int>("music");
        QTest::addColumn<int>("effects");
        QTest::newRow("defaults, then lower") << 100 << 100 << 40 << 75;
        QTest::newRow("remembered, then silent") << 35 << 0 << 0 << 0;
        QTest::newRow("silent, then full") << 0 << 0 << 100 << 100;
    }

    void volumesReachThePlayers()
    {
        QFETCH(int, startMusic);
        QFETCH(int, startEffects);
        QFETCH(int, music);
        QFETCH(int, effects);
        QTemporaryDir dir;
        QVERIFY(writeFile(gamePath(dir.path(), gamefiles::Click), tinyWav(100)));
        Settings settings;
        settings.MusicOn = true;
        settings.SoundsOn = true;
        settings.MusicTrack = 1;
        settings.musicVolume = startMusic;
        settings.effectsVolume = startEffects;
        const Settings before = settings;
        auto *musicPlayer = new FakeMediaPlayer;
        QStringList played;
        auto effectsOwned = std::make_unique<FakeEffectsPlayer>(&played);
        FakeEffectsPlayer *effectsPlayer = effectsOwned.get();
        QtSoundSystem sound(settings, dir.path(), musicPlayer, std::move(effectsOwned));
        QCOMPARE(musicPlayer->volume(), startMusic);
        QCOMPARE(effectsPlayer->volume, startEffects);

        sound.startMusic();
        musicPlayer->clearLog();
        sound.setMusicVolume(music);
        sound.setEffectsVolume(effects);
        sound.playSound(gamefiles::Click);

        QCOMPARE(musicPlayer->volume(), music);
        QCOMPARE(effectsPlayer->volume, effects);
        // Neither a playback command nor a switch: the track plays on, effects go on.
        QCOMPARE(musicPlayer->log(), QStringList{});
        QVERIFY(musicPlayer->isPlaying());
        QCOMPARE(played, QStringList{gamePath(dir.path(), gamefiles::Click)});
        QCOMPARE(settings, before);
    }

    // Held at start-up, the sound system makes nothing sound; released, it
    // carries out what it was asked, in its order.
    void heldSoundWaitsForRelease_data()
    {
        QTest::addColumn<bool>("shutDownFirst");
        QTest::newRow("released") << false;
        QTest::newRow("shut down while held") << true;
    }

    void heldSoundWaitsForRelease()
    {
        QFETCH(bool, shutDownFirst);
        QTemporaryDir dir;
        QVERIFY(writeFile(gamePath(dir.path(), gamefiles::Click), tinyWav(100)));
        QVERIFY(writeFile(gamePath(dir.path(), gamefiles::Draw), tinyWav(100)));
        Settings settings;
        settings.SoundsOn = true;
        settings.MusicTrack = 1;
        auto *music = new FakeMediaPlayer;
        QStringList played;
        QtSoundSystem sound(settings, dir.path(), music, std::make_unique<FakeEffectsPlayer>(&played));

        sound.hold();
        sound.startMusic();
        sound.playSound(gamefiles::Click);
        sound.stopMusic();
        sound.playSound(gamefiles::Draw);
        sound.setMusicVolume(30);
        QCOMPARE(music->log(), QStringList{});
        QCOMPARE(played, QStringList{});
        QCOMPARE(music->volume(), 30);

        if (shutDownFirst)
            sound.shutdown();
        sound.release();
        if (shutDownFirst) {
            QCOMPARE(music->log(), QStringList{});
            QCOMPARE(played, QStringList{});
            return;
        }
        const QString first = QStringLiteral("File ") + gamePath(dir.path(), gamefiles::musicTrack(1));
        QCOMPARE(music->log(), (QStringList{first, "Open", "Play", "Stop"}));
        QCOMPARE(played, (QStringList{gamePath(dir.path(), gamefiles::Click), gamePath(dir.path(), gamefiles::Draw)}));

        // From now on every command goes through at once.
        sound.resumeMusic();
        sound.playSound(gamefiles::Click);
        QCOMPARE(music->log().last(), QStringLiteral("Play"));
        QCOMPARE(played.last(), gamePath(dir.path(), gamefiles::Click));
    }

    // A long evening of effects: each file gets one player, kept and reused,
    // whatever the order, instead of a new one (and a new device output) per effect.
    void realEffectsPlayerReusesOnePlayerPerFile()
    {
        QTemporaryDir dir;
        QStringList paths;
        for (const char *name : {"click.wav", "draw.wav", "dist.wav"}) {
            paths << dir.filePath(QLatin1String(name));
            QVERIFY(writeFile(paths.last(), tinyWav(400)));
        }
        QtEffectsPlayer player;
        QCOMPARE(player.playerCount(), 0);
        for (int i = 0; i < 60; ++i)
            player.play(paths[(i * 7 + i / 5) % 3]);
        QCOMPARE(player.playerCount(), 3);
        QCOMPARE(player.findChildren<QObject *>(QString(), Qt::FindDirectChildrenOnly).size(), 3);
        player.setVolume(40);
        player.play(paths[0]);
        QCOMPARE(player.playerCount(), 3);
        QTest::qWait(100);
    }

    // The real effects player, usually with no sound device here: it must
    // take quick repeated calls, missing files and junk without a crash.
    void realEffectsPlayerTakesAnything()
    {
        QTemporaryDir dir;
        const QString wav = dir.filePath(QStringLiteral("draw.wav"));
        const QString junk = dir.filePath(QStringLiteral("junk.wav"));
        QVERIFY(writeFile(wav, tinyWav(4000)));
        QVERIFY(writeFile(junk, QByteArray("not a wave file")));
        QtEffectsPlayer player;
        for (int i = 0; i < 4; ++i)
            player.play(wav);
        player.play(junk);
        player.play(dir.filePath(QStringLiteral("missing.wav")));
        player.play(wav);
        QTest::qWait(300);
    }
};

QTEST_MAIN(TestSoundEffects)
#include "tst_soundeffects.moc"
