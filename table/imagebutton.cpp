#include "imagebutton.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

ImageButton::ImageButton(artwork::Plate plate, QWidget *parent) : QAbstractButton(parent), m_plate(plate)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    loadPictures(devicePixelRatioF());
}

void ImageButton::loadPictures(qreal devicePixelRatio)
{
    for (int i = 0; i < 3; ++i)
        m_pictures[static_cast<std::size_t>(i)] = artwork::plate(m_plate, i, devicePixelRatio);
}

void ImageButton::setPictureIndex(int index)
{
    if (index < Normal || index > Disabled || index == m_index)
        return;
    m_index = index;
    update();
}

QPixmap ImageButton::picture() const { return m_pictures[static_cast<std::size_t>(m_index)]; }

QSize ImageButton::sizeHint() const { return m_pictures[0].deviceIndependentSize().toSize(); }

void ImageButton::paintEvent(QPaintEvent *)
{
    // A move to a screen with another scale brings sharper plates.
    if (!qFuzzyCompare(m_pictures[0].devicePixelRatio(), devicePixelRatioF()))
        loadPictures(devicePixelRatioF());

    QPainter painter(this);
    const QPixmap &pm = m_pictures[static_cast<std::size_t>(m_index)];
    const QSize size = pm.deviceIndependentSize().toSize();
    const QRect face(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter.drawPixmap(face, pm);

    if (hasFocus() && m_showFocus) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = face.adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
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
    m_showFocus = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    QAbstractButton::focusInEvent(event);
}

void SetButtonEnabled(ImageButton *button, bool enabled)
{
    button->setEnabled(enabled);
    button->setPictureIndex(enabled ? ImageButton::Normal : ImageButton::Disabled);
}
