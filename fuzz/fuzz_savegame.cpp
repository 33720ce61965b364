// The saved game from any bytes. The decoder either refuses the row and
// changes nothing, or yields a game within the limits the engine indexes,
// which saves back to a row that loads as itself. Then the bytes go into the
// saved-game file and the engine loads them and plays on: whatever follows
// the 323-byte row picks the presses, as the table window would deliver
// them, and no press may take a hand or the deck out of bounds.
#include "faketable.h"
#include "game.h"
#include "gamepaths.h"
#include "random.h"
#include "savegame.h"

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

// Everything a row holds, plus the phase and pot it sets.
QByteArray snapshot(const GameState &state, const Vars &vars)
{
    return savegame::encode(state, vars) + state.Phase.toUtf8() + QByteArray::number(state.Pot.value_or(-1))
           + (state.Pot ? "+" : "-");
}

bool withinLimits(const GameState &s)
{
    if (s.PlayerCount < 0 || s.PlayerCount > 5 || s.BankerCount < 0 || s.BankerCount > 5)
        return false;
    return s.DeckPos >= 1 && s.DeckPos <= 53;
}

void decodeRules(QByteArrayView bytes)
{
    GameState state;
    state.Phase = QStringLiteral("Game");
    state.Pot = 4;
    Vars vars;
    vars.MusicOn = true;
    vars.MusicTrack = 3;
    const QByteArray before = snapshot(state, vars);
    savegame::LoadedFlags flags;
    const QString error = savegame::decode(bytes, state, vars, flags);
    if (!error.isEmpty()) {
        check(snapshot(state, vars) == before);
        return;
    }
    check(bytes.size() >= savegame::RowBytes);
    check(withinLimits(state));

    // A loaded game saves to a row that loads as itself.
    const QByteArray row = savegame::encode(state, vars);
    check(row.size() == savegame::RowBytes);
    GameState again;
    Vars againVars;
    check(savegame::decode(row, again, againVars, flags).isEmpty());
    check(savegame::encode(again, againVars) == row);
    check(again.Phase == state.Phase && again.Pot == state.Pot);
}

struct Table
{
    explicit Table(const QString &dir) : game(state, vars, table, random, dir)
    {
        table.game = &game;
        vars.MusicOn = vars.SoundsOn = vars.AnimationOn = true;
        vars.MusicTrack = 1;
    }
    GameState state;
    Vars vars;
    FakeTable table;
    SeededRandom random{21};
    Game game;
};

void press(Table &t, std::uint8_t action)
{
    FakeTable &table = t.table;
    Game &game = t.game;
    switch (action % 10) {
    case 0: if (table.isButtonEnabled(Button::Stavka)) game.CmdStavka_Click(); break;
    case 1: if (table.isButtonEnabled(Button::Draw)) game.CmdDraw_Click(); break;
    case 2: if (table.isButtonEnabled(Button::Stop)) game.CmdStop_Click(); break;
    case 3: if (table.isButtonEnabled(Button::Next)) game.CmdNext_Click(); break;
    case 4: if (table.spinnerEnabled) table.setSpinnerValue(action / 10 % 11); break;
    case 5: if (table.savingEnabled) game.saving_Click(); break;
    case 6: game.opening_Click(); break;
    case 7: game.NewGame_Click(); break;
    case 8: table.land(); break;
    default: game.anime_Click(); break;
    }
}

void engineRules(QByteArrayView bytes)
{
    const QString dir = baseDir();
    const QString savePath = gamePath(dir, gamefiles::SavedGame);
    QFile::remove(gamePath(dir, gamefiles::Records));
    QDir().mkpath(QFileInfo(savePath).path());
    {
        QFile file(savePath);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        check(file.write(bytes.data(), bytes.size()) == bytes.size());
    }

    Table t(dir);
    t.game.New_Game();
    t.table.land();
    const QByteArray before = snapshot(t.state, t.vars);

    GameState decoded;
    Vars decodedVars;
    savegame::LoadedFlags flags;
    const bool loadable = savegame::decode(bytes, decoded, decodedVars, flags).isEmpty();
    t.game.opening_Click();
    check(t.table.messages.size() == 1);
    const bool loaded = t.table.messages.last().text.startsWith(QStringLiteral("Гру успішно завантажено"));
    check(loaded == loadable);
    if (!loaded)
        check(snapshot(t.state, t.vars) == before);
    check(withinLimits(t.state));

    // Play on from the loaded game; the bytes after the row choose the presses.
    const QByteArrayView script = bytes.size() > savegame::RowBytes ? bytes.sliced(savegame::RowBytes) : QByteArrayView();
    for (qsizetype i = 0; i < script.size() && i < 96 && t.table.exits == 0; ++i) {
        press(t, static_cast<std::uint8_t>(script[i]));
        check(withinLimits(t.state));
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
