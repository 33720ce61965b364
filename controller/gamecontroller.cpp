#include "gamecontroller.h"

#include "datafolder.h"
#include "gamelog.h"
#include "gamepaths.h"
#include "random.h"
#include "settings.h"

#include <QDateTime>
#include <QUuid>

using Phase = GameModel::Phase;
using Button = TableView::Button;
using Label = TableView::Label;
using Toggle = TableView::Toggle;
using Id = Message::Id;

const QString GameController::AnonymousName = QStringLiteral("Анонім");

GameController::GameController(TableView &table, const DataFolder &files, RandomSource &deals, RandomSource &numbers,
                               Settings &settings)
    : m_table(table), m_files(files), m_deals(deals), m_numbers(numbers), m_settings(settings)
{
}

void GameController::newGame()
{
    newGame(1 + static_cast<qint64>(m_numbers.next() * static_cast<double>(GameModel::LargestGameNumber)));
}

void GameController::newGame(qint64 number)
{
    leaveGame();
    stopFlights();
    m_pending.clear();
    m_saveHeld = false;
    m_gameNumber = number;
    beginLog();
    m_table.showGameNumber(m_gameNumber);
    m_table.playSound(gamefiles::Dist);
    m_model.newGame(m_deals, static_cast<std::uint64_t>(number));
    m_table.showButtons();
    beginRound();
}

void GameController::chooseGameNumber()
{
    const QString typed = m_table.askText({Id::GameNumberPrompt}).trimmed();
    if (typed.isEmpty())
        return; // cancelled
    bool whole = false;
    const qint64 number = typed.toLongLong(&whole);
    if (!whole || number < 1 || number > GameModel::LargestGameNumber) {
        Message refusal(Id::GameNumberRefused);
        refusal.text = typed;
        m_table.ask(refusal);
        return;
    }
    newGame(number);
}

void GameController::beginRound()
{
    m_decisions = 0;
    m_matchedDecisions = 0;
    updateControls();
    hideAllSlots();
    m_table.redraw(scene());
    continueDeal();
}

void GameController::continueDeal()
{
    const GameModel::Report report = m_model.step();
    if (report.dealt)
        fly(*report.dealt);
    else
        finishDeal();
}

void GameController::finishDeal()
{
    m_table.redraw(scene());
    carryOutPending();
}

void GameController::fly(const GameModel::DealtCard &dealt)
{
    m_flight = Flight{dealt.side, dealt.number};
    m_table.startFlight(dealt.side, dealt.number);
    m_table.playSound(gamefiles::Draw);
}

void GameController::cardLanded(Side side, int card)
{
    // Only the card sent off may land, and only once.
    if (!m_flight || m_flight->side != side || m_flight->card != card)
        return;
    m_flight.reset();
    if (card <= 2) {
        // An opening card lies face down until the bet.
        m_table.showSlotBack(side, card - 1);
        if (m_model.phase() == Phase::Dealing)
            continueDeal();
        else
            finishDeal();
    } else if (side == Side::Player) {
        m_table.redraw(scene());
        carryOutPending();
    } else {
        m_table.redraw(scene());
        followBanker(m_model.step());
    }
}

void GameController::followBanker(const GameModel::Report &report)
{
    if (report.dealt) {
        fly(*report.dealt);
        return;
    }
    if (!report.settlement)
        return;
    logRound(*report.settlement);
    m_table.redraw(scene());
    if (m_saveHeld) {
        m_saveHeld = false;
        saveGame();
    }
    carryOutPending();
}

void GameController::stopFlights()
{
    m_table.stopFlights();
    m_flight.reset();
}

void GameController::chooseStake(int stake)
{
    m_stakeChoice = stake;
    m_model.chooseStake(stake);
    m_table.setLabel(Label::Stake, stake);
    m_table.setLabel(Label::Pot, 2 * stake);
    m_table.setLabel(Label::PlayerMoney, m_model.playerMoney() - stake);
    m_table.setLabel(Label::BankerMoney, m_model.bankerMoney() - stake);
}

void GameController::press(Press what, bool offered)
{
    if (!offered)
        return;
    m_table.playSound(gamefiles::Click);
    // What is pressed while cards fly waits for them, in order.
    if (isBusy() || !m_pending.isEmpty()) {
        m_pending.append(what);
        return;
    }
    carryOut(what);
}

void GameController::bet() { press(Press::Bet, m_model.moves().bet); }
void GameController::drawCard() { press(Press::Draw, m_model.moves().draw); }
void GameController::stand() { press(Press::Stand, m_model.moves().stand); }
void GameController::nextRound() { press(Press::Next, m_model.moves().next); }

void GameController::moveForward()
{
    const GameModel::Moves moves = m_model.moves();
    if (moves.bet)
        bet();
    else if (moves.stand)
        stand();
    else if (moves.next)
        nextRound();
}

void GameController::carryOutPending()
{
    while (!isBusy() && !m_pending.isEmpty())
        carryOut(m_pending.takeFirst());
}

