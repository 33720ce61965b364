#pragma once

#include <QRect>

// The table is laid out in twips, fifteen to a logical pixel; Qt scales
// logical pixels to the screen.
namespace twips {

constexpr int PerPixel = 15;

constexpr int toPixels(int twips) { return twips / PerPixel; }

constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

constexpr QPoint point(int left, int top) { return QPoint(toPixels(left), toPixels(top)); }

} // namespace twips
