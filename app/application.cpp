#include "application.h"

#include "auxwindows.h"
#include "gamecontroller.h"
#include "gamepaths.h"
#include "settingswindow.h"
#include "soundsystem.h"
#include "tablewindow.h"

#include <QCoreApplication>
#include <QTimer>

#include <utility>

Application::Application(QString baseDir, const SoundFactory &makeSounds, QObject *parent)
    : Application(std::move(baseDir), makeSounds,
                  [](Settings &settings, SoundSystem &sounds) {
                      return std::make_unique<TableWindow>(settings, sounds);
                  },
                  parent)
{
}

Application::Application(QString baseDir, const SoundFactory &makeSounds, const WindowFactory &makeWindow,
                         QObject *parent)
    : QObject(parent)
    , m_baseDir(std::move(baseDir))
    , m_files(m_baseDir)
    , m_settingsStore(gamePath(m_baseDir, gamefiles::Settings))
    , m_settingsLoaded(m_settingsStore.load(m_settings))
    , m_sounds(makeSounds(m_settings, m_baseDir))
{
    m_sounds->setMusicVolume(m_settings.musicVolume);
    m_sounds->setEffectsVolume(m_settings.effectsVolume);
    m_window = makeWindow(m_settings, *m_sounds);
    m_game = std::make_unique<GameController>(*m_window, m_files, m_random, m_settings);
    m_window->attachGame(m_game.get());
    connect(m_window.get(), &TableWindow::exitRequested, this, &Application::Exit_Game);
    connect(m_window.get(), &TableWindow::settingsRequested, this, &Application::showSettings);
    connect(m_window.get(), &TableWindow::settingsChanged, this, &Application::saveSettings);
}

Application::~Application()
{
    // The window outlives no engine call: detach before either goes.
    m_window->attachGame(nullptr);
    m_aux.reset();
}

void Application::start()
{
    start(SeededRandom::seedFromTimeOfDay());
}

void Application::start(std::uint64_t seed)
{
    m_window->resetButtonPictures();
    m_sounds->startMusic();
    m_random = SeededRandom(seed);
    m_window->setSavingEnabled(false);
    m_settings.MusicTrack = 1;
    m_aux = std::make_unique<AuxWindows>(m_window.get(), *m_sounds, m_baseDir);
    connect(m_window.get(), &TableWindow::recordsRequested, m_aux.get(), &AuxWindows::showRecords);
    connect(m_window.get(), &TableWindow::rulesRequested, m_aux.get(), &AuxWindows::showRules);
    connect(m_window.get(), &TableWindow::developersRequested, m_aux.get(), &AuxWindows::showDevelopers);
    connect(m_window.get(), &TableWindow::keysRequested, m_aux.get(), &AuxWindows::showKeys);
    m_aux->setHighContrast(m_settings.highContrast);
    m_settings.MusicOn = true;
    m_settings.SoundsOn = true;
    m_settings.AnimationOn = true;
    m_window->setToggleChecked(TableView::Toggle::Music, true);
    m_window->setToggleChecked(TableView::Toggle::Sounds, true);
    m_window->setToggleChecked(TableView::Toggle::Animation, true);
    m_game->newGame();
}

void Application::show()
{
    m_window->adjustSize();
    m_window->centreOnScreen();
    m_window->show();
    // Said once the table is up, so the player sees where the game goes on.
    if (!m_settingsLoaded.ok())
        QTimer::singleShot(0, this, [this] { warnAboutSettings(m_settingsLoaded, Message::Id::SettingsUnreadable); });
}

void Application::showSettings()
{
    if (m_exiting)
        return;
    SettingsWindow dialog(m_settings, m_window.get());
    if (dialog.exec() == QDialog::Accepted && !m_exiting)
        m_window->applySettings(dialog.settings());
}

void Application::saveSettings()
{
    if (m_aux)
        m_aux->setHighContrast(m_settings.highContrast);
    if (const FileStatus saved = m_settingsStore.save(m_settings); !saved.ok())
        warnAboutSettings(saved, Message::Id::SettingsUnsaved);
}

void Application::warnAboutSettings(const FileStatus &status, Message::Id id)
{
    // The game plays on either way; telling it more than once would nag.
    if (m_settingsWarned || m_exiting)
        return;
    m_settingsWarned = true;
    m_window->ask(Message(id, status));
}

void Application::Exit_Game()
{
    // Closing the table is itself a close request; it must not come back here.
    if (m_exiting)
        return;
    m_exiting = true;
    m_sounds->shutdown();
    m_window->closeForExit();
    if (m_aux)
        m_aux->closeAll();
    emit exited();
    QCoreApplication::exit(0);
}
