#include "application.h"

#include "artwork.h"
#include "auxwindows.h"
#include "gamecontroller.h"
#include "gamepaths.h"
#include "odds.h"
#include "settingswindow.h"
#include "soundsystem.h"
#include "messagetext.h"
#include "statisticsdatabase.h"
#include "statisticswindow.h"
#include "statisticswriter.h"
#include "tablewindow.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>

#include <fontconfig/fontconfig.h>

#include <future>

#include <utility>

namespace {
// How long the rest of the start-up waits for a first frame that does not come.
constexpr int FirstFrameWait = 2000;
} // namespace

Application::Application(QString baseDir, const SoundFactory &makeSounds, QObject *parent)
    : Application(GameFolders::portable(baseDir), makeSounds, parent)
{
}

Application::Application(QString baseDir, const SoundFactory &makeSounds, const WindowFactory &makeWindow,
                         QObject *parent)
    : Application(GameFolders::portable(baseDir), makeSounds, makeWindow, parent)
{
}

Application::Application(GameFolders folders, const SoundFactory &makeSounds, QObject *parent)
    : Application(std::move(folders), makeSounds,
                  [](Settings &settings, SoundSystem &sounds) {
                      return std::make_unique<TableWindow>(settings, sounds);
                  },
                  parent)
{
}

Application::Application(GameFolders folders, const SoundFactory &makeSounds, const WindowFactory &makeWindow,
                         QObject *parent)
    : QObject(parent)
    , m_folders(std::move(folders))
    , m_files(m_folders.data)
    , m_settingsStore(gamePath(m_folders.config, gamefiles::Settings))
    , m_settingsLoaded(m_settingsStore.load(m_settings))
    , m_sounds(makeSounds(m_settings, m_folders.media))
{
    m_folders.makeUserFolders();
    applyLanguage(); // before any window says a word
    // The table comes first on screen; the sound device after it.
    m_sounds->hold();
    m_sounds->setMusicVolume(m_settings.musicVolume);
    m_sounds->setEffectsVolume(m_settings.effectsVolume);
    m_window = makeWindow(m_settings, *m_sounds);
    m_game = std::make_unique<GameController>(*m_window, m_files, m_deals, m_numbers, m_settings);
    m_window->attachGame(m_game.get());
    connect(m_window.get(), &TableWindow::exitRequested, this, &Application::Exit_Game);
    connect(m_window.get(), &TableWindow::settingsRequested, this, &Application::showSettings);
    connect(m_window.get(), &TableWindow::settingsChanged, this, &Application::saveSettings);
    connect(m_window.get(), &TableWindow::statisticsRequested, this, &Application::showStatistics);
    connect(m_window.get(), &TableWindow::languageChosen, this, &Application::switchLanguage);
    m_window->showLanguage(m_spoken);
}

Application::~Application()
{
    // The window outlives no engine call: detach before either goes.
    m_window->attachGame(nullptr);
    m_game->setLog(nullptr);
    delete m_statisticsWindow;
    m_statisticsReader.reset();
    m_statistics.reset();
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
    m_numbers.reseed(seed);
    m_window->setSavingEnabled(false);
    m_settings.MusicTrack = 1;
    m_started = true;
    // The windows are made at their first showing if the player is quicker
    // than the first frame.
    const auto showAux = [this](void (AuxWindows::*showing)()) {
        return [this, showing] {
            if (AuxWindows *aux = auxWindows())
                (aux->*showing)();
        };
    };
    connect(m_window.get(), &TableWindow::recordsRequested, this, showAux(&AuxWindows::showRecords));
    connect(m_window.get(), &TableWindow::rulesRequested, this, showAux(&AuxWindows::showRules));
    connect(m_window.get(), &TableWindow::developersRequested, this, showAux(&AuxWindows::showDevelopers));
    connect(m_window.get(), &TableWindow::keysRequested, this, showAux(&AuxWindows::showKeys));
    connect(m_window.get(), &TableWindow::zoomChanged, this, [this](qreal zoom) {
        if (m_aux)
            m_aux->setZoom(zoom);
        if (m_statisticsWindow)
            m_statisticsWindow->setZoom(zoom);
    });
    m_settings.MusicOn = true;
    m_settings.SoundsOn = true;
    m_settings.AnimationOn = true;
    m_window->setToggleChecked(TableView::Toggle::Music, true);
    m_window->setToggleChecked(TableView::Toggle::Sounds, true);
    m_window->setToggleChecked(TableView::Toggle::Animation, true);

    // The history goes to the statistics on a thread of its own; how the
    // player's moves compare with the odds needs the odds tables, built off
    // this thread too. Both start once the table is on screen
    // (finishStartUp()); the database opens sooner if a row comes first.
    m_statistics = std::make_unique<StatisticsWriter>(gamePath(m_folders.data, gamefiles::Statistics));
    connect(m_statistics.get(), &StatisticsWriter::unavailable, this, [this](const FileStatus &status) {
        m_statisticsFailure = status;
        if (m_statisticsWarned || m_exiting)
            return;
        m_statisticsWarned = true;
        m_window->ask(Message(Message::Id::StatisticsUnavailable, status));
    });
    m_game->setLog(m_statistics.get());

    m_game->newGame();
}

std::future<void> Application::readFontsAhead()
{
    return std::async(std::launch::async, [] { FcInit(); });
}

