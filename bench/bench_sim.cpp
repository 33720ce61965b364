// Speed of the odds calculator and of twentyone-sim, against their goals.
//
//   bench_sim [rounds]    rounds per simulation run (default 3000000)
//
// Build in Release. Each simulation figure is the best of a few runs, the
// runs of all variants taking turns, so that they see the same machine.

#include "odds.h"
#include "random.h"
#include "simulation.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

constexpr int Runs = 3;
constexpr int Threshold = 17;
constexpr int Stake = 10;
constexpr std::uint64_t Seed = 21;

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// Positions the player meets in real play, over whole decks: every decision
// of stand:17 games.
std::vector<odds::Position> positionsFromPlay(int count)
{
    std::vector<odds::Position> positions;
    SeededRandom random(Seed);
    GameModel model;
    model.newGame(random);
    while (static_cast<int>(positions.size()) < count) {
        while (model.isAutoPlaying())
            model.step();
        model.bet(std::min({Stake, int(model.playerMoney()), int(model.bankerMoney())}));
        for (;;) {
            if (const auto p = odds::visiblePosition(model))
                positions.push_back(*p);
            if (!model.canDraw() || scoring::points(model.playerHand()) >= Threshold)
                break;
            model.draw();
        }
        GameModel::Report report = model.stand();
        while (!report.settlement)
            report = model.step();
        if (model.next(random).gameEnd != GameModel::GameEnd::None)
            model.newGame(random);
    }
    return positions;
}

// The slow end: a fresh deck, nothing seen, and hands of small cards that
// leave the player many draws. Every two-card hand by value, and hands of
// three to five small cards, each against every face-up value.
std::vector<odds::Position> worstCases()
{
    std::vector<odds::Position> positions;
    std::vector<std::vector<int>> hands;
    for (int a = 1; a <= 10; ++a)
        for (int b = a; b <= 10; ++b)
            hands.push_back({a, b});
    for (int a = 1; a <= 4; ++a)
        for (int b = a; b <= 4; ++b)
            for (int c = b; c <= 4; ++c) {
                hands.push_back({a, b, c});
                for (int d = c; d <= 4; ++d) {
                    hands.push_back({a, b, c, d});
                    hands.push_back({a, b, c, d, 1});
                }
            }
    for (const auto &values : hands) {
        for (int up = 1; up <= 10; ++up) {
            // Each card of a value takes the next suit; a value can run out.
            std::array<int, 11> suits{};
            auto next = [&suits](int value) { return card::code(std::min(++suits[static_cast<std::size_t>(value)], 4), value); };
            odds::Position p;
            for (int v : values)
                p.player.add(next(v));
            p.bankerUp = next(up);
            if (odds::check(p) == odds::Check::Ok)
                positions.push_back(p);
        }
    }
    return positions;
}

struct Latency
{
    double p50 = 0;
    double p99 = 0;
    double max = 0;
};

Latency latencyOf(const std::vector<odds::Position> &positions, std::vector<double> &all)
{
    std::vector<double> ms;
    ms.reserve(positions.size());
    for (const odds::Position &p : positions) {
        const auto start = Clock::now();
        const auto f = odds::compute(p);
        ms.push_back(secondsSince(start) * 1000);
        if (!f)
            std::printf("refused a position\n");
    }
    all.insert(all.end(), ms.begin(), ms.end());
    std::sort(ms.begin(), ms.end());
    auto at = [&ms](double q) { return ms[static_cast<std::size_t>(q * static_cast<double>(ms.size() - 1))]; };
    return {at(0.5), at(0.99), ms.back()};
}

// The same games as `simulate --strategy stand:17`, played without the
// model: the same generator and the same retry shuffle, so the decks and
// the figures come out the same.
SimulationCounts tightLoop(std::uint64_t seed, std::int64_t rounds)
{
    SeededRandom::Engine engine(seed);
    std::array<std::int8_t, 52> deck{};
    int pos = 0;
    auto shuffleDeck = [&] {
        deck.fill(0);
        for (int suit = 1; suit <= 4; ++suit) {
            for (int rank = 1; rank <= 13; ++rank) {
                std::size_t k = 0;
                do {
                    const double r = SeededRandom::unit(engine());
                    k = static_cast<std::size_t>(std::clamp(static_cast<int>(r * 52), 0, 51));
                } while (deck[k] != 0);
                deck[k] = static_cast<std::int8_t>(rank >= 10 ? 10 : rank);
            }
        }
        pos = 0;
    };
    auto points = [](int low, bool ace) { return ace && low + 10 <= 21 ? low + 10 : low; };

    SimulationCounts counts;
    int playerMoney = 100, bankerMoney = 100, wins = 0, evaluations = 0;
    shuffleDeck();
    for (std::int64_t round = 0; round < rounds; ++round) {
        const int p1 = deck[static_cast<std::size_t>(pos)], b1 = deck[static_cast<std::size_t>(pos + 1)];
        const int p2 = deck[static_cast<std::size_t>(pos + 2)], b2 = deck[static_cast<std::size_t>(pos + 3)];
        pos += 4;
        const int stake = std::min({Stake, playerMoney, bankerMoney});
        playerMoney -= stake;
        bankerMoney -= stake;

        int playerLow = p1 + p2, playerCards = 2;
        bool playerAce = p1 == 1 || p2 == 1;
        while (playerCards < 5 && points(playerLow, playerAce) < Threshold) {
            const int c = deck[static_cast<std::size_t>(pos++)];
            playerLow += c;
            playerAce = playerAce || c == 1;
            ++playerCards;
        }
        const int p = points(playerLow, playerAce);
        int bankerLow = b1 + b2, bankerCards = 2;
        bool bankerAce = b1 == 1 || b2 == 1;
        ++evaluations;
        while (p <= 21 && bankerCards < 5 && (points(bankerLow, bankerAce) < 15 || points(bankerLow, bankerAce) < p)) {
            const int c = deck[static_cast<std::size_t>(pos++)];
            bankerLow += c;
            bankerAce = bankerAce || c == 1;
            ++bankerCards;
            ++evaluations;
        }
        const int b = points(bankerLow, bankerAce);
        // Both above 21 never happens: the banker stops when the player is.
        if (p > 21 || (b <= 21 && b > p)) {
            ++counts.bankerRounds;
            bankerMoney += 2 * stake;
        } else if (b == p) {
            ++counts.drawRounds;
            playerMoney += stake;
            bankerMoney += stake;
        } else {
            ++counts.playerRounds;
            playerMoney += 2 * stake;
            ++wins;
        }

        if (bankerMoney < 1 || playerMoney < 1) {
            ++counts.games;
            if (bankerMoney < 1) {
                ++counts.gamesWon;
                counts.recordScoreSum += scoring::recordScore(wins, evaluations);
            }
            playerMoney = bankerMoney = 100;
            wins = evaluations = 0;
            shuffleDeck();
        } else if (pos + 1 >= Deck::WornFrom) {
            shuffleDeck();
        }
    }
    counts.rounds = rounds;
    return counts;
}

