#pragma once

#include "strategy.h"

#include <array>
#include <cstdint>
#include <optional>

struct SimulationSettings
{
    // Fixed, so that a run without --seed can be repeated.
    static constexpr std::uint64_t DefaultSeed = 21;
    static constexpr int MaxStake = 10;

    Strategy strategy = Strategy::standOn(17);
    std::int64_t rounds = 0;
    int stake = MaxStake; // each round bets min(stake, both purses)
    std::uint64_t seed = DefaultSeed;
    int threads = 1;
    // Play the numbered games from this one on, with the cards the window
    // deals for them; the seed is then not used.
    std::optional<std::int64_t> firstGame;
};

// What a run counted. Everything here follows from the seed and the number
// of threads.
struct SimulationCounts
{
    std::int64_t rounds = 0;
    std::int64_t games = 0; // ended by an empty purse; a game cut off by the last round is not counted
    std::int64_t playerRounds = 0;
    std::int64_t drawRounds = 0;
    std::int64_t bankerRounds = 0;
    std::int64_t gamesWon = 0;
    std::int64_t recordScoreSum = 0; // over the won games

    SimulationCounts &operator+=(const SimulationCounts &other);
    friend bool operator==(const SimulationCounts &, const SimulationCounts &) = default;
};

struct SimulationResult
{
    SimulationCounts counts;
    double seconds = 0;

    // The player's mean result per round in stakes: +1 won, 0 drawn, -1 lost.
    double ev() const;
    // Normal approximation: ev -/+ 1.96 standard errors.
    std::array<double, 2> evCi95() const;
    // Empty when no game was won.
    std::optional<double> meanRecordScore() const;
    double roundsPerSecond() const;
};

// Plays whole games with the rules model: a new game whenever a purse is
// empty. The rounds are split over the threads; each thread plays from its
// own seed, threadSeed(seed, index).
SimulationResult simulate(const SimulationSettings &settings);

// One thread's share: `rounds` rounds from a new game on.
SimulationCounts playRounds(const Strategy &strategy, int stake, std::uint64_t seed, std::int64_t rounds);

// The numbered games firstGame, firstGame + step, firstGame + 2 * step, …
// for `rounds` rounds.
SimulationCounts playNumberedGames(const Strategy &strategy, int stake, std::int64_t firstGame, int step,
                                   std::int64_t rounds);

// The seed of thread `index`: the index-th output of SplitMix64 started
// from `seed`, so neighbouring seeds and indexes give unrelated games.
std::uint64_t threadSeed(std::uint64_t seed, int index);
