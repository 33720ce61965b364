#pragma once

#include "datafolder.h"
#include "gamefolders.h"
#include "random.h"
#include "settings.h"
#include "settingsstore.h"
#include "message.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <functional>
#include <future>
#include <optional>
#include <memory>

class AuxWindows;
class GameController;
class StatisticsDatabase;
class StatisticsWindow;
class StatisticsWriter;
class SoundSystem;
class TableWindow;

// The running program: it owns the game, the settings, the data folder, the
// sound and the table window, starts them in order and ends them in one way
// only.
class Application : public QObject
{
    Q_OBJECT

public:
    // Makes the sound system over the application's settings and folder.
    using SoundFactory = std::function<std::unique_ptr<SoundSystem>(Settings &settings, const QString &baseDir)>;

    // Makes the table window; tests hand in one whose boxes answer from a script.
    using WindowFactory = std::function<std::unique_ptr<TableWindow>(Settings &, SoundSystem &)>;

    // baseDir is the program's folder, where gamedata lies.
    Application(QString baseDir, const SoundFactory &makeSounds, QObject *parent = nullptr);
    Application(QString baseDir, const SoundFactory &makeSounds, const WindowFactory &makeWindow,
                QObject *parent = nullptr);
    // The sounds are made over folders.media; an installed program's user folders are made here.
    Application(GameFolders folders, const SoundFactory &makeSounds, QObject *parent = nullptr);
    Application(GameFolders folders, const SoundFactory &makeSounds, const WindowFactory &makeWindow,
                QObject *parent = nullptr);
    ~Application() override;

    // Reads the font configuration on a thread of its own. Called before the
    // QApplication is made: the table's text needs it for the first frame,
    // and reading it takes longer than anything else before that frame.
    static std::future<void> readFontsAhead();

    // Prepares everything and deals the first round; the table is not yet shown.
    // Game numbers follow the time of day, or a given seed to replay a run.
    void start();
    void start(std::uint64_t seed);
    // Shows the table window, centred on the screen.
    void show();

    bool isExiting() const { return m_exiting; }

    TableWindow &window() { return *m_window; }
    GameController &game() { return *m_game; }
    Settings &settings() { return m_settings; }
    SoundSystem &sounds() { return *m_sounds; }
    // The records, rules and developers windows; null before start(). They
    // are made after the table's first frame, or here when asked for sooner.
    AuxWindows *auxWindows();
    // The table's first frame has been painted and what waited for it is done.
    bool isStartedUp() const { return m_startedUp; }

    // The language the program speaks now: the player's choice, or else the
    // first of the system's interface languages if it is English, and
    // Ukrainian otherwise.
    Language language() const { return m_spoken; }
    static Language spokenLanguage(Language chosen, const QStringList &systemLanguages);

public slots:
    // Stops the music, closes every window and ends the event loop; runs once.
    void Exit_Game();
    // The settings window, modal over the table.
    void showSettings();
    // The statistics window, modal over the table.
    void showStatistics();
    // Speaks that language from now on, in every window, and remembers it.
    void switchLanguage(Language language);

signals:
    void exited();
    // After the table's first frame: the sound plays, the other windows exist.
    void startedUp();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyLanguage();
    // What the first frame need not wait for: the window icon, the sound
    // device, the music, the records, rules and developers windows. Runs once.
    void finishStartUp();
    void saveSettings();
    void warnAboutSettings(const FileStatus &status, Message::Id id);

    GameFolders m_folders;
    DataFolder m_files;
    Settings m_settings;
    SettingsStore m_settingsStore;
    FileStatus m_settingsLoaded; // read before anything is made from the settings
    bool m_settingsWarned = false; // a settings file problem is told once a run
    // Ours for English; Qt's own for Ukrainian, so its dialogs speak it too.
    QTranslator m_translator;
    QTranslator m_qtTranslator;
    Language m_spoken = Language::Ukrainian;
    bool m_languageApplied = false;
    SeededRandom m_deals{0};
    SeededRandom m_numbers{0}; // seeded once from the clock: picks each new game's number
    std::unique_ptr<SoundSystem> m_sounds;
    std::unique_ptr<TableWindow> m_window;
    std::unique_ptr<GameController> m_game;
    std::unique_ptr<AuxWindows> m_aux; // made at start-up, gone before the table
    std::unique_ptr<StatisticsWriter> m_statistics;
    std::optional<FileStatus> m_statisticsFailure; // why there are none this run
    std::future<void> m_oddsPrepared;
    // The statistics window reads through its own connection, opened afresh at each showing.
    std::unique_ptr<StatisticsDatabase> m_statisticsReader;
    QPointer<StatisticsWindow> m_statisticsWindow; // its close box deletes it
    bool m_statisticsWarned = false;
    bool m_exiting = false;
    bool m_started = false;
    bool m_startedUp = false;
};
