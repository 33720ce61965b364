#pragma once

#include "filestatus.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>

#include <optional>

// The history of play, as the statistics database keeps it: one row per
// settled round and one per game that ended or was left.
namespace statistics {

enum class RoundOutcome : std::uint8_t { PlayerWins, BankerWins, Draw };
enum class GameResult : std::uint8_t { Won, Lost, Abandoned };

struct RoundRow
{
    QDateTime playedAt;
    QString gameKey;                 // the same for every round of one game, unique across runs
    std::optional<qint64> gameNumber; // empty for a game loaded from a file
    int stake = 0;
    QList<int> playerCards;          // card codes, as dealt
    QList<int> bankerCards;
    int playerPoints = 0;
    int bankerPoints = 0;
    RoundOutcome outcome = RoundOutcome::Draw;
    int playerMoney = 0;             // both purses after the settlement
    int bankerMoney = 0;
    int decisions = 0;               // the player's draws and the stand this round
    int matchedDecisions = 0;        // those that were the better move by the exact odds
};

struct GameRow
{
    QDateTime endedAt;
    QString gameKey;
    std::optional<qint64> gameNumber;
    GameResult result = GameResult::Abandoned;
    int rounds = 0;
    std::optional<int> recordScore; // of a won game
};

// What the statistics window shows.
struct Summary
{
    int gamesPlayed = 0; // won, lost and abandoned
    int gamesWon = 0;
    int gamesLost = 0;
    int roundsWon = 0;
    int roundsDrawn = 0;
    int roundsLost = 0;
    int longestWinningStreak = 0; // rounds in a row, draws break a streak
    int longestLosingStreak = 0;
    int biggestPotWon = 0;        // twice the stake of a round the player won
    std::optional<int> bestRecordScore;
    int decisions = 0;
    int matchedDecisions = 0;
    // The player's purse after each round of the latest game, oldest first.
    QList<int> lastGamePurse;
    // By the player's final points: rounds played and rounds the player won.
    struct Share
    {
        int rounds = 0;
        int won = 0;
        friend bool operator==(const Share &, const Share &) = default;
    };
    QMap<int, Share> byPlayerPoints;

    friend bool operator==(const Summary &, const Summary &) = default;
};

} // namespace statistics
