#include "gamemodel.h"

#include "random.h"

namespace {

std::int16_t int16(int value) { return static_cast<std::int16_t>(value); }

} // namespace

GameModel::Report GameModel::newGame(RandomSource &random)
{
    m_evaluationCount = 0;
    m_winCount = 0;
    m_stake = 0;
    m_playerMoney = StartingMoney;
    m_bankerMoney = StartingMoney;
    m_lastOutcome = Outcome::Draw;
    shuffle(m_deck, random);
    startRound();
    Report report;
    report.deckRenewed = true;
    return report;
}

GameModel::Report GameModel::newGame(RandomSource &random, std::uint64_t number)
{
    random.reseed(number);
    return newGame(random);
}

void GameModel::startRound()
{
    m_player = Hand();
    m_banker = Hand();
    m_roundStart = m_deck.position;
    m_phase = Phase::Dealing;
}

GameModel::Report GameModel::step()
{
    switch (m_phase) {
    case Phase::Dealing:
        return dealOpeningCard();
    case Phase::BankerTurn:
        return evaluate();
    default:
        return {};
    }
}

GameModel::Report GameModel::dealTo(Side side)
{
    Hand &hand = side == Side::Player ? m_player : m_banker;
    Report report;
    if (hand.isFull() || !m_deck.hasCard())
        return report;
    const Card c = m_deck.take();
    hand.add(c);
    report.dealt = DealtCard{side, hand.count, c};
    return report;
}

GameModel::Report GameModel::dealOpeningCard()
{
    // Player, banker, player, banker.
    const Side side = m_player.count == m_banker.count ? Side::Player : Side::Banker;
    const Hand &hand = side == Side::Player ? m_player : m_banker;
    Report report;
    if (hand.count < 2)
        report = dealTo(side);
    // A worn deck from a file may run out: the deal ends with what was dealt.
    if (!report.dealt || (m_player.count >= 2 && m_banker.count >= 2))
        m_phase = Phase::Betting;
    return report;
}

GameModel::Report GameModel::evaluate()
{
    m_evaluationCount = int16(m_evaluationCount + 1);
    m_playerPoints = scoring::evaluate(m_player).points;
    m_bankerPoints = scoring::evaluate(m_banker).points;

    if (scoring::bankerDraws(m_bankerPoints, m_playerPoints, m_banker.count)) {
        Report report = dealTo(Side::Banker);
        if (report.dealt)
            return report;
        // No card left to take: the round is settled as it stands.
    }

    m_lastOutcome = scoring::decide(m_playerPoints, m_bankerPoints, m_lastOutcome);
    switch (m_lastOutcome) {
    case Outcome::PlayerWins:
        m_playerMoney = int16(m_playerMoney + 2 * m_stake);
        m_winCount = int16(m_winCount + 1);
        break;
    case Outcome::BankerWins:
        m_bankerMoney = int16(m_bankerMoney + 2 * m_stake);
        break;
    case Outcome::Draw:
        m_playerMoney = int16(m_playerMoney + m_stake);
        m_bankerMoney = int16(m_bankerMoney + m_stake);
        break;
    }
    m_phase = Phase::RoundOver;
    Report report;
    report.settlement = Settlement{m_lastOutcome, m_playerPoints, m_bankerPoints};
    return report;
}

GameModel::Moves GameModel::moves() const
{
    Moves m;
    m.bet = m_phase == Phase::Dealing || m_phase == Phase::Betting;
    m.draw = canDraw();
    m.stand = canStand();
    m.next = m_phase == Phase::BankerTurn || canGoOn();
    return m;
}

void GameModel::chooseStake(int stake)
{
    if (m_phase == Phase::Dealing || m_phase == Phase::Betting)
        m_stake = int16(stake);
}

GameModel::BetCheck GameModel::checkBet(int stake) const
{
    if (m_phase != Phase::Betting)
        return BetCheck::NotNow;
    if (stake <= 0)
        return BetCheck::ZeroStake;
    if (stake > m_playerMoney)
        return BetCheck::PlayerCannotCover;
    if (stake > m_bankerMoney)
        return BetCheck::BankerCannotCover;
    return BetCheck::Ok;
}

GameModel::BetCheck GameModel::bet(int stake)
{
    const BetCheck check = checkBet(stake);
    if (check != BetCheck::Ok)
        return check;
    m_stake = int16(stake);
    m_pot = int16(2 * stake);
    m_bankerMoney = int16(m_bankerMoney - stake);
    m_playerMoney = int16(m_playerMoney - stake);
    m_phase = Phase::PlayerTurn;
    return check;
}

bool GameModel::canDraw() const
{
    return m_phase == Phase::PlayerTurn && !m_player.isFull() && m_deck.hasCard();
}

GameModel::Report GameModel::draw()
{
    if (!canDraw())
        return {};
    return dealTo(Side::Player);
}

GameModel::Report GameModel::stand()
{
    if (!canStand())
        return {};
    m_phase = Phase::BankerTurn;
    m_pot = 0;
    return evaluate();
}

GameModel::Report GameModel::next(RandomSource &random)
{
    Report report;
    if (!canGoOn())
        return report;
    if (m_bankerMoney < 1) {
        m_phase = Phase::GameOver;
        report.gameEnd = GameEnd::Won;
        report.recordScore = scoring::recordScore(m_winCount, m_evaluationCount);
        return report;
    }
    if (m_playerMoney < 1) {
        m_phase = Phase::GameOver;
        report.gameEnd = GameEnd::Lost;
        return report;
    }
    if (m_deck.isWorn()) {
        shuffle(m_deck, random);
        report.deckRenewed = true;
    }
    startRound();
    return report;
}

void GameModel::resume(const Position &position)
{
    m_deck = position.deck;
    m_player = position.player;
    m_banker = position.banker;
    m_roundStart = m_deck.position;
    m_playerMoney = position.playerMoney;
    m_bankerMoney = position.bankerMoney;
    m_evaluationCount = position.evaluationCount;
    m_winCount = position.winCount;
    m_stake = 0;
    m_pot = 0;
    m_phase = Phase::Resumed;
}
