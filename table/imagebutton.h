#pragma once

#include "artwork.h"

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

#include <array>

// A button whose whole face is one of three plates: 0 normal, 1 hover,
// 2 disabled. The shown plate is the only record of the hover state, so it
// changes only when told to (or when the pointer moves onto the button).
// Keyboard focus and the hint's better move are drawn as frames over the
// plate's edge; neither changes the plate on the face.
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

    // The outer 2 px ring, while focus reached by keyboard is here.
    QColor focusFrameColour() const { return m_focusColour; }
    void setFocusFrameColour(const QColor &colour);

    // A 3 px ring just inside the focus frame's place; only on an enabled
    // button.
    bool isHighlighted() const { return m_highlighted; }
    void setHighlighted(bool highlighted);
    QColor highlightColour() const { return m_highlightColour; }
    void setHighlightColour(const QColor &colour);

    // Whether the focus frame is drawn now.
    bool showsFocusFrame() const { return m_showFocus && hasFocus(); }

    // The plates are drawn for the table's zoom and the screen's pixels.
    qreal zoom() const { return m_zoom; }
    void setZoom(qreal zoom);

    QSize sizeHint() const override;

    static constexpr int FocusFrameWidth = 2;
    static constexpr int HighlightWidth = 3;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Drawn when first shown, and again for a new zoom, screen or language.
    void ensurePictures() const;

    artwork::Plate m_plate;
    mutable std::array<QPixmap, 3> m_pictures;
    qreal m_zoom = 1.0;
    int m_index = Normal;
    bool m_showFocus = false; // only focus reached by keyboard is drawn
    bool m_highlighted = false;
    // Light yellow: 4.9:1 against the table green.
    QColor m_focusColour{255, 255, 160};
    QColor m_highlightColour{0, 255, 255};
};

// Availability and picture change together: enabled shows plate 0,
// disabled plate 2.
void SetButtonEnabled(ImageButton *button, bool enabled);
