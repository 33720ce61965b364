#pragma once

#include <cstdint>

enum class AnimationSpeed : std::uint8_t {
    Slow,
    Normal,  // ticks of 5 ms
    Fast,
    Instant, // every card lands at once, as with the animation off
};

enum class Language : std::uint8_t {
    System, // English for an English locale, Ukrainian for any other
    Ukrainian,
    English,
};

// The player's switches and the music track, owned by the application.
struct Settings
{
    // Switched on at every start; only a saved game carries them.
    bool MusicOn = false;
    bool SoundsOn = false;
    bool AnimationOn = false;
    std::int16_t MusicTrack = 0; // 1..8; a saved game may bring any number

    // The player's own choices, remembered between runs.
    int musicVolume = 100;   // 0..100
    int effectsVolume = 100; // 0..100
    AnimationSpeed animationSpeed = AnimationSpeed::Normal;
    bool hints = false;
    bool highContrast = false;
    Language language = Language::System;
    int zoomPercent = 100; // the table's size in a normal window, 100..300

    friend bool operator==(const Settings &, const Settings &) = default;
};
