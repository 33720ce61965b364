#pragma once

#include "twips.h"
#include "zoomlayout.h"

#include <QColor>
#include <QList>
#include <QWidget>

class BackButton;
class QLabel;
class SoundSystem;

// What the records, rules and developers windows share: a fixed green
// client area, the program's icon, no minimise or maximise box, and one
// back button "Command1". Going back plays the click and hides the window;
// the close box puts the normal face back, hides the window and lets it be
// destroyed (the owner creates it again when it is next wanted).
//
// Controls that form an array carry the objectName "Name_index", e.g.
// "Label1_0" for element 0 of Label1.
//
// In high contrast the green turns darker and every text is lifted towards
// white until it reads at 7:1 or better, keeping its hue.
class BackWindow : public QWidget
{
    Q_OBJECT

public:
    enum class CloseSound { None, Click };

    BackButton *backButton() const { return m_back; }

    bool isHighContrast() const { return m_highContrast; }
    void setHighContrast(bool on);

    // The window grows with the table: size, places and fonts alike.
    qreal zoom() const { return m_layout.zoom(); }
    void setZoom(qreal zoom);

Q_SIGNALS:
    // After the back button has hidden the window.
    void wentBack();
    // After the close box (or a shutdown) has hidden the window, just before
    // it is destroyed.
    void closed();

protected:
    BackWindow(const QString &objectName, const QString &title, QSize clientTwips,
               CloseSound closeSound, SoundSystem &sounds, QWidget *parent, Qt::WindowType kind);

    void placeBackButton(const QRect &twips);
    QLabel *addLabel(const QString &objectName, const QString &text, const QRect &twips,
                     const QFont &font, const QColor &colour, Qt::Alignment alignment = Qt::AlignLeft);

    // Each window's own texts in the language now: called by the window's
    // constructor and again at every change of language.
    virtual void retranslate() {}

    void mouseMoveEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Text
    {
        QLabel *label;
        QColor usual; // the colour of the normal look
    };

    void goBack();
    void nameBackButton();
    void applyLook();
    void colourText(const Text &text) const;

    SoundSystem &m_sounds;
    CloseSound m_closeSound;
    BackButton *m_back;
    QSize m_baseSize;
    ZoomLayout m_layout{this};
    QList<Text> m_texts;
    bool m_highContrast = false;
};

// The fonts of the auxiliary windows; a missing family falls back to a
// similar one.
QFont windowFont(const QString &family, qreal pointSize, bool bold, bool italic);
