#include "common.h"

#include <QLinearGradient>
#include <QPainter>

namespace artgen {

namespace {

// Court cards are dressed in their suit's colours.
struct Dress {
    QColor robe, gold, trim;
};

Dress dressOf(int suit)
{
    switch (suit) {
    case Diamonds: return {QColor(214, 84, 36), QColor(238, 186, 58), QColor(44, 92, 170)};
    case Hearts: return {QColor(178, 28, 58), QColor(242, 202, 92), QColor(40, 70, 150)};
    case Clubs: return {QColor(36, 118, 66), QColor(232, 178, 52), QColor(176, 36, 44)};
    default: return {QColor(52, 58, 140), QColor(206, 206, 220), QColor(140, 40, 130)};
    }
}

const QColor Ink(46, 28, 22);
const QColor Skin(252, 222, 190);

void outlined(QPainter &p, const QPainterPath &path, const QBrush &fill, qreal width = 0.7)
{
    p.setPen(QPen(Ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath ellipse(QPointF c, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    return path;
}

QBrush cloth(const QColor &colour, qreal top, qreal bottom)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, colour.lighter(115));
    g.setColorAt(1, colour.darker(112));
    return g;
}

// Sloping shoulders with the arms falling to the divide.
QPainterPath shoulders(qreal neckY)
{
    QPainterPath robe;
    robe.moveTo(-30, 1);
    robe.lineTo(-29.5, -14);
    robe.cubicTo(-29, -22, -25, neckY + 3.5, -16, neckY + 1.5);
    robe.lineTo(-7, neckY);
    robe.lineTo(7, neckY);
    robe.lineTo(16, neckY + 1.5);
    robe.cubicTo(25, neckY + 3.5, 29, -22, 29.5, -14);
    robe.lineTo(30, 1);
    robe.closeSubpath();
    return robe;
}

// Small gold lozenges strewn over a robe.
void brocade(QPainter &p, const QColor &gold, qreal fromX, qreal toX)
{
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    for (int row = 0; row < 5; ++row) {
        const qreal y = -4 - row * 5.5;
        for (qreal x = fromX + (row % 2) * 2.75; x <= toX; x += 5.5) {
            QPolygonF lozenge;
            lozenge << QPointF(x, y - 1.3) << QPointF(x + 1, y) << QPointF(x, y + 1.3) << QPointF(x - 1, y);
            p.drawPolygon(lozenge);
        }
    }
}

// An arm: the sleeve's seam from the shoulder, a cuff and the hand.
void drawArm(QPainter &p, QPointF shoulder, QPointF hand, const QColor &cuff)
{
    const qreal side = hand.x() < 0 ? -1 : 1;
    const QPointF wrist = hand + QPointF(-side * 4.2, 0.6);
    QPainterPath seam;
    seam.moveTo(shoulder);
    seam.cubicTo(shoulder + QPointF(-side * 4, 9), wrist + QPointF(-side * 6, 0), wrist + QPointF(-side * 1.4, 2.2));
    p.setPen(QPen(Ink, 0.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(seam);
    QPainterPath palm;
    palm.addRoundedRect(QRectF(hand.x() - 2.8, hand.y() - 2.2, 5.6, 4.6), 2.1, 2.1);
    outlined(p, palm, Skin, 0.55);
    QPainterPath band;
    band.addRoundedRect(QRectF(wrist.x() - 1.4, wrist.y() - 3.2, 2.8, 6.4), 1, 1);
    outlined(p, band, cuff, 0.5);
}

void drawFace(QPainter &p, QPointF c, qreal rx, qreal ry, bool lady)
{
    outlined(p, ellipse(c, rx, ry), Skin);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(c + QPointF(-2.7, -1.2), 0.8, lady ? 0.7 : 0.6);
    p.drawEllipse(c + QPointF(2.7, -1.2), 0.8, lady ? 0.7 : 0.6);
    p.setPen(QPen(Ink, 0.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    // Brows and nose.
    p.drawLine(c + QPointF(-4, -3.2), c + QPointF(-1.6, -3.5));
    p.drawLine(c + QPointF(1.6, -3.5), c + QPointF(4, -3.2));
    QPainterPath nose;
    nose.moveTo(c + QPointF(0.2, -2.4));
    nose.lineTo(c + QPointF(-0.6, 1.4));
    nose.lineTo(c + QPointF(0.6, 1.6));
    p.drawPath(nose);
    // Cheeks and mouth.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 150, 140, 110));
    p.drawEllipse(c + QPointF(-3.8, 1.8), 1.6, 1.1);
    p.drawEllipse(c + QPointF(3.8, 1.8), 1.6, 1.1);
    p.setPen(QPen(lady ? QColor(196, 40, 60) : Ink, lady ? 0.9 : 0.55, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-1.3, 3.9), c + QPointF(1.3, 3.9));
}

void drawSign(QPainter &p, int suit, QPointF at)
{
    p.save();
    p.translate(at);
    p.scale(9, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(suitColour(suit));
    p.drawPath(suitPath(suit));
    p.restore();
}

void drawKing(QPainter &p, int suit, const Dress &d)
{
    // Sceptre behind the shoulder.
    p.setPen(QPen(Ink, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17, -2), QPointF(21, -54));
    p.setPen(QPen(d.gold, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17, -2), QPointF(21, -54));
    outlined(p, ellipse(QPointF(21.2, -57), 3.2, 3.2), d.gold);
    p.setPen(QPen(Ink, 0.9));
    p.drawLine(QPointF(21.2, -60.2), QPointF(21.2, -65));
    p.drawLine(QPointF(19.2, -63), QPointF(23.2, -63));

    const QPainterPath robe = shoulders(-31);
    outlined(p, robe, cloth(d.robe, -31, 0));
    p.save();
    p.setClipPath(robe);
    // Gold front panel with jewels.
    outlined(p, [] { QPainterPath b; b.addRect(-5.5, -32, 11, 34); return b; }(), d.gold);
    p.setPen(QPen(Ink, 0.4));
    p.setBrush(d.trim);
    for (qreal y = -22; y < 0; y += 6.5)
        p.drawEllipse(QPointF(0, y), 1.7, 1.7);
    // Brocade either side of the panel.
    brocade(p, d.gold, -27, -9);
    brocade(p, d.gold, 9, 27);
    p.restore();

    // Ermine collar.
    QPainterPath collar;
    collar.moveTo(-24, -26);
    collar.cubicTo(-14, -33, 14, -33, 24, -26);
    collar.cubicTo(14, -28, -14, -28, -24, -26);
    collar.closeSubpath();
    QPainterPath fur;
    fur.moveTo(-25, -23.5);
    fur.cubicTo(-14, -34.5, 14, -34.5, 25, -23.5);
    fur.lineTo(23, -20.5);
    fur.cubicTo(14, -28, -14, -28, -23, -20.5);
    fur.closeSubpath();
    outlined(p, fur, QColor(252, 250, 244));
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    for (qreal x = -18; x <= 18; x += 6)
        p.drawEllipse(QPointF(x, -28.8 + 0.009 * x * x), 0.6, 0.9);

    drawArm(p, QPointF(15, -27), QPointF(18.2, -18), d.gold);
    drawArm(p, QPointF(-15, -27), QPointF(-11, -7), d.gold);

    drawFace(p, QPointF(0, -44), 7.5, 9, false);

    // White beard and moustache.
    QPainterPath beard;
    beard.moveTo(-7.3, -43);
    beard.cubicTo(-7.5, -33, -3.5, -27.5, 0, -26.5);
    beard.cubicTo(3.5, -27.5, 7.5, -33, 7.3, -43);
    beard.cubicTo(5, -38, 2.5, -38.5, 0, -38.5);
    beard.cubicTo(-2.5, -38.5, -5, -38, -7.3, -43);
    outlined(p, beard, QColor(236, 234, 228), 0.6);
    p.setPen(QPen(Ink, 0.4));
    p.drawLine(QPointF(-2, -35), QPointF(-1.2, -30));
    p.drawLine(QPointF(2, -35), QPointF(1.2, -30));
    QPainterPath moustache;
    moustache.moveTo(0, -41.2);
    moustache.cubicTo(-2, -42, -4.5, -41, -5.5, -39);
    moustache.cubicTo(-3.5, -40, -1.5, -39.5, 0, -39.6);
    moustache.cubicTo(1.5, -39.5, 3.5, -40, 5.5, -39);
    moustache.cubicTo(4.5, -41, 2, -42, 0, -41.2);
    outlined(p, moustache, QColor(236, 234, 228), 0.5);

    // Crown.
    QPainterPath crown;
    crown.moveTo(-8.5, -51);
    crown.lineTo(-10, -63);
    crown.lineTo(-5, -57);
    crown.lineTo(0, -66);
    crown.lineTo(5, -57);
    crown.lineTo(10, -63);
    crown.lineTo(8.5, -51);
    crown.closeSubpath();
    outlined(p, crown, cloth(d.gold, -66, -51));
    outlined(p, [] { QPainterPath b; b.addRect(-8.7, -54, 17.4, 3.5); return b; }(), d.gold.darker(110), 0.6);
    p.setPen(QPen(Ink, 0.4));
    p.setBrush(d.trim);
    for (const QPointF tip : {QPointF(-10, -63), QPointF(0, -66), QPointF(10, -63)})
        p.drawEllipse(tip, 1.3, 1.3);
    p.setBrush(d.robe);
    p.drawEllipse(QPointF(0, -52.2), 1.2, 1.2);

    drawSign(p, suit, QPointF(-21, -57));
}

void drawQueen(QPainter &p, int suit, const Dress &d)
{
    const QColor hair(176, 112, 44);
    // Long hair behind the face.
    QPainterPath locks;
    locks.moveTo(-8, -50);
    locks.cubicTo(-14, -44, -11, -34, -15, -25);
    locks.lineTo(15, -25);
    locks.cubicTo(11, -34, 14, -44, 8, -50);
    locks.cubicTo(5, -56, -5, -56, -8, -50);
    outlined(p, locks, hair);

    // Flower on a long stem.
    p.setPen(QPen(QColor(40, 110, 50), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-18, -4), QPointF(-20, -42));
    QPainterPath leaf;
    leaf.moveTo(-19.4, -30);
    leaf.cubicTo(-23, -33, -26, -32, -27, -29);
    leaf.cubicTo(-24, -27, -21, -28, -19.4, -30);
    outlined(p, leaf, QColor(70, 150, 70), 0.5);

    QPainterPath robe = shoulders(-30);
    outlined(p, robe, cloth(d.robe, -30, 0));
    p.save();
    p.setClipPath(robe);
    // Low neckline and a laced bodice.
    QPainterPath neck;
    neck.moveTo(-9, -31);
    neck.lineTo(9, -31);
    neck.lineTo(0, -19);
    neck.closeSubpath();
    outlined(p, neck, Skin, 0.6);
    QPainterPath bodice;
    bodice.moveTo(-9, -31);
    bodice.lineTo(0, -19);
    bodice.lineTo(9, -31);
    bodice.lineTo(11, -31);
    bodice.lineTo(6, 1);
    bodice.lineTo(-6, 1);
    bodice.lineTo(-11, -31);
    bodice.closeSubpath();
    outlined(p, bodice, d.trim, 0.6);
    p.setPen(QPen(d.gold, 0.7));
    for (qreal y = -15; y < 0; y += 4) {
        p.drawLine(QPointF(-3.5, y), QPointF(3.5, y + 2));
        p.drawLine(QPointF(3.5, y), QPointF(-3.5, y + 2));
    }
    // Gold hems on the sleeves.
    p.setPen(QPen(d.gold, 1.4));
    p.drawLine(QPointF(-28, -12), QPointF(-16, -20));
    p.drawLine(QPointF(28, -12), QPointF(16, -20));
    p.restore();

    // Pearl necklace.
    p.setPen(QPen(Ink, 0.3));
    p.setBrush(QColor(250, 250, 246));
    for (int k = -3; k <= 3; ++k)
        p.drawEllipse(QPointF(k * 1.9, -30.4 + (9 - k * k) * 0.28), 0.9, 0.9);
    outlined(p, ellipse(QPointF(0, -26.8), 1.4, 1.7), d.gold, 0.4);

    drawArm(p, QPointF(-14, -27), QPointF(-18.4, -14), d.gold);
    drawArm(p, QPointF(14, -27), QPointF(12, -6), d.gold);
    // The bloom.
    for (int k = 0; k < 6; ++k) {
        p.save();
        p.translate(-20, -44);
        p.rotate(k * 60);
        outlined(p, ellipse(QPointF(0, -2.6), 1.6, 2.4), d.trim.lighter(140), 0.4);
        p.restore();
    }
    outlined(p, ellipse(QPointF(-20, -44), 1.4, 1.4), d.gold, 0.4);

    drawFace(p, QPointF(0, -44), 6.8, 8.4, true);
    // Fringe.
    QPainterPath fringe;
    fringe.moveTo(-7, -46);
    fringe.cubicTo(-6, -53.5, 6, -53.5, 7, -46);
    fringe.cubicTo(4, -50, -1, -50.5, -7, -46);
    outlined(p, fringe, hair, 0.5);

    // Tiara.
    QPainterPath tiara;
    tiara.moveTo(-7, -50);
    for (int k = 0; k <= 4; ++k) {
        const qreal x = -7 + k * 3.5;
        tiara.lineTo(x - 1.2, -53);
        tiara.lineTo(x, k == 2 ? -60 : -57);
        tiara.lineTo(x + 1.2, -53);
    }
    tiara.lineTo(7, -50);
    tiara.cubicTo(3, -52, -3, -52, -7, -50);
    outlined(p, tiara, cloth(d.gold, -60, -50), 0.5);
    p.setPen(QPen(Ink, 0.3));
    p.setBrush(d.trim);
    p.drawEllipse(QPointF(0, -54.2), 1.2, 1.2);

    drawSign(p, suit, QPointF(21, -57));
}

void drawJack(QPainter &p, int suit, const Dress &d)
{
    const QColor hair(92, 56, 30);
    // Halberd.
    p.setPen(QPen(Ink, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-21, 1), QPointF(-21, -56));
    p.setPen(QPen(QColor(150, 100, 50), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-21, 1), QPointF(-21, -56));
    QPainterPath blade;
    blade.moveTo(-21, -66);
    blade.lineTo(-19.6, -58);
    blade.lineTo(-19.6, -50);
    blade.lineTo(-22, -50);
    blade.cubicTo(-25, -49, -28, -51, -29, -53);
    blade.cubicTo(-28.5, -56, -26.5, -59, -22.4, -58);
    blade.closeSubpath();
    outlined(p, blade, QColor(214, 216, 226), 0.6);

    // Short hair round the face.
    QPainterPath crop;
    crop.moveTo(-8.6, -38);
    crop.cubicTo(-10.5, -48, -7, -54, 0, -54);
    crop.cubicTo(7, -54, 10.5, -48, 8.6, -38);
    crop.closeSubpath();
    outlined(p, crop, hair);

    const QPainterPath robe = shoulders(-31);
    outlined(p, robe, cloth(d.robe, -31, 0));
    p.save();
    p.setClipPath(robe);
    // Striped doublet.
    p.setPen(Qt::NoPen);
    p.setBrush(d.gold);
    for (qreal x = -26; x < 30; x += 8)
        p.drawRect(QRectF(x, -32, 3, 34));
    outlined(p, [] { QPainterPath b; b.addRect(-30, -8, 60, 3.5); return b; }(), d.trim, 0.5);
    p.restore();
    outlined(p, robe, Qt::NoBrush);

    // Ruff collar.
    QPainterPath ruff;
    ruff.moveTo(-12, -31);
    for (int k = 0; k <= 12; ++k)
        ruff.lineTo(-12 + k * 2, (k % 2 == 0) ? -27 : -29.5);
    ruff.lineTo(12, -32);
    ruff.cubicTo(5, -34.5, -5, -34.5, -12, -32);
    ruff.closeSubpath();
    outlined(p, ruff, QColor(252, 250, 244), 0.5);

    drawArm(p, QPointF(-15, -27), QPointF(-21, -18), d.trim);
    drawArm(p, QPointF(15, -27), QPointF(13, -10), d.trim);

    drawFace(p, QPointF(0, -43), 6.8, 8.4, false);

    // Beret with a feather.
    QPainterPath feather;
    feather.moveTo(5, -53);
    feather.cubicTo(10, -60, 16, -63, 24, -63);
    feather.cubicTo(18, -60, 12, -56, 8, -51);
    feather.closeSubpath();
    outlined(p, feather, d.trim.lighter(120), 0.5);
    QPainterPath beret;
    beret.moveTo(-10, -49);
    beret.cubicTo(-12, -58, 10, -61, 11, -51);
    beret.cubicTo(5, -53, -4, -52.5, -10, -49);
    outlined(p, beret, cloth(d.robe.darker(120), -60, -49));
    QPainterPath band;
    band.moveTo(-10, -49);
    band.cubicTo(-4, -52.5, 5, -53, 11, -51);
    band.lineTo(10.6, -49.4);
    band.cubicTo(5, -51, -4, -50.8, -9.6, -47.6);
    band.closeSubpath();
    outlined(p, band, d.gold, 0.5);

    drawSign(p, suit, QPointF(21, -57));
}

} // namespace

void drawCourtFigure(QPainter &p, int suit, int rank)
{
    const Dress dress = dressOf(suit);
    switch (rank) {
    case 11: drawJack(p, suit, dress); break;
    case 12: drawQueen(p, suit, dress); break;
    case 13: drawKing(p, suit, dress); break;
    default: break;
    }
}

} // namespace artgen
