#include "common.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <vector>

namespace artgen {

namespace {

constexpr qreal W = 100, H = 154;
constexpr qreal CentreX = W / 2, CentreY = H / 2;

const QString RankLabels[] = {{}, QStringLiteral("Т"), QStringLiteral("2"), QStringLiteral("3"),
                              QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                              QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9"),
                              QStringLiteral("10"), QStringLiteral("В"), QStringLiteral("Д"),
                              QStringLiteral("К")};

void drawBlank(QPainter &p)
{
    const QRectF card(0.5, 0.5, W - 1, H - 1);
    QLinearGradient paper(0, 0, W, H);
    paper.setColorAt(0, QColor(255, 255, 255));
    paper.setColorAt(1, QColor(246, 245, 240));
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(paper);
    p.drawRoundedRect(card, 6, 6);
}

// A pip with a faint sheen, so large signs do not look flat.
void drawPip(QPainter &p, int suit, QPointF centre, qreal height, bool upsideDown)
{
    p.save();
    p.translate(centre);
    if (upsideDown)
        p.rotate(180);
    p.scale(height, height);
    const QColor base = suitColour(suit);
    QLinearGradient sheen(-0.5, -0.5, 0.5, 0.5);
    sheen.setColorAt(0, base.lighter(suit == Diamonds || suit == Hearts ? 118 : 190));
    sheen.setColorAt(0.55, base);
    sheen.setColorAt(1, base.darker(115));
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawPath(suitPath(suit));
    p.restore();
}

void drawIndex(QPainter &p, int suit, const QString &index)
{
    QPainterPath label = textPath(index, SerifFamily, 16, true, false);
    const qreal width = label.boundingRect().width();
    const qreal maxWidth = 12.5;
    p.save();
    p.translate(9.5, 17);
    if (width > maxWidth)
        p.scale(maxWidth / width, 1);
    p.setPen(Qt::NoPen);
    p.setBrush(suitColour(suit));
    p.drawPath(label);
    p.restore();
    drawPip(p, suit, QPointF(9.5, 25.5), 10, false);
}

void drawIndices(QPainter &p, int suit, const QString &index)
{
    drawIndex(p, suit, index);
    p.save();
    p.translate(W, H);
    p.rotate(180);
    drawIndex(p, suit, index);
    p.restore();
}

// Pip positions on the classic grid: columns left, middle, right and the
// rows between the top and bottom lines of the field.
std::vector<QPointF> pipLayout(int rank)
{
    const qreal l = 31.5, m = CentreX, r = 68.5;
    const qreal top = 28, bottom = 126, mid = CentreY;
    const qreal q1 = top + (bottom - top) / 3, q2 = top + 2 * (bottom - top) / 3;
    switch (rank) {
    case 2: return {{m, top}, {m, bottom}};
    case 3: return {{m, top}, {m, mid}, {m, bottom}};
    case 4: return {{l, top}, {r, top}, {l, bottom}, {r, bottom}};
    case 5: return {{l, top}, {r, top}, {m, mid}, {l, bottom}, {r, bottom}};
    case 6: return {{l, top}, {r, top}, {l, mid}, {r, mid}, {l, bottom}, {r, bottom}};
    case 7: return {{l, top}, {r, top}, {m, (top + mid) / 2}, {l, mid}, {r, mid}, {l, bottom}, {r, bottom}};
    case 8:
        return {{l, top}, {r, top}, {m, (top + mid) / 2}, {l, mid}, {r, mid},
                {m, (mid + bottom) / 2}, {l, bottom}, {r, bottom}};
    case 9:
        return {{l, top}, {r, top}, {l, q1}, {r, q1}, {m, mid},
                {l, q2}, {r, q2}, {l, bottom}, {r, bottom}};
    case 10:
        return {{l, top}, {r, top}, {m, (top + q1) / 2}, {l, q1}, {r, q1},
                {l, q2}, {r, q2}, {m, (q2 + bottom) / 2}, {l, bottom}, {r, bottom}};
    default: return {};
    }
}

void drawAce(QPainter &p, int suit)
{
    // A thin ornamental ring behind the one large pip.
    p.setPen(QPen(suitColour(suit).lighter(suit == Clubs || suit == Spades ? 400 : 160), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(CentreX, CentreY), 36, 40);
    p.setPen(QPen(suitColour(suit).lighter(suit == Clubs || suit == Spades ? 500 : 175), 0.5));
    p.drawEllipse(QPointF(CentreX, CentreY), 33.5, 37.5);
    drawPip(p, suit, QPointF(CentreX, CentreY), suit == Spades ? 58 : 52, false);
}

void drawCourt(QPainter &p, int suit, int rank)
{
    const QRectF frame(19.5, 9.5, 61, 135);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(252, 247, 232));
    p.drawRect(frame);

    p.save();
    p.setClipRect(frame);
    p.translate(CentreX, CentreY);
    drawCourtFigure(p, suit, rank);
    p.rotate(180);
    drawCourtFigure(p, suit, rank);
    p.restore();

    // The divide between the two halves and the frame over everything.
    const QColor ink = suitColour(suit);
    p.setPen(QPen(ink, 0.8));
    p.drawLine(QPointF(frame.left(), CentreY), QPointF(frame.right(), CentreY));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 1));
    p.drawRect(frame);
}

} // namespace

