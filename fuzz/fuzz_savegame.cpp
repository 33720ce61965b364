// The saved game from any bytes. The decoder either refuses the row and
// changes nothing, or yields a record that writes back as itself; the rules
// then take it whole, within the limits they index, or refuse it and change
// nothing. Then the bytes are read as the game reads its file, from a buffer,
// and the rules play on from what they hold: whatever follows the 323-byte
// row picks the presses, and no press may take a hand or the deck out of
// bounds, nor write a save that does not load.
#include "gamemodel.h"
#include "random.h"
#include "savedgamemapping.h"
#include "savegame.h"
#include "settings.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
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

// The record when the bytes decode, for the game to load.
std::optional<SavedGame> decodeRules(QByteArrayView bytes)
{
    SavedGame record;
    record.phase = QStringLiteral("Game");
    const SavedGame before = record;
    if (!savegame::decode(bytes, record).ok()) {
        check(record == before);
        return std::nullopt;
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
    if (!savedgamemapping::restore(record, model, settings, extras).ok()) {
        check(row(model, settings, extras) == row(GameModel(), Settings(), SaveExtras()));
        return record;
    }
    check(withinLimits(model));
    // Saved again at once, it is the file's row with no stake and no pot.
    SavedGame cleared = record;
    cleared.stake = 0;
    cleared.pot = 0;
    check(row(model, settings, extras) == savegame::encode(cleared));
    return record;
}

// What the table holds: the rules, the player's switches and the save's extras.
struct Table
{
    GameModel model;
    Settings settings;
    SaveExtras extras;
    SeededRandom random{21};
    int stake = 0;
    bool saving = false; // as the menu offers it: from the stand to the next round

    // A saved game comes back as it was written, with no stake and no pot.
    void saveAndLoad()
    {
        SavedGame written;
        check(savegame::decode(row(model, settings, extras), written).ok());
        Table loaded;
        check(savedgamemapping::restore(written, loaded.model, loaded.settings, loaded.extras).ok());
        check(withinLimits(loaded.model));
        written.stake = 0;
        written.pot = 0;
        check(row(loaded.model, loaded.settings, loaded.extras) == savegame::encode(written));
    }
};

void press(Table &t, const SavedGame *file, std::uint8_t action)
{
    GameModel &m = t.model;
    switch (action % 10) {
    case 0: if (m.checkBet(t.stake) == GameModel::BetCheck::Ok) m.bet(t.stake); break;
    case 1: if (m.canDraw()) m.draw(); break;
    case 2: if (m.canStand()) { m.stand(); t.saving = true; } break;
    case 3: if (m.canGoOn()) { m.next(t.random); t.saving = false; } break;
    case 4: t.stake = action / 10 % 11; m.chooseStake(t.stake); break;
    case 5: if (t.saving) t.saveAndLoad(); break;
    case 6: if (file) check(savedgamemapping::restore(*file, m, t.settings, t.extras).ok()); break;
    case 7: m.newGame(t.random); t.saving = false; break;
    case 8: if (m.isAutoPlaying()) m.step(); break;
    default: m.newGame(t.random, action); t.saving = false; break;
    }
}

void engineRules(QByteArrayView bytes, const std::optional<SavedGame> &record)
{
    // The file as the game reads it: the first row and nothing after it.
    QBuffer file;
    file.setData(bytes.toByteArray());
    check(file.open(QIODevice::ReadOnly));
    QByteArray head;
    const FileStatus read = savegame::read(file, head);
    if (bytes.size() < savegame::RowBytes) {
        check(read.problem == FileProblem::Damaged && read.damage == Damage::TooShort);
        return;
    }
    check(read.ok() && head == bytes.first(savegame::RowBytes));

    // A refused file leaves the game on the table as it was.
    Table t;
    t.model.newGame(t.random);
    t.model.step();
    Table loaded = t;
    const bool loadable = record && savedgamemapping::restore(*record, loaded.model, loaded.settings, loaded.extras).ok();
    if (!loadable) {
        check(row(loaded.model, loaded.settings, loaded.extras) == row(t.model, t.settings, t.extras));
        return;
    }
    check(withinLimits(loaded.model));

    // Play on from the loaded game; the bytes after the row choose the presses.
    const QByteArrayView script = bytes.sliced(savegame::RowBytes);
    for (qsizetype i = 0; i < script.size() && i < 96; ++i) {
        press(loaded, &*record, static_cast<std::uint8_t>(script[i]));
        check(withinLimits(loaded.model));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    engineRules(bytes, decodeRules(bytes));
    return 0;
}
