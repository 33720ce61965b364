#include "random.h"

#include <bit>
#include <chrono>
#include <ctime>

std::uint64_t SeededRandom::seedFromTimeOfDay()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto fraction = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + static_cast<double>(fraction) / 1000.0;
    return std::bit_cast<std::uint64_t>(seconds);
}
