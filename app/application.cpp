#include "application.h"

#include "auxwindows.h"
#include "recordswindow.h" // auxwindows.h needs the full window types
#include "ruleswindow.h"
#include "gamecontroller.h"
#include "soundsystem.h"
#include "tablewindow.h"

#include <QCoreApplication>

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
    , m_sounds(makeSounds(m_settings, m_baseDir))
{
    m_window = makeWindow(m_settings, *m_sounds);
    m_game = std::make_unique<GameController>(*m_window, m_files, m_random, m_settings);
    m_window->attachGame(m_game.get());
    connect(m_window.get(), &TableWindow::exitRequested, this, &Application::Exit_Game);
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
