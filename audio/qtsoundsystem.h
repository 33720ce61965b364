#pragma once

#include "musicplaylist.h"
#include "soundeffects.h"
#include "soundsystem.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

struct Settings;
class EffectsPlayer;
class MediaPlayer;

// Music and effects for the table: the playlist and the effects over their
// players. The player's status notifications are wired inside; the table
// only calls the commands. The players start at the volumes of the settings.
class QtSoundSystem final : public QObject, public SoundSystem
{
    Q_OBJECT

public:
    // Plays through Qt Multimedia. baseDir is the program's folder.
    QtSoundSystem(Settings &settings, const QString &baseDir, QObject *parent = nullptr);
    // Plays through the given players; the music player's parent becomes this.
    QtSoundSystem(Settings &settings, const QString &baseDir, MediaPlayer *music,
                  std::unique_ptr<EffectsPlayer> effects, QObject *parent = nullptr);
    ~QtSoundSystem() override;

    void playSound(const QString &relativePath) override;
    void startMusic() override;
    void playTrack(int track) override;
    void resumeMusic() override;
    // "Stop": the music menu switched off, the pause, and a loaded game
    // whose music is off.
    void stopMusic() override;
    void shutdown() override;
    void setMusicVolume(int percent) override;
    void setEffectsVolume(int percent) override;
    // Music commands and effects wait in their order; a shutdown drops them.
    void hold() override;
    void release() override;

private:
    // Carried out now, or kept for release() while held.
    void command(std::function<void()> carryOut);

    bool m_held = false;
    std::vector<std::function<void()>> m_heldCommands;
    QString m_baseDir;
    MediaPlayer *m_music;
    std::unique_ptr<EffectsPlayer> m_effectsPlayer;
    MusicPlaylist m_playlist;
    SoundEffects m_effects;
};
