#include "zoomlayout.h"

#include <QFrame>
#include <QLabel>
#include <QGridLayout>
#include <QLayout>

#include <algorithm>
#include <cmath>

namespace {
int scaled(int value, qreal zoom) { return int(std::lround(value * zoom)); }
// A spacing below zero means the style's own, which stays.
int scaledSpacing(int value, qreal zoom) { return value < 0 ? value : scaled(value, zoom); }
} // namespace

void ZoomLayout::captureLayout(QLayout *layout)
{
    const auto *grid = qobject_cast<QGridLayout *>(layout);
    m_spacings.append({layout, layout->contentsMargins(), grid ? grid->horizontalSpacing() : layout->spacing(),
                       grid ? grid->verticalSpacing() : layout->spacing()});
    for (int i = 0; i < layout->count(); ++i)
        if (QLayout *inner = layout->itemAt(i)->layout())
            captureLayout(inner);
}

void ZoomLayout::capture()
{
    m_captured = true;
    if (m_container->layout())
        captureLayout(m_container->layout());
    for (QWidget *child : m_container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        const auto *frame = qobject_cast<QFrame *>(child);
        m_items.append({child, child->geometry(), child->font(), frame ? frame->lineWidth() : -1,
                        child->minimumSize() == child->maximumSize()});
    }
}

void ZoomLayout::fitToText(QWidget *child) { m_fitToText.append(child); }

void ZoomLayout::setZoom(qreal zoom, QPoint origin)
{
    if (qFuzzyCompare(zoom, m_zoom) && origin == m_origin)
        return;
    if (!m_captured)
        capture();
    m_zoom = zoom;
    m_origin = origin;
    for (const Item &item : std::as_const(m_items))
        place(item);
    for (const Spacing &spacing : std::as_const(m_spacings)) {
        if (!spacing.layout)
            continue;
        const QMargins &m = spacing.margins;
        spacing.layout->setContentsMargins(scaled(m.left(), zoom), scaled(m.top(), zoom), scaled(m.right(), zoom),
                                           scaled(m.bottom(), zoom));
        if (auto *grid = qobject_cast<QGridLayout *>(spacing.layout)) {
            grid->setHorizontalSpacing(scaledSpacing(spacing.horizontal, zoom));
            grid->setVerticalSpacing(scaledSpacing(spacing.vertical, zoom));
        } else {
            spacing.layout->setSpacing(scaledSpacing(spacing.horizontal, zoom));
        }
    }
}

void ZoomLayout::place(const Item &item) const
{
    QWidget *widget = item.widget;
    if (!widget)
        return;
    QFont font = item.font;
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, scaled(font.pixelSize(), m_zoom)));
    else
        font.setPointSizeF(font.pointSizeF() * m_zoom);
    widget->setFont(font);
    if (item.lineWidth >= 0)
        static_cast<QFrame *>(widget)->setLineWidth(scaled(item.lineWidth, m_zoom));
    if (m_container->layout()) {
        // A layout places the children; only fixed sizes are ours to zoom.
        if (item.fixedSize)
            widget->setFixedSize((QSizeF(item.geometry.size()) * m_zoom).toSize());
        return;
    }
    if (m_fitToText.contains(widget)) {
        widget->move(map(item.geometry.topLeft()));
        widget->adjustSize();
        return;
    }
    QRect geometry = map(item.geometry);
    // Line spacing grows a little faster than the font: a zoomed label may
    // need a pixel or two more than its share to show its last line whole.
    const auto *label = qobject_cast<QLabel *>(widget);
    if (label && m_zoom > 1.0 && !label->text().isEmpty()) {
        const int needed = label->wordWrap() ? label->heightForWidth(geometry.width()) : label->sizeHint().height();
        geometry.setHeight(std::max(geometry.height(), needed));
    }
    widget->setGeometry(geometry);
}

QPoint ZoomLayout::map(QPoint point) const
{
    return m_origin + QPoint(scaled(point.x(), m_zoom), scaled(point.y(), m_zoom));
}

QRect ZoomLayout::map(const QRect &rect) const
{
    // Both corners are rounded, so neighbours keep touching.
    const QPoint topLeft = map(rect.topLeft());
    const QPoint end = map(rect.topLeft() + QPoint(rect.width(), rect.height()));
    return QRect(topLeft, end - QPoint(1, 1));
}

qreal ZoomLayout::fittingZoom(QSize base, QSize available)
{
    if (base.isEmpty())
        return 1.0;
    return std::min(qreal(available.width()) / base.width(), qreal(available.height()) / base.height());
}

QPoint ZoomLayout::centredOrigin(QSize base, QSize available, qreal zoom)
{
    return QPoint((available.width() - scaled(base.width(), zoom)) / 2,
                  (available.height() - scaled(base.height(), zoom)) / 2);
}
