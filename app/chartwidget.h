#pragma once

#include <QColor>
#include <QRectF>
#include <QWidget>

#include <functional>

class QPainter;

// What the statistics charts share: their size, the empty state, and a value
// axis from 0 up with gridlines. Everything is painted in the widget's own
// palette, so the window that holds it decides the look: axes, gridlines and
// figures in WindowText, the data in Highlight. The chart takes no mouse
// input; pointer moves reach the window beneath.
class ChartWidget : public QWidget
{
    Q_OBJECT

public:
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The step from {1, 2, 5} × 10^k that covers span in at most maxSteps.
    static int niceStep(int span, int maxSteps);

protected:
    explicit ChartWidget(QWidget *parent);

    // The accessible name and description, in the language now.
    virtual void describe() = 0;
    void changeEvent(QEvent *event) override;
    static QString noRounds();

    QColor axisColour() const { return palette().color(QPalette::WindowText); }
    QColor dataColour() const { return palette().color(QPalette::Highlight); }

    // The line that stands in for a chart with nothing to show yet.
    void paintEmpty(QPainter &painter) const;

    // Gridlines and labels from 0 to top in steps of step, and the two axis
    // lines; returns the area left for the data. rightRoom keeps a strip
    // free on the right, e.g. for the last x label.
    QRectF paintValueAxis(QPainter &painter, int top, int step, const std::function<QString(int)> &label,
                          qreal rightRoom) const;

    // Where a value from 0 to top lies in the plot area.
    static qreal yOf(const QRectF &plot, int top, qreal value);
};
