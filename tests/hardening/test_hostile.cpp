// The engine in a hostile environment: no data folder, paths blocked by
// files, folders or pipes, read-only folders, a huge or empty saved game,
// and control or undefined bytes inside the fields. Every case ends in
// silence or a clear Ukrainian message, with the game on the table and
// every file on disk exactly as they were.
#include "testgame.h"
#include "twogames.h"
#include "testfiles.h"

#include "fixedwidth.h"
#include "gamepaths.h"
#include "recordsfile.h"
#include "savedgamemapping.h"
#include "savegame.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using Button = TableView::Button;

namespace {

const QString Saved = QStringLiteral("Гру успішно збережено... Для продовження натисніть на кнопку...");
const QString Loaded = QStringLiteral("Гру успішно завантажено... Для продовження натисніть на кнопку...");
const QString SaveTitle = QStringLiteral("Збереження гри");
const QString LoadTitle = QStringLiteral("Завантаження гри");

// Every entry below `root`: folders and special files by kind, regular files
// by their bytes, and huge ones by size and first row.
QMap<QString, QByteArray> tree(const QString &root)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QByteArray &entry = entries[QDir(root).relativeFilePath(info.filePath())];
        if (info.isDir())
            entry = "<folder>";
        else if (!info.isFile())
            entry = "<special>"; // never opened: a pipe would block
        else if (info.size() > 1 << 20) {
            QFile file(info.filePath());
            entry = QByteArray::number(info.size()) + ' ' + (file.open(QIODevice::ReadOnly) ? file.read(400) : QByteArray());
        }
        else
            entry = contents(info.filePath());
        entry += " mode " + QByteArray::number(uint(info.permissions()), 16);
    }
    return entries;
}

// The row a save would write now.
QByteArray saveRow(const TestGame &g)
{
    return savegame::encode(savedgamemapping::record(g.model(), g.settings, {}));
}

// Everything a refused load or a failed save must leave as it was.
QByteArray snapshot(const TestGame &g)
{
    const GameModel &m = g.model();
    return saveRow(g) + ' ' + QByteArray::number(int(m.phase())) + ' ' + QByteArray::number(int(m.lastOutcome()))
           + ' ' + QByteArray::number(m.pot().value_or(-1)) + ' ' + QByteArray::number(m.playerPoints()) + ' '
           + QByteArray::number(m.bankerPoints());
}

bool isUkrainian(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x400 && c.unicode() <= 0x4ff; });
}

void playToStand(TestGame &g)
{
    g.start();
    g.bet(10);
    g.table.click(Button::Stop);
    QVERIFY(!g.game.isBankerPlaying());
}

// The other game of the crash test, as a saved row.
QByteArray otherGameRow()
{
    return savegame::encode(twogames::game(1));
}

QByteArray recordsTable()
{
    return recordsfile::encode(twogames::records(0));
}

bool isRoot()
{
    return geteuid() == 0;
}

} // namespace

class TestHostile : public QObject
{
    Q_OBJECT

private slots:
    void missingDataFolder()
    {
        TestGame g;
        playToStand(g);
        const QByteArray before = snapshot(g);
        const QString gamedata = QDir(g.dir.path()).filePath(QStringLiteral("gamedata"));

        // Loading reports the missing file and creates nothing.
        g.game.loadGame();
        QCOMPARE(g.table.messages.size(), 1);
        QCOMPARE(g.table.messages[0].title, LoadTitle);
        QVERIFY2(g.table.messages[0].text.contains(QStringLiteral("не знайдено")), qPrintable(g.table.messages[0].text));
        QCOMPARE(snapshot(g), before);
        QVERIFY(!QFileInfo::exists(gamedata));

        // The records table reads as ten empty places; a score of 0 enters none.
        RecordsTable empty;
        QVERIFY(g.files.readRecords(empty).ok());
        QCOMPARE(empty, RecordsTable());
        g.game.enterRecord(0);
        QCOMPARE(g.table.messages.last().text, QStringLiteral("Ура! Ви перемогли! Бажаєте грати ще?"));
        QVERIFY(!QFileInfo::exists(gamedata));

        // Saving and entering a record create the folders they need.
        g.game.saveGame();
        QCOMPARE(g.table.messages.last().text, Saved);
        QCOMPARE(contents(gamePath(g.dir.path(), gamefiles::SavedGame)), saveRow(g));
        g.table.names.enqueue(QStringLiteral("Перший"));
        g.game.enterRecord(250);
        const QByteArray table = contents(gamePath(g.dir.path(), gamefiles::Records));
        QCOMPARE(table.size(), 250);
        QCOMPARE(table.first(25), cp1251::encode(QStringLiteral("Перший")) + QByteArray(14, ' ') + " 250 ");
        QCOMPARE(table.mid(25), (QByteArray(20, ' ') + " 0   ").repeated(9));
    }

