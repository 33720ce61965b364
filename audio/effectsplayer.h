#pragma once

#include <QString>

// Plays one short effect at a time: returns at once, and a new effect cuts
// off one still sounding. Nothing is queued and nothing is reported.
class EffectsPlayer
{
public:
    virtual ~EffectsPlayer() = default;
    virtual void play(const QString &path) = 0;
    // Loudness in percent, 0..100, for this and every later effect.
    virtual void setVolume(int percent) = 0;
};
