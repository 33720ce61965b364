#include "pursechart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

// With fewer rounds than this every round gets its dot.
constexpr int MaxDottedRounds = 40;

} // namespace

PurseChart::PurseChart(QWidget *parent)
    : ChartWidget(parent)
{
    setObjectName(QStringLiteral("purseChart"));
    describe();
}

void PurseChart::setPurse(const QList<int> &purse)
{
    if (purse == m_purse)
        return;
    m_purse = purse;
    describe();
    update();
}

void PurseChart::describe()
{
    setAccessibleName(tr("Гроші Гравця в останній грі"));
    if (m_purse.isEmpty()) {
        setAccessibleDescription(noRounds());
        return;
    }
    const auto [least, most] = std::minmax_element(m_purse.cbegin(), m_purse.cend());
    setAccessibleDescription(tr("Раундів: %1. Після першого — %2, після останнього — %3, "
                                "найменше %4, найбільше %5.")
                                 .arg(m_purse.size())
                                 .arg(m_purse.first())
                                 .arg(m_purse.last())
                                 .arg(*least)
                                 .arg(*most));
}

void PurseChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_purse.isEmpty()) {
        paintEmpty(painter);
        return;
    }

    const QFontMetricsF metrics(font());
    const int rounds = int(m_purse.size());
    const int most = std::max(1, *std::max_element(m_purse.cbegin(), m_purse.cend()));
    const int step = niceStep(most, 4);
    const int top = (most + step - 1) / step * step;
    const QString lastRound = QString::number(rounds);
    // The purse at the end stands right of the line's last point.
    QFont bold = font();
    bold.setBold(true);
    const QString last = QString::number(m_purse.last());
    const qreal lastWidth = QFontMetricsF(bold).horizontalAdvance(last);
    const qreal gap = metrics.averageCharWidth() / 2 + 4;
    const QRectF plot = paintValueAxis(
        painter, top, step, [](int value) { return QString::number(value); },
        std::max(metrics.horizontalAdvance(lastRound) / 2 + 2, lastWidth + 2 * gap));

    // One round alone stands in the middle.
    const qreal unit = rounds > 1 ? plot.width() / (rounds - 1) : 0;
    auto xOf = [&](int round) { return rounds > 1 ? plot.left() + unit * (round - 1) : plot.center().x(); };

    // Round numbers: as many as fit side by side, always the last.
    const qreal labelRoom = metrics.horizontalAdvance(lastRound) + metrics.averageCharWidth() * 2;
    const int labelStep = rounds > 1 ? niceStep(int(labelRoom / std::max(unit, 0.01)) + 1, 1) : 1;
    auto xLabel = [&](int round) {
        const QString text = QString::number(round);
        const qreal x = xOf(round);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 4));
        const qreal width = metrics.horizontalAdvance(text);
        painter.drawText(QRectF(x - width / 2 - 1, plot.bottom() + 6, width + 2, metrics.height()),
                         Qt::AlignCenter, text);
    };
    painter.setPen(axisColour());
    for (int round = 1; round <= rounds; ++round) {
        const bool onStep = labelStep == 1 || round % labelStep == 0 || round == 1;
        // Stepped labels keep clear of the last one, which always shows.
        const bool clearOfLast = round == rounds || (rounds - round) * unit >= labelRoom;
        const bool clearOfFirst = round == 1 || (round - 1) * unit >= labelRoom;
        if (round == rounds || (onStep && clearOfLast && clearOfFirst))
            xLabel(round);
    }

    const qreal lineWidth = std::max(2.0, metrics.height() / 8);
    QPainterPath line;
    for (int round = 1; round <= rounds; ++round) {
        const QPointF point(xOf(round), yOf(plot, top, m_purse[round - 1]));
        if (round == 1)
            line.moveTo(point);
        else
            line.lineTo(point);
    }
    painter.setPen(QPen(dataColour(), lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
    if (rounds <= MaxDottedRounds) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(dataColour());
        for (int round = 1; round <= rounds; ++round)
            painter.drawEllipse(QPointF(xOf(round), yOf(plot, top, m_purse[round - 1])), lineWidth * 1.5,
                                lineWidth * 1.5);
    }

    const QPointF end(xOf(rounds), yOf(plot, top, m_purse.last()));
    QRectF text(end.x() + gap, 0, lastWidth + gap, metrics.height());
    text.moveCenter({text.center().x(), std::clamp(end.y(), metrics.height() / 2, height() - metrics.height() / 2)});
    painter.setFont(bold);
    painter.setPen(dataColour());
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, last);
}
