#include "game.h"

#include "card.h"
#include "flight.h"
#include "gamepaths.h"
#include "random.h"
#include "recordsfile.h"
#include "savegame.h"
#include "scoring.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

using Button = TableView::Button;
using Buttons = TableView::Buttons;
using Label = TableView::Label;
using Toggle = TableView::Toggle;

const QString PhaseStavka = QStringLiteral("Stavka");
const QString PhaseGame = QStringLiteral("Game");
const QString PhaseFinish = QStringLiteral("Finish");

std::int16_t int16(int value) { return static_cast<std::int16_t>(value); }

} // namespace

Game::Game(GameState &state, Vars &vars, TableView &table, RandomSource &random, QString baseDir)
    : m_state(state), m_vars(vars), m_table(table), m_random(random), m_baseDir(std::move(baseDir))
{
}

void Game::Koloda()
{
    m_state.Deck.fill(0);
    for (int slot = 1; slot <= 5; ++slot) {
        m_state.PlayerHand[slot] = 0;
        m_state.BankerHand[slot] = 0;
    }
    m_state.DeckPos = 1;
    m_state.BankerCount = 0;
    m_state.PlayerCount = 0;

    // Each card tries random slots until it finds an empty one.
    for (int suit = 1; suit <= 4; ++suit) {
        for (int rank = 1; rank <= 13; ++rank) {
            int k = 0;
            do {
                k = std::clamp(static_cast<int>(m_random.next() * 52) + 1, 1, 52);
            } while (m_state.Deck[k] != 0);
            m_state.Deck[k] = card::code(suit, rank);
        }
    }
}

void Game::New_Game()
{
    stopFlights();
    m_betPending = false;
    m_bankerPlaying = false;
    m_savePending = false;

    m_table.playSound(gamefiles::Dist);
    m_vars.EvaluationCount = 0;
    m_vars.WinCount = 0;
    m_state.Stake = 0;
    m_state.PlayerMoney = 100;
    m_state.BankerMoney = 100;
    m_state.Winner = QStringLiteral("Nobody");
    m_state.Phase = PhaseStavka;
    m_table.showButtons();
    m_table.setButtonEnabled(Button::Stavka, true);
    m_table.setButtonEnabled(Button::Draw, false);
    m_table.setButtonEnabled(Button::Stop, false);
    m_table.setButtonEnabled(Button::Next, false);
    Koloda();
    NextGame();
}

void Game::NextGame()
{
    for (int slot = 1; slot <= 5; ++slot) {
        m_state.PlayerHand[slot] = 0;
        m_state.BankerHand[slot] = 0;
    }
    m_table.setSpinnerEnabled(true);
    m_table.setButtonEnabled(Button::Stavka, true);
    for (int i = 0; i < 5; ++i) {
        m_table.hideSlot(Side::Banker, i);
        m_table.hideSlot(Side::Player, i);
    }
    m_state.PlayerCount = 0;
    m_state.BankerCount = 0;
    m_table.redraw();
    First_Draw();
}

void Game::First_Draw()
{
    const int p = m_state.PlayerCount;
    const int b = m_state.BankerCount;
    if (p == 0 && b == 0) {
        dealCard(Side::Player);
    } else if (p == 1 && b == 0) {
        m_table.showSlotBack(Side::Player, 0);
        dealCard(Side::Banker);
    } else if (p == 1 && b == 1) {
        m_table.showSlotBack(Side::Banker, 0);
        dealCard(Side::Player);
    } else if (p == 2 && b == 1) {
        m_table.showSlotBack(Side::Player, 1);
        dealCard(Side::Banker);
    } else if (p == 2 && b == 2) {
        m_table.showSlotBack(Side::Banker, 1);
        m_table.redraw();
        // A bet pressed while the cards were still flying counts now.
        if (m_betPending) {
            m_betPending = false;
            placeBet();
        }
    }
}

bool Game::isDealComplete() const
{
    return !m_flying && m_state.PlayerCount >= 2 && m_state.BankerCount >= 2;
}

void Game::dealCard(Side side)
{
    std::int16_t &count = side == Side::Player ? m_state.PlayerCount : m_state.BankerCount;
    auto &hand = side == Side::Player ? m_state.PlayerHand : m_state.BankerHand;
    // A loaded game can bring a worn deck; never read past its end.
    if (count >= 5 || m_state.DeckPos < 1 || m_state.DeckPos > 52)
        return;
    hand[count + 1] = m_state.Deck[m_state.DeckPos];
    count = int16(count + 1);
    m_state.DeckPos = int16(m_state.DeckPos + 1);
    flight::start(m_state);
    m_flying = true;
    m_table.startFlight(side);
    m_table.playSound(gamefiles::Draw);
}

