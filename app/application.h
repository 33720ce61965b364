#pragma once

#include "gamestate.h"
#include "random.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class AuxWindows;
class Game;
class SoundSystem;
class TableWindow;

// The running program: it owns the game, the settings, the sound and the
// table window, starts them in order and ends them in one way only.
class Application : public QObject
{
    Q_OBJECT

public:
    // Makes the sound system over the application's settings and folder.
    using SoundFactory = std::function<std::unique_ptr<SoundSystem>(Vars &vars, const QString &baseDir)>;

    // Makes the table window; tests hand in one whose boxes answer from a script.
    using WindowFactory = std::function<std::unique_ptr<TableWindow>(GameState &, Vars &, SoundSystem &)>;

    // baseDir is the program's folder, where gamedata lies.
    Application(QString baseDir, const SoundFactory &makeSounds, QObject *parent = nullptr);
    Application(QString baseDir, const SoundFactory &makeSounds, const WindowFactory &makeWindow,
                QObject *parent = nullptr);
    ~Application() override;

    // Prepares everything and deals the first round; the table is not yet shown.
    // The shuffles follow the time of day, or a given seed to replay a run.
    void start();
    void start(std::uint64_t seed);
    // Shows the table window, centred on the screen.
    void show();

    bool isExiting() const { return m_exiting; }

    TableWindow &window() { return *m_window; }
    Game &game() { return *m_game; }
    GameState &state() { return m_state; }
    Vars &vars() { return m_vars; }
    SoundSystem &sounds() { return *m_sounds; }
    // The records, rules and developers windows; null before start().
    AuxWindows *auxWindows() { return m_aux.get(); }

public slots:
    // Stops the music, closes every window and ends the event loop; runs once.
    void Exit_Game();

signals:
    void exited();

private:
    QString m_baseDir;
    GameState m_state;
    Vars m_vars;
    SeededRandom m_random{0};
    std::unique_ptr<SoundSystem> m_sounds;
    std::unique_ptr<TableWindow> m_window;
    std::unique_ptr<Game> m_game;
    std::unique_ptr<AuxWindows> m_aux; // made at start-up, gone before the table
    bool m_exiting = false;
};
