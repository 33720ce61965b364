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
    return artwork::backPlateSize();
}

void BackButton::paintEvent(QPaintEvent *)
{
    // The plate is drawn for the size the button has now, never stretched.
    QPixmap &face = m_faces[m_face];
    if (face.isNull() || face.deviceIndependentSize().toSize() != size()
        || !qFuzzyCompare(face.devicePixelRatio(), devicePixelRatioF())) {
        const qreal zoom = qreal(width()) / artwork::backPlateSize().width();
        face = artwork::backPlate(m_face, devicePixelRatioF(), zoom);
    }
    QPainter painter(this);
    painter.drawPixmap(rect(), face);
}

void BackButton::changeEvent(QEvent *event)
{
    // The lettering is in the program's language.
    if (event->type() == QEvent::LanguageChange)
        m_faces = {};
    QAbstractButton::changeEvent(event);
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
