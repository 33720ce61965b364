#include "developerswindow.h"

#include "artwork.h"
#include "backbutton.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>

const QString DevelopersWindow::MailAddress = QStringLiteral("team21@example.com");
const QString DevelopersWindow::SiteHost = QStringLiteral("21.example.org");

QString DevelopersWindow::mailLink()
{
    return QStringLiteral("mailto:") + MailAddress + QStringLiteral("?Subject=")
           + tr("Що до програми Кварм");
}

QUrl DevelopersWindow::siteUrl()
{
    QUrl url;
    url.setScheme(QStringLiteral("https"));
    url.setHost(SiteHost);
    url.setPath(QStringLiteral("/"));
    return url;
}

namespace {

const QColor Yellow(255, 255, 0);
const QColor Blue(0, 0, 255);
const QColor Magenta(255, 0, 255);
const QColor Cyan(0, 255, 255);

struct Credit
{
    int index;
    QRect twips;
    QColor colour;
};

// The words of the credit lines by index; the two links are not words.
constexpr const char *CreditTexts[] = {
    nullptr,
    QT_TRANSLATE_NOOP("DevelopersWindow", "Версія 1.0"),
    QT_TRANSLATE_NOOP("DevelopersWindow",
                      "Гру «21» створила невелика команда однодумців як вільну настільну гру в карти "
                      "для всіх, хто любить класичне «Очко»."),
    QT_TRANSLATE_NOOP("DevelopersWindow", "Програмна частина та дизайн:"),
    QT_TRANSLATE_NOOP("DevelopersWindow",
                      "Команда «21»: правила й логіка гри, вікна, анімація, звук, музика та малюнки карт."),
    QT_TRANSLATE_NOOP("DevelopersWindow", "Керівник:"),
    QT_TRANSLATE_NOOP("DevelopersWindow", "Лідер команди «21»"),
    nullptr,
    QT_TRANSLATE_NOOP("DevelopersWindow", "© 2026 Команда «21». Усі права застережено."),
    nullptr,
};

} // namespace

DevelopersWindow::DevelopersWindow(SoundSystem &sounds, LinkOpener openLink, QWidget *parent)
    : BackWindow(QStringLiteral("Form4"), QStringLiteral("Розробники"), {7260, 4905},
                 CloseSound::Click, sounds, parent, Qt::Dialog)
    , m_openLink(std::move(openLink))
{
    setWindowModality(Qt::ApplicationModal);
    if (!m_openLink)
        m_openLink = [](const QUrl &url) { QDesktopServices::openUrl(url); };

    m_icon = new QLabel(this);
    m_icon->setObjectName(QStringLiteral("Image1"));
    m_icon->setGeometry(twips::rect(2520, 240, 480, 480));
    m_icon->setPixmap(artwork::appIcon().pixmap(m_icon->size()));
    // Drawn again whenever the window's zoom gives it another size.
    m_icon->installEventFilter(this);

    m_title = addLabel(QStringLiteral("Label2"), QStringLiteral("21"), twips::rect(3000, 120, 735, 615),
                       windowFont(QStringLiteral("Comic Sans MS"), 24, true, true), Cyan);

    const QString mail = QLatin1Char('(') + MailAddress + QLatin1Char(')');
    const Credit credits[] = {
        {1, twips::rect(5040, 360, 1935, 255), Yellow},
        {2, twips::rect(240, 840, 6855, 855), Yellow},
        {3, twips::rect(240, 1800, 3975, 255), Blue},
        {4, twips::rect(240, 2160, 6495, 615), Yellow},
        {5, twips::rect(240, 2880, 3975, 255), Blue},
        {6, twips::rect(240, 3240, 3735, 375), Yellow},
        {MailLabel, twips::rect(3960, 3240, 2895, 255), Magenta},
        {8, twips::rect(240, 3600, 6855, 375), Yellow},
        {SiteLabel, twips::rect(240, 4080, 2415, 255), Magenta},
    };
    const QFont font = windowFont(QStringLiteral("Arial"), 12, true, true);
    for (const Credit &credit : credits) {
        QLabel *label = addLabel(QStringLiteral("Label1_%1").arg(credit.index), QString(),
                                 credit.twips, font, credit.colour,
                                 credit.index == 1 ? Qt::AlignRight : Qt::AlignLeft);
        label->installEventFilter(this);
        m_credits[credit.index] = label;
    }

    m_footer = addLabel(QStringLiteral("Label3"), QString(), twips::rect(5520, 4440, 1575, 255),
                        windowFont(QStringLiteral("MS Sans Serif"), 8.25, true, false), Qt::black);
    m_footer->setWordWrap(false);

    placeBackButton(twips::rect(2880, 4200, 1695, 495));

    // The links are written and get the hand pointer when the window is made.
    m_credits[SiteLabel]->setText(SiteHost);
    m_credits[MailLabel]->setText(mail);
    for (int link : {MailLabel, SiteLabel}) {
        m_credits[link]->setCursor(artwork::pointingHandCursor(devicePixelRatioF()));
        m_credits[link]->setWordWrap(false);
    }
    retranslate();
}

void DevelopersWindow::retranslate()
{
    setWindowTitle(tr("Розробники"));
    m_icon->setAccessibleName(tr("Значок гри «21»"));
    m_title->setAccessibleName(tr("Гра «21»"));
    for (int index = 1; index < int(m_credits.size()); ++index) {
        if (CreditTexts[index])
            m_credits[index]->setText(tr(CreditTexts[index]));
    }
    m_footer->setText(tr("«21» © 2026"));
    m_credits[MailLabel]->setToolTip(mailLink());
    m_credits[SiteLabel]->setToolTip(siteUrl().toString());
    // Brackets and a bare host name do not say what clicking does.
    m_credits[MailLabel]->setAccessibleName(tr("Написати розробникам: %1").arg(MailAddress));
    m_credits[MailLabel]->setAccessibleDescription(tr("Відкриває поштову програму"));
    m_credits[SiteLabel]->setAccessibleName(tr("Сайт розробників: %1").arg(SiteHost));
    m_credits[SiteLabel]->setAccessibleDescription(tr("Відкриває сайт у браузері"));
}

bool DevelopersWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched->objectName() == u"Image1") {
        auto *icon = static_cast<QLabel *>(watched);
        icon->setPixmap(artwork::appIcon().pixmap(icon->size(), icon->devicePixelRatioF()));
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        auto *label = qobject_cast<QLabel *>(watched);
        if (label && mouse->button() == Qt::LeftButton
            && label->rect().contains(mouse->position().toPoint())) {
            for (int index = 1; index < int(m_credits.size()); ++index) {
                if (m_credits[index] == label)
                    labelClicked(index);
            }
        }
    }
    return BackWindow::eventFilter(watched, event);
}

void DevelopersWindow::labelClicked(int index)
{
    // Whether a program takes the link is not ours to report.
    if (index == MailLabel)
        m_openLink(QUrl(mailLink()));
    else if (index == SiteLabel)
        m_openLink(siteUrl());
}
