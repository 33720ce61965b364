#pragma once

#include "effectsplayer.h"

#include <QHash>
#include <QObject>
#include <QString>

class QSoundEffect;

// Effects through one QSoundEffect per file, each made at the file's first
// effect and kept: changing a sound effect's file makes Qt open a new
// output to the sound device, so switching one player between the click,
// the deal and the shuffle would do that at almost every effect.
class QtEffectsPlayer final : public QObject, public EffectsPlayer
{
    Q_OBJECT

public:
    explicit QtEffectsPlayer(QObject *parent = nullptr);
    ~QtEffectsPlayer() override;

    void play(const QString &path) override;
    void setVolume(int percent) override;

    // The sound effects made so far: one per file played.
    qsizetype playerCount() const { return m_effects.size(); }

private:
    QHash<QString, QSoundEffect *> m_effects;
    QSoundEffect *m_sounding = nullptr; // the last one started
    int m_volume = 100;
};
