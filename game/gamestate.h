#pragma once

#include "onebased.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

// Every variable of one game. Owned by the application for the whole run;
// the engine, the table painting and the file formats read and write it in place.
struct GameState
{
    QByteArray SaveRecord;              // the saved-game row in transit
    QString EnteredName;                // name typed for the records table
    OneBased<QString, 10> RecordNames;  // records table while it is edited
    OneBased<std::int16_t, 10> RecordScores;
    QByteArray RecordRow;               // one records-file row in transit
    QString Winner = QStringLiteral("Nobody");
    QString Phase = QStringLiteral("Stavka");
    QString ResultText;
    QString PointsText;
    std::int16_t ReservedA = 0;
    OneBased<std::int16_t, 52> Deck;    // card codes in dealing order
    std::int16_t BankerCount = 0;
    OneBased<std::int16_t, 5> BankerHand;
    std::int16_t PlayerCount = 0;
    OneBased<std::int16_t, 5> PlayerHand;
    std::int16_t DeckPos = 1;           // index in Deck of the next card to deal
    std::int16_t BankerPoints = 0;
    std::int16_t PlayerPoints = 0;
    std::int16_t BankerLowSum = 0;
    std::int16_t PlayerLowSum = 0;
    std::int16_t BankerHighSum = 0;
    std::int16_t PlayerHighSum = 0;
    bool BankerAceHigh = false;
    bool PlayerAceHigh = false;
    std::optional<std::int16_t> Pot;    // empty until first set: shown as empty text
    std::int16_t FlyLeft = 0;           // flying card, in twips
    std::int16_t FlyTop = 0;
    std::int16_t ReservedB = 0;
    std::int16_t PlayerMoney = 100;
    std::int16_t Stake = 0;
    std::int16_t BankerMoney = 100;
    std::int16_t MsgAnswer = 0;         // 1 OK, 6 Yes, 7 No
};

// Application-wide settings ("vars"); all zero until start-up sets them.
struct Vars
{
    bool MusicOn = false;
    bool SoundsOn = false;
    bool AnimationOn = false;
    std::int16_t EvaluationCount = 0;
    std::int16_t WinCount = 0;
    std::int32_t RecordScore = 0;
    std::int16_t MusicTrack = 0;
};
