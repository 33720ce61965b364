#include "qtmediaplayer.h"

#include "outputvolume.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>

QtMediaPlayer::QtMediaPlayer(QObject *parent)
    : MediaPlayer(parent)
{
    m_statusTimer.setInterval(StatusInterval);
    m_statusTimer.setTimerType(Qt::CoarseTimer);
    connect(&m_statusTimer, &QTimer::timeout, this, &MediaPlayer::statusUpdated);
}

QtMediaPlayer::~QtMediaPlayer()
{
    m_statusTimer.stop();
    if (m_player)
        m_player->stop();
}

void QtMediaPlayer::makePlayer()
{
    if (m_player)
        return;
    m_output = new QAudioOutput(this);
    m_output->setVolume(outputVolume(m_volume));
    m_player = new QMediaPlayer(this);
    m_player->setAudioOutput(m_output);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, &QtMediaPlayer::handleMediaStatus);
}

void QtMediaPlayer::setFileName(const QString &path)
{
    m_fileName = path;
}

QString QtMediaPlayer::fileName() const
{
    return m_fileName;
}

void QtMediaPlayer::open()
{
    close();
    if (m_fileName.isEmpty() || !QFileInfo(m_fileName).isFile())
        return;
    makePlayer();
    m_player->setSource(QUrl::fromLocalFile(m_fileName));
    m_open = true;
    m_statusTimer.start();
}

void QtMediaPlayer::play()
{
    if (!m_open)
        return;
    if (m_ended) {
        m_ended = false;
        m_player->setPosition(0);
    }
    m_player->play();
}

void QtMediaPlayer::stop()
{
    // QMediaPlayer::stop() would rewind; a stopped track resumes where it halted.
    if (m_open && m_player->playbackState() == QMediaPlayer::PlayingState)
        m_player->pause();
}

void QtMediaPlayer::close()
{
    if (!m_open)
        return;
    m_open = false;
    m_ended = false;
    m_statusTimer.stop();
    m_player->stop();
    m_player->setSource(QUrl());
}

std::int32_t QtMediaPlayer::length() const
{
    if (!m_open)
        return 0;
    return static_cast<std::int32_t>(std::clamp<qint64>(m_player->duration(), 0, INT32_MAX));
}

std::int32_t QtMediaPlayer::position() const
{
    const std::int32_t total = length();
    if (m_ended)
        return total;
    // Decoders may stop a millisecond short of the length or run past it;
    // only the end of the media counts as the end of the track.
    const qint64 played = m_player ? m_player->position() : 0;
    const auto at = static_cast<std::int32_t>(std::clamp<qint64>(played, 0, INT32_MAX));
    return std::min(at, total - 1);
}

void QtMediaPlayer::setVolume(int percent)
{
    m_volume = percent;
    if (m_output)
        m_output->setVolume(outputVolume(percent));
}

void QtMediaPlayer::handleMediaStatus(QMediaPlayer::MediaStatus status)
{
    if (!m_open || status != QMediaPlayer::EndOfMedia)
        return;
    m_ended = true;
    // Report the end promptly, after this signal has unwound: the listener
    // may well close the track and open the next one.
    QMetaObject::invokeMethod(this, &MediaPlayer::statusUpdated, Qt::QueuedConnection);
}