AuxWindows *Application::auxWindows()
{
    if (!m_aux && m_started && !m_exiting) {
        m_aux = std::make_unique<AuxWindows>(m_window.get(), *m_sounds, m_folders.data);
        m_aux->setHighContrast(m_settings.highContrast);
        m_aux->setZoom(m_window->zoom());
    }
    return m_aux.get();
}

void Application::show()
{
    m_window->adjustSize();
    m_window->restoreZoom();
    m_window->centreOnScreen();
    // The rest of the start-up follows the first frame, or a moment after
    // showing should no frame come (a minimised start).
    m_window->installEventFilter(this);
    QTimer::singleShot(FirstFrameWait, this, &Application::finishStartUp);
    m_window->show();
    // Said once the table is up, so the player sees where the game goes on.
    if (!m_settingsLoaded.ok())
        QTimer::singleShot(0, this, [this] { warnAboutSettings(m_settingsLoaded, Message::Id::SettingsUnreadable); });
}

bool Application::eventFilter(QObject *watched, QEvent *event)
{
    // Queued, so the frame is on screen before anything else is made.
    if (watched == m_window.get() && event->type() == QEvent::Paint) {
        m_window->removeEventFilter(this);
        QTimer::singleShot(0, this, &Application::finishStartUp);
    }
    return QObject::eventFilter(watched, event);
}

void Application::finishStartUp()
{
    if (m_startedUp || m_exiting)
        return;
    m_startedUp = true;
    m_window->setWindowIcon(artwork::appIcon());
    m_sounds->release();
    if (m_statistics)
        m_statistics->start();
    m_oddsPrepared = std::async(std::launch::async, odds::prepare); // no bet is placed before the first frame
    auxWindows();
    emit startedUp();
}

void Application::showSettings()
{
    if (m_exiting)
        return;
    SettingsWindow dialog(m_settings, m_window.get());
    if (dialog.exec() == QDialog::Accepted && !m_exiting)
        m_window->applySettings(dialog.settings());
}

void Application::showStatistics()
{
    if (m_exiting)
        return;
    // The rounds played so far are in before the window reads them.
    if (m_statistics)
        m_statistics->flush();
    delete m_statisticsWindow; // it reads through the connection made afresh below
    m_statisticsReader = std::make_unique<StatisticsDatabase>(gamePath(m_folders.data, gamefiles::Statistics),
                                                              QStringLiteral("statisticsWindow"));
    FileStatus opened = m_statisticsFailure.value_or(FileStatus{});
    if (opened.ok())
        opened = m_statisticsReader->open(StatisticsDatabase::Access::Read);
    if (opened.ok()) {
        m_statisticsWindow = new StatisticsWindow(*m_statisticsReader, *m_sounds, m_window.get());
        m_statisticsWindow->setClearer([this] { return m_statistics ? m_statistics->clear() : FileStatus{}; });
    } else {
        m_statisticsWindow = new StatisticsWindow(opened, *m_sounds, m_window.get());
    }
    m_statisticsWindow->setHighContrast(m_settings.highContrast);
    m_statisticsWindow->setZoom(m_window->zoom());
    QRect frame = m_statisticsWindow->frameGeometry();
    frame.moveCenter(m_window->frameGeometry().center());
    m_statisticsWindow->move(frame.topLeft());
    m_statisticsWindow->show();
}

Language Application::spokenLanguage(Language chosen, const QStringList &systemLanguages)
{
    if (chosen != Language::System)
        return chosen;
    return QLocale(systemLanguages.value(0)).language() == QLocale::English ? Language::English
                                                                             : Language::Ukrainian;
}

void Application::applyLanguage()
{
    const Language spoken = spokenLanguage(m_settings.language, QLocale::system().uiLanguages());
    if (m_languageApplied && spoken == m_spoken)
        return;
    m_languageApplied = true;
    // Installing and removing translators tells every window to say its words again.
    QCoreApplication::removeTranslator(&m_translator);
    QCoreApplication::removeTranslator(&m_qtTranslator);
    // Without its translation English cannot be spoken: the program stays Ukrainian.
    if (spoken == Language::English && m_translator.load(QStringLiteral(":/i18n/twentyone_en.qm"))) {
        QCoreApplication::installTranslator(&m_translator);
        m_spoken = Language::English;
    } else {
        // Qt's own dialogs speak Ukrainian too where Debian has its translation.
        if (m_qtTranslator.load(QStringLiteral("qtbase_uk"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&m_qtTranslator);
        m_spoken = Language::Ukrainian;
    }
    if (m_window)
        m_window->showLanguage(m_spoken);
}

void Application::switchLanguage(Language language)
{
    if (m_exiting)
        return;
    m_settings.language = language;
    applyLanguage();
    saveSettings();
}

void Application::saveSettings()
{
    if (m_aux)
        m_aux->setHighContrast(m_settings.highContrast);
    if (m_statisticsWindow)
        m_statisticsWindow->setHighContrast(m_settings.highContrast);
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
    // The game on the table is left, and the history written before the end.
    m_game->leaveGame();
    m_game->setLog(nullptr);
    delete m_statisticsWindow;
    m_statisticsReader.reset();
    m_statistics.reset();
    m_sounds->shutdown();
    m_window->closeForExit();
    if (m_aux)
        m_aux->closeAll();
    emit exited();
    QCoreApplication::exit(0);
}
