#pragma once

#include <cstdint>

// The player's switches and the music track. Owned by the application;
// only a saved game carries them from one run to the next.
struct Settings
{
    bool MusicOn = false;
    bool SoundsOn = false;
    bool AnimationOn = false;
    std::int16_t MusicTrack = 0; // 1..8; a saved game may bring any number
};
