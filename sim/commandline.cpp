#include "commandline.h"

#include "gamemodel.h"
#include "odds.h"
#include "output.h"
#include "simulation.h"

#include <QCommandLineParser>
#include <QJsonDocument>

#include <optional>
#include <set>
#include <vector>

namespace {

constexpr int BadInput = 2;
constexpr int MaxThreads = 64;

const char *const Usage = R"(Usage:
  twentyone-sim simulate --strategy S --rounds N [--stake K] [--seed X | --game N] [--threads T] [--json]
  twentyone-sim odds --player C,C[,C...] --banker-up C [--seen C,C,...] [--json]
  twentyone-sim --version

simulate plays whole games by the rules of the game, a new game whenever a
purse is empty, and prints how the rounds and games went.
  --strategy S   stand:N   draw while below N points
                 banker    draw while below 15, as the banker does
                 hint      the better move by the exact odds at every card
  --rounds N     rounds to play, 1 or more
  --stake K      the stake of each round, 1..10, never more than a purse holds (default 10)
  --seed X       seed of the random numbers, 0..2^64-1 (default 21)
  --game N       play the numbered games N, N+1, ... (1..2000000000) with the
                 cards the game window deals for them, instead of a seed
  --threads T    threads that share the rounds, 1..64 (default 1); the figures
                 follow from the seed (or the first game) and the number of
                 threads
  --json         print JSON instead of text

odds prints the exact chances of the round for what the player sees.
  --player C,C   the player's cards, 2 to 5 codes
  --banker-up C  the banker's face-up (second) card
  --seen C,...   cards shown in earlier rounds of this deck
  --json         print JSON instead of text
A card code is 100 x suit + rank: suits 1 diamonds, 2 hearts, 3 clubs,
4 spades; ranks 1 ace, 2..10, 11 jack, 12 queen, 13 king (413: king of spades).
)";

// One line on stderr, the bad-input status.
class Refusal
{
public:
    explicit Refusal(QTextStream &err) : m_err(err) {}
    int operator()(const QString &message) const
    {
        m_err << "twentyone-sim: " << message << Qt::endl;
        return BadInput;
    }

private:
    QTextStream &m_err;
};

std::optional<qint64> wholeNumber(const QString &text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok, 10);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

// The parser for one command: --help, the command's options, no positional arguments.
struct Parsed
{
    bool ok = false;
    bool help = false;
    QString error;
};

Parsed parse(QCommandLineParser &parser, const QStringList &arguments)
{
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOption(help);
    Parsed parsed;
    if (!parser.parse(arguments)) {
        parsed.error = parser.errorText();
        return parsed;
    }
    parsed.help = parser.isSet(help);
    if (!parsed.help && !parser.positionalArguments().isEmpty()) {
        parsed.error = QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first());
        return parsed;
    }
    parsed.ok = true;
    return parsed;
}

void print(QTextStream &out, const QJsonObject &json) { out << QJsonDocument(json).toJson(QJsonDocument::Indented); }

int runSimulate(const QStringList &arguments, QTextStream &out, const Refusal &refuse)
{
    QCommandLineParser parser;
    const QCommandLineOption strategyOption(QStringLiteral("strategy"), {}, QStringLiteral("S"));
    const QCommandLineOption roundsOption(QStringLiteral("rounds"), {}, QStringLiteral("N"));
    const QCommandLineOption stakeOption(QStringLiteral("stake"), {}, QStringLiteral("K"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), {}, QStringLiteral("X"));
    const QCommandLineOption threadsOption(QStringLiteral("threads"), {}, QStringLiteral("T"));
    const QCommandLineOption gameOption(QStringLiteral("game"), {}, QStringLiteral("N"));
    const QCommandLineOption jsonOption(QStringLiteral("json"));
    parser.addOptions({strategyOption, roundsOption, stakeOption, seedOption, threadsOption, gameOption, jsonOption});
    const Parsed parsed = parse(parser, arguments);
    if (!parsed.ok)
        return refuse(parsed.error);
    if (parsed.help) {
        out << Usage;
        return 0;
    }

    SimulationSettings settings;
    if (!parser.isSet(strategyOption))
        return refuse(QStringLiteral("simulate needs --strategy (stand:N, banker or hint)"));
    const QString strategyText = parser.value(strategyOption);
    const auto strategy = Strategy::parse(strategyText.toStdString());
    if (!strategy)
        return refuse(QStringLiteral("unknown strategy '%1': use stand:N (N from 0 to 50), banker or hint").arg(strategyText));
    settings.strategy = *strategy;

    if (!parser.isSet(roundsOption))
        return refuse(QStringLiteral("simulate needs --rounds N"));
    const auto rounds = wholeNumber(parser.value(roundsOption));
    if (!rounds || *rounds < 1)
        return refuse(QStringLiteral("--rounds takes a whole number of 1 or more, not '%1'").arg(parser.value(roundsOption)));
    settings.rounds = *rounds;

    if (parser.isSet(stakeOption)) {
        const auto stake = wholeNumber(parser.value(stakeOption));
        if (!stake || *stake < 1 || *stake > SimulationSettings::MaxStake)
            return refuse(QStringLiteral("--stake takes a whole number from 1 to 10, not '%1'").arg(parser.value(stakeOption)));
        settings.stake = static_cast<int>(*stake);
    }
    if (parser.isSet(seedOption)) {
        bool ok = false;
        settings.seed = parser.value(seedOption).toULongLong(&ok, 10);
        if (!ok)
            return refuse(QStringLiteral("--seed takes a whole number from 0 to 18446744073709551615, not '%1'")
                              .arg(parser.value(seedOption)));
    }
    if (parser.isSet(gameOption)) {
        if (parser.isSet(seedOption))
            return refuse(QStringLiteral("--game and --seed exclude each other: a numbered game deals from its number"));
        const auto game = wholeNumber(parser.value(gameOption));
        if (!game || *game < 1 || *game > GameModel::LargestGameNumber)
            return refuse(QStringLiteral("--game takes a whole number from 1 to %1, not '%2'")
                              .arg(GameModel::LargestGameNumber)
                              .arg(parser.value(gameOption)));
        settings.firstGame = *game;
    }
    if (parser.isSet(threadsOption)) {
        const auto threads = wholeNumber(parser.value(threadsOption));
        if (!threads || *threads < 1 || *threads > MaxThreads)
            return refuse(QStringLiteral("--threads takes a whole number from 1 to %1, not '%2'")
                              .arg(MaxThreads)
                              .arg(parser.value(threadsOption)));
        settings.threads = static_cast<int>(*threads);
    }

    const SimulationResult result = simulate(settings);
    if (parser.isSet(jsonOption))
        print(out, output::simulationJson(result));
    else
        out << output::simulationText(settings, result);
    return 0;
}

