#pragma once

#include <pcg_random.hpp>

#include <cstdint>

// Uniform numbers in [0, 1). The rules take one by reference so that a
// game can be replayed from a fixed seed.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
    // Starts the sequence afresh from this seed: a numbered game deals from
    // its number alone.
    virtual void reseed(std::uint64_t seed) = 0;
};

// PCG: fast where the shuffle's retries and the simulator draw millions.
class SeededRandom final : public RandomSource
{
public:
    using Engine = pcg64;

    explicit SeededRandom(std::uint64_t seed) : m_engine(seed) {}

    double next() override { return unit(m_engine()); }
    void reseed(std::uint64_t seed) override { m_engine = Engine(seed); }

    // 53 random bits scaled by 2^-53: never reaches 1.0, unlike some
    // uniform_real_distribution implementations.
    static double unit(std::uint64_t bits) { return static_cast<double>(bits >> 11) * 0x1.0p-53; }

    // Seconds since midnight, fraction included, as the seed of a new run.
    static std::uint64_t seedFromTimeOfDay();

private:
    Engine m_engine;
};
