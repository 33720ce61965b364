#include "output.h"

#include <QJsonArray>
#include <QJsonValue>

namespace output {

namespace {

QString percent(std::int64_t part, std::int64_t whole)
{
    return whole > 0 ? QString::number(100.0 * static_cast<double>(part) / static_cast<double>(whole), 'f', 2) + QStringLiteral(" %")
                     : QStringLiteral("-");
}

QString line(const char *label, const QString &value)
{
    return QStringLiteral("%1 %2\n").arg(QLatin1String(label), -24).arg(value);
}

QJsonObject chancesJson(const odds::Chances &c)
{
    return {{QStringLiteral("win"), c.win}, {QStringLiteral("draw"), c.draw}, {QStringLiteral("lose"), c.lose}, {QStringLiteral("ev"), c.ev}};
}

QString chancesText(const odds::Chances &c)
{
    return QStringLiteral("win %1 %  draw %2 %  lose %3 %  ev %4")
        .arg(100 * c.win, 6, 'f', 2)
        .arg(100 * c.draw, 6, 'f', 2)
        .arg(100 * c.lose, 6, 'f', 2)
        .arg(c.ev, 8, 'f', 5);
}

const char *moveName(odds::Move move) { return move == odds::Move::Draw ? "draw" : "stand"; }

} // namespace

QString simulationText(const SimulationSettings &settings, const SimulationResult &result)
{
    const SimulationCounts &c = result.counts;
    const auto ci = result.evCi95();
    const auto score = result.meanRecordScore();
    QString text;
    text += line("strategy", QString::fromStdString(settings.strategy.name()));
    const QString threads = QStringLiteral("%1 thread%2").arg(settings.threads).arg(settings.threads == 1 ? "" : "s");
    if (settings.firstGame)
        text += line("games", QStringLiteral("numbered from %1 (%2)").arg(*settings.firstGame).arg(threads));
    else
        text += line("seed", QStringLiteral("%1 (%2)").arg(settings.seed).arg(threads));
    text += line("rounds", QString::number(c.rounds));
    text += line("games completed", QString::number(c.games));
    text += line("rounds won", QStringLiteral("%1 (%2)").arg(c.playerRounds).arg(percent(c.playerRounds, c.rounds)));
    text += line("rounds drawn", QStringLiteral("%1 (%2)").arg(c.drawRounds).arg(percent(c.drawRounds, c.rounds)));
    text += line("rounds lost", QStringLiteral("%1 (%2)").arg(c.bankerRounds).arg(percent(c.bankerRounds, c.rounds)));
    text += line("mean result per round",
                 QStringLiteral("%1 stakes (95 % CI %2 to %3)").arg(result.ev(), 0, 'f', 5).arg(ci[0], 0, 'f', 5).arg(ci[1], 0, 'f', 5));
    text += line("games won", QStringLiteral("%1 (%2)").arg(c.gamesWon).arg(percent(c.gamesWon, c.games)));
    text += line("mean record score", score ? QString::number(*score, 'f', 1) : QStringLiteral("- (no game won)"));
    text += line("rounds per second", QString::number(result.roundsPerSecond(), 'f', 0));
    return text;
}

QJsonObject simulationJson(const SimulationResult &result)
{
    const SimulationCounts &c = result.counts;
    const auto ci = result.evCi95();
    const auto score = result.meanRecordScore();
    return {
        {QStringLiteral("rounds"), static_cast<qint64>(c.rounds)},
        {QStringLiteral("games"), static_cast<qint64>(c.games)},
        {QStringLiteral("player_rounds"), static_cast<qint64>(c.playerRounds)},
        {QStringLiteral("draw_rounds"), static_cast<qint64>(c.drawRounds)},
        {QStringLiteral("banker_rounds"), static_cast<qint64>(c.bankerRounds)},
        {QStringLiteral("ev"), result.ev()},
        {QStringLiteral("ev_ci95"), QJsonArray{ci[0], ci[1]}},
        {QStringLiteral("games_won"), static_cast<qint64>(c.gamesWon)},
        {QStringLiteral("mean_record_score"), score ? QJsonValue(*score) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("rounds_per_second"), result.roundsPerSecond()},
    };
}

QString oddsText(const odds::Figures &figures)
{
    QString text;
    text += line("bust on the next card", QStringLiteral("%1 %").arg(100 * figures.bustNext, 0, 'f', 2));
    text += line("stand", chancesText(figures.stand));
    text += line("draw", figures.draw ? chancesText(*figures.draw) : QStringLiteral("- (no card can be drawn)"));
    text += line("best", QStringLiteral("%1 (ev %2)").arg(QLatin1String(moveName(figures.best))).arg(figures.evOptimal, 0, 'f', 5));
    return text;
}

QJsonObject oddsJson(const odds::Figures &figures)
{
    return {
        {QStringLiteral("bust_next"), figures.bustNext},
        {QStringLiteral("stand"), chancesJson(figures.stand)},
        {QStringLiteral("draw"), figures.draw ? QJsonValue(chancesJson(*figures.draw)) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("best"), QLatin1String(moveName(figures.best))},
        {QStringLiteral("ev_optimal"), figures.evOptimal},
    };
}

} // namespace output
