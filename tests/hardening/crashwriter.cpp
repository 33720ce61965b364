// Saves the game, writes the records table and appends rounds to the
// statistics over and over, alternating between two versions of each file,
// until it is killed. The crash-safety test kills it at random moments and
// looks at what the files hold.
//
// With --hold-lock it opens the statistics for writing and holds them, as a
// running game does, until its standard input closes: another process to
// find the lock taken.
//
// Usage: crashwriter BASE_DIR STATISTICS_FILE
//        crashwriter --hold-lock STATISTICS_FILE
#include "countedround.h"
#include "datafolder.h"
#include "statisticsdatabase.h"
#include "twogames.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace {

constexpr int RoundsPerPass = 3;

int holdLock(const QString &statisticsPath)
{
    StatisticsDatabase statistics(statisticsPath, QStringLiteral("held"));
    if (const FileStatus s = statistics.open(StatisticsDatabase::Access::Write); !s.ok()) {
        std::fprintf(stderr, "statistics not opened: problem %d\n", int(s.problem));
        return 1;
    }
    std::printf("holding\n");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: crashwriter BASE_DIR STATISTICS_FILE\n"
                             "       crashwriter --hold-lock STATISTICS_FILE\n");
        return 2;
    }
    if (std::strcmp(argv[1], "--hold-lock") == 0)
        return holdLock(QString::fromLocal8Bit(argv[2]));

    // The same folder and calls the game saves and enters records through.
    const DataFolder files(QString::fromLocal8Bit(argv[1]));
    const SavedGame games[2] = {twogames::game(0), twogames::game(1)};
    const RecordsTable tables[2] = {twogames::records(0), twogames::records(1)};
    StatisticsDatabase statistics(QString::fromLocal8Bit(argv[2]), QStringLiteral("statistics"));
    statistics::Summary sofar;
    FileStatus opened = statistics.open(StatisticsDatabase::Access::Write);
    if (opened.ok())
        opened = statistics.summary(sofar);
    if (!opened.ok()) {
        std::fprintf(stderr, "statistics not opened: problem %d\n", int(opened.problem));
        return 1;
    }
    // Numbered on from the rounds an earlier run left.
    int nextRound = sofar.roundsWon + sofar.roundsDrawn + sofar.roundsLost;

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
        for (int k = 0; k < RoundsPerPass; ++k, ++nextRound) {
            if (const FileStatus s = statistics.addRound(countedround::round(nextRound)); !s.ok()) {
                std::fprintf(stderr, "round failed: problem %d\n", int(s.problem));
                return 1;
            }
        }
        if (i == 1) { // both versions written once: the test may start killing
            std::printf("ready\n");
            std::fflush(stdout);
        }
    }
}
