#include "backbutton.h"

#include "artwork.h"

#include <QMouseEvent>
#include <QPainter>

BackButton::BackButton(QWidget *parent)
    : QAbstractButton(parent)
{
    // Hover follows pointer movement, not only drags.
    setMouseTracking(true);
    setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QStringLiteral("Назад"));
}

void BackButton::setFace(Face face)
{
    if (m_face == face)
        return;
    m_face = face;
    update();
}

QSize BackButton::sizeHint() const
{
    return artwork::backPlate(Normal).deviceIndependentSize().toSize();
}

void BackButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPixmap face = artwork::backPlate(m_face, devicePixelRatioF());
    painter.drawPixmap(rect(), face);
}

void BackButton::mouseMoveEvent(QMouseEvent *event)
{
    setFace(Hover);
    QAbstractButton::mouseMoveEvent(event);
}

void BackButton::enterEvent(QEnterEvent *event)
{
    setFace(Hover);
    QAbstractButton::enterEvent(event);
}