// Rounds per second by the wall clock and per second of the process's CPU
// time; the best run of each.
struct Speed
{
    double wall = 0;
    double cpu = 0;
    double cores = 0;

    void take(const Speed &run)
    {
        if (run.wall > wall) {
            wall = run.wall;
            cores = run.cores;
        }
        cpu = std::max(cpu, run.cpu);
    }
};

template <typename Work>
Speed measure(Work work, std::int64_t rounds)
{
    const auto start = Clock::now();
    const std::clock_t cpuStart = std::clock();
    work();
    const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double wallSeconds = secondsSince(start);
    const double n = static_cast<double>(rounds);
    return {n / wallSeconds, n / cpuSeconds, cpuSeconds / wallSeconds};
}

void row(const char *label, double value, const char *unit, const char *goal)
{
    std::printf("  %-34s %14.3f %-8s %s\n", label, value, unit, goal);
}

} // namespace

int main(int argc, char *argv[])
{
    const std::int64_t rounds = argc > 1 ? std::max(1LL, std::atoll(argv[1])) : 3000000;

    // Odds.
    odds::Position first;
    first.player.add(101);
    first.player.add(201);
    first.bankerUp = 301;
    auto start = Clock::now();
    (void)odds::compute(first);
    const double firstMs = secondsSince(start) * 1000;

    const auto played = positionsFromPlay(20000);
    const auto worst = worstCases();
    std::vector<double> all;
    const Latency fromPlay = latencyOf(played, all);
    const Latency fromWorst = latencyOf(worst, all);
    std::sort(all.begin(), all.end());
    const Latency overall{all[all.size() / 2], all[static_cast<std::size_t>(0.99 * static_cast<double>(all.size() - 1))], all.back()};

    std::printf("odds: exact figures for one position (ms)\n");
    std::printf("  first call, building the tables    %14.3f\n", firstMs);
    std::printf("  %zu positions from play:  p50 %.3f  p99 %.3f  max %.3f\n", played.size(), fromPlay.p50, fromPlay.p99, fromPlay.max);
    std::printf("  %zu worst cases:          p50 %.3f  p99 %.3f  max %.3f\n", worst.size(), fromWorst.p50, fromWorst.p99, fromWorst.max);
    row("all: p50", overall.p50, "ms", "");
    row("all: p99", overall.p99, "ms", "goal <= 1 ms");
    row("all: max", overall.max, "ms", "");
    row("p99 / goal", overall.p99 / 1.0, "", "goal <= 1.00");

    // Simulation: the variants take turns; the best run of each counts.
    SimulationSettings settings;
    settings.strategy = Strategy::standOn(Threshold);
    settings.rounds = rounds;
    settings.seed = Seed;
    Speed one, two, tight;
    SimulationCounts modelCounts, tightCounts;
    for (int run = 0; run < Runs; ++run) {
        settings.threads = 1;
        one.take(measure([&] { modelCounts = simulate(settings).counts; }, rounds));
        settings.threads = 2;
        two.take(measure([&] { simulate(settings); }, rounds));
        tight.take(measure([&] { tightCounts = tightLoop(threadSeed(Seed, 0), rounds); }, rounds));
    }

    std::printf("\nsimulate --strategy stand:17, %lld rounds, best of %d runs (rounds per second)\n", static_cast<long long>(rounds), Runs);
    row("model, 1 thread", one.wall, "", "goal >= 3000000");
    row("  ratio to the goal", one.wall / 3e6, "", "goal >= 1.00");
    row("model, 2 threads", two.wall, "", "");
    row("  ratio to 1 thread", two.wall / one.wall, "", "goal >= 1.80");
    row("tight loop without the model", tight.wall, "", "(baseline)");
    row("  model's ratio to it", one.wall / tight.wall, "", "goal >= 0.50");
    // On a shared machine the wall clock also shows what others run; the
    // CPU time shows what the code itself costs per core.
    std::printf("per second of CPU time, all threads together\n");
    row("model, 1 thread", one.cpu, "", "");
    row("model, 2 threads", two.cpu, "", "");
    row("tight loop", tight.cpu, "", "");
    row("cores the 2 threads got", two.cores, "", "of 2");
    std::printf("  tight loop plays the same games      %14s\n", tightCounts == modelCounts ? "yes" : "NO");
    return 0;
}