void GameController::carryOut(Press what)
{
    switch (what) {
    case Press::Bet: placeBet(); break;
    case Press::Draw: takeCard(); break;
    case Press::Stand: handOver(); break;
    case Press::Next: goOn(); break;
    }
}

void GameController::placeBet()
{
    switch (m_model.bet(m_stakeChoice)) {
    case GameModel::BetCheck::Ok:
        updateControls();
        m_table.redraw(scene());
        return;
    case GameModel::BetCheck::NotNow:
        return;
    case GameModel::BetCheck::ZeroStake:
        m_table.ask({Id::StakeIsZero});
        return;
    case GameModel::BetCheck::PlayerCannotCover:
        m_table.ask({Id::PlayerCannotCover});
        return;
    case GameModel::BetCheck::BankerCannotCover:
        m_table.ask({Id::BankerCannotCover});
        return;
    }
}

void GameController::takeCard()
{
    if (m_model.canDraw())
        weighMove(odds::Move::Draw);
    const GameModel::Report report = m_model.draw();
    if (!report.dealt)
        return;
    if (!m_model.canDraw())
        updateControls();
    fly(*report.dealt);
}

void GameController::handOver()
{
    if (!m_model.canStand())
        return;
    weighMove(odds::Move::Stand);
    const GameModel::Report report = m_model.stand();
    updateControls();
    m_table.setSavingEnabled(true);
    followBanker(report);
}

void GameController::goOn()
{
    if (!m_model.canGoOn())
        return;
    m_table.setSavingEnabled(false);

    const GameModel::Report report = m_model.next(m_deals);
    switch (report.gameEnd) {
    case GameModel::GameEnd::Won:
        logGameEnd(statistics::GameResult::Won, report.recordScore);
        endGame(enterRecord(report.recordScore));
        return;
    case GameModel::GameEnd::Lost:
        logGameEnd(statistics::GameResult::Lost);
        endGame(m_table.ask({Id::GameLost}));
        return;
    case GameModel::GameEnd::None:
        break;
    }
    if (report.deckRenewed) {
        m_table.playSound(gamefiles::Dist);
        m_table.ask({Id::NewDeck});
    }
    beginRound();
}

void GameController::refresh()
{
    // A card in the air shows in its slot only when it lands.
    if (!m_flight)
        m_table.redraw(scene());
}

void GameController::endGame(Answer anotherGame)
{
    if (anotherGame == Answer::Yes)
        newGame();
    else
        m_table.exitGame();
}

TableView::Answer GameController::enterRecord(std::int32_t score)
{
    // A table that cannot be read is not written over.
    RecordsTable table;
    int place = 0;
    if (const FileStatus read = m_files.readRecords(table); read.ok())
        place = table.placeFor(score);
    else
        m_table.ask({Id::RecordsUnreadable, read});
    if (place == 0)
        return m_table.ask({Id::GameWon});

    const QString name = m_table.askText({Id::RecordName, score});
    table.enter(place, name.isEmpty() ? AnonymousName : name, score);
    if (const FileStatus written = m_files.writeRecords(table); !written.ok())
        m_table.ask({Id::RecordsUnwritable, written});
    return m_table.ask({Id::GameWonWithRecord});
}

void GameController::saveGame()
{
    // The round after a stand is saved once the banker has settled it:
    // sooner would keep the stakes out of both purses.
    if (isBankerPlaying()) {
        m_saveHeld = true;
        return;
    }
    const FileStatus saved = m_files.save(savedgamemapping::record(m_model, m_settings, m_extras));
    m_table.ask(saved.ok() ? Message{Id::GameSaved} : Message{Id::SaveFailed, saved});
}

void GameController::loadGame()
{
    // Into copies: a refused file leaves the current game as it was.
    SavedGame record;
    GameModel model = m_model;
    Settings settings = m_settings;
    SaveExtras extras = m_extras;
    FileStatus status = m_files.load(record);
    if (status.ok())
        status = savedgamemapping::restore(record, model, settings, extras);
    if (!status.ok()) {
        status.path = m_files.savedGamePath();
        m_table.ask({Id::LoadFailed, status});
        return;
    }

    leaveGame();
    stopFlights();
    m_pending.clear();
    m_saveHeld = false;
    m_model = model;
    m_settings = settings;
    m_extras = extras;
    m_gameNumber.reset();
    m_table.showGameNumber(m_gameNumber);
    beginLog();
    if (record.musicOn)
        m_table.setToggleChecked(Toggle::Music, m_settings.MusicOn);
    if (record.soundsOn)
        m_table.setToggleChecked(Toggle::Sounds, m_settings.SoundsOn);
    if (record.animationOn)
        m_table.setToggleChecked(Toggle::Animation, m_settings.AnimationOn);
    // Music never plays while the menu shows it off.
    if (m_settings.MusicOn)
        m_table.playTrack(m_settings.MusicTrack);
    else
        m_table.stopMusic();

    // Slots of the previous game must not linger beside the loaded hands.
    hideAllSlots();
    m_table.redraw(scene());
    updateControls();
    m_table.setSpinnerValue(0);
    m_table.setLabel(Label::Stake, 0);
    m_table.setLabel(Label::Pot, 0);
    m_table.ask({Id::GameLoaded});
}

