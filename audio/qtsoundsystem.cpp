#include "qtsoundsystem.h"

#include "effectsplayer.h"
#include "gamepaths.h"
#include "mediaplayer.h"
#include "qteffectsplayer.h"
#include "qtmediaplayer.h"
#include "settings.h"

#include <utility>

QtSoundSystem::QtSoundSystem(Settings &settings, const QString &baseDir, QObject *parent)
    : QtSoundSystem(settings, baseDir, new QtMediaPlayer, std::make_unique<QtEffectsPlayer>(), parent)
{
}

QtSoundSystem::QtSoundSystem(Settings &settings, const QString &baseDir, MediaPlayer *music,
                             std::unique_ptr<EffectsPlayer> effects, QObject *parent)
    : QObject(parent)
    , m_baseDir(baseDir)
    , m_music(music)
    , m_effectsPlayer(std::move(effects))
    , m_playlist(*music, settings, baseDir)
    , m_effects(*m_effectsPlayer, settings)
{
    m_music->setParent(this);
    m_music->setVolume(settings.musicVolume);
    m_effectsPlayer->setVolume(settings.effectsVolume);
}

QtSoundSystem::~QtSoundSystem() = default;

void QtSoundSystem::playSound(const QString &relativePath)
{
    command([this, relativePath] { m_effects.Play_Sound(gamePath(m_baseDir, relativePath)); });
}

void QtSoundSystem::command(std::function<void()> carryOut)
{
    if (m_held)
        m_heldCommands.push_back(std::move(carryOut));
    else
        carryOut();
}

void QtSoundSystem::startMusic()
{
    command([this] { m_playlist.start(); });
}

void QtSoundSystem::playTrack(int track)
{
    command([this, track] { m_playlist.Play_Track(track); });
}

void QtSoundSystem::resumeMusic()
{
    command([this] { m_playlist.resume(); });
}

void QtSoundSystem::stopMusic()
{
    command([this] { m_playlist.stop(); });
}

void QtSoundSystem::shutdown()
{
    if (m_held) {
        // Nothing was opened: nothing to stop, and nothing to open now.
        m_heldCommands.clear();
        return;
    }
    m_playlist.shutdown();
}

void QtSoundSystem::hold()
{
    m_held = true;
}

void QtSoundSystem::release()
{
    if (!m_held)
        return;
    m_held = false;
    for (const auto &carryOut : std::exchange(m_heldCommands, {}))
        carryOut();
}

void QtSoundSystem::setMusicVolume(int percent)
{
    m_music->setVolume(percent);
}

void QtSoundSystem::setEffectsVolume(int percent)
{
    m_effectsPlayer->setVolume(percent);
}
