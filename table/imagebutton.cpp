#include "imagebutton.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>

ImageButton::ImageButton(artwork::Plate plate, QWidget *parent) : QAbstractButton(parent), m_plate(plate)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void ImageButton::ensurePictures() const
{
    const qreal ratio = devicePixelRatioF();
    const QPixmap &normal = m_pictures[0];
    if (!normal.isNull() && qFuzzyCompare(normal.devicePixelRatio(), ratio)
        && normal.deviceIndependentSize().toSize() == (QSizeF(artwork::plateSize(m_plate)) * m_zoom).toSize())
        return;
    for (int i = 0; i < 3; ++i)
        m_pictures[static_cast<std::size_t>(i)] = artwork::plate(m_plate, i, ratio, m_zoom);
}

void ImageButton::setZoom(qreal zoom)
{
    if (qFuzzyCompare(zoom, m_zoom))
        return;
    m_zoom = zoom;
    update();
}

void ImageButton::changeEvent(QEvent *event)
{
    // The lettering is in the program's language.
    if (event->type() == QEvent::LanguageChange) {
        m_pictures = {};
        update();
    }
    QAbstractButton::changeEvent(event);
}

void ImageButton::setPictureIndex(int index)
{
    if (index < Normal || index > Disabled || index == m_index)
        return;
    m_index = index;
    update();
}

void ImageButton::setFocusFrameColour(const QColor &colour)
{
    if (colour == m_focusColour)
        return;
    m_focusColour = colour;
    update();
}

void ImageButton::setHighlighted(bool highlighted)
{
    if (highlighted == m_highlighted)
        return;
    m_highlighted = highlighted;
    update();
}

void ImageButton::setHighlightColour(const QColor &colour)
{
    if (colour == m_highlightColour)
        return;
    m_highlightColour = colour;
    update();
}

QPixmap ImageButton::picture() const
{
    ensurePictures();
    return m_pictures[static_cast<std::size_t>(m_index)];
}

QSize ImageButton::sizeHint() const { return (QSizeF(artwork::plateSize(m_plate)) * m_zoom).toSize(); }

void ImageButton::paintEvent(QPaintEvent *)
{
    // A move to a screen with another scale brings sharper plates.
    ensurePictures();

    QPainter painter(this);
    const QPixmap &pm = m_pictures[static_cast<std::size_t>(m_index)];
    const QSize size = pm.deviceIndependentSize().toSize();
    const QRect face(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter.drawPixmap(face, pm);

    // The style's dotted focus rectangle is lost on the dark plates; solid
    // rings along the edge read at a glance. The pen runs on the middle of
    // each ring, hence the half widths.
    const QRectF edge = QRectF(face).intersected(QRectF(rect()));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    // A move that cannot be made is never the better one.
    if (m_highlighted && isEnabled()) {
        const qreal inset = FocusFrameWidth + HighlightWidth / 2.0;
        painter.setPen(QPen(m_highlightColour, HighlightWidth));
        painter.drawRoundedRect(edge.adjusted(inset, inset, -inset, -inset), 3, 3);
    }
    if (showsFocusFrame()) {
        const qreal inset = FocusFrameWidth / 2.0;
        painter.setPen(QPen(m_focusColour, FocusFrameWidth));
        painter.drawRoundedRect(edge.adjusted(inset, inset, -inset, -inset), 4, 4);
    }
}

void ImageButton::mouseMoveEvent(QMouseEvent *event)
{
    if (isEnabled())
        setPictureIndex(Hover);
    QAbstractButton::mouseMoveEvent(event);
}

void ImageButton::focusInEvent(QFocusEvent *event)
{
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
        m_showFocus = true;
        break;
    // Coming back from another window or a menu keeps the frame as it was.
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
        break;
    default:
        m_showFocus = false;
        break;
    }
    QAbstractButton::focusInEvent(event);
}

void SetButtonEnabled(ImageButton *button, bool enabled)
{
    button->setEnabled(enabled);
    button->setPictureIndex(enabled ? ImageButton::Normal : ImageButton::Disabled);
}
