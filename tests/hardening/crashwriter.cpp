// Saves the game and writes the records table over and over, alternating
// between two versions of each, until it is killed. The crash-safety test
// kills it at random moments and looks at what the files hold.
// Usage: crashwriter BASE_DIR
#include "faketable.h"
#include "game.h"
#include "gamepaths.h"
#include "random.h"
#include "recordsfile.h"
#include "twogames.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: crashwriter BASE_DIR\n");
        return 2;
    }
    const QString baseDir = QString::fromLocal8Bit(argv[1]);
    const QString recordsPath = gamePath(baseDir, gamefiles::Records);
    const QString saved = QStringLiteral("Гру успішно збережено... Для продовження натисніть на кнопку...");

    GameState state;
    Vars vars;
    FakeTable table;
    SeededRandom random(21);
    Game game(state, vars, table, random, baseDir);
    table.game = &game;
    GameState records;

    for (long long i = 0;; ++i) {
        const int which = static_cast<int>(i % 2);
        twogames::game(which, state, vars);
        game.saving_Click();
        if (table.messages.size() != 1 || table.messages.first().text != saved) {
            std::fprintf(stderr, "save failed: %s\n", qPrintable(table.messages.value(0).text));
            return 1;
        }
        table.messages.clear();

        twogames::records(which, records);
        const QString error = recordsfile::WriteRecordsTable(records, recordsPath);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "records failed: %s\n", qPrintable(error));
            return 1;
        }
        if (i == 1) { // both versions written once: the test may start killing
            std::printf("ready\n");
            std::fflush(stdout);
        }
    }
}
