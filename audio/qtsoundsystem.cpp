#include "qtsoundsystem.h"

#include "effectsplayer.h"
#include "gamepaths.h"
#include "mediaplayer.h"
#include "qteffectsplayer.h"
#include "qtmediaplayer.h"
#include "settings.h"

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
    m_effects.Play_Sound(gamePath(m_baseDir, relativePath));
}

void QtSoundSystem::startMusic()
{
    m_playlist.start();
}

void QtSoundSystem::playTrack(int track)
{
    m_playlist.Play_Track(track);
}

void QtSoundSystem::resumeMusic()
{
    m_playlist.resume();
}

void QtSoundSystem::stopMusic()
{
    m_playlist.stop();
}

void QtSoundSystem::shutdown()
{
    m_playlist.shutdown();
}

void QtSoundSystem::setMusicVolume(int percent)
{
    m_music->setVolume(percent);
}

void QtSoundSystem::setEffectsVolume(int percent)
{
    m_effectsPlayer->setVolume(percent);
}
