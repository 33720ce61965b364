#include "musicplaylist.h"

#include "gamepaths.h"
#include "settings.h"
#include "mediaplayer.h"

#include <utility>

namespace {
constexpr int FirstTrack = 1;
constexpr int LastTrack = 8;
} // namespace

MusicPlaylist::MusicPlaylist(MediaPlayer &player, Settings &settings, QString baseDir, QObject *parent)
    : QObject(parent)
    , m_player(player)
    , m_settings(settings)
    , m_baseDir(std::move(baseDir))
{
    connect(&m_player, &MediaPlayer::statusUpdated, this, &MusicPlaylist::handleStatus);
}

void MusicPlaylist::start()
{
    m_player.setFileName(gamePath(m_baseDir, gamefiles::musicTrack(FirstTrack)));
    m_player.open();
    m_player.play();
}

void MusicPlaylist::Play_Track(int track)
{
    m_player.stop();
    m_player.close();
    if (track >= FirstTrack && track <= LastTrack)
        m_player.setFileName(gamePath(m_baseDir, gamefiles::musicTrack(track)));
    m_player.open();
    m_player.play();
}

void MusicPlaylist::handleStatus()
{
    if (m_player.position() != m_player.length())
        return;
    // A saved game may bring any number: below 1 it counts up to 1, above 8
    // it keeps growing; only 9 wraps. The 16-bit number wraps like the file's.
    m_settings.MusicTrack = static_cast<std::int16_t>(m_settings.MusicTrack + 1);
    if (m_settings.MusicTrack == LastTrack + 1)
        m_settings.MusicTrack = FirstTrack;
    Play_Track(m_settings.MusicTrack);
}

void MusicPlaylist::resume()
{
    m_player.play();
}

void MusicPlaylist::stop()
{
    m_player.stop();
}

void MusicPlaylist::shutdown()
{
    m_player.stop();
    m_player.close();
}
