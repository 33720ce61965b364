#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

// The only place that knows the program's pictures. Each is drawn for the
// pixels it will cover: `zoom` is the table's scale and `devicePixelRatio`
// the screen's, so a picture has zoom × ratio device pixels per logical
// pixel of its size below. The returned pixmaps carry the screen's ratio:
// their logical size is the size below times the zoom.
namespace artwork {

constexpr int CardWidth = 100;
constexpr int CardHeight = 154;

enum class Plate { Stavka, Draw, Stop, Next };  // ImgStavka, ImgDraw, ImgStop, ImgNext

// Face of a card code (101..413); a null pixmap for 0 or an invalid code.
QPixmap cardFace(int code, qreal devicePixelRatio = 1.0, qreal zoom = 1.0);
QPixmap cardBack(qreal devicePixelRatio = 1.0, qreal zoom = 1.0);

// Picture `index` of a button plate: 0 normal, 1 hover, 2 disabled; null
// for any other index. The lettering is the plate's caption in the
// program's current language.
QPixmap plate(Plate plate, int index, qreal devicePixelRatio = 1.0, qreal zoom = 1.0);
QSize plateSize(Plate plate);

// ImgPrev: 0 normal, 1 hover ("Назад"); null for any other index.
QPixmap backPlate(int index, qreal devicePixelRatio = 1.0, qreal zoom = 1.0);
QSize backPlateSize();

// Drawn at whatever size is asked for.
QIcon appIcon();
// The pointing hand over links, hot spot at the fingertip.
QCursor pointingHandCursor(qreal devicePixelRatio = 1.0);

} // namespace artwork
