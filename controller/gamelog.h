#pragma once

#include "statistics.h"

// Where the history of play goes: the application keeps it in the
// statistics database, off the thread the flights run on.
class GameLog
{
public:
    virtual ~GameLog() = default;
    virtual void roundSettled(const statistics::RoundRow &round) = 0;
    virtual void gameEnded(const statistics::GameRow &game) = 0;
};
