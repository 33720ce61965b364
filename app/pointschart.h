#pragma once

#include "chartwidget.h"
#include "statistics.h"

#include <QList>
#include <QMap>
#include <QString>

// The share of rounds the player won, by the points they ended the round
// with: one bar per total from the lowest seen to 21, and the busts
// together in one bar "22+". The left axis runs from 0 to 100 %.
class PointsChart final : public ChartWidget
{
    Q_OBJECT

public:
    using Shares = QMap<int, statistics::Summary::Share>;

    struct Bar
    {
        QString label; // the points, or "22+"
        int rounds = 0;
        int won = 0;
        friend bool operator==(const Bar &, const Bar &) = default;
    };

    explicit PointsChart(QWidget *parent = nullptr);

    const Shares &shares() const { return m_shares; }
    void setShares(const Shares &shares);

    // The bars, left to right, for these figures; none without any round.
    static QList<Bar> bars(const Shares &shares);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void describe() override;

    Shares m_shares;
};
