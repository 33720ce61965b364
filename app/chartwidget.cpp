#include "chartwidget.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

ChartWidget::ChartWidget(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QSize ChartWidget::sizeHint() const
{
    // In lines of its own font, so a larger font gets a larger chart.
    const int line = fontMetrics().height();
    return {24 * line, 12 * line};
}

QSize ChartWidget::minimumSizeHint() const
{
    return sizeHint();
}

QString ChartWidget::noRounds() { return tr("Ще немає зіграних раундів."); }

void ChartWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        describe();
        update();
    }
    QWidget::changeEvent(event);
}

int ChartWidget::niceStep(int span, int maxSteps)
{
    const int least = std::max(1, (std::max(span, 0) + std::max(maxSteps, 1) - 1) / std::max(maxSteps, 1));
    for (int magnitude = 1; magnitude <= 100'000'000; magnitude *= 10) {
        for (const int multiple : {1, 2, 5}) {
            if (multiple * magnitude >= least)
                return multiple * magnitude;
        }
    }
    return least;
}

void ChartWidget::paintEmpty(QPainter &painter) const
{
    painter.setPen(axisColour());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, noRounds());
}

QRectF ChartWidget::paintValueAxis(QPainter &painter, int top, int step, const std::function<QString(int)> &label,
                                   qreal rightRoom) const
{
    const QFontMetricsF metrics(font());
    const qreal tick = 4;
    qreal labelWidth = 0;
    for (int value = 0; value <= top; value += step)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(label(value)));

    // Half a line above for the top label, a line and a tick below for the x labels.
    const QRectF plot = QRectF(rect()).adjusted(labelWidth + 2 * tick, metrics.height() / 2 + 1,
                                                -std::max(rightRoom, 4.0), -(metrics.height() + 2 * tick));

    QColor grid = axisColour();
    grid.setAlphaF(0.3f);
    for (int value = 0; value <= top; value += step) {
        const qreal y = yOf(plot, top, value);
        if (value > 0) {
            painter.setPen(QPen(grid, 1));
            painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        }
        painter.setPen(axisColour());
        painter.drawLine(QPointF(plot.left() - tick, y), QPointF(plot.left(), y));
        const QRectF text(0, y - metrics.height() / 2, labelWidth + tick / 2, metrics.height());
        painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter, label(value));
    }
    painter.setPen(QPen(axisColour(), 1));
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    return plot;
}

qreal ChartWidget::yOf(const QRectF &plot, int top, qreal value)
{
    return plot.bottom() - plot.height() * value / std::max(top, 1);
}