void drawCardFace(QPainter &p, int suit, int rank, const QString &index)
{
    const QString &corner = index.isEmpty() ? RankLabels[rank] : index;
    drawBlank(p);
    if (rank == 1)
        drawAce(p, suit);
    else if (rank >= 11)
        drawCourt(p, suit, rank);
    else
        for (const QPointF &at : pipLayout(rank))
            drawPip(p, suit, at, 18, at.y() > CentreY + 1);
    drawIndices(p, suit, corner);
}

void drawCardBack(QPainter &p)
{
    const QRectF card(0.5, 0.5, W - 1, H - 1);
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(QColor(255, 255, 255));
    p.drawRoundedRect(card, 6, 6);

    const QColor purple(74, 18, 92), deepPurple(46, 8, 60), red(178, 24, 52), gold(222, 178, 84);
    const QRectF field(5, 5, W - 10, H - 10);
    QPainterPath fieldPath;
    fieldPath.addRoundedRect(field, 3, 3);
    p.save();
    p.setClipPath(fieldPath);
    p.fillRect(field, deepPurple);

    // A lattice of lozenges, alternately red and purple, centred on the card.
    const qreal cell = 9;
    p.setPen(Qt::NoPen);
    for (int j = -12; j <= 12; ++j) {
        for (int i = -8; i <= 8; ++i) {
            const QPointF c(CentreX + i * cell, CentreY + j * cell);
            if ((i + j) % 2 != 0)
                continue;
            QPolygonF lozenge;
            const qreal h = cell * 0.92;
            lozenge << c + QPointF(0, -h) << c + QPointF(h, 0) << c + QPointF(0, h) << c + QPointF(-h, 0);
            p.setBrush(((i / 2 + j / 2) % 2 == 0) ? red : purple);
            p.drawPolygon(lozenge);
        }
    }
    p.setBrush(gold);
    for (int j = -12; j <= 12; ++j)
        for (int i = -8; i <= 8; ++i)
            if ((i + j) % 2 != 0)
                p.drawEllipse(QPointF(CentreX + i * cell, CentreY + j * cell), 1.1, 1.1);
    p.restore();

    // Double gold frame.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold, 1));
    p.drawRoundedRect(field.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setPen(QPen(gold, 0.6));
    p.drawRoundedRect(field.adjusted(3, 3, -3, -3), 2, 2);

    // The medallion: an oval rosette of red petals round a gold heart.
    const QPointF centre(CentreX, CentreY);
    p.setPen(QPen(gold, 1.2));
    p.setBrush(deepPurple);
    p.drawEllipse(centre, 24, 32);
    p.setPen(QPen(gold, 0.6));
    p.drawEllipse(centre, 21, 29);
    for (int k = 0; k < 12; ++k) {
        p.save();
        p.translate(centre);
        p.scale(1, 32.0 / 24.0);
        p.rotate(k * 30);
        QPainterPath petal;
        petal.moveTo(0, -4);
        petal.cubicTo(6, -8, 5, -16, 0, -19);
        petal.cubicTo(-5, -16, -6, -8, 0, -4);
        p.setPen(QPen(gold, 0.5));
        p.setBrush(k % 2 == 0 ? red : purple.lighter(140));
        p.drawPath(petal);
        p.restore();
    }
    QRadialGradient heart(centre, 6);
    heart.setColorAt(0, gold.lighter(130));
    heart.setColorAt(1, gold.darker(130));
    p.setPen(QPen(deepPurple, 0.6));
    p.setBrush(heart);
    p.drawEllipse(centre, 5, 5);

    // Corner ornaments, each pointing into its corner.
    for (const QPointF sign : {QPointF(-1, -1), QPointF(1, -1), QPointF(-1, 1), QPointF(1, 1)}) {
        p.save();
        p.translate(CentreX + sign.x() * (W / 2 - 14), CentreY + sign.y() * (H / 2 - 14));
        p.scale(-sign.x(), -sign.y());
        p.setPen(QPen(gold, 0.6));
        p.setBrush(red);
        QPolygonF fan;
        fan << QPointF(-5, -5) << QPointF(5, -5) << QPointF(-5, 5);
        p.drawPolygon(fan);
        p.restore();
    }
}

} // namespace artgen
