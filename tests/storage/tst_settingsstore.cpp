// The player's remembered choices in their INI file.
#include "settings.h"
#include "settingsstore.h"
#include "testfiles.h"
#include "settingsprint.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(FileProblem)
Q_DECLARE_METATYPE(AnimationSpeed)
Q_DECLARE_METATYPE(Language)

namespace {

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

bool isRoot()
{
    return geteuid() == 0;
}

// Every remembered choice away from its default, and the switches as a
// running game might have them.
Settings unusual()
{
    Settings s;
    s.MusicOn = true;
    s.SoundsOn = false;
    s.AnimationOn = true;
    s.MusicTrack = 6;
    s.musicVolume = 35;
    s.effectsVolume = 0;
    s.animationSpeed = AnimationSpeed::Fast;
    s.hints = true;
    s.highContrast = true;
    s.language = Language::English;
    s.zoomPercent = 175;
    return s;
}

// `base` with the defaults of the remembered choices.
Settings withDefaultChoices(Settings base)
{
    const Settings defaults;
    base.musicVolume = defaults.musicVolume;
    base.effectsVolume = defaults.effectsVolume;
    base.animationSpeed = defaults.animationSpeed;
    base.hints = defaults.hints;
    base.highContrast = defaults.highContrast;
    base.language = defaults.language;
    base.zoomPercent = defaults.zoomPercent;
    return base;
}

// The file of unusual(), as a player's editor might have left it.
QByteArray unusualFile()
{
    return "[General]\nmusicVolume=35\neffectsVolume=0\nanimationSpeed=fast\nhints=true\nhighContrast=true\nlanguage=en\nzoom=175\n";
}

} // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void firstRunGivesTheDefaultsAndWritesNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gamedata/settings.ini"));
        SettingsStore store(path);
        Settings settings = unusual();

        const FileStatus status = store.load(settings);

        QVERIFY(status.ok());
        QCOMPARE(settings, withDefaultChoices(unusual()));
        QVERIFY(entries(dir.path()).isEmpty());
    }

    void choicesComeBackAndSwitchesStayOut_data()
    {
        QTest::addColumn<int>("musicVolume");
        QTest::addColumn<int>("effectsVolume");
        QTest::addColumn<AnimationSpeed>("speed");
        QTest::addColumn<bool>("hints");
        QTest::addColumn<bool>("highContrast");
        QTest::addColumn<Language>("language");
        QTest::newRow("defaults") << 100 << 100 << AnimationSpeed::Normal << false << false << Language::System;
        QTest::newRow("silent, slow, all on") << 0 << 0 << AnimationSpeed::Slow << true << true << Language::English;
        QTest::newRow("instant") << 1 << 99 << AnimationSpeed::Instant << false << true << Language::Ukrainian;
        QTest::newRow("fast") << 50 << 7 << AnimationSpeed::Fast << true << false << Language::System;
    }

    void choicesComeBackAndSwitchesStayOut()
    {
        QFETCH(int, musicVolume);
        QFETCH(int, effectsVolume);
        QFETCH(AnimationSpeed, speed);
        QFETCH(bool, hints);
        QFETCH(bool, highContrast);
        QFETCH(Language, language);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gamedata/settings.ini")); // folder made on save

        Settings saved;
        saved.MusicOn = false;
        saved.SoundsOn = true;
        saved.AnimationOn = false;
        saved.MusicTrack = 5;
        saved.musicVolume = musicVolume;
        saved.effectsVolume = effectsVolume;
        saved.animationSpeed = speed;
        saved.hints = hints;
        saved.highContrast = highContrast;
        saved.language = language;
        QVERIFY(SettingsStore(path).save(saved).ok());

        // The next run: its own switches, and the choices from the file.
        Settings next = unusual();
        QVERIFY(SettingsStore(path).load(next).ok());
        Settings expected = saved;
        expected.MusicOn = next.MusicOn;
        expected.SoundsOn = next.SoundsOn;
        expected.AnimationOn = next.AnimationOn;
        expected.MusicTrack = next.MusicTrack;
        QCOMPARE(next, expected);

        const QByteArray text = contents(path);
        for (const char *key : {"MusicOn", "SoundsOn", "AnimationOn", "MusicTrack"})
            QVERIFY2(!text.contains(key), text.constData());
        QCOMPARE(entries(dir.filePath(QStringLiteral("gamedata"))), QStringList{QStringLiteral("settings.ini")});
    }

    // One bad value costs that choice alone, and the file may be written.
    void badValueFallsBackAlone_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("line"); // replaces the key's line; empty: no line
        QTest::newRow("music volume above 100") << QByteArray("musicVolume") << QByteArray("musicVolume=101");
        QTest::newRow("music volume below 0") << QByteArray("musicVolume") << QByteArray("musicVolume=-1");
        QTest::newRow("music volume a word") << QByteArray("musicVolume") << QByteArray("musicVolume=loud");
        QTest::newRow("music volume a fraction") << QByteArray("musicVolume") << QByteArray("musicVolume=50.5");
        QTest::newRow("music volume a list") << QByteArray("musicVolume") << QByteArray("musicVolume=40, 50");
        QTest::newRow("music volume empty") << QByteArray("musicVolume") << QByteArray("musicVolume=");
        QTest::newRow("effects volume huge") << QByteArray("effectsVolume")
                                             << QByteArray("effectsVolume=99999999999999");
        QTest::newRow("unknown speed") << QByteArray("animationSpeed") << QByteArray("animationSpeed=warp");
        QTest::newRow("speed as a number") << QByteArray("animationSpeed") << QByteArray("animationSpeed=2");
        QTest::newRow("hints yes") << QByteArray("hints") << QByteArray("hints=yes");
        QTest::newRow("hints 1") << QByteArray("hints") << QByteArray("hints=1");
        QTest::newRow("contrast maybe") << QByteArray("highContrast") << QByteArray("highContrast=maybe");
        QTest::newRow("contrast missing") << QByteArray("highContrast") << QByteArray();
        QTest::newRow("unknown language") << QByteArray("language") << QByteArray("language=fr");
        QTest::newRow("language a list") << QByteArray("language") << QByteArray("language=en, uk");
        QTest::newRow("language missing") << QByteArray("language") << QByteArray();
        QTest::newRow("zoom below today's size") << QByteArray("zoom") << QByteArray("zoom=99");
        QTest::newRow("zoom past the largest") << QByteArray("zoom") << QByteArray("zoom=301");
        QTest::newRow("zoom a fraction") << QByteArray("zoom") << QByteArray("zoom=1.5");
    }

    void badValueFallsBackAlone()
    {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, line);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.ini"));
        QByteArrayList lines = unusualFile().split('\n');
        for (QByteArray &each : lines) {
            if (each.startsWith(key + '='))
                each = line;
        }
        put(path, lines.join('\n'));

        SettingsStore store(path);
        Settings settings = withDefaultChoices(unusual());
        QVERIFY(store.load(settings).ok());

        const Settings defaults;
        Settings expected = unusual();
        if (key == "musicVolume")
            expected.musicVolume = defaults.musicVolume;
        else if (key == "effectsVolume")
            expected.effectsVolume = defaults.effectsVolume;
        else if (key == "animationSpeed")
            expected.animationSpeed = defaults.animationSpeed;
        else if (key == "hints")
            expected.hints = defaults.hints;
        else if (key == "language")
            expected.language = defaults.language;
        else if (key == "zoom")
            expected.zoomPercent = defaults.zoomPercent;
        else
            expected.highContrast = defaults.highContrast;
        QCOMPARE(settings, expected);

        // Readable files are the program's to rewrite.
        QVERIFY(store.save(unusual()).ok());
        Settings reread = withDefaultChoices(unusual());
        QVERIFY(SettingsStore(path).load(reread).ok());
        QCOMPARE(reread, unusual());
    }

    // A file the program cannot make sense of gives the defaults and stays on
    // disk exactly as it was, however often the game loads and saves.
    void unreadableFileIsNeverWrittenOver_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<FileProblem>("problem");
        QTest::newRow("section without its bracket") << QStringLiteral("file")
                                                     << QByteArray("[General\nmusicVolume=5\n") << FileProblem::Damaged;
        QTest::newRow("line without a value") << QStringLiteral("file")
                                              << QByteArray("[General]\nmusicVolume=5\nloud\n") << FileProblem::Damaged;
        QTest::newRow("bad line in a later section")
            << QStringLiteral("file") << QByteArray("[General]\nmusicVolume=5\n[Other]\nx\n") << FileProblem::Damaged;
        QTest::newRow("binary junk") << QStringLiteral("file") << QByteArray("\x00\x01\x02\xff\xfe junk", 11)
                                     << FileProblem::Damaged;
        QTest::newRow("far too large") << QStringLiteral("file") << QByteArray("; nothing here\n").repeated(8000)
                                       << FileProblem::Damaged;
        QTest::newRow("folder in its place") << QStringLiteral("folder") << QByteArray() << FileProblem::IsDirectory;
        QTest::newRow("pipe in its place") << QStringLiteral("pipe") << QByteArray() << FileProblem::Unreadable;
        QTest::newRow("no read permission") << QStringLiteral("unreadable") << unusualFile()
                                            << FileProblem::Unreadable;
    }

    void unreadableFileIsNeverWrittenOver()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, content);
        QFETCH(FileProblem, problem);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.ini"));
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("settings.ini")));
            put(path + QStringLiteral("/inside"), "x");
        } else if (kind == QLatin1String("pipe")) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else {
            put(path, content);
            if (kind == QLatin1String("unreadable")) {
                if (isRoot())
                    QSKIP("permissions do not stop root");
                QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
            }
        }
        const QStringList entriesBefore = entries(dir.path());

        SettingsStore store(path);
        for (int round = 0; round < 2; ++round) {
            Settings settings = unusual();
            const FileStatus loaded = store.load(settings);
            QCOMPARE(loaded.problem, problem);
            QCOMPARE(loaded.path, path);
            QCOMPARE(settings, withDefaultChoices(unusual()));

            const FileStatus saved = store.save(unusual());
            QCOMPARE(saved.problem, problem);
        }
        if (kind == QLatin1String("unreadable"))
            QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));

        QCOMPARE(entries(dir.path()), entriesBefore);
        const QFileInfo after(path);
        if (kind == QLatin1String("folder")) {
            QVERIFY(after.isDir());
            QCOMPARE(contents(path + QStringLiteral("/inside")), QByteArray("x"));
        } else if (kind == QLatin1String("pipe")) {
            QVERIFY(after.exists() && !after.isFile() && !after.isDir()); // never opened: it would block
        } else {
            QCOMPARE(contents(path), content);
        }
    }

    // Damage that appears after a clean load is still found before writing.
    void fileDamagedSinceLoadingIsKept()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.ini"));
        put(path, unusualFile());
        SettingsStore store(path);
        Settings settings;
        QVERIFY(store.load(settings).ok());

        const QByteArray damaged = unusualFile() + "[Broken\n";
        put(path, damaged);
        QCOMPARE(store.save(settings).problem, FileProblem::Damaged);
        QCOMPARE(store.save(settings).problem, FileProblem::Damaged);
        QCOMPARE(contents(path), damaged);
    }

    void writeFailureIsReported_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<FileProblem>("problem");
        QTest::newRow("parent is a regular file") << QStringLiteral("file as folder") << FileProblem::FolderNotCreated;
        QTest::newRow("folder below a regular file") << QStringLiteral("below a file") << FileProblem::FolderNotCreated;
        QTest::newRow("directory in place of the file") << QStringLiteral("directory") << FileProblem::IsDirectory;
        QTest::newRow("folder that takes no files") << QStringLiteral("proc") << FileProblem::Unwritable;
        QTest::newRow("read-only folder") << QStringLiteral("read-only folder") << FileProblem::Unwritable;
        QTest::newRow("read-only file") << QStringLiteral("read-only file") << FileProblem::Unwritable;
    }

    void writeFailureIsReported()
    {
        QFETCH(QString, obstacle);
        QFETCH(FileProblem, problem);
        QTemporaryDir dir;
        const QString gamedata = dir.filePath(QStringLiteral("gamedata"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("gamedata")));
        QString path = gamedata + QStringLiteral("/settings.ini");
        QString kept = path; // the file that must come through byte for byte
        QString folder = gamedata;
        put(path, unusualFile());

        if (obstacle == QLatin1String("file as folder")) {
            path += QStringLiteral("/settings.ini");
        } else if (obstacle == QLatin1String("below a file")) {
            path += QStringLiteral("/deeper/settings.ini");
        } else if (obstacle == QLatin1String("directory")) {
            QVERIFY(QFile::remove(path));
            QVERIFY(QDir(gamedata).mkdir(QStringLiteral("settings.ini")));
            kept = path + QStringLiteral("/inside");
            put(kept, "x");
        } else if (obstacle == QLatin1String("proc")) {
            if (!QFileInfo(QStringLiteral("/proc/self")).exists())
                QSKIP("no /proc here");
            path = QStringLiteral("/proc/settings.ini");
            kept = path;
            folder.clear(); // its entries come and go with the processes
        } else {
            if (isRoot())
                QSKIP("permissions do not stop root");
            if (obstacle == QLatin1String("read-only folder"))
                QVERIFY(QFile::setPermissions(gamedata, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            else
                QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        }
        const QByteArray before = contents(kept);
        const QStringList entriesBefore = entries(folder);

        SettingsStore store(path);
        Settings settings;
        const FileStatus loaded = store.load(settings);
        const FileStatus status = store.save(unusual());
        QFile::setPermissions(gamedata, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

        QCOMPARE(status.problem, problem);
        if (problem == FileProblem::FolderNotCreated)
            QCOMPARE(status.path, QFileInfo(path).absolutePath());
        else
            QCOMPARE(status.path, path);
        if (problem != FileProblem::IsDirectory)
            QVERIFY(loaded.ok()); // nothing wrong with reading: the file or folder is just not there
        QCOMPARE(contents(kept), before);
        QCOMPARE(QFileInfo::exists(kept), !before.isEmpty());
        if (!folder.isEmpty())
            QCOMPARE(entries(folder), entriesBefore);
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
