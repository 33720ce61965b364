#pragma once

#include "odds.h"

#include <QColor>
#include <QStringList>
#include <QWidget>

#include <array>
#include <optional>

// The odds of the player's turn in words, on a dark rounded plate over the
// table green. It only shows: clicks and focus pass through to the table.
// Empty (nothing painted) outside the player's turn.
class HintPanel : public QWidget
{
    Q_OBJECT

public:
    explicit HintPanel(QWidget *parent = nullptr);

    // playerPoints as the scoring counts them; empty figures mean the hints
    // cannot be worked out for this deck.
    void showHint(int playerPoints, const std::optional<odds::Figures> &figures);
    void clear();

    QStringList lines() const { return m_lines; }

    // The high-contrast look replaces these.
    void setColours(const QColor &background, const QColor &text, const QColor &accent);
    QColor backgroundColour() const { return m_background; }
    QColor textColour() const { return m_text; }
    QColor accentColour() const { return m_accent; }

    // The plate behind the lines now: top left of the panel, as large as the
    // lines need; empty when there is nothing to show.
    QRect plateRect() const;
    // The font the lines are painted in: the largest of the usual sizes that
    // lets them fit the panel.
    QFont textFont() const;

    // Lettering and margins grow with the table.
    void setZoom(qreal zoom);

    QSize sizeHint() const override;

    // Whole per cents of win, draw and lose that add up to 100: each is
    // rounded down, and the points left go to the largest remainders (the
    // earlier of equal ones first).
    static std::array<int, 3> wholePerCents(const odds::Chances &chances);

protected:
    void paintEvent(QPaintEvent *event) override;
    // A new language says the hint shown again in its words.
    void changeEvent(QEvent *event) override;

private:
    struct Hint
    {
        int playerPoints;
        std::optional<odds::Figures> figures;
    };

    static QString chancesLine(const QString &move, const std::array<int, 3> &perCent);
    static QStringList widestLines();
    void setLines(QStringList lines, QList<int> accentLines);

    std::optional<Hint> m_shown;

    QStringList m_lines;
    qreal m_zoom = 1.0;
    QList<int> m_accentLines; // bold in the accent colour: a bust, the better move
    QColor m_background{0, 0, 0, 150};
    QColor m_text{255, 255, 255};
    QColor m_accent{0, 255, 255};
};