void Game::cardLanded(Side side, int cardNumber)
{
    // Only the card the engine sent off may land, and only once.
    const int count = side == Side::Player ? m_state.PlayerCount : m_state.BankerCount;
    if (!m_flying || cardNumber != count)
        return;
    m_flying = false;
    if (cardNumber <= 2) {
        First_Draw();
    } else if (side == Side::Player) {
        m_table.redraw();
    } else {
        m_table.redraw();
        Calculate();
    }
}

void Game::stopFlights()
{
    m_table.stopFlights();
    m_flying = false;
}

void Game::Calculate()
{
    m_vars.EvaluationCount = int16(m_vars.EvaluationCount + 1);

    const auto player = scoring::evaluate(m_state.PlayerHand, m_state.PlayerCount);
    const auto banker = scoring::evaluate(m_state.BankerHand, m_state.BankerCount);
    m_state.PlayerLowSum = player.lowSum;
    m_state.PlayerHighSum = player.highSum;
    m_state.PlayerAceHigh = player.aceHigh;
    m_state.PlayerPoints = player.points;
    m_state.BankerLowSum = banker.lowSum;
    m_state.BankerHighSum = banker.highSum;
    m_state.BankerAceHigh = banker.aceHigh;
    m_state.BankerPoints = banker.points;

    if (scoring::bankerDraws(m_state.BankerPoints, m_state.PlayerPoints, m_state.BankerCount)) {
        CompDraw();
        if (m_flying)
            return;
        // No card left to take: the round is settled as it stands.
    }

    m_state.Winner = scoring::winner(m_state.PlayerPoints, m_state.BankerPoints, m_state.Winner);
    if (m_state.Winner == QLatin1String("Player")) {
        m_state.PlayerMoney = int16(m_state.PlayerMoney + 2 * m_state.Stake);
        m_vars.WinCount = int16(m_vars.WinCount + 1);
    } else if (m_state.Winner == QLatin1String("Computer")) {
        m_state.BankerMoney = int16(m_state.BankerMoney + 2 * m_state.Stake);
    } else {
        m_state.PlayerMoney = int16(m_state.PlayerMoney + m_state.Stake);
        m_state.BankerMoney = int16(m_state.BankerMoney + m_state.Stake);
    }
    m_bankerPlaying = false;
    m_table.redraw();

    if (m_savePending) {
        m_savePending = false;
        saving_Click();
    }
}

void Game::CompDraw()
{
    if (m_state.BankerCount == 5)
        return;
    dealCard(Side::Banker);
}

void Game::NewGame_Click()
{
    New_Game();
}

void Game::UpDown1_Change(int value)
{
    m_table.setLabel(Label::Stake, QString::number(value));
    m_state.Stake = int16(value);
    m_table.setLabel(Label::Pot, QString::number(2 * m_state.Stake));
    m_table.setLabel(Label::PlayerMoney, QString::number(m_state.PlayerMoney - m_state.Stake));
    m_table.setLabel(Label::BankerMoney, QString::number(m_state.BankerMoney - m_state.Stake));
}

void Game::CmdStavka_Click()
{
    if (!m_table.isButtonEnabled(Button::Stavka))
        return;
    m_table.playSound(gamefiles::Click);
    // The player's turn never starts before both sides hold two cards.
    if (!isDealComplete()) {
        m_betPending = true;
        return;
    }
    placeBet();
}

void Game::placeBet()
{
    const int v = m_table.spinnerValue();
    QString refusal;
    if (v == 0)
        refusal = QStringLiteral("Ставка повинна бути більшою за 0!");
    else if (v > m_state.PlayerMoney)
        refusal = QStringLiteral("У Вас не вистачає грошей для цієї ставки!");
    else if (v > m_state.BankerMoney)
        refusal = QStringLiteral("У Банківника не вистачає грошей для цієї ставки!");
    if (!refusal.isEmpty()) {
        m_state.MsgAnswer = int16(m_table.messageBox(refusal, QStringLiteral("Помилка!"), Buttons::Ok));
        return;
    }

    m_table.setButtonEnabled(Button::Stavka, false);
    m_table.setButtonEnabled(Button::Draw, true);
    m_table.setButtonEnabled(Button::Stop, true);
    m_table.setButtonEnabled(Button::Next, false);
    m_state.Stake = int16(v);
    m_table.setSpinnerEnabled(false);
    m_state.Pot = int16(2 * m_state.Stake);
    m_state.BankerMoney = int16(m_state.BankerMoney - m_state.Stake);
    m_state.PlayerMoney = int16(m_state.PlayerMoney - m_state.Stake);
    m_state.Phase = PhaseGame;
    m_table.redraw();
}

