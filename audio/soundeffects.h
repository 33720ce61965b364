#pragma once

#include <QString>

struct Settings;
class EffectsPlayer;

// The short effects of clicks, deals and shuffles, switchable from the menu.
class SoundEffects
{
public:
    SoundEffects(EffectsPlayer &player, Settings &settings);

    // Plays the file at this full path when effects are on and the file
    // exists; returns at once. A missing file is silence.
    void Play_Sound(const QString &path);
    // The sounds menu command: flips SoundsOn. Plays nothing and lets an
    // effect already sounding finish.
    void toggleSounds();

private:
    EffectsPlayer &m_player;
    Settings &m_settings;
};
