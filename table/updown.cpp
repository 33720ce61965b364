#include "updown.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>

namespace {
QToolButton *arrowButton(Qt::ArrowType arrow, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}
} // namespace

UpDown::UpDown(QWidget *parent)
    : QWidget(parent), m_up(arrowButton(Qt::UpArrow, this)), m_down(arrowButton(Qt::DownArrow, this))
{
    setFocusPolicy(Qt::StrongFocus);
    connect(m_up, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(m_down, &QToolButton::clicked, this, &UpDown::stepDown);
}

void UpDown::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    setValue(m_value);
}

void UpDown::setValue(int value)
{
    value = std::clamp(value, m_minimum, m_maximum);
    if (value == m_value)
        return;
    m_value = value;
    emit valueChanged(m_value);
}

void UpDown::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up: stepUp(); break;
    case Qt::Key_Down: stepDown(); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void UpDown::wheelEvent(QWheelEvent *event)
{
    const int delta = event->angleDelta().y();
    if (delta > 0)
        stepUp();
    else if (delta < 0)
        stepDown();
    event->accept();
}

void UpDown::resizeEvent(QResizeEvent *event)
{
    const int upper = height() / 2;
    m_up->setGeometry(0, 0, width(), upper);
    m_down->setGeometry(0, upper, width(), height() - upper);
    // The arrows grow with the table.
    const QSize arrow(std::max(6, width() * 2 / 3), std::max(4, upper * 2 / 3));
    m_up->setIconSize(arrow);
    m_down->setIconSize(arrow);
    QWidget::resizeEvent(event);
}
