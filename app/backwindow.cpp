#include "backwindow.h"

#include "artwork.h"
#include "backbutton.h"
#include "gamepaths.h"
#include "soundsystem.h"
#include "tablelook.h"

#include <QEvent>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QLabel>
#include <QMouseEvent>

namespace {
// The auxiliary windows' texts are few and large: high contrast aims past
// the 4.5:1 floor.
constexpr double HighContrastRatio = 7.0;
}

QFont windowFont(const QString &family, qreal pointSize, bool bold, bool italic)
{
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

BackWindow::BackWindow(const QString &objectName, const QString &title, QSize clientTwips,
                       CloseSound closeSound, SoundSystem &sounds, QWidget *parent,
                       Qt::WindowType kind)
    : QWidget(parent, kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
    , m_sounds(sounds)
    , m_closeSound(closeSound)
    , m_back(new BackButton(this))
{
    setObjectName(objectName);
    setWindowTitle(title);
    setWindowIcon(artwork::appIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    m_baseSize = QSize(twips::toPixels(clientTwips.width()), twips::toPixels(clientTwips.height()));
    setFixedSize(m_baseSize);

    setAutoFillBackground(true);
    applyLook();

    // The background restores the button's normal face on pointer movement.
    setMouseTracking(true);

    m_back->setObjectName(QStringLiteral("Command1"));
    nameBackButton();
    connect(m_back, &BackButton::clicked, this, &BackWindow::goBack);
}

void BackWindow::nameBackButton()
{
    m_back->setAccessibleName(tr("Назад"));
    m_back->setAccessibleDescription(tr("Клавіша Esc"));
}

void BackWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        nameBackButton();
        retranslate();
    }
    QWidget::changeEvent(event);
}

void BackWindow::placeBackButton(const QRect &twips)
{
    m_back->setGeometry(twips);
}

QLabel *BackWindow::addLabel(const QString &objectName, const QString &text, const QRect &twips,
                             const QFont &font, const QColor &colour, Qt::Alignment alignment)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(objectName);
    label->setGeometry(twips);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    m_texts.append({label, colour});
    colourText(m_texts.constLast());
    return label;
}

void BackWindow::setZoom(qreal zoom)
{
    m_layout.setZoom(zoom);
    if (layout())
        layout()->activate();
    else
        setFixedSize((QSizeF(m_baseSize) * zoom).toSize());
}

void BackWindow::setHighContrast(bool on)
{
    if (on == m_highContrast)
        return;
    m_highContrast = on;
    applyLook();
}

void BackWindow::applyLook()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, TableLook::forHighContrast(m_highContrast).table);
    setPalette(pal);
    for (const Text &text : std::as_const(m_texts))
        colourText(text);
}

void BackWindow::colourText(const Text &text) const
{
    const QColor background = palette().color(QPalette::Window);
    QPalette pal = text.label->palette();
    pal.setColor(QPalette::WindowText,
                 m_highContrast ? readableOn(text.usual, background, HighContrastRatio) : text.usual);
    text.label->setPalette(pal);
}

void BackWindow::goBack()
{
    m_sounds.playSound(gamefiles::Click);
    hide();
    Q_EMIT wentBack();
}

void BackWindow::mouseMoveEvent(QMouseEvent *event)
{
    // Moves over a label or the button reach us too; only bare background counts.
    if (!childAt(event->position().toPoint()))
        m_back->setFace(BackButton::Normal);
    QWidget::mouseMoveEvent(event);
}

void BackWindow::closeEvent(QCloseEvent *event)
{
    m_back->setFace(BackButton::Normal);
    if (m_closeSound == CloseSound::Click)
        m_sounds.playSound(gamefiles::Click);
    hide();
    event->accept();
    Q_EMIT closed();
}

void BackWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_back->click();
        return;
    }
    QWidget::keyPressEvent(event);
}
