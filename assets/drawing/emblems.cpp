#include "common.h"

#include <QLinearGradient>
#include <QPainter>

namespace artgen {

void drawAppIcon(QPainter &p)
{
    QTransform t;
    t.translate(16, 16.2);
    t.scale(29.5, 29.5);
    const QPainterPath spade = t.map(suitPath(Spades));
    QLinearGradient fill(6, 2, 26, 30);
    fill.setColorAt(0, QColor(112, 44, 150));
    fill.setColorAt(0.5, QColor(72, 20, 104));
    fill.setColorAt(1, QColor(44, 8, 66));
    p.setPen(QPen(QColor(28, 4, 40), 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(spade);

    // A soft gloss on the left lobe.
    QPainterPath gloss;
    gloss.moveTo(13.8, 6.8);
    gloss.cubicTo(11, 10.5, 6.5, 13, 6.6, 17.5);
    gloss.cubicTo(8.5, 14.5, 12, 12, 13.8, 6.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawPath(gloss);
}

void drawPointingHand(QPainter &p)
{
    auto rounded = [](QRectF r, qreal radius) {
        QPainterPath path;
        path.addRoundedRect(r, radius, radius);
        return path;
    };
    // Index finger up, its tip at (12, 1); the other fingers folded beside it.
    QPainterPath hand = rounded(QRectF(9.5, 1.5, 5, 17), 2.5);
    hand = hand.united(rounded(QRectF(14, 10.5, 4.5, 9), 2.2));
    hand = hand.united(rounded(QRectF(18, 11.5, 4.5, 9), 2.2));
    hand = hand.united(rounded(QRectF(22, 13, 4.2, 8.5), 2.1));
    hand = hand.united(rounded(QRectF(8.5, 15.5, 18, 12.5), 4));
    QTransform thumb;
    thumb.translate(10.5, 21);
    thumb.rotate(-55);
    hand = hand.united(thumb.map(rounded(QRectF(-8.5, -2.3, 10, 4.6), 2.3)));
    hand = hand.united(rounded(QRectF(11.5, 25, 13, 6), 1.5));
    hand = hand.simplified();

    p.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.setPen(QPen(Qt::black, 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14.5, 12.5), QPointF(14.5, 17.5));
    p.drawLine(QPointF(18.3, 13), QPointF(18.3, 18));
    p.drawLine(QPointF(22.2, 14.5), QPointF(22.2, 18.5));
    p.drawLine(QPointF(12, 26.5), QPointF(24, 26.5));
}

} // namespace artgen
