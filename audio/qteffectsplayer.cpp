#include "qteffectsplayer.h"

#include "outputvolume.h"

#include <QSoundEffect>
#include <QUrl>

QtEffectsPlayer::QtEffectsPlayer(QObject *parent)
    : QObject(parent)
{
}

QtEffectsPlayer::~QtEffectsPlayer()
{
    for (QSoundEffect *effect : std::as_const(m_effects))
        effect->stop();
}

void QtEffectsPlayer::play(const QString &path)
{
    QSoundEffect *&effect = m_effects[path];
    if (!effect) {
        effect = new QSoundEffect(this);
        // Before the source: its output to the device starts at this volume.
        effect->setVolume(outputVolume(m_volume));
        effect->setSource(QUrl::fromLocalFile(path)); // loads in the background; play() waits for it
    }
    // One effect at a time: a new one cuts off the one still sounding.
    if (m_sounding)
        m_sounding->stop();
    m_sounding = effect;
    effect->play();
}

void QtEffectsPlayer::setVolume(int percent)
{
    m_volume = percent;
    for (QSoundEffect *effect : std::as_const(m_effects))
        effect->setVolume(outputVolume(percent));
}
