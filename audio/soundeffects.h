#pragma once

#include <QString>

struct Settings;
class EffectsPlayer;

// The short effects of clicks, deals and shuffles. The menu's switch is
// SoundsOn, read on every effect; the table flips it.
class SoundEffects
{
public:
    SoundEffects(EffectsPlayer &player, const Settings &settings);

    // Plays the file at this full path when effects are on and the file
    // exists; returns at once. A missing file is silence.
    void Play_Sound(const QString &path);

private:
    EffectsPlayer &m_player;
    const Settings &m_settings;
};
