#pragma once

#include <cstdint>
#include <random>

// Uniform numbers in [0, 1). The rules take one by reference so that a
// game can be replayed from a fixed seed.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

class SeededRandom final : public RandomSource
{
public:
    explicit SeededRandom(std::uint64_t seed) : m_engine(seed) {}

    // 53 random bits scaled by 2^-53: never reaches 1.0, unlike some
    // uniform_real_distribution implementations.
    double next() override { return static_cast<double>(m_engine() >> 11) * 0x1.0p-53; }

    // Seconds since midnight, fraction included, as the seed of a new run.
    static std::uint64_t seedFromTimeOfDay();

private:
    std::mt19937_64 m_engine;
};
