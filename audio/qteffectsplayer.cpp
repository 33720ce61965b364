#include "qteffectsplayer.h"

#include "outputvolume.h"

#include <QSoundEffect>
#include <QUrl>

QtEffectsPlayer::QtEffectsPlayer(QObject *parent)
    : QObject(parent)
    , m_effect(new QSoundEffect(this))
{
}

QtEffectsPlayer::~QtEffectsPlayer()
{
    m_effect->stop();
}

void QtEffectsPlayer::play(const QString &path)
{
    const QUrl source = QUrl::fromLocalFile(path);
    m_effect->stop();
    if (m_effect->source() != source)
        m_effect->setSource(source); // loads in the background; play() waits for it
    m_effect->play();
}

void QtEffectsPlayer::setVolume(int percent)
{
    m_effect->setVolume(outputVolume(percent));
}
