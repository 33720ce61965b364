#include "artwork.h"

#include <QPainter>

// Plain stand-ins until the drawn artwork lands.
namespace {
QPixmap filled(QSize size, QColor colour, const QString &text, qreal dpr)
{
    QPixmap pm(size * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(colour);
    QPainter p(&pm);
    p.drawText(QRect(QPoint(), size), Qt::AlignCenter, text);
    return pm;
}
} // namespace

namespace artwork {

QPixmap cardFace(int code, qreal dpr)
{
    const int s = code / 100, r = code % 100;
    if (s < 1 || s > 4 || r < 1 || r > 13)
        return {};
    return filled({CardWidth, CardHeight}, Qt::white, QString::number(code), dpr);
}

QPixmap cardBack(qreal dpr) { return filled({CardWidth, CardHeight}, QColor(128, 0, 96), {}, dpr); }

QPixmap plate(Plate which, int index, qreal dpr)
{
    static const char *const names[] = {"Зробити ставку", "Тягнути", "Досить", "Далі"};
    const QSize size = which == Plate::Stavka ? QSize(160, 23) : QSize(113, 33);
    const QColor colour = index == 2 ? Qt::gray : index == 1 ? QColor(170, 190, 90) : QColor(128, 140, 60);
    return filled(size, colour, QString::fromUtf8(names[static_cast<int>(which)]), dpr);
}

QPixmap backPlate(int index, qreal dpr)
{
    return filled({113, 33}, index == 1 ? QColor(200, 190, 90) : QColor(150, 150, 60), QStringLiteral("Назад"), dpr);
}

QIcon appIcon() { return QIcon(filled({32, 32}, QColor(60, 0, 80), {}, 1.0)); }

QCursor pointingHandCursor() { return QCursor(Qt::PointingHandCursor); }

} // namespace artwork
