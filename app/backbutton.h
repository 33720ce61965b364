#pragma once

#include <QAbstractButton>
#include <QPixmap>

#include <array>

// The "Назад" button of the auxiliary windows: its whole face is one of the
// two back plates, 0 normal and 1 hover. It has no disabled look. The face
// is the only record of the hover state: the pointer moving over the button
// sets the hover face, and only the owning window puts the normal one back
// (pointer over its bare background, creation, close).
class BackButton : public QAbstractButton
{
    Q_OBJECT

public:
    enum Face { Normal = 0, Hover = 1 };

    explicit BackButton(QWidget *parent = nullptr);

    Face face() const { return m_face; }
    void setFace(Face face);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Face m_face = Normal;
    // The plates drawn for the button's size and screen.
    std::array<QPixmap, 2> m_faces;
};
