// Speed of the statistics database against its goals: writing one round's
// row as the game does after each settlement, and opening a long history
// and reading the summary, as the statistics window does.
//
//   bench_stats [rounds]   rounds in the long history (default 100000)
//
// Build in Release. The files go to a temporary folder: set TMPDIR to
// measure another disk.

#include "soundsystem.h"
#include "statisticsdatabase.h"
#include "statisticswindow.h"

#include <QApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using statistics::RoundOutcome;

constexpr int TimedRounds = 1000;
constexpr int SummaryRuns = 21;
constexpr double WriteGoalMs = 2.0;
constexpr double SummaryGoalMs = 100.0;
constexpr double FirstFrameMs = 150.0;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Games of twenty rounds, as a player might play them.
statistics::RoundRow playedRound(int n)
{
    static constexpr RoundOutcome Outcomes[] = {RoundOutcome::PlayerWins, RoundOutcome::BankerWins,
                                                RoundOutcome::BankerWins, RoundOutcome::Draw,
                                                RoundOutcome::PlayerWins};
    statistics::RoundRow round;
    round.playedAt = QDateTime::currentDateTimeUtc();
    round.gameKey = QStringLiteral("bench-%1").arg(n / 20);
    round.gameNumber = n / 20 + 1;
    round.stake = n % 10 + 1;
    round.playerCards = {101 + n % 13, 202 + n % 11, 303};
    round.bankerCards = {404 + n % 9, 105};
    round.playerPoints = 12 + n % 12;
    round.bankerPoints = 15 + n % 8;
    round.outcome = Outcomes[n % 5];
    round.playerMoney = 100 + n % 50;
    round.bankerMoney = 100 - n % 50;
    round.decisions = n % 4 + 1;
    round.matchedDecisions = n % 3;
    return round;
}

double median(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

void row(const char *label, double value, const char *unit, const char *goal)
{
    std::printf("  %-34s %14.3f %-8s %s\n", label, value, unit, goal);
}

bool check(const FileStatus &status, const char *what)
{
    if (!status.ok())
        std::fprintf(stderr, "%s failed: problem %d\n", what, int(status.problem));
    return status.ok();
}

} // namespace

// Milliseconds from `make` to the first paint of the window it returns.
template <class Make>
double firstFrameMs(Make make)
{
    class PaintSeen final : public QObject
    {
    public:
        bool seen = false;
        bool eventFilter(QObject *, QEvent *event) override
        {
            seen = seen || event->type() == QEvent::Paint;
            return false;
        }
    };
    const auto start = Clock::now();
    std::unique_ptr<QWidget> window = make();
    PaintSeen paint;
    window->installEventFilter(&paint);
    window->show();
    while (!paint.seen)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    const double ms = msSince(start);
    window->close();
    return ms;
}

int main(int argc, char *argv[])
{
    // Headless unless told otherwise: the window paints all the same.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int historyRounds = argc > 1 ? std::max(TimedRounds, std::atoi(argv[1])) : 100000;
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    const QString path = dir.filePath(QStringLiteral("statistics.sqlite"));

    // One round's row, each in its own transaction, on a new file.
    StatisticsDatabase writer(path, QStringLiteral("writer"));
    if (!check(writer.open(StatisticsDatabase::Access::Write), "open"))
        return 1;
    std::vector<double> writeMs;
    for (int n = 0; n < TimedRounds; ++n) {
        const statistics::RoundRow round = playedRound(n);
        const auto start = Clock::now();
        if (!check(writer.addRound(round), "addRound"))
            return 1;
        writeMs.push_back(msSince(start));
    }
    const double writeMedian = median(writeMs);
    std::printf("writing one round's row, %d rounds on a new file (ms)\n", TimedRounds);
    row("median", writeMedian, "ms", "goal <= 2 ms");
    row("worst", *std::max_element(writeMs.begin(), writeMs.end()), "ms", "");
    row("median / goal", writeMedian / WriteGoalMs, "", "goal <= 1.00");

    // The long history, row by row as the game writes it.
    const auto filling = Clock::now();
    for (int n = TimedRounds; n < historyRounds; ++n) {
        if (!check(writer.addRound(playedRound(n)), "addRound"))
            return 1;
    }
    const double fillSeconds = msSince(filling) / 1000;
    writer.close();

    // Opening and reading it as the statistics window does.
    StatisticsDatabase reader(path, QStringLiteral("reader"));
    auto start = Clock::now();
    if (!check(reader.open(StatisticsDatabase::Access::Read), "open to read"))
        return 1;
    const double openReadMs = msSince(start);
    statistics::Summary summary;
    std::vector<double> summaryMs;
    for (int run = 0; run < SummaryRuns; ++run) {
        start = Clock::now();
        if (!check(reader.summary(summary), "summary"))
            return 1;
        summaryMs.push_back(msSince(start));
    }
    const double firstSummaryMs = summaryMs.front();
    const double summaryMedian = median(summaryMs);
    reader.close();
    start = Clock::now();
    if (!check(writer.open(StatisticsDatabase::Access::Write), "open to write"))
        return 1;
    const double openWriteMs = msSince(start);
    writer.close();

    const int rounds = summary.roundsWon + summary.roundsDrawn + summary.roundsLost;
    std::printf("\na history of %d rounds (%.1f s to write them one by one, %.0f rounds per second)\n", rounds,
                fillSeconds, (historyRounds - TimedRounds) / fillSeconds);
    row("summary(), median of 21", summaryMedian, "ms", "goal <= 100 ms");
    row("summary(), first", firstSummaryMs, "ms", "");
    row("median / goal", summaryMedian / SummaryGoalMs, "", "goal <= 1.00");
    row("open to read (with quick_check)", openReadMs, "ms", "");
    row("open to write (with quick_check)", openWriteMs, "ms", "");
    row("open to read + first summary", openReadMs + firstSummaryMs, "ms", "of the 150 ms to the first frame");
    row("  share of the 150 ms", (openReadMs + firstSummaryMs) / FirstFrameMs, "", "goal well below 1.00");

    // The statistics window on that history, to its first painted frame,
    // beside a bare window of the same size in the same run.
    SilentSoundSystem sounds;
    StatisticsDatabase shown(path, QStringLiteral("window"));
    QSize size;
    const double windowMs = firstFrameMs([&] {
        if (!check(shown.open(StatisticsDatabase::Access::Read), "open for the window"))
            std::exit(1);
        auto window = std::make_unique<StatisticsWindow>(shown, sounds);
        size = window->sizeHint().expandedTo(window->size());
        return window;
    });
    const double bareMs = firstFrameMs([&] {
        auto bare = std::make_unique<QWidget>();
        bare->resize(size);
        return bare;
    });
    std::printf("\nthe statistics window on %d rounds, to its first painted frame (ms)\n", rounds);
    row("the window, from opening the file", windowMs, "ms", "goal <= 150 ms");
    row("a bare window of its size", bareMs, "ms", "");
    row("window / goal", windowMs / FirstFrameMs, "", "goal <= 1.00");
    return 0;
}
