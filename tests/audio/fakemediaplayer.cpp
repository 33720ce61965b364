#include "fakemediaplayer.h"

#include <algorithm>

void FakeMediaPlayer::setFileName(const QString &path)
{
    m_log << QStringLiteral("File ") + path;
    m_fileName = path;
}

QString FakeMediaPlayer::fileName() const
{
    return m_fileName;
}

void FakeMediaPlayer::open()
{
    m_log << QStringLiteral("Open");
    m_open = !m_fileName.isEmpty();
    m_openFile = m_open ? m_fileName : QString();
    m_position = 0;
    m_playing = false;
}

void FakeMediaPlayer::play()
{
    m_log << QStringLiteral("Play");
    if (!m_open)
        return;
    if (m_position == TrackLength)
        m_position = 0;
    m_playing = true;
}

void FakeMediaPlayer::stop()
{
    m_log << QStringLiteral("Stop");
    m_playing = false;
}

void FakeMediaPlayer::close()
{
    m_log << QStringLiteral("Close");
    m_open = false;
    m_playing = false;
    m_openFile.clear();
    m_position = 0;
}

std::int32_t FakeMediaPlayer::position() const
{
    return m_open ? m_position : -1;
}

std::int32_t FakeMediaPlayer::length() const
{
    return m_open ? TrackLength : 0;
}

void FakeMediaPlayer::advance(std::int32_t milliseconds)
{
    if (m_open && m_playing) {
        m_position = std::min(TrackLength, m_position + milliseconds);
        if (m_position == TrackLength)
            m_playing = false;
    }
    if (m_open)
        emit statusUpdated();
}

void FakeMediaPlayer::playToEnd()
{
    advance(TrackLength);
}
