#include "soundeffects.h"

#include "effectsplayer.h"
#include "gamestate.h"

#include <QFileInfo>

SoundEffects::SoundEffects(EffectsPlayer &player, Vars &vars)
    : m_player(player)
    , m_vars(vars)
{
}

void SoundEffects::Play_Sound(const QString &path)
{
    if (m_vars.SoundsOn && QFileInfo::exists(path))
        m_player.play(path);
}

void SoundEffects::toggleSounds()
{
    m_vars.SoundsOn = !m_vars.SoundsOn;
}
