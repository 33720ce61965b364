#include "artwork.h"

#include "drawing/common.h"

#include <QCoreApplication>
#include <QIconEngine>
#include <QPainter>
#include <QString>

#include <functional>

// Every picture has its drawing in drawing/. The common scales (1 and 2
// device pixels per logical pixel, Ukrainian lettering) are also embedded
// ready-made under :/artwork, rendered by tools/render-artwork.sh from the
// same drawings, so the first frame needs no drawing; any other scale is
// drawn for its own pixels, never blown up from a smaller picture.
namespace {

constexpr QSize CardSize(artwork::CardWidth, artwork::CardHeight);
constexpr QSize BackPlateSize(113, 33);

struct PlateSpec
{
    const char *name;
    const char *caption; // translated at run time
    QSize size;
    qreal fontSize;
};

const PlateSpec &spec(artwork::Plate plate)
{
    static const PlateSpec specs[] = {
        {"stavka", QT_TRANSLATE_NOOP("Plates", "Зробити ставку"), {160, 23}, 15},
        {"draw", QT_TRANSLATE_NOOP("Plates", "Тягнути"), {113, 33}, 19},
        {"stop", QT_TRANSLATE_NOOP("Plates", "Досить"), {113, 33}, 19},
        {"next", QT_TRANSLATE_NOOP("Plates", "Далі"), {113, 33}, 19},
    };
    return specs[static_cast<int>(plate)];
}

const char *const BackCaption = QT_TRANSLATE_NOOP("Plates", "Назад");

// The corner letters of the ace and the court cards.
const char *const CornerLetters[] = {QT_TRANSLATE_NOOP("Cards", "Т"), QT_TRANSLATE_NOOP("Cards", "В"),
                                     QT_TRANSLATE_NOOP("Cards", "Д"), QT_TRANSLATE_NOOP("Cards", "К")};

// The corner of a card in the program's language; empty for a number card,
// whose corner is the same in every language.
const char *cornerLetter(int rank)
{
    if (rank == 1)
        return CornerLetters[0];
    return rank >= 11 ? CornerLetters[rank - 10] : nullptr;
}

bool isEmbeddedScale(qreal scale) { return qFuzzyCompare(scale, 1.0) || qFuzzyCompare(scale, 2.0); }

// The embedded picture when there is one for this scale, else the drawing.
QPixmap picture(const QString &name, bool embedded, qreal devicePixelRatio, qreal zoom,
                const std::function<QImage(qreal scale)> &draw)
{
    const qreal scale = devicePixelRatio * zoom;
    QPixmap pixmap;
    if (embedded && isEmbeddedScale(scale))
        pixmap.load(QStringLiteral(":/artwork/%1%2.png").arg(name, scale > 1.5 ? QStringLiteral("@2x") : QString()));
    if (pixmap.isNull())
        pixmap = QPixmap::fromImage(draw(scale));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QString caption(const char *source) { return QCoreApplication::translate("Plates", source); }

// The icon drawn afresh for each size asked, so it is never a scaled bitmap.
class IconEngine : public QIconEngine
{
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawImage(rect, artgen::render({32, 32}, rect.width() * ratio / 32.0, artgen::drawAppIcon));
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(size.width(), size.height());
        if (side <= 0)
            return {};
        // The hinted sizes are embedded.
        QPixmap pixmap(QStringLiteral(":/artwork/icon/twentyone-%1.png").arg(side));
        if (pixmap.isNull())
            pixmap = QPixmap::fromImage(artgen::render({32, 32}, side / 32.0, artgen::drawAppIcon));
        return pixmap;
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int px : {16, 24, 32, 48, 64, 128, 256, 512})
            sizes << QSize(px, px);
        return sizes;
    }
    QIconEngine *clone() const override { return new IconEngine; }
    QString key() const override { return QStringLiteral("twentyone"); }
};

} // namespace

namespace artwork {

QPixmap cardFace(int code, qreal devicePixelRatio, qreal zoom)
{
    const int suit = code / 100, rank = code % 100;
    if (suit < 1 || suit > 4 || rank < 1 || rank > 13)
        return {};
    const char *letter = cornerLetter(rank);
    const QString corner = letter ? QCoreApplication::translate("Cards", letter) : QString();
    // The embedded faces carry the Ukrainian letters.
    const bool embedded = !letter || corner == QString::fromUtf8(letter);
    return picture(QStringLiteral("cards/%1").arg(code), embedded, devicePixelRatio, zoom, [=](qreal scale) {
        return artgen::render(CardSize, scale, [=](QPainter &p) { artgen::drawCardFace(p, suit, rank, corner); });
    });
}

QPixmap cardBack(qreal devicePixelRatio, qreal zoom)
{
    return picture(QStringLiteral("cards/back"), true, devicePixelRatio, zoom,
                   [](qreal scale) { return artgen::render(CardSize, scale, artgen::drawCardBack); });
}

QPixmap plate(Plate which, int index, qreal devicePixelRatio, qreal zoom)
{
    if (index < 0 || index > 2)
        return {};
    const PlateSpec &plate = spec(which);
    const QString text = caption(plate.caption);
    // The embedded plates carry the Ukrainian lettering.
    const bool embedded = text == QString::fromUtf8(plate.caption);
    return picture(QStringLiteral("buttons/%1-%2").arg(QLatin1String(plate.name)).arg(index), embedded,
                   devicePixelRatio, zoom, [&](qreal scale) {
                       return artgen::renderPlate(plate.size, text, plate.fontSize,
                                                  static_cast<artgen::PlateLook>(index), scale);
                   });
}

QSize plateSize(Plate which) { return spec(which).size; }

QPixmap backPlate(int index, qreal devicePixelRatio, qreal zoom)
{
    if (index < 0 || index > 1)
        return {};
    const QString text = caption(BackCaption);
    const bool embedded = text == QString::fromUtf8(BackCaption);
    return picture(QStringLiteral("buttons/prev-%1").arg(index), embedded, devicePixelRatio, zoom,
                   [&](qreal scale) { return artgen::renderBackPlate(BackPlateSize, text, index == 1, scale); });
}

QSize backPlateSize() { return BackPlateSize; }

QIcon appIcon() { return QIcon(new IconEngine); }

QCursor pointingHandCursor(qreal devicePixelRatio)
{
    const QPixmap hand = picture(QStringLiteral("cursor/hand"), true, devicePixelRatio, 1.0, [](qreal scale) {
        return artgen::render({32, 32}, scale, artgen::drawPointingHand);
    });
    // Hot spot at the fingertip, in logical pixels.
    return QCursor(hand, 12, 1);
}

} // namespace artwork
