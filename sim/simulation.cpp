#include "simulation.h"

#include "gamemodel.h"
#include "random.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

SimulationCounts &SimulationCounts::operator+=(const SimulationCounts &other)
{
    rounds += other.rounds;
    games += other.games;
    playerRounds += other.playerRounds;
    drawRounds += other.drawRounds;
    bankerRounds += other.bankerRounds;
    gamesWon += other.gamesWon;
    recordScoreSum += other.recordScoreSum;
    return *this;
}

double SimulationResult::ev() const
{
    if (counts.rounds == 0)
        return 0;
    return static_cast<double>(counts.playerRounds - counts.bankerRounds) / static_cast<double>(counts.rounds);
}

std::array<double, 2> SimulationResult::evCi95() const
{
    const double mean = ev();
    if (counts.rounds < 2)
        return {mean, mean};
    // Each round is +1, 0 or -1: the squares add up to the decided rounds.
    const double n = static_cast<double>(counts.rounds);
    const double squares = static_cast<double>(counts.playerRounds + counts.bankerRounds);
    const double variance = std::max(0.0, (squares - n * mean * mean) / (n - 1));
    const double half = 1.96 * std::sqrt(variance / n);
    return {mean - half, mean + half};
}

std::optional<double> SimulationResult::meanRecordScore() const
{
    if (counts.gamesWon == 0)
        return std::nullopt;
    return static_cast<double>(counts.recordScoreSum) / static_cast<double>(counts.gamesWon);
}

double SimulationResult::roundsPerSecond() const
{
    return seconds > 0 ? static_cast<double>(counts.rounds) / seconds : 0;
}

std::uint64_t threadSeed(std::uint64_t seed, int index)
{
    std::uint64_t z = seed + 0x9e3779b97f4a7c15ULL * (static_cast<std::uint64_t>(index) + 1);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

namespace {

// Plays `rounds` rounds; startGame(model) begins each game, the first too.
template <class StartGame>
SimulationCounts play(const Strategy &strategy, int stake, SeededRandom &random, std::int64_t rounds,
                      StartGame startGame)
{
    GameModel model;
    SimulationCounts counts;
    if (rounds <= 0)
        return counts;
    // The rules refuse a stake of 0; with 1 or more every bet is taken, as
    // both purses hold at least 1 while a game is on.
    stake = std::max(stake, 1);
    startGame(model);
    for (std::int64_t round = 0; round < rounds; ++round) {
        while (model.phase() == GameModel::Phase::Dealing)
            model.step();
        model.bet(std::min({stake, int(model.playerMoney()), int(model.bankerMoney())}));
        while (model.canDraw() && strategy.drawsOn(model))
            model.draw();
        GameModel::Report report = model.stand();
        while (!report.settlement)
            report = model.step();
        switch (report.settlement->outcome) {
        case Outcome::PlayerWins: ++counts.playerRounds; break;
        case Outcome::Draw: ++counts.drawRounds; break;
        case Outcome::BankerWins: ++counts.bankerRounds; break;
        }
        const GameModel::Report after = model.next(random);
        if (after.gameEnd != GameModel::GameEnd::None) {
            ++counts.games;
            if (after.gameEnd == GameModel::GameEnd::Won) {
                ++counts.gamesWon;
                counts.recordScoreSum += after.recordScore;
            }
            startGame(model);
        }
    }
    counts.rounds = rounds;
    return counts;
}

} // namespace

SimulationCounts playRounds(const Strategy &strategy, int stake, std::uint64_t seed, std::int64_t rounds)
{
    SeededRandom random(seed);
    return play(strategy, stake, random, rounds, [&random](GameModel &model) { model.newGame(random); });
}

SimulationCounts playNumberedGames(const Strategy &strategy, int stake, std::int64_t firstGame, int step,
                                   std::int64_t rounds)
{
    SeededRandom random(static_cast<std::uint64_t>(firstGame));
    std::int64_t number = firstGame;
    return play(strategy, stake, random, rounds, [&](GameModel &model) {
        model.newGame(random, static_cast<std::uint64_t>(number));
        number += step;
    });
}

SimulationResult simulate(const SimulationSettings &settings)
{
    const int threads = std::max(1, settings.threads);
    std::vector<SimulationCounts> shares(static_cast<std::size_t>(threads));
    const auto start = std::chrono::steady_clock::now();
    {
        std::vector<std::jthread> workers;
        for (int i = 0; i < threads; ++i) {
            const std::int64_t rounds = settings.rounds / threads + (i < settings.rounds % threads ? 1 : 0);
            workers.emplace_back([&settings, &shares, i, rounds, threads] {
                shares[static_cast<std::size_t>(i)] =
                    settings.firstGame
                        ? playNumberedGames(settings.strategy, settings.stake, *settings.firstGame + i, threads, rounds)
                        : playRounds(settings.strategy, settings.stake, threadSeed(settings.seed, i), rounds);
            });
        }
    }
    SimulationResult result;
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    for (const SimulationCounts &share : shares)
        result.counts += share;
    return result;
}
