#include "auxwindows.h"

#include "keyswindow.h"
#include "message.h"
#include "messagetext.h"
#include "recordswindow.h"
#include "ruleswindow.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QScreen>

AuxWindows::AuxWindows(QWidget *tableWindow, SoundSystem &sounds, QString baseDir,
                       DevelopersWindow::LinkOpener openLink)
    : m_table(tableWindow)
    , m_sounds(sounds)
    , m_files(std::move(baseDir))
    , m_openLink(std::move(openLink))
{
    ensureRecords();
    ensureRules();
    ensureDevelopers();
}

AuxWindows::~AuxWindows()
{
    // The records window has no parent; the others go with the table window
    // unless they are still here.
    delete m_records;
    delete m_rules;
    delete m_developers;
    delete m_keys;
}

RecordsWindow *AuxWindows::ensureRecords()
{
    if (!m_records) {
        m_records = new RecordsWindow(m_sounds);
        m_records->setHighContrast(m_highContrast);
        m_records->setZoom(m_zoom);
        connect(m_records, &BackWindow::wentBack, this, &AuxWindows::showTableWindow);
        connect(m_records, &BackWindow::closed, this, &AuxWindows::showTableWindow);
    }
    return m_records;
}

RulesWindow *AuxWindows::ensureRules()
{
    if (!m_rules) {
        m_rules = new RulesWindow(m_sounds, m_table);
        m_rules->setHighContrast(m_highContrast);
        m_rules->setZoom(m_zoom);
    }
    return m_rules;
}

DevelopersWindow *AuxWindows::ensureDevelopers()
{
    if (!m_developers) {
        m_developers = new DevelopersWindow(m_sounds, m_openLink, m_table);
        m_developers->setHighContrast(m_highContrast);
        m_developers->setZoom(m_zoom);
    }
    return m_developers;
}

KeysWindow *AuxWindows::ensureKeys()
{
    if (!m_keys) {
        m_keys = new KeysWindow(m_sounds, m_table);
        m_keys->setHighContrast(m_highContrast);
        m_keys->setZoom(m_zoom);
    }
    return m_keys;
}

void AuxWindows::showTableWindow()
{
    if (!m_shuttingDown && m_table)
        m_table->show();
}

void AuxWindows::showRecords()
{
    if (m_shuttingDown)
        return;
    if (m_table)
        m_table->hide();

    RecordsWindow *records = ensureRecords();
    if (records->isVisible()) {
        records->raise();
        records->activateWindow();
    } else {
        // A fresh window opens centred on the screen the table was on.
        if (!records->testAttribute(Qt::WA_Moved)) {
            const QScreen *screen = m_table ? m_table->screen() : records->screen();
            QRect frame = records->frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            records->move(frame.topLeft());
        }
        records->show();
    }

    RecordsTable table;
    const FileStatus status = m_files.readRecords(table);
    if (status.ok()) {
        records->showTable(table);
        return;
    }

    // The records window stays up so the player is not left without any window.
    records->clearTable();
    const MessageText words = messageText({Message::Id::RecordsUnreadable, status});
    // On the heap: a shutdown while the box is up takes it down with the window.
    QPointer<QMessageBox> box =
        new QMessageBox(QMessageBox::NoIcon, words.title, words.text, QMessageBox::Ok, records);
    box->button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box->exec();
    delete box;
}

void AuxWindows::showOverTable(QWidget *window)
{
    if (window->isVisible()) {
        window->raise();
        window->activateWindow();
        return;
    }
    if (m_table) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(m_table->frameGeometry().center());
        window->move(frame.topLeft());
    }
    window->show();
}

void AuxWindows::showRules()
{
    if (!m_shuttingDown)
        showOverTable(ensureRules());
}

void AuxWindows::showDevelopers()
{
    if (!m_shuttingDown)
        showOverTable(ensureDevelopers());
}

void AuxWindows::showKeys()
{
    if (!m_shuttingDown)
        showOverTable(ensureKeys());
}

void AuxWindows::setHighContrast(bool on)
{
    m_highContrast = on;
    for (BackWindow *window : {static_cast<BackWindow *>(m_records), static_cast<BackWindow *>(m_rules),
                               static_cast<BackWindow *>(m_developers), static_cast<BackWindow *>(m_keys)}) {
        if (window)
            window->setHighContrast(on);
    }
}

void AuxWindows::setZoom(qreal zoom)
{
    m_zoom = zoom;
    for (BackWindow *window : {static_cast<BackWindow *>(m_records), static_cast<BackWindow *>(m_rules),
                               static_cast<BackWindow *>(m_developers), static_cast<BackWindow *>(m_keys)}) {
        if (window)
            window->setZoom(zoom);
    }
}

void AuxWindows::closeAll()
{
    m_shuttingDown = true;
    for (QWidget *window : {static_cast<QWidget *>(m_records), static_cast<QWidget *>(m_rules),
                            static_cast<QWidget *>(m_developers), static_cast<QWidget *>(m_keys)}) {
        if (window)
            window->close();
    }
}
