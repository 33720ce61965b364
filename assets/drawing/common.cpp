#include "common.h"

#include <QFont>
#include <QPainter>

#include <cmath>

namespace artgen {

QPainterPath suitPath(int suit)
{
    QPainterPath path;
    switch (suit) {
    case Diamonds:
        path.moveTo(0, -0.5);
        path.quadTo(0.14, -0.21, 0.4, 0);
        path.quadTo(0.14, 0.21, 0, 0.5);
        path.quadTo(-0.14, 0.21, -0.4, 0);
        path.quadTo(-0.14, -0.21, 0, -0.5);
        break;
    case Hearts:
        path.moveTo(0, 0.5);
        path.cubicTo(-0.1, 0.3, -0.5, 0.08, -0.5, -0.19);
        path.cubicTo(-0.5, -0.4, -0.36, -0.5, -0.24, -0.5);
        path.cubicTo(-0.1, -0.5, -0.02, -0.42, 0, -0.3);
        path.cubicTo(0.02, -0.42, 0.1, -0.5, 0.24, -0.5);
        path.cubicTo(0.36, -0.5, 0.5, -0.4, 0.5, -0.19);
        path.cubicTo(0.5, 0.08, 0.1, 0.3, 0, 0.5);
        break;
    case Clubs: {
        QPainterPath leaves;
        leaves.setFillRule(Qt::WindingFill);
        const qreal r = 0.215;
        leaves.addEllipse(QPointF(0, -0.28), r, r);
        leaves.addEllipse(QPointF(-0.27, 0.07), r, r);
        leaves.addEllipse(QPointF(0.27, 0.07), r, r);
        leaves.addEllipse(QPointF(0, -0.02), 0.15, 0.15);
        QPainterPath stem;
        stem.moveTo(-0.05, 0.0);
        stem.lineTo(0.05, 0.0);
        stem.quadTo(0.06, 0.4, 0.21, 0.5);
        stem.lineTo(-0.21, 0.5);
        stem.quadTo(-0.06, 0.4, -0.05, 0.0);
        path = leaves.united(stem).simplified();
        break;
    }
    case Spades:
        path.moveTo(0, -0.5);
        path.cubicTo(0.12, -0.3, 0.5, -0.1, 0.5, 0.12);
        path.cubicTo(0.5, 0.3, 0.38, 0.38, 0.26, 0.38);
        path.cubicTo(0.14, 0.38, 0.06, 0.32, 0.03, 0.25);
        path.quadTo(0.06, 0.44, 0.21, 0.5);
        path.lineTo(-0.21, 0.5);
        path.quadTo(-0.06, 0.44, -0.03, 0.25);
        path.cubicTo(-0.06, 0.32, -0.14, 0.38, -0.26, 0.38);
        path.cubicTo(-0.38, 0.38, -0.5, 0.3, -0.5, 0.12);
        path.cubicTo(-0.5, -0.1, -0.12, -0.3, 0, -0.5);
        break;
    default:
        break;
    }
    return path;
}

QColor suitColour(int suit)
{
    return suit == Diamonds || suit == Hearts ? QColor(206, 22, 38) : QColor(24, 24, 28);
}

QPainterPath textPath(const QString &text, const QString &family, qreal pixelSize, bool bold,
                      bool italic)
{
    QFont font(family);
    font.setPixelSize(qRound(pixelSize * 8));  // outlines at a large size keep their curves
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const qreal shrink = pixelSize / qreal(qRound(pixelSize * 8));
    QTransform t;
    t.scale(shrink, shrink);
    path = t.map(path);
    const QRectF box = path.boundingRect();
    return path.translated(-box.center().x(), 0);
}

namespace {
double hash(int x, int y, unsigned seed)
{
    unsigned h = static_cast<unsigned>(x) * 374761393u + static_cast<unsigned>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffffu) / double(0xffffff);
}
double smooth(double t) { return t * t * (3 - 2 * t); }
} // namespace

double valueNoise(double x, double y, unsigned seed)
{
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const double tx = smooth(x - fx), ty = smooth(y - fy);
    const double a = hash(ix, iy, seed), b = hash(ix + 1, iy, seed);
    const double c = hash(ix, iy + 1, seed), d = hash(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double fractalNoise(double x, double y, unsigned seed, int octaves)
{
    double sum = 0, amplitude = 0.5, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * valueNoise(x, y, seed + static_cast<unsigned>(i) * 101u);
        total += amplitude;
        x *= 2.03;
        y *= 2.03;
        amplitude *= 0.5;
    }
    return sum / total;
}

QImage render(QSize logical, qreal scale, const std::function<void(QPainter &)> &draw)
{
    QImage image((QSizeF(logical) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
    draw(p);
    p.end();
    return image;
}

QImage shade(QSize logical, qreal scale, const std::function<QColor(double, double)> &colourAt)
{
    QImage image((QSizeF(logical) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = colourAt((x + 0.5) / scale, (y + 0.5) / scale).rgba();
    }
    return image;
}

} // namespace artgen
