#pragma once

#include "datafolder.h"
#include "developerswindow.h"
#include "keyswindow.h"
#include "recordswindow.h"
#include "ruleswindow.h"

#include <QObject>
#include <QPointer>
#include <QString>

class SoundSystem;

// The records, rules, developers and keys windows around the table window.
// Each exists at most once. A window that is only hidden is shown again as
// it was; one closed with its close box is destroyed and made afresh at its
// next showing.
class AuxWindows final : public QObject
{
    Q_OBJECT

public:
    // Creates the three windows hidden: records, rules, developers.
    AuxWindows(QWidget *tableWindow, SoundSystem &sounds, QString baseDir,
               DevelopersWindow::LinkOpener openLink = {});
    ~AuxWindows() override;

    // The records take the table window's place until the player goes back;
    // the file is read afresh every time.
    void showRecords();
    // Modal over the table window, centred on it.
    void showRules();
    void showDevelopers();
    // Made at its first showing.
    void showKeys();

    // Shutdown: closes every window here, each with its own close handling,
    // and from now on shows nothing again.
    void closeAll();

    // The look of them all, also of those made afresh later.
    bool isHighContrast() const { return m_highContrast; }
    void setHighContrast(bool on);
    // The table's zoom, which the windows follow.
    void setZoom(qreal zoom);

    RecordsWindow *recordsWindow() const { return m_records; }
    RulesWindow *rulesWindow() const { return m_rules; }
    DevelopersWindow *developersWindow() const { return m_developers; }
    KeysWindow *keysWindow() const { return m_keys; }

private:
    RecordsWindow *ensureRecords();
    RulesWindow *ensureRules();
    DevelopersWindow *ensureDevelopers();
    KeysWindow *ensureKeys();
    void showTableWindow();
    void showOverTable(QWidget *window);

    QPointer<QWidget> m_table;
    SoundSystem &m_sounds;
    DataFolder m_files;
    DevelopersWindow::LinkOpener m_openLink;
    QPointer<RecordsWindow> m_records;
    QPointer<RulesWindow> m_rules;
    QPointer<DevelopersWindow> m_developers;
    QPointer<KeysWindow> m_keys;
    bool m_shuttingDown = false;
    bool m_highContrast = false;
    qreal m_zoom = 1.0;
};
