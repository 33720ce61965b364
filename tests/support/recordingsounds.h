#pragma once

#include "soundsystem.h"

#include <QStringList>

// Remembers what the windows ask of sound and music, in order: "sound <path>",
// "startMusic", "playTrack <n>", "resumeMusic", "stopMusic", "shutdown".
class RecordingSounds final : public SoundSystem
{
public:
    QStringList calls;

    void playSound(const QString &path) override { calls << QStringLiteral("sound ") + path; }
    void startMusic() override { calls << QStringLiteral("startMusic"); }
    void playTrack(int track) override { calls << QStringLiteral("playTrack %1").arg(track); }
    void resumeMusic() override { calls << QStringLiteral("resumeMusic"); }
    void stopMusic() override { calls << QStringLiteral("stopMusic"); }
    void shutdown() override { calls << QStringLiteral("shutdown"); }

    // The effects alone, by path.
    QStringList played() const
    {
        QStringList paths;
        for (const QString &call : calls)
            if (call.startsWith(QLatin1String("sound ")))
                paths << call.mid(6);
        return paths;
    }
};
