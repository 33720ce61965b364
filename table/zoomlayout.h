#pragma once

#include <QFont>
#include <QLayout>
#include <QList>
#include <QMargins>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

// Lays out again, at any zoom, the children of a widget placed by hand: each
// keeps its geometry, font and frame width at zoom 1 and takes them times the
// zoom, shifted to an origin (the spare room around a zoomed table).
// The first change records the children as they are then, at zoom 1. Under
// a layout only the fonts and fixed sizes are zoomed; the layout does the rest.
class ZoomLayout
{
public:
    explicit ZoomLayout(QWidget *container) : m_container(container) {}

    qreal zoom() const { return m_zoom; }
    QPoint origin() const { return m_origin; }
    void setZoom(qreal zoom, QPoint origin = {});

    // A child whose size follows its text (set with adjustSize): only its
    // place is zoomed, its size is fitted again.
    void fitToText(QWidget *child);

    // A point or rectangle of the zoom-1 layout where it lies now.
    QPoint map(QPoint point) const;
    QRect map(const QRect &rect) const;

    // The zoom and origin that fit a layout of `base` size into `available`.
    static qreal fittingZoom(QSize base, QSize available);
    static QPoint centredOrigin(QSize base, QSize available, qreal zoom);

private:
    struct Item
    {
        QPointer<QWidget> widget;
        QRect geometry;
        QFont font;
        int lineWidth = -1; // -1: not a frame
        bool fixedSize = false;
    };

    struct Spacing
    {
        QPointer<QLayout> layout;
        QMargins margins;
        int horizontal = -1;
        int vertical = -1;
    };

    void capture();
    void captureLayout(QLayout *layout);
    void place(const Item &item) const;

    QWidget *m_container;
    QList<Item> m_items;
    QList<Spacing> m_spacings;
    QList<QPointer<QWidget>> m_fitToText;
    bool m_captured = false;
    qreal m_zoom = 1.0;
    QPoint m_origin;
};
