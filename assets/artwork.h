#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

// The only place that knows the program's pictures. Pictures come at 1x and
// 2x; the returned pixmaps carry the device pixel ratio, their logical sizes
// are those the table lays out.
namespace artwork {

constexpr int CardWidth = 100;
constexpr int CardHeight = 154;

enum class Plate { Stavka, Draw, Stop, Next };  // ImgStavka, ImgDraw, ImgStop, ImgNext

// Face of a card code (101..413); a null pixmap for 0 or an invalid code.
QPixmap cardFace(int code, qreal devicePixelRatio = 1.0);
QPixmap cardBack(qreal devicePixelRatio = 1.0);

// Picture `index` of a button plate: 0 normal, 1 hover, 2 disabled; null
// for any other index.
QPixmap plate(Plate plate, int index, qreal devicePixelRatio = 1.0);

// ImgPrev: 0 normal, 1 hover ("Назад"); null for any other index.
QPixmap backPlate(int index, qreal devicePixelRatio = 1.0);

QIcon appIcon();
// The pointing hand over links, hot spot at the fingertip.
QCursor pointingHandCursor();

} // namespace artwork
