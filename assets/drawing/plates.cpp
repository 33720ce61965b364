#include "common.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {

int channel(double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); }

QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor(channel(a.red() + (b.red() - a.red()) * t), channel(a.green() + (b.green() - a.green()) * t),
                  channel(a.blue() + (b.blue() - a.blue()) * t));
}

// Brushed olive metal: a soft vertical fall-off with fine horizontal grain.
QColor oliveAt(double x, double y, double height)
{
    const QColor top(150, 160, 74), bottom(92, 102, 36);
    const double grain = fractalNoise(x * 0.12, y * 1.1, 7u, 4);
    const double mottle = fractalNoise(x * 0.05, y * 0.12, 19u, 3);
    const QColor base = mix(top, bottom, std::clamp(y / height, 0.0, 1.0));
    const double k = 0.84 + 0.22 * grain + 0.1 * (mottle - 0.5);
    return QColor(channel(base.red() * k), channel(base.green() * k), channel(base.blue() * k));
}

// Green marble clouded with gold, with a few thin gold veins.
QColor marbleAt(double x, double y)
{
    const double turbulence = fractalNoise(x * 0.045, y * 0.08, 31u, 5);
    const double t = x * 0.04 + y * 0.07 + 3.2 * turbulence;
    const double vein = std::pow(0.5 + 0.5 * std::sin(t * 3.14159 * 1.1), 6.0);
    const double cloud = fractalNoise(x * 0.06, y * 0.1, 43u, 4);
    const QColor ground = mix(QColor(38, 92, 48), QColor(150, 142, 62), std::clamp((cloud - 0.3) * 1.6, 0.0, 1.0));
    return mix(ground, QColor(232, 200, 104), std::clamp(vein * 0.8, 0.0, 1.0));
}

void bevel(QPainter &p, QSizeF size, qreal radius, const QColor &edge)
{
    const QRectF outer(0.5, 0.5, size.width() - 1, size.height() - 1);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 230, 120), 1));
    p.drawLine(QPointF(radius, 1.5), QPointF(size.width() - radius, 1.5));
    p.drawLine(QPointF(1.5, radius), QPointF(1.5, size.height() - radius));
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.drawLine(QPointF(radius, size.height() - 1.5), QPointF(size.width() - radius, size.height() - 1.5));
    p.drawLine(QPointF(size.width() - 1.5, radius), QPointF(size.width() - 1.5, size.height() - radius));
    p.setPen(QPen(edge, 1));
    p.drawRoundedRect(outer, radius, radius);
}

// Hover lightens, disabled turns to a flat grey: both from the finished plate.
void applyLook(QImage &image, PlateLook look)
{
    if (look == PlateLook::Normal)
        return;
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = QColor::fromRgba(qUnpremultiply(line[x]));
            QColor out;
            if (look == PlateLook::Hover) {
                out = mix(c, QColor(255, 255, 228), 0.26);
            } else {
                const double grey = 0.3 * c.red() + 0.59 * c.green() + 0.11 * c.blue();
                const int v = channel(96 + grey * 0.55);
                out = QColor(v, v, v);
            }
            out.setAlpha(c.alpha());
            line[x] = qPremultiply(out.rgba());
        }
    }
}

QImage texture(QSize logical, qreal scale, bool marble)
{
    const double h = logical.height();
    return shade(logical, scale, [&](double x, double y) { return marble ? marbleAt(x, y) : oliveAt(x, y, h); });
}

} // namespace

// Baseline that centres capital letters of the given size vertically.
static qreal capBaseline(qreal height, qreal fontSize)
{
    const qreal cap = textPath(QStringLiteral("Н"), SerifFamily, fontSize, true, false).boundingRect().height();
    return (height + cap) / 2;
}

// The plate's own texture, lightened or greyed; the lettering stays crisp on top.
QImage renderPlate(QSize logical, const QString &caption, qreal fontSize, PlateLook look, qreal scale)
{
    QImage ground = texture(logical, scale, false);
    applyLook(ground, look);
    const bool disabled = look == PlateLook::Disabled;
    return render(logical, scale, [&](QPainter &p) {
        const qreal radius = 3;
        QPainterPath shape;
        shape.addRoundedRect(QRectF(QPointF(0, 0), QSizeF(logical)), radius, radius);
        p.save();
        p.setClipPath(shape);
        p.drawImage(QRectF(QPointF(0, 0), QSizeF(logical)), ground);
        p.restore();
        bevel(p, logical, radius, disabled ? QColor(92, 92, 92) : QColor(34, 38, 12));

        const QPainterPath text = textPath(caption, SerifFamily, fontSize, true, true);
        const QPointF baseline(logical.width() / 2.0, capBaseline(logical.height(), fontSize));
        p.setPen(Qt::NoPen);
        p.setBrush(disabled ? QColor(240, 240, 240, 150) : QColor(236, 240, 190, 120));
        p.drawPath(text.translated(baseline + QPointF(0.6, 0.7)));
        p.setBrush(disabled ? QColor(100, 100, 100) : QColor(30, 36, 8));
        p.drawPath(text.translated(baseline));
    });
}

QImage renderBackPlate(QSize logical, const QString &caption, bool hover, qreal scale)
{
    QImage ground = texture(logical, scale, true);
    applyLook(ground, hover ? PlateLook::Hover : PlateLook::Normal);
    return render(logical, scale, [&](QPainter &p) {
        const qreal radius = 3;
        QPainterPath shape;
        shape.addRoundedRect(QRectF(QPointF(0, 0), QSizeF(logical)), radius, radius);
        p.save();
        p.setClipPath(shape);
        p.drawImage(QRectF(QPointF(0, 0), QSizeF(logical)), ground);
        p.restore();
        bevel(p, logical, radius, QColor(30, 56, 20));

        const qreal size = 21;
        const QPainterPath text = textPath(caption, SerifFamily, size, true, false)
                                      .translated(logical.width() / 2.0, capBaseline(logical.height(), size));
        p.setPen(QPen(QColor(0, 0, 0, 70), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(text.translated(0.8, 1.0));
        p.setPen(QPen(QColor(16, 46, 20), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(255, 250, 222));
        p.drawPath(text);
    });
}

} // namespace artgen
