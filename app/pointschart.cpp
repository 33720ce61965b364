#include "pointschart.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int Blackjack = 21;

QString percent(qreal value)
{
    return QStringLiteral("%1 %").arg(qRound(value));
}

} // namespace

PointsChart::PointsChart(QWidget *parent)
    : ChartWidget(parent)
{
    setObjectName(QStringLiteral("pointsChart"));
    describe();
}

void PointsChart::setShares(const Shares &shares)
{
    if (shares == m_shares)
        return;
    m_shares = shares;
    describe();
    update();
}

QList<PointsChart::Bar> PointsChart::bars(const Shares &shares)
{
    QList<Bar> bars;
    if (shares.isEmpty())
        return bars;
    const int lowest = shares.firstKey();
    for (int points = lowest; points <= Blackjack; ++points) {
        const statistics::Summary::Share share = shares.value(points);
        bars.append({QString::number(points), share.rounds, share.won});
    }
    Bar bust{QStringLiteral("22+")};
    for (auto it = shares.upperBound(Blackjack); it != shares.cend(); ++it) {
        bust.rounds += it->rounds;
        bust.won += it->won;
    }
    if (bust.rounds > 0)
        bars.append(bust);
    return bars;
}

void PointsChart::describe()
{
    setAccessibleName(tr("Частка виграних раундів за очками Гравця"));
    QStringList parts;
    for (const Bar &bar : bars(m_shares)) {
        if (bar.rounds > 0)
            parts << tr("%1: %2 (%3 з %4)")
                         .arg(bar.label, percent(100.0 * bar.won / bar.rounds))
                         .arg(bar.won)
                         .arg(bar.rounds);
    }
    setAccessibleDescription(parts.isEmpty() ? noRounds()
                                             : parts.join(QStringLiteral("; ")) + QLatin1Char('.'));
}

void PointsChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QList<Bar> shown = bars(m_shares);
    if (shown.isEmpty()) {
        paintEmpty(painter);
        return;
    }

    const QFontMetricsF metrics(font());
    qreal widest = 0;
    for (const Bar &bar : shown)
        widest = std::max(widest, metrics.horizontalAdvance(bar.label));
    const QRectF plot =
        paintValueAxis(painter, 100, 25, [](int value) { return percent(value); }, widest / 2 + 2);
    const qreal slot = plot.width() / qreal(shown.size());
    const qreal barWidth = std::max(1.0, slot * 0.7);

    painter.setPen(Qt::NoPen);
    painter.setBrush(dataColour());
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const Bar &bar = shown[i];
        if (bar.rounds == 0)
            continue;
        // A sliver for none won, so that it differs from no rounds at all.
        const qreal top = std::min(yOf(plot, 100, 100.0 * bar.won / bar.rounds), plot.bottom() - 2);
        const qreal left = plot.left() + slot * qreal(i) + (slot - barWidth) / 2;
        painter.drawRect(QRectF(left, top, barWidth, plot.bottom() - top));
    }

    // Labels as close as they fit, counted from the right so that 21 or
    // "22+" is always there.
    const qsizetype every =
        std::max<qsizetype>(1, qsizetype(std::ceil((widest + metrics.averageCharWidth()) / slot)));
    painter.setPen(axisColour());
    for (qsizetype i = shown.size() - 1; i >= 0; i -= every) {
        const qreal centre = plot.left() + slot * (qreal(i) + 0.5);
        painter.drawLine(QPointF(centre, plot.bottom()), QPointF(centre, plot.bottom() + 4));
        painter.drawText(QRectF(centre - widest / 2 - 2, plot.bottom() + 6, widest + 4, metrics.height()),
                         Qt::AlignCenter, shown[i].label);
    }
}
