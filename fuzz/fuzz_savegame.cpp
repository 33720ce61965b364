// The saved game from any bytes. The decoder either refuses the row and
// changes nothing, or yields a record that writes back as itself; the rules
// then take it whole, within the limits they index, or refuse it and change
// nothing. Then the bytes go into the saved-game file and the game loads
// them and plays on: whatever follows the 323-byte row picks the presses,
// as the table window would deliver them, and no press may take a hand or
// the deck out of bounds.
#include "datafolder.h"
#include "faketable.h"
#include "gamecontroller.h"
#include "savedgamemapping.h"
#include "savegame.h"
#include "settings.h"
#include "stackedrandom.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

using Button = TableView::Button;

void check(bool ok)
{
    if (!ok)
        std::abort();
}

// Files go to memory where there is a tmpfs, so each input stays cheap.
const QString &baseDir()
{
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/twentyone-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/twentyone-fuzz-XXXXXX"));
    static const QString path = dir.path();
    return path;
}

QByteArray row(const GameModel &model, const Settings &settings, const SaveExtras &extras)
{
    return savegame::encode(savedgamemapping::record(model, settings, extras));
}

bool withinLimits(const GameModel &m)
{
    if (m.playerHand().count < 0 || m.playerHand().count > 5 || m.bankerHand().count < 0 || m.bankerHand().count > 5)
        return false;
    return m.deck().position >= 1 && m.deck().position <= 53;
}

void decodeRules(QByteArrayView bytes)
{
    SavedGame record;
    record.phase = QStringLiteral("Game");
    const SavedGame before = record;
    if (!savegame::decode(bytes, record).ok()) {
        check(record == before);
        return;
    }
    check(bytes.size() >= savegame::RowBytes);

    // A record read from a file writes a row that reads as itself.
    const QByteArray written = savegame::encode(record);
    check(written.size() == savegame::RowBytes);
    SavedGame again;
    check(savegame::decode(written, again).ok());
    check(savegame::encode(again) == written);

    // The rules take the record whole or not at all.
    GameModel model;
    Settings settings;
    SaveExtras extras;
    const QByteArray untouched = row(model, settings, extras);
    if (!savedgamemapping::restore(record, model, settings, extras).ok()) {
        check(row(model, settings, extras) == untouched);
        return;
    }
    check(withinLimits(model));
    // Saved again at once, it is the file's row with no stake and no pot.
    SavedGame cleared = record;
    cleared.stake = 0;
    cleared.pot = 0;
    check(row(model, settings, extras) == savegame::encode(cleared));
}

struct Table
{
    explicit Table(const QString &dir) : files(dir), game(table, files, random, numbers, settings)
    {
        table.game = &game;
        settings.MusicOn = settings.SoundsOn = settings.AnimationOn = true;
        settings.MusicTrack = 1;
    }
    Settings settings;
    FakeTable table;
    StackedRandom random{21};
    SeededRandom numbers{22};
    DataFolder files;
    GameController game;
};

void press(Table &t, std::uint8_t action)
{
    FakeTable &table = t.table;
    GameController &game = t.game;
    switch (action % 10) {
    case 0: if (table.isButtonEnabled(Button::Stavka)) game.bet(); break;
    case 1: if (table.isButtonEnabled(Button::Draw)) game.drawCard(); break;
    case 2: if (table.isButtonEnabled(Button::Stop)) game.stand(); break;
    case 3: if (table.isButtonEnabled(Button::Next)) game.nextRound(); break;
    case 4: if (table.spinnerEnabled) table.setSpinnerValue(action / 10 % 11); break;
    case 5: if (table.savingEnabled) game.saveGame(); break;
    case 6: game.loadGame(); break;
    case 7: game.newGame(); break;
    case 8: table.land(); break;
    default: t.settings.AnimationOn = !t.settings.AnimationOn; break;
    }
}

void engineRules(QByteArrayView bytes)
{
    const QString dir = baseDir();
    Table t(dir);
    const QString savePath = t.files.savedGamePath();
    QFile::remove(t.files.recordsPath());
    QDir().mkpath(QFileInfo(savePath).path());
    {
        QFile file(savePath);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        check(file.write(bytes.data(), bytes.size()) == bytes.size());
    }

    t.game.newGame();
    t.table.land();
    const QByteArray before = row(t.game.model(), t.settings, {});

    SavedGame record;
    GameModel model;
    Settings settings;
    SaveExtras extras;
    const bool loadable = savegame::decode(bytes, record).ok()
                          && savedgamemapping::restore(record, model, settings, extras).ok();
    t.game.loadGame();
    check(t.table.messages.size() == 1);
    const bool loaded = t.table.messages.last().id == Message::Id::GameLoaded;
    check(loaded == loadable);
    if (!loaded)
        check(row(t.game.model(), t.settings, {}) == before);
    check(withinLimits(t.game.model()));

    // Play on from the loaded game; the bytes after the row choose the presses.
    const QByteArrayView script = bytes.size() > savegame::RowBytes ? bytes.sliced(savegame::RowBytes) : QByteArrayView();
    for (qsizetype i = 0; i < script.size() && i < 96 && t.table.exits == 0; ++i) {
        press(t, static_cast<std::uint8_t>(script[i]));
        check(withinLimits(t.game.model()));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    decodeRules(bytes);
    engineRules(bytes);
    return 0;
}
