#include "soundeffects.h"

#include "effectsplayer.h"
#include "settings.h"

#include <QFileInfo>

SoundEffects::SoundEffects(EffectsPlayer &player, const Settings &settings)
    : m_player(player)
    , m_settings(settings)
{
}

void SoundEffects::Play_Sound(const QString &path)
{
    if (m_settings.SoundsOn && QFileInfo::exists(path))
        m_player.play(path);
}
