#pragma once

#include <QString>

// What the table asks of sound and music. The real one plays through Qt
// Multimedia; a silent one stands in where there is no sound.
class SoundSystem
{
public:
    virtual ~SoundSystem() = default;

    // An effect by its path below the program ("\gamedata\sounds\click.wav"):
    // played only when effects are on and the file exists; returns at once.
    virtual void playSound(const QString &relativePath) = 0;

    // Start-up: the file of track 1, "Open", "Play".
    virtual void startMusic() = 0;
    // "Stop", "Close", the file of track n (none outside 1..8), "Open", "Play".
    virtual void playTrack(int track) = 0;
    // The music menu item: "Play" resumes the open track, "Stop" halts it.
    virtual void resumeMusic() = 0;
    virtual void stopMusic() = 0;
    // Exit: "Stop", "Close".
    virtual void shutdown() = 0;

    // Loudness in percent, 0..100. Zero is silence, not "off": the switches
    // and the playing track stay as they are.
    virtual void setMusicVolume(int /*percent*/) {}
    virtual void setEffectsVolume(int /*percent*/) {}

    // Start-up: until release() no player is made and nothing sounds; the
    // commands are kept in their order and carried out by release(). The
    // table's first frame need not wait for the sound device that way.
    virtual void hold() {}
    virtual void release() {}
};

class SilentSoundSystem final : public SoundSystem
{
public:
    void playSound(const QString &) override {}
    void startMusic() override {}
    void playTrack(int) override {}
    void resumeMusic() override {}
    void stopMusic() override {}
    void shutdown() override {}
};
