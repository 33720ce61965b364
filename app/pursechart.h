#pragma once

#include "chartwidget.h"

#include <QList>

// The player's purse after each round of one game, as a line over the
// rounds: money on the left axis from 0, round numbers below, the last
// value written by the line's end.
class PurseChart final : public ChartWidget
{
    Q_OBJECT

public:
    explicit PurseChart(QWidget *parent = nullptr);

    const QList<int> &purse() const { return m_purse; }
    // Oldest first; an empty list shows that no round was played yet.
    void setPurse(const QList<int> &purse);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void describe() override;

    QList<int> m_purse;
};
