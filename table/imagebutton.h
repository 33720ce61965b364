#pragma once

#include "artwork.h"

#include <QAbstractButton>
#include <QPixmap>

#include <array>

// A button whose whole face is one of three plates: 0 normal, 1 hover,
// 2 disabled. The shown plate is the only record of the hover state, so it
// changes only when told to (or when the pointer moves onto the button).
class ImageButton : public QAbstractButton
{
    Q_OBJECT

public:
    static constexpr int Normal = 0;
    static constexpr int Hover = 1;
    static constexpr int Disabled = 2;

    ImageButton(artwork::Plate plate, QWidget *parent = nullptr);

    int pictureIndex() const { return m_index; }
    void setPictureIndex(int index);
    // The plate on the face now, for whoever needs to compare pictures.
    QPixmap picture() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void loadPictures(qreal devicePixelRatio);

    artwork::Plate m_plate;
    std::array<QPixmap, 3> m_pictures;
    int m_index = Normal;
    bool m_showFocus = false; // only focus reached by keyboard is drawn
};

// Availability and picture change together: enabled shows plate 0,
// disabled plate 2.
void SetButtonEnabled(ImageButton *button, bool enabled);
