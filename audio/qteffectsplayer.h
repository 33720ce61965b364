#pragma once

#include "effectsplayer.h"

#include <QObject>

class QSoundEffect;

// Effects through one QSoundEffect, kept alive between calls so a repeated
// effect needs no new decoding.
class QtEffectsPlayer final : public QObject, public EffectsPlayer
{
    Q_OBJECT

public:
    explicit QtEffectsPlayer(QObject *parent = nullptr);
    ~QtEffectsPlayer() override;

    void play(const QString &path) override;
    void setVolume(int percent) override;

private:
    QSoundEffect *m_effect;
};
