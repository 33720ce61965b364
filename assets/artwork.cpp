#include "artwork.h"

#include <QString>

// Every picture is rendered from its drawing by tools/render-artwork.sh and
// embedded under :/artwork at 1x and 2x; this file alone knows the names.
namespace {

// A 2x picture is taken for any ratio above 1; Qt scales it down smoothly,
// which looks better than blowing a 1x picture up.
QPixmap load(const QString &name, qreal devicePixelRatio)
{
    const bool hiDpi = devicePixelRatio > 1.0;
    QPixmap pixmap(QStringLiteral(":/artwork/%1%2.png").arg(name, hiDpi ? QStringLiteral("@2x") : QString()));
    if (!pixmap.isNull())
        pixmap.setDevicePixelRatio(hiDpi ? 2.0 : 1.0);
    return pixmap;
}

QString plateName(artwork::Plate plate)
{
    switch (plate) {
    case artwork::Plate::Stavka: return QStringLiteral("stavka");
    case artwork::Plate::Draw: return QStringLiteral("draw");
    case artwork::Plate::Stop: return QStringLiteral("stop");
    case artwork::Plate::Next: return QStringLiteral("next");
    }
    return {};
}

} // namespace

namespace artwork {

QPixmap cardFace(int code, qreal devicePixelRatio)
{
    const int suit = code / 100, rank = code % 100;
    if (suit < 1 || suit > 4 || rank < 1 || rank > 13)
        return {};
    return load(QStringLiteral("cards/%1").arg(code), devicePixelRatio);
}

QPixmap cardBack(qreal devicePixelRatio) { return load(QStringLiteral("cards/back"), devicePixelRatio); }

QPixmap plate(Plate which, int index, qreal devicePixelRatio)
{
    const QString name = plateName(which);
    if (name.isEmpty() || index < 0 || index > 2)
        return {};
    return load(QStringLiteral("buttons/%1-%2").arg(name).arg(index), devicePixelRatio);
}

QPixmap backPlate(int index, qreal devicePixelRatio)
{
    if (index < 0 || index > 1)
        return {};
    return load(QStringLiteral("buttons/prev-%1").arg(index), devicePixelRatio);
}

QIcon appIcon()
{
    QIcon icon;
    for (const int px : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/artwork/icon/twentyone-%1.png").arg(px), QSize(px, px));
    return icon;
}

QCursor pointingHandCursor()
{
    // Hot spot at the fingertip.
    return QCursor(load(QStringLiteral("cursor/hand"), 1.0), 12, 1);
}

} // namespace artwork
