// Writes the seed corpus of the fuzz targets with the real encoders: saved
// games from play through the engine, records tables with Cyrillic names
// and a negative score, and typical fields. Usage: fuzz_seeds DIR
#include "fixedwidth.h"
#include "recordsfile.h"
#include "savegame.h"
#include "testgame.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstring>
#include <functional>

namespace {

using Button = TableView::Button;

bool put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The saved-game file as the game writes it.
QByteArray saved(TestGame &g)
{
    g.game.saveGame();
    return contents(g.files.savedGamePath());
}

// The same row with some fields changed.
QByteArray edited(const QByteArray &row, const std::function<void(SavedGame &)> &edit)
{
    SavedGame record;
    savegame::decode(row, record);
    edit(record);
    return savegame::encode(record);
}

QList<QPair<QString, QByteArray>> savedGames()
{
    // Presses after the row: Next, land, stake 5, bet, land, draw, land,
    // stop, land, save, Next, land, load, Next, land.
    const QByteArray script("\x03\x08\x36\x00\x08\x01\x08\x02\x08\x05\x03\x08\x06\x03\x08", 15);

    TestGame g;
    g.start();
    g.bet(10);
    g.table.click(Button::Stop);
    const QByteArray stood = saved(g);

    g.game.loadGame(); // phase "0" from now on
    g.settings.MusicOn = g.settings.SoundsOn = g.settings.AnimationOn = false;
    g.settings.MusicTrack = 7;
    const QByteArray loaded = saved(g);

    // The next press ends a won game, a lost one, or finds a worn deck.
    const QByteArray won = edited(loaded, [](SavedGame &s) {
        s.bankerMoney = 0;
        s.playerMoney = 200;
        s.evaluationCount = 30;
        s.winCount = 12;
    });
    const QByteArray lost = edited(won, [](SavedGame &s) {
        s.bankerMoney = 200;
        s.playerMoney = 0;
    });
    const QByteArray worn = edited(lost, [](SavedGame &s) {
        s.playerMoney = s.bankerMoney = 100;
        s.deckPos = 50;
    });

    return {{QStringLiteral("stood"), stood},
            {QStringLiteral("stood-then-play"), stood + script},
            {QStringLiteral("loaded-flags-off"), loaded + script},
            {QStringLiteral("won"), won + QByteArray(1, '\x03')},
            {QStringLiteral("lost"), lost + QByteArray(1, '\x03')},
            {QStringLiteral("worn-deck"), worn + script}};
}

QList<QPair<QString, QByteArray>> recordsTables(const QString &scratch)
{
    RecordsTable table;
    const QStringList names = {QStringLiteral("Олена Петренко"), QStringLiteral("Іван"),
                               QStringLiteral("Ґалаґан Євгенія Їжакова"), QStringLiteral("Анонім"),
                               QStringLiteral("Player One"), QStringLiteral("  пробіли  "),
                               QStringLiteral("Ярослав"), QString(), QStringLiteral("Zoë ✓"),
                               QStringLiteral("Останній")};
    const std::int16_t scores[] = {1250, 980, 500, 321, 120, 45, 7, 0, 0, -15};
    for (std::size_t n = 0; n < RecordsTable::Rows; ++n) {
        table.names[n] = names[static_cast<qsizetype>(n)];
        table.scores[n] = scores[n];
    }
    const QString path = scratch + QStringLiteral("/table.dat");
    if (!recordsfile::write(path, table).ok())
        return {};
    const QByteArray bytes = contents(path);
    return {{QStringLiteral("cyrillic"), bytes},
            {QStringLiteral("with-tail"), bytes + QByteArray("bytes after the tenth row")},
            {QStringLiteral("short"), bytes.first(60)},
            {QStringLiteral("empty"), QByteArray()}};
}

QByteArray writingSeed(qint64 value, int width)
{
    QByteArray bytes(9, '\0');
    std::memcpy(bytes.data(), &value, sizeof value);
    bytes[8] = static_cast<char>(width - 1);
    return bytes;
}

QList<QPair<QString, QByteArray>> fields()
{
    return {{QStringLiteral("number"), fixedwidth::number(100, 4)},
            {QStringLiteral("negative"), fixedwidth::number(-15, 5)},
            {QStringLiteral("half"), QByteArray(" 2.5 ")},
            {QStringLiteral("fraction"), QByteArray("+7.50001")},
            {QStringLiteral("long-digits"), QByteArray("99999999999999999999999")},
            {QStringLiteral("flag"), fixedwidth::flag(true)},
            {QStringLiteral("cp1251"), cp1251::encode(QStringLiteral("Привіт, Ґанно! €"))},
            {QStringLiteral("control"), QByteArray("\x00\x1f\x98\x7f 12", 8)},
            {QStringLiteral("write-min"), writingSeed(-32768, 5)},
            {QStringLiteral("write-wide"), writingSeed(123456, 4)}};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds DIR\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir scratch;
    const QList<QPair<QString, QList<QPair<QString, QByteArray>>>> corpora = {
        {QStringLiteral("fuzz_savegame"), savedGames()},
        {QStringLiteral("fuzz_records"), recordsTables(scratch.path())},
        {QStringLiteral("fuzz_fields"), fields()}};
    for (const auto &[target, seeds] : corpora) {
        // A fresh folder each time: the fuzzer adds what it finds to it.
        QDir dir(root.filePath(target));
        dir.removeRecursively();
        if (seeds.isEmpty() || !QDir().mkpath(dir.path()))
            return 1;
        for (const auto &[name, bytes] : seeds) {
            if (!put(dir.filePath(name), bytes))
                return 1;
        }
        std::printf("%s: %lld seeds\n", qPrintable(target), static_cast<long long>(seeds.size()));
    }
    return 0;
}
