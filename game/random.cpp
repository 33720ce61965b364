#include "random.h"

#include <QTime>

#include <bit>

std::uint64_t SeededRandom::seedFromTimeOfDay()
{
    const double seconds = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    return std::bit_cast<std::uint64_t>(seconds);
}
