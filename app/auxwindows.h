#pragma once

#include "datafolder.h"
#include "developerswindow.h"

#include <QObject>
#include <QPointer>
#include <QString>

class RecordsWindow;
class RulesWindow;
class SoundSystem;

// The records, rules and developers windows around the table window.
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

    // Shutdown: closes records, rules and developers, each with its own
    // close handling, and from now on shows nothing again.
    void closeAll();

    RecordsWindow *recordsWindow() const { return m_records; }
    RulesWindow *rulesWindow() const { return m_rules; }
    DevelopersWindow *developersWindow() const { return m_developers; }

private:
    RecordsWindow *ensureRecords();
    RulesWindow *ensureRules();
    DevelopersWindow *ensureDevelopers();
    void showTableWindow();
    void showOverTable(QWidget *window);

    QPointer<QWidget> m_table;
    SoundSystem &m_sounds;
    DataFolder m_files;
    DevelopersWindow::LinkOpener m_openLink;
    QPointer<RecordsWindow> m_records;
    QPointer<RulesWindow> m_rules;
    QPointer<DevelopersWindow> m_developers;
    bool m_shuttingDown = false;
};
