#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>

#include <functional>

class QPainter;

// The drawings of every picture, with their shared pieces: suit shapes,
// lettering turned into outlines, procedural textures and the off-screen
// renderer. The game draws from them at run time; tools/artwork renders them
// to the embedded files.
namespace artgen {

inline const QString SansFamily = QStringLiteral("Liberation Sans");
inline const QString SerifFamily = QStringLiteral("Liberation Serif");

enum Suit { Diamonds = 1, Hearts = 2, Clubs = 3, Spades = 4 };

// A suit sign one unit high, centred on the origin, point or stem down.
QPainterPath suitPath(int suit);
QColor suitColour(int suit);

// Lettering as outlines, so the pictures never depend on installed fonts.
// The run is centred horizontally on x = 0 with its baseline on y = 0.
QPainterPath textPath(const QString &text, const QString &family, qreal pixelSize, bool bold,
                      bool italic);

// Smooth value noise in [0, 1], repeatable for a given seed.
double valueNoise(double x, double y, unsigned seed);
double fractalNoise(double x, double y, unsigned seed, int octaves);

// Paints `draw` in logical coordinates onto a transparent image of
// logical size × scale pixels.
QImage render(QSize logical, qreal scale, const std::function<void(QPainter &)> &draw);

// Fills every pixel from a function of its logical position.
QImage shade(QSize logical, qreal scale, const std::function<QColor(double x, double y)> &colourAt);

// Pictures, drawn in logical coordinates.
// The corner index is the rank's own letter or number unless one is given
// (a language's letters for the ace and the court cards).
void drawCardFace(QPainter &p, int suit, int rank, const QString &index = {});
void drawCardBack(QPainter &p);
void drawCourtFigure(QPainter &p, int suit, int rank);  // top half, origin at the card centre
void drawAppIcon(QPainter &p);                           // 32 × 32
void drawPointingHand(QPainter &p);                      // 32 × 32, fingertip at (12, 1)

enum class PlateLook { Normal, Hover, Disabled };
QImage renderPlate(QSize logical, const QString &caption, qreal fontSize, PlateLook look, qreal scale);
QImage renderBackPlate(QSize logical, const QString &caption, bool hover, qreal scale);

} // namespace artgen
