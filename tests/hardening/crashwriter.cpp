// Saves the game and writes the records table over and over, alternating
// between two versions of each, until it is killed. The crash-safety test
// kills it at random moments and looks at what the files hold.
// Usage: crashwriter BASE_DIR
#include "datafolder.h"
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
    // The same folder and calls the game saves and enters records through.
    const DataFolder files(QString::fromLocal8Bit(argv[1]));
    const SavedGame games[2] = {twogames::game(0), twogames::game(1)};
    const RecordsTable tables[2] = {twogames::records(0), twogames::records(1)};

    for (long long i = 0;; ++i) {
        const int which = static_cast<int>(i % 2);
        if (const FileStatus s = files.save(games[which]); !s.ok()) {
            std::fprintf(stderr, "save failed: problem %d\n", int(s.problem));
            return 1;
        }
        if (const FileStatus s = files.writeRecords(tables[which]); !s.ok()) {
            std::fprintf(stderr, "records failed: problem %d\n", int(s.problem));
            return 1;
        }
        if (i == 1) { // both versions written once: the test may start killing
            std::printf("ready\n");
            std::fflush(stdout);
        }
    }
}