void GameController::beginLog()
{
    m_gameKey = QUuid::createUuid().toString(QUuid::WithoutBraces);
    m_roundsLogged = 0;
    m_decisions = 0;
    m_matchedDecisions = 0;
}

void GameController::weighMove(odds::Move move)
{
    if (!m_log)
        return;
    // Only what the player could see counts; a deck from a file may make it unknowable.
    const std::optional<odds::Position> seen = odds::visiblePosition(m_model);
    const std::optional<odds::Figures> figures = seen ? odds::compute(*seen) : std::nullopt;
    if (!figures)
        return;
    ++m_decisions;
    if (figures->best == move)
        ++m_matchedDecisions;
}

void GameController::logRound(const GameModel::Settlement &settlement)
{
    ++m_roundsLogged;
    if (!m_log)
        return;
    statistics::RoundRow row;
    row.playedAt = QDateTime::currentDateTime();
    row.gameKey = m_gameKey;
    row.gameNumber = m_gameNumber;
    row.stake = m_model.stake();
    for (const Hand *hand : {&m_model.playerHand(), &m_model.bankerHand()}) {
        QList<int> &cards = hand == &m_model.playerHand() ? row.playerCards : row.bankerCards;
        for (int k = 1; k <= hand->count && k <= Hand::MaxCards; ++k)
            cards << (*hand)[k];
    }
    row.playerPoints = settlement.playerPoints;
    row.bankerPoints = settlement.bankerPoints;
    switch (settlement.outcome) {
    case Outcome::PlayerWins: row.outcome = statistics::RoundOutcome::PlayerWins; break;
    case Outcome::BankerWins: row.outcome = statistics::RoundOutcome::BankerWins; break;
    case Outcome::Draw: row.outcome = statistics::RoundOutcome::Draw; break;
    }
    row.playerMoney = m_model.playerMoney();
    row.bankerMoney = m_model.bankerMoney();
    row.decisions = m_decisions;
    row.matchedDecisions = m_matchedDecisions;
    m_log->roundSettled(row);
}

void GameController::logGameEnd(statistics::GameResult result, std::int32_t recordScore)
{
    if (m_log && !m_gameKey.isEmpty()) {
        statistics::GameRow row;
        row.endedAt = QDateTime::currentDateTime();
        row.gameKey = m_gameKey;
        row.gameNumber = m_gameNumber;
        row.result = result;
        row.rounds = m_roundsLogged;
        if (result == statistics::GameResult::Won)
            row.recordScore = recordScore;
        m_log->gameEnded(row);
    }
    m_gameKey.clear(); // written once
}

void GameController::leaveGame()
{
    // A game left before any round was settled is no game played.
    if (!m_gameKey.isEmpty() && m_roundsLogged > 0)
        logGameEnd(statistics::GameResult::Abandoned);
}

void GameController::updateControls()
{
    const GameModel::Moves moves = m_model.moves();
    m_table.setButtonEnabled(Button::Stavka, moves.bet);
    m_table.setButtonEnabled(Button::Draw, moves.draw);
    m_table.setButtonEnabled(Button::Stop, moves.stand);
    m_table.setButtonEnabled(Button::Next, moves.next);
    m_table.setSpinnerEnabled(moves.bet);
}

void GameController::hideAllSlots()
{
    for (int i = 0; i < Hand::MaxCards; ++i) {
        m_table.hideSlot(Side::Banker, i);
        m_table.hideSlot(Side::Player, i);
    }
}

TableScene GameController::scene() const
{
    TableScene s;
    s.playerMoney = m_model.playerMoney();
    s.bankerMoney = m_model.bankerMoney();
    s.pot = m_model.pot();
    s.player = m_model.playerHand();
    s.banker = m_model.bankerHand();
    switch (m_model.phase()) {
    case Phase::Dealing:
    case Phase::Betting:
        s.rows = TableScene::Rows::Untouched;
        break;
    case Phase::PlayerTurn:
        s.rows = TableScene::Rows::BankerHoleDown;
        if (m_settings.hints) {
            TableScene::Hint hint;
            hint.playerPoints = static_cast<std::int16_t>(scoring::points(m_model.playerHand()));
            if (const std::optional<odds::Position> seen = odds::visiblePosition(m_model))
                hint.figures = odds::compute(*seen);
            s.hint = hint;
        }
        break;
    case Phase::RoundOver:
        s.result = GameModel::Settlement{m_model.lastOutcome(), m_model.playerPoints(), m_model.bankerPoints()};
        s.rows = TableScene::Rows::FaceUp;
        break;
    case Phase::BankerTurn:
    case Phase::Resumed:
    case Phase::GameOver:
        s.rows = TableScene::Rows::FaceUp;
        break;
    }
    return s;
}