    void blockedPaths_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<bool>("saves");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<bool>("records");
        QTest::newRow("gamedata is a file") << "gamedata" << false << false << false;
        QTest::newRow("saves is a file") << "saves" << false << false << true;
        QTest::newRow("tables is a file") << "tables" << true << true << false;
        QTest::newRow("data files are folders") << "folders" << false << false << false;
        QTest::newRow("saved game is a pipe") << "pipe" << false << false << true;
        QTest::newRow("read-only folders") << "read-only folders" << false << true << false;
        QTest::newRow("read-only files") << "read-only files" << false << true << false;
    }
    void blockedPaths()
    {
        QFETCH(QString, obstacle);
        QFETCH(bool, saves);
        QFETCH(bool, loads);
        QFETCH(bool, records);

        TestGame g;
        const QString base = g.dir.path();
        const QString savePath = gamePath(base, gamefiles::SavedGame);
        const QString recordsPath = gamePath(base, gamefiles::Records);
        const QString savesDir = QFileInfo(savePath).path();
        const QString tablesDir = QFileInfo(recordsPath).path();
        put(savePath, otherGameRow());
        put(recordsPath, recordsTable());

        auto replaceByFile = [](const QString &folder) {
            QVERIFY(QDir(folder).removeRecursively());
            put(folder, "a file where a folder belongs");
        };
        if (obstacle == QLatin1String("gamedata")) {
            replaceByFile(QFileInfo(savesDir).path());
        } else if (obstacle == QLatin1String("saves")) {
            replaceByFile(savesDir);
        } else if (obstacle == QLatin1String("tables")) {
            replaceByFile(tablesDir);
        } else if (obstacle == QLatin1String("folders")) {
            for (const QString &path : {savePath, recordsPath}) {
                QVERIFY(QFile::remove(path));
                put(path + QStringLiteral("/inside.txt"), "kept");
            }
        } else if (obstacle == QLatin1String("pipe")) {
            QVERIFY(QFile::remove(savePath));
            QCOMPARE(mkfifo(QFile::encodeName(savePath).constData(), 0644), 0);
        } else {
            if (isRoot())
                QSKIP("root writes through file permissions; the other rows block it another way");
            const bool folders = obstacle == QLatin1String("read-only folders");
            for (const QString &path : folders ? QStringList{savesDir, tablesDir} : QStringList{savePath, recordsPath})
                QCOMPARE(chmod(QFile::encodeName(path).constData(), folders ? 0555 : 0444), 0);
        }
        // Restore permissions so the folder can be removed afterwards.
        auto restore = qScopeGuard([&] {
            for (const QString &path : {savesDir, tablesDir})
                chmod(QFile::encodeName(path).constData(), 0755);
        });

        playToStand(g);

        // Saving.
        QMap<QString, QByteArray> files = tree(base);
        QByteArray game = snapshot(g);
        g.table.messages.clear();
        g.game.saveGame();
        QCOMPARE(g.table.messages.size(), 1);
        QCOMPARE(g.table.messages[0].title, SaveTitle);
        const QString saveText = g.table.messages[0].text;
        QCOMPARE(saveText == Saved, saves);
        QCOMPARE(snapshot(g), game);
        if (!saves) {
            QVERIFY2(saveText.startsWith(QStringLiteral("Не вдалося зберегти гру")), qPrintable(saveText));
            QVERIFY(saveText.contains(QStringLiteral("без змін")));
            QCOMPARE(tree(base), files);
        }

        // Loading.
        files = tree(base);
        game = snapshot(g);
        g.table.messages.clear();
        g.game.loadGame();
        QCOMPARE(g.table.messages.size(), 1);
        QCOMPARE(g.table.messages[0].title, LoadTitle);
        QCOMPARE(g.table.messages[0].text == Loaded, loads);
        QCOMPARE(tree(base), files);
        if (!loads) {
            QVERIFY2(isUkrainian(g.table.messages[0].text), qPrintable(g.table.messages[0].text));
            QVERIFY(g.table.messages[0].text.contains(QStringLiteral("гра триває")));
            QCOMPARE(snapshot(g), game);
        }

        // A won game offered to the records table.
        files = tree(base);
        g.table.messages.clear();
        g.table.names.enqueue(QStringLiteral("Переможець"));
        g.game.enterRecord(990);
        QCOMPARE(g.table.messages.last().title, QStringLiteral("Перемога!"));
        QCOMPARE(g.table.messages.last().question, true);
        QCOMPARE(g.table.messages.size(), records ? 1 : 2);
        if (records) {
            RecordsTable read;
            QVERIFY(recordsfile::read(recordsPath, read).ok());
            QCOMPARE(read.names[0], QStringLiteral("Переможець"));
        } else {
            QCOMPARE(g.table.messages[0].title, QStringLiteral("Рекорди"));
            QVERIFY2(isUkrainian(g.table.messages[0].text), qPrintable(g.table.messages[0].text));
            QCOMPARE(tree(base), files);
        }
    }

    // Loading takes the first row of a huge file without reading the rest.
    void hugeSavedGame()
    {
        TestGame g;
        playToStand(g);
        const QString path = gamePath(g.dir.path(), gamefiles::SavedGame);
        const QByteArray row = otherGameRow();
        put(path, row);
        constexpr qint64 Huge = qint64(1) << 30;
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.resize(Huge)); // sparse: no disk space used
        }
        const qint64 peakBefore = peakMemoryKiB();
        g.game.loadGame();
        const qint64 peakAfter = peakMemoryKiB();

        QCOMPARE(g.table.lastMessage()->text, Loaded);
        QCOMPARE(g.model().playerMoney(), 65);
        QCOMPARE(g.settings.MusicTrack, 7);
        QCOMPARE(QFileInfo(path).size(), Huge);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(row.size() + 16), row + QByteArray(16, '\0'));
        if (peakBefore > 0)
            QVERIFY2(peakAfter - peakBefore < 64 * 1024, qPrintable(QStringLiteral("peak grew by %1 KiB").arg(peakAfter - peakBefore)));
    }

    void oddBytesInSavedFields_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("resaved"); // the field as a save right after the load writes it; empty: refused

        QTest::newRow("empty file") << 0 << QByteArray() << QByteArray();
        QTest::newRow("control bytes in DeckPos") << 294 << QByteArray("\x1b[5") << QByteArray();
        QTest::newRow("undefined byte in a hand card") << 252 << QByteArray("\x98""101") << QByteArray(" 0  ");
        QTest::newRow("NUL before the player's money") << 27 << QByteArray("\x00""130", 4) << QByteArray(" 0  ");
        QTest::newRow("NUL after the banker's digits") << 35 << QByteArray(" 7\x00""0", 4) << QByteArray(" 7  ");
        QTest::newRow("tab before a hand card") << 274 << QByteArray("\t101") << QByteArray(" 0  ");
        QTest::newRow("control bytes in a count") << 250 << QByteArray("\x7f""5") << QByteArray(" 0");
        QTest::newRow("NUL inside the music flag") << 10 << QByteArray("True\x00", 5) << QByteArray("True ");
        QTest::newRow("control and Cyrillic bytes in the phase")
            << 300 << QByteArray("\x01\x02\x1f\xcf\xe0\x98\xff\x00Finish\r\n\t\x7f  12", 20) << QByteArray("0" + QByteArray(19, ' '));
    }
    void oddBytesInSavedFields()
    {
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, resaved);

        TestGame g;
        playToStand(g);
        const QString path = gamePath(g.dir.path(), gamefiles::SavedGame);
        // Music off in the file, on in the game: a flag the load cannot read stays on.
        QByteArray file = otherGameRow();
        if (bytes.isEmpty())
            file.clear();
        else
            file.replace(offset, bytes.size(), bytes);
        put(path, file);
        const QByteArray before = snapshot(g);

        g.game.loadGame();
        QCOMPARE(contents(path), file);
        QCOMPARE(g.table.messages.last().title, LoadTitle);
        if (resaved.isEmpty()) {
            QVERIFY(g.table.messages.last().text != Loaded);
            QVERIFY2(isUkrainian(g.table.messages.last().text), qPrintable(g.table.messages.last().text));
            QCOMPARE(snapshot(g), before);
            return;
        }
        QCOMPARE(g.table.messages.last().text, Loaded);
        g.game.saveGame();
        QCOMPARE(g.table.messages.last().text, Saved);
        QCOMPARE(contents(path).mid(offset, resaved.size()), resaved);

        // Play goes on from whatever was loaded, within the bounds of the hands and deck.
        for (int round = 0; round < 3 && g.table.exits == 0; ++round) {
            g.table.click(Button::Next);
            g.bet(1);
            g.table.click(Button::Draw);
            g.table.click(Button::Stop);
            QVERIFY(g.model().playerHand().count >= 0 && g.model().playerHand().count <= 5);
            QVERIFY(g.model().bankerHand().count >= 0 && g.model().bankerHand().count <= 5);
            QVERIFY(g.model().deck().position >= 1 && g.model().deck().position <= 53);
        }
    }

    // Names written by another program keep every byte when the table moves them down.
    void oddBytesInRecordNames()
    {
        TestGame g;
        const QString path = gamePath(g.dir.path(), gamefiles::Records);
        QByteArray names[10] = {
            QByteArray("\x00\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b\x0c\x0d\x0e\x0f\x10\x11\x12\x13", 20),
            QByteArray("\x14\x15\x16\x17\x18\x19\x1a\x1b\x1c\x1d\x1e\x1f", 12),
            QByteArray("\x98\x98 undefined \x98"),
            QByteArray("\xcf\xe5\xf2\xf0\xee \xff\xbf\xb3\xba\xb4"), // "Петро яїієґ"
            QByteArray("tab\there\r\n"),
            QByteArray("\x7f\x80\x81\x83\x88\xad"),
            QByteArray("20 characters long!!"),
            QByteArray("\x00", 1),
            QByteArray("plain"),
            QByteArray("last"),
        };
        const QByteArray scores[10] = {" 900 ", "\x01 800", QByteArray(" 7\x00""0 ", 5), "-12  ", " 500 ",
                                       "\x98 400", " 300 ", " 200 ", " 100 ", "-50  "};
        QByteArray table;
        for (int n = 0; n < 10; ++n)
            table += names[n] + QByteArray(20 - names[n].size(), ' ') + scores[n];
        QCOMPARE(table.size(), 250);
        const QByteArray tail("\x00\x98 tail", 7);
        put(path, table + tail);

        g.table.names.enqueue(QStringLiteral("Zoë\x01✓"));
        g.game.enterRecord(950);
        QCOMPARE(g.table.inputPrompts.size(), 1);
        const QByteArray written = contents(path);
        QCOMPARE(written.size(), 250 + tail.size());
        QCOMPARE(written.mid(250), tail);
        QCOMPARE(written.first(25), QByteArray("Zo?\x01?") + QByteArray(15, ' ') + " 950 ");
        // Rows 1..9 move down one place, names byte for byte; scores as they read.
        const QByteArray readScores[9] = {" 900 ", " 0   ", " 7   ", "-12  ", " 500 ", " 0   ", " 300 ", " 200 ", " 100 "};
        for (int n = 1; n < 10; ++n) {
            const QByteArray row = written.mid(n * 25, 25);
            QCOMPARE(row.first(20), table.mid((n - 1) * 25, 20));
            QCOMPARE(row.mid(20), readScores[n - 1]);
        }
    }

    // A data folder whose path holds Cyrillic letters and spaces.
    void cyrillicFolder()
    {
        QTemporaryDir dir;
        const QString base = dir.filePath(QStringLiteral("Мої ігри/21 (копія)"));
        Settings settings;
        FakeTable table;
        SeededRandom random(3);
        SeededRandom numbers(4);
        const DataFolder files(base);
        GameController game(table, files, random, numbers, settings);
        table.game = &game;
        settings.MusicOn = settings.SoundsOn = settings.AnimationOn = true;
        settings.MusicTrack = 1;
        game.newGame();
        table.land();
        game.saveGame();
        QCOMPARE(table.lastMessage()->text, Saved);
        game.loadGame();
        QCOMPARE(table.lastMessage()->text, Loaded);
        table.names.enqueue(QStringLiteral("Олесь"));
        game.enterRecord(100);
        RecordsTable read;
        QVERIFY(recordsfile::read(gamePath(base, gamefiles::Records), read).ok());
        QCOMPARE(read.names[0], QStringLiteral("Олесь"));
    }

private:
    // The process's peak resident memory, or 0 where the system does not tell.
    static qint64 peakMemoryKiB()
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return 0;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').value(0).toLongLong();
        }
        return 0;
    }
};

QTEST_GUILESS_MAIN(TestHostile)
#include "test_hostile.moc"