void Game::CmdDraw_Click()
{
    if (!m_table.isButtonEnabled(Button::Draw))
        return;
    m_table.playSound(gamefiles::Click);
    // One card in the air at a time.
    if (m_flying || m_state.PlayerCount == 5)
        return;
    dealCard(Side::Player);
    if (m_state.PlayerCount == 5)
        m_table.setButtonEnabled(Button::Draw, false);
}

void Game::CmdStop_Click()
{
    if (!m_table.isButtonEnabled(Button::Stop))
        return;
    m_table.playSound(gamefiles::Click);
    // Standing while the player's card still flies would hand the flying
    // card to the banker.
    if (m_flying)
        return;
    m_state.Phase = PhaseFinish;
    m_table.setButtonEnabled(Button::Draw, false);
    m_table.setButtonEnabled(Button::Stop, false);
    m_table.setButtonEnabled(Button::Next, true);
    m_table.setSavingEnabled(true);
    m_state.Pot = 0;
    m_bankerPlaying = true;
    Calculate();
}

void Game::CmdNext_Click()
{
    if (!m_table.isButtonEnabled(Button::Next))
        return;
    m_table.playSound(gamefiles::Click);
    // The stakes are still on the table until the banker has finished.
    if (m_bankerPlaying || m_flying)
        return;
    m_table.setSavingEnabled(false);

    if (m_state.BankerMoney < 1) {
        m_vars.RecordScore = recordScore(m_vars.WinCount, m_vars.EvaluationCount);
        EnterRecord(m_vars.RecordScore);
        if (m_state.MsgAnswer == TableView::AnswerYes)
            New_Game();
        else
            m_table.exitGame();
        return;
    }
    if (m_state.PlayerMoney < 1) {
        m_state.MsgAnswer = int16(m_table.messageBox(QStringLiteral("Повна поразка! Бажаєте грати ще?"),
                                                     QStringLiteral("Поразка!"), Buttons::YesNo));
        if (m_state.MsgAnswer == TableView::AnswerYes)
            New_Game();
        else
            m_table.exitGame();
        return;
    }
    newDeckCheck();
    m_table.setButtonEnabled(Button::Next, false);
    m_state.Phase = PhaseStavka;
    NextGame();
}

void Game::newDeckCheck()
{
    if (m_state.DeckPos < 44)
        return;
    m_table.playSound(gamefiles::Dist);
    m_state.MsgAnswer = int16(m_table.messageBox(
        QStringLiteral("В колоді залишилося менше 10 карт. Банківник здає нову колоду."),
        QStringLiteral("Нова колода!"), Buttons::Ok));
    m_table.setButtonEnabled(Button::Next, false);
    Koloda();
}

std::int32_t Game::recordScore(int winCount, int evaluationCount)
{
    if (evaluationCount == 0)
        return 0;
    const double evaluations = evaluationCount;
    const double score = std::floor(static_cast<double>(std::int64_t{winCount} * 50000) / (evaluations * evaluations));
    return static_cast<std::int32_t>(score);
}

