#include "savedgamemapping.h"

#include <algorithm>

namespace {

using Phase = GameModel::Phase;

QString phaseText(Phase phase, const SaveExtras &extras)
{
    switch (phase) {
    case Phase::Dealing:
    case Phase::Betting:
        return QStringLiteral("Stavka");
    case Phase::PlayerTurn:
        return QStringLiteral("Game");
    case Phase::BankerTurn:
    case Phase::RoundOver:
    case Phase::GameOver:
        return QStringLiteral("Finish");
    case Phase::Resumed:
        break;
    }
    return extras.resumedPhase;
}

template <std::size_t N>
void copyCards(const std::array<Card, N> &from, std::array<std::int16_t, N> &to)
{
    std::copy(from.begin(), from.end(), to.begin());
}

FileStatus checkHand(std::int16_t count, const std::array<std::int16_t, 5> &cards)
{
    if (count < 0 || count > Hand::MaxCards)
        return FileStatus::damaged(Damage::HandCountOutOfRange, count);
    for (const std::int16_t c : cards) {
        if (c != 0 && !card::isValid(c))
            return FileStatus::damaged(Damage::NotACard, c);
    }
    return {};
}

Hand hand(std::int16_t count, const std::array<std::int16_t, 5> &cards)
{
    Hand h;
    std::copy(cards.begin(), cards.end(), h.cards.begin());
    h.count = count;
    return h;
}

} // namespace

SavedGame savedgamemapping::record(const GameModel &model, const Settings &settings, const SaveExtras &extras)
{
    SavedGame r;
    r.evaluationCount = model.evaluationCount();
    r.winCount = model.winCount();
    r.musicOn = settings.MusicOn;
    r.soundsOn = settings.SoundsOn;
    r.animationOn = settings.AnimationOn;
    r.musicTrack = settings.MusicTrack;
    r.playerMoney = model.playerMoney();
    r.stake = model.stake();
    r.bankerMoney = model.bankerMoney();
    r.reservedA = extras.reservedA;
    copyCards(model.deck().cards, r.deck);
    r.bankerCount = model.bankerHand().count;
    copyCards(model.bankerHand().cards, r.bankerHand);
    r.playerCount = model.playerHand().count;
    copyCards(model.playerHand().cards, r.playerHand);
    r.deckPos = model.deck().position;
    r.reservedB = extras.reservedB;
    r.phase = phaseText(model.phase(), extras);
    r.pot = model.pot().value_or(0);
    return r;
}

FileStatus savedgamemapping::restore(const SavedGame &r, GameModel &model, Settings &settings, SaveExtras &extras)
{
    // In the order of the fields, so the first damage in the file is named.
    for (const std::int16_t c : r.deck) {
        if (!card::isValid(c))
            return FileStatus::damaged(Damage::NotACard, c);
    }
    if (FileStatus s = checkHand(r.bankerCount, r.bankerHand); !s.ok())
        return s;
    if (FileStatus s = checkHand(r.playerCount, r.playerHand); !s.ok())
        return s;
    if (r.deckPos < 1 || r.deckPos > Deck::Size + 1)
        return FileStatus::damaged(Damage::DeckPositionOutOfRange, r.deckPos);

    GameModel::Position p;
    std::copy(r.deck.begin(), r.deck.end(), p.deck.cards.begin());
    p.deck.position = r.deckPos;
    p.player = hand(r.playerCount, r.playerHand);
    p.banker = hand(r.bankerCount, r.bankerHand);
    p.playerMoney = r.playerMoney;
    p.bankerMoney = r.bankerMoney;
    p.evaluationCount = r.evaluationCount;
    p.winCount = r.winCount;
    model.resume(p);

    settings.MusicOn = r.musicOn.value_or(settings.MusicOn);
    settings.SoundsOn = r.soundsOn.value_or(settings.SoundsOn);
    settings.AnimationOn = r.animationOn.value_or(settings.AnimationOn);
    settings.MusicTrack = r.musicTrack;
    extras.reservedA = r.reservedA;
    extras.reservedB = r.reservedB;
    extras.resumedPhase = r.phase;
    return {};
}
