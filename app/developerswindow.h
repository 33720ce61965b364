#pragma once

#include "backwindow.h"

#include <QUrl>

#include <array>
#include <functional>

// "Form4": title, version, credits and two links, one that writes to the
// makers and one that opens their site. Shown modally over the table window.
// The credit lines are "Label1_1" to "Label1_9"; 7 is the mail link and 9
// the site link.
class DevelopersWindow final : public BackWindow
{
    Q_OBJECT

public:
    // Hands a link to the user's mail program or browser.
    using LinkOpener = std::function<void(const QUrl &)>;

    static constexpr int MailLabel = 7;
    static constexpr int SiteLabel = 9;

    static const QString MailAddress;
    static const QString SiteHost;
    static QString mailLink();  // "mailto:" address "?Subject=" subject, in the language now
    static QUrl siteUrl();

    // Without an opener the links go to QDesktopServices.
    explicit DevelopersWindow(SoundSystem &sounds, LinkOpener openLink = {}, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void retranslate() override;

private:
    void labelClicked(int index);

    LinkOpener m_openLink;
    QLabel *m_icon = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_footer = nullptr;
    std::array<QLabel *, 10> m_credits{};  // elements 1..9
};