void Game::EnterRecord(std::int32_t score)
{
    const QString path = gamePath(m_baseDir, gamefiles::Records);
    const QString title = QStringLiteral("Перемога!");

    // A table that cannot be read is not written over.
    const QString readError = recordsfile::ReadRecordsTable(m_state, path);
    int place = 0;
    if (readError.isEmpty()) {
        for (int i = 1; i <= recordsfile::Rows; ++i) {
            if (score > std::int32_t{m_state.RecordScores[i]}) {
                place = i;
                break;
            }
        }
    } else {
        m_table.messageBox(readError, QStringLiteral("Рекорди"), Buttons::Ok);
    }

    if (place == 0) {
        m_state.MsgAnswer = int16(m_table.messageBox(QStringLiteral("Ура! Ви перемогли! Бажаєте грати ще?"),
                                                     title, Buttons::YesNo));
        return;
    }

    for (int j = recordsfile::Rows; j > place; --j) {
        m_state.RecordScores[j] = m_state.RecordScores[j - 1];
        m_state.RecordNames[j] = m_state.RecordNames[j - 1];
    }
    m_state.EnteredName = m_table.inputBox(
        QStringLiteral("Запис в найкращу десятку"),
        QStringLiteral("Ви перемогли і набрали %1 бали(-ів). Введіть Ваше ім'я:").arg(score));
    m_state.RecordScores[place] = static_cast<std::int16_t>(
        std::clamp<std::int32_t>(score, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
    m_state.RecordNames[place] = m_state.EnteredName.isEmpty() ? QStringLiteral("Анонім") : m_state.EnteredName;
    const QString writeError = recordsfile::WriteRecordsTable(m_state, path);
    if (!writeError.isEmpty())
        m_table.messageBox(writeError, QStringLiteral("Рекорди"), Buttons::Ok);
    m_state.MsgAnswer = int16(m_table.messageBox(QStringLiteral("Бажаєте грати ще?"), title, Buttons::YesNo));
}

void Game::anime_Click()
{
    m_vars.AnimationOn = !m_vars.AnimationOn;
    m_table.setToggleChecked(Toggle::Animation, m_vars.AnimationOn);
}

void Game::saving_Click()
{
    // The round after a stand is saved once the banker has settled it;
    // saving sooner would keep the stakes out of both purses.
    if (m_bankerPlaying || m_flying) {
        m_savePending = true;
        return;
    }
    const QString title = QStringLiteral("Збереження гри");
    m_state.SaveRecord = savegame::encode(m_state, m_vars);
    const QString error = savegame::write(gamePath(m_baseDir, gamefiles::SavedGame), m_state.SaveRecord);
    const QString text = error.isEmpty()
        ? QStringLiteral("Гру успішно збережено... Для продовження натисніть на кнопку...")
        : error;
    m_state.MsgAnswer = int16(m_table.messageBox(text, title, Buttons::Ok));
}

void Game::opening_Click()
{
    const QString title = QStringLiteral("Завантаження гри");
    QByteArray row;
    QString error = savegame::read(gamePath(m_baseDir, gamefiles::SavedGame), row);

    // Decode into copies: a refused file leaves the current game as it was.
    GameState loaded = m_state;
    Vars loadedVars = m_vars;
    savegame::LoadedFlags flags;
    if (error.isEmpty())
        error = savegame::decode(row, loaded, loadedVars, flags);
    if (!error.isEmpty()) {
        m_state.MsgAnswer = int16(m_table.messageBox(error, title, Buttons::Ok));
        return;
    }

    stopFlights();
    m_betPending = false;
    m_bankerPlaying = false;
    m_savePending = false;
    m_state = loaded;
    m_vars = loadedVars;
    m_state.SaveRecord = row;
    if (flags.musicOn)
        m_table.setToggleChecked(Toggle::Music, m_vars.MusicOn);
    if (flags.soundsOn)
        m_table.setToggleChecked(Toggle::Sounds, m_vars.SoundsOn);
    if (flags.animationOn)
        m_table.setToggleChecked(Toggle::Animation, m_vars.AnimationOn);

    m_state.Pot = 0;
    m_state.Stake = 0;
    // Music never plays while the menu shows it off.
    if (m_vars.MusicOn)
        m_table.playTrack(m_vars.MusicTrack);
    else
        m_table.stopMusic();

    // Slots of the previous game must not linger beside the loaded hands.
    for (int i = 0; i < 5; ++i) {
        m_table.hideSlot(Side::Banker, i);
        m_table.hideSlot(Side::Player, i);
    }
    m_table.redraw();

    m_table.setButtonEnabled(Button::Stavka, false);
    m_table.setButtonEnabled(Button::Next, true);
    m_table.setSpinnerEnabled(false);
    m_table.setButtonEnabled(Button::Draw, false);
    m_table.setButtonEnabled(Button::Stop, false);
    m_table.setSpinnerValue(0);
    m_table.setLabel(Label::Stake, QStringLiteral("0"));
    m_table.setLabel(Label::Pot, QStringLiteral("0"));

    m_state.MsgAnswer = int16(m_table.messageBox(
        QStringLiteral("Гру успішно завантажено... Для продовження натисніть на кнопку..."), title, Buttons::Ok));
}