// Card codes separated by commas; refuses a code that is no card.
std::optional<std::vector<Card>> cardList(const QString &text, QString &error)
{
    std::vector<Card> cards;
    if (text.trimmed().isEmpty())
        return cards;
    for (const QString &item : text.split(QLatin1Char(','))) {
        bool ok = false;
        const int code = item.trimmed().toInt(&ok, 10);
        if (!ok || !card::isValid(code)) {
            error = QStringLiteral("'%1' is no card: a code is 100 x suit + rank, from 101 to 413").arg(item.trimmed());
            return std::nullopt;
        }
        cards.push_back(static_cast<Card>(code));
    }
    return cards;
}

int runOdds(const QStringList &arguments, QTextStream &out, const Refusal &refuse)
{
    QCommandLineParser parser;
    const QCommandLineOption playerOption(QStringLiteral("player"), {}, QStringLiteral("C,C"));
    const QCommandLineOption upOption(QStringLiteral("banker-up"), {}, QStringLiteral("C"));
    const QCommandLineOption seenOption(QStringLiteral("seen"), {}, QStringLiteral("C,..."));
    const QCommandLineOption jsonOption(QStringLiteral("json"));
    parser.addOptions({playerOption, upOption, seenOption, jsonOption});
    const Parsed parsed = parse(parser, arguments);
    if (!parsed.ok)
        return refuse(parsed.error);
    if (parsed.help) {
        out << Usage;
        return 0;
    }
    if (!parser.isSet(playerOption))
        return refuse(QStringLiteral("odds needs --player with the player's cards"));
    if (!parser.isSet(upOption))
        return refuse(QStringLiteral("odds needs --banker-up with the banker's face-up card"));

    QString error;
    const auto player = cardList(parser.value(playerOption), error);
    if (!player)
        return refuse(error);
    if (player->size() < 2 || player->size() > static_cast<std::size_t>(Hand::MaxCards))
        return refuse(QStringLiteral("--player takes 2 to 5 cards, not %1").arg(player->size()));
    const auto up = cardList(parser.value(upOption), error);
    if (!up)
        return refuse(error);
    if (up->size() != 1)
        return refuse(QStringLiteral("--banker-up takes one card, not %1").arg(up->size()));
    const auto seen = cardList(parser.isSet(seenOption) ? parser.value(seenOption) : QString(), error);
    if (!seen)
        return refuse(error);

    // Checked here, so that a list longer than a deck never reaches the position.
    std::set<Card> given;
    for (const auto *list : {&*player, &*up, &*seen})
        for (const Card c : *list)
            if (!given.insert(c).second)
                return refuse(QStringLiteral("card %1 is given twice").arg(c));

    odds::Position position;
    for (const Card c : *player)
        position.player.add(c);
    position.bankerUp = up->front();
    for (const Card c : *seen)
        position.addSeen(c);
    if (odds::check(position) == odds::Check::NoCardUnseen)
        return refuse(QStringLiteral("all 52 cards are given: none is left for the banker's face-down card"));
    const std::optional<odds::Figures> figures = odds::compute(position);
    if (!figures)
        return refuse(QStringLiteral("the position cannot be worked out"));

    if (parser.isSet(jsonOption))
        print(out, output::oddsJson(*figures));
    else
        out << output::oddsText(*figures);
    return 0;
}

} // namespace

int runCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const Refusal refuse(err);
    if (arguments.size() < 2)
        return refuse(QStringLiteral("no command: use simulate or odds (--help for usage)"));
    const QString command = arguments.at(1);
    if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
        out << Usage;
        return 0;
    }
    if (command == QLatin1String("--version") || command == QLatin1String("-v")) {
        out << "twentyone-sim " << TWENTYONE_VERSION << '\n';
        return 0;
    }
    // The parser expects the program name first.
    QStringList rest = arguments;
    rest.removeAt(1);
    if (command == QLatin1String("simulate"))
        return runSimulate(rest, out, refuse);
    if (command == QLatin1String("odds"))
        return runOdds(rest, out, refuse);
    return refuse(QStringLiteral("unknown command '%1': use simulate or odds (--help for usage)").arg(command));
}
