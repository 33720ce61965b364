// The music player over Qt Multimedia, with a real short track, headless and
// usually without any sound device.
#include "gamepaths.h"
#include "outputvolume.h"
#include "settings.h"
#include "qteffectsplayer.h"
#include "qtmediaplayer.h"
#include "qtsoundsystem.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QSignalSpy>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Generous bound for a track of about a second on a slow, busy machine.
constexpr int Watchdog = 20'000;

QString fixture()
{
    return QStringLiteral(TWENTYONE_AUDIO_TEST_DATA "/chime.mp3");
}

QString shippedTrack(int n)
{
    return gamePath(QStringLiteral(TWENTYONE_MEDIA_DIR), gamefiles::musicTrack(n).mid(9)); // below "\gamedata"
}
} // namespace

class TestQtMediaPlayer : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY2(QFileInfo::exists(fixture()), qPrintable(fixture()));
    }

    void playsToItsEndAndReportsIt()
    {
        QtMediaPlayer player;
        QSignalSpy status(&player, &MediaPlayer::statusUpdated);
        player.setFileName(fixture());
        player.open();
        player.play();
        if (!QTest::qWaitFor([&] { return player.length() > 0 || player.position() == player.length(); }, Watchdog))
            QSKIP("Qt Multimedia cannot decode MP3 here (no backend or no MP3 decoder)");
        QTRY_VERIFY_WITH_TIMEOUT(player.position() == player.length(), Watchdog);
        QVERIFY(player.length() > 900);

        // The end is reported, and the track stays open and reported afterwards.
        status.clear();
        QTRY_VERIFY_WITH_TIMEOUT(status.count() >= 2, Watchdog);
        QCOMPARE(player.position(), player.length());
    }

    void reopensTheSameFileAfterClose()
    {
        QtMediaPlayer player;
        player.setFileName(fixture());
        player.open();
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(player.length() > 0 && player.position() == player.length(), Watchdog);
        player.stop();
        player.close();
        QCOMPARE(player.fileName(), fixture());
        QVERIFY(player.position() != player.length());

        player.open();
        QVERIFY(player.position() != player.length());
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(player.length() > 0 && player.position() == player.length(), Watchdog);
    }

    void stopHaltsWithoutRewinding()
    {
        // A long track, so a slow machine cannot reach its end meanwhile.
        QtMediaPlayer player;
        player.setFileName(shippedTrack(1));
        player.open();
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(player.position() > 300, Watchdog);
        player.stop();
        const std::int32_t stoppedAt = player.position();
        // Let the pipeline settle: a stopped track neither rewinds nor moves on.
        QTest::qWait(3 * QtMediaPlayer::StatusInterval);
        const std::int32_t settled = player.position();
        QVERIFY(settled != player.length());
        QVERIFY2(settled >= stoppedAt - 100 && settled <= stoppedAt + 500,
                 qPrintable(QStringLiteral("%1 after stopping at %2").arg(settled).arg(stoppedAt)));

        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(player.position() > settled + 300, Watchdog);
        player.close();
    }

    void unplayableFilesStaySilent_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not audio") << QByteArray("this is not an mp3 file\n").repeated(40);
    }

    void unplayableFilesStaySilent()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("01.mp3"));
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QtMediaPlayer player;
        player.setFileName(path);
        player.open();
        player.play();
        QTest::qWait(3 * QtMediaPlayer::StatusInterval);
        // Never taken for a finished track, so the playlist does not spin.
        QVERIFY(player.position() != player.length());
        player.stop();
        player.close();
        player.close();
    }

    void shippedTracksDecode_data()
    {
        QTest::addColumn<int>("track");
        for (int n = 1; n <= 8; ++n)
            QTest::addRow("%02d", n) << n;
    }

    void shippedTracksDecode()
    {
        QFETCH(int, track);
        QtMediaPlayer player;
        player.setFileName(shippedTrack(track));
        QVERIFY2(QFileInfo::exists(player.fileName()), qPrintable(player.fileName()));
        player.open();
        QTRY_VERIFY_WITH_TIMEOUT(player.length() > 0, Watchdog);
        QVERIFY2(player.length() >= 60'000 && player.length() <= 120'000, qPrintable(QString::number(player.length())));
        QVERIFY(player.position() != player.length());
        player.close();
    }

    // The whole sound system without its data folder and without a sound
    // device: silent, and nothing waits or spins.
    void soundSystemWithoutDataStaysSilent()
    {
        QTemporaryDir empty;
        Settings settings;
        settings.MusicOn = true;
        settings.SoundsOn = true;
        settings.MusicTrack = 1;
        QtSoundSystem sound(settings, empty.path());
        sound.startMusic();
        sound.playSound(gamefiles::Dist);
        for (int i = 0; i < 4; ++i)
            sound.playSound(gamefiles::Draw);
        sound.stopMusic(); // the pause, as the table carries it out
        sound.resumeMusic();
        settings.MusicOn = false; // the music item off and on again
        sound.stopMusic();
        settings.MusicOn = true;
        sound.resumeMusic();
        sound.playTrack(3);
        sound.stopMusic();
        QTest::qWait(3 * QtMediaPlayer::StatusInterval);
        QCOMPARE(settings.MusicTrack, 1);
        sound.shutdown();
        sound.shutdown();
    }

    // Both real players turn the percent into a gain of their Qt output:
    // 0 silent, 100 full, rising in between, clamped outside.
    void realPlayersSetTheirGain_data()
    {
        QTest::addColumn<bool>("effects");
        QTest::newRow("music") << false;
        QTest::newRow("effects") << true;
    }

    void realPlayersSetTheirGain()
    {
        QFETCH(bool, effects);
        QtMediaPlayer music;
        QtEffectsPlayer sounds;
        // Their Qt objects are made at the first track and effect, with
        // the gain set before. (Without a sound device an effect's output
        // reports full gain whatever it is told, so the effect here has no
        // file and thus no output: its own gain is what is compared.)
        QVERIFY(!music.findChild<QAudioOutput *>() && !sounds.findChild<QSoundEffect *>());
        music.setVolume(50);
        sounds.setVolume(50);
        music.setFileName(QStringLiteral(TWENTYONE_AUDIO_TEST_DATA "/chime.mp3"));
        music.open();
        sounds.play(QStringLiteral(TWENTYONE_AUDIO_TEST_DATA "/missing.wav"));
        auto *output = music.findChild<QAudioOutput *>();
        auto *effect = sounds.findChild<QSoundEffect *>();
        QVERIFY(output && effect);
        QCOMPARE(output->volume(), outputVolume(50));
        QCOMPARE(effect->volume(), outputVolume(50));
        const auto gainAt = [&](int percent) {
            if (effects) {
                sounds.setVolume(percent);
                return effect->volume();
            }
            music.setVolume(percent);
            return output->volume();
        };

        QCOMPARE(gainAt(0), 0.0f);
        QCOMPARE(gainAt(100), 1.0f);
        float previous = 0.0f;
        for (int percent = 10; percent <= 90; percent += 10) {
            const float gain = gainAt(percent);
            QVERIFY2(gain > previous && gain < 1.0f, qPrintable(QStringLiteral("%1 % gives %2").arg(percent).arg(gain)));
            previous = gain;
        }
        QCOMPARE(gainAt(-20), 0.0f);
        QCOMPARE(gainAt(250), 1.0f);
    }

    void commandsWithNothingOpenDoNothing()
    {
        QtMediaPlayer player;
        QSignalSpy status(&player, &MediaPlayer::statusUpdated);
        player.stop();
        player.close();
        player.play();
        player.open(); // no file named yet
        QTest::qWait(2 * QtMediaPlayer::StatusInterval);
        QCOMPARE(status.count(), 0);
        QVERIFY(player.position() != player.length());
    }
};

QTEST_MAIN(TestQtMediaPlayer)
#include "tst_qtmediaplayer.moc"
