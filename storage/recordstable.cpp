#include "recordstable.h"

#include <algorithm>
#include <limits>

int RecordsTable::placeFor(std::int32_t score) const
{
    for (int i = 0; i < Rows; ++i) {
        if (score > std::int32_t{scores[static_cast<std::size_t>(i)]})
            return i + 1;
    }
    return 0;
}

void RecordsTable::enter(int place, const QString &name, std::int32_t score)
{
    if (place < 1 || place > Rows)
        return;
    const auto at = static_cast<std::size_t>(place - 1);
    for (std::size_t j = Rows - 1; j > at; --j) {
        names[j] = names[j - 1];
        scores[j] = scores[j - 1];
    }
    names[at] = name;
    scores[at] = static_cast<std::int16_t>(std::clamp<std::int32_t>(
        score, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}
