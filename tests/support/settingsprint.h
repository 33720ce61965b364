#pragma once

#include "settings.h"

#include <QTest>

// How a failed comparison of two Settings reads.
inline char *toString(const Settings &s)
{
    return QTest::toString(QStringLiteral("music %1 %2, sounds %3 %4, animation %5 speed %6, track %7, "
                                          "hints %8, high contrast %9, language %10")
                               .arg(s.MusicOn)
                               .arg(s.musicVolume)
                               .arg(s.SoundsOn)
                               .arg(s.effectsVolume)
                               .arg(s.AnimationOn)
                               .arg(static_cast<int>(s.animationSpeed))
                               .arg(s.MusicTrack)
                               .arg(s.hints)
                               .arg(s.highContrast)
                               .arg(static_cast<int>(s.language)));
}
