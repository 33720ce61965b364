#pragma once

#include <QObject>
#include <QString>

struct Settings;
class MediaPlayer;

// Background music: eight tracks one after another, in a loop, through one
// media player. Decides which track plays; the table keeps MusicOn and
// chooses when to stop and resume.
class MusicPlaylist : public QObject
{
    Q_OBJECT

public:
    // baseDir is the program's folder; the tracks lie below it.
    MusicPlaylist(MediaPlayer &player, Settings &settings, QString baseDir, QObject *parent = nullptr);

    // Start-up: the file of track 1, "Open", "Play".
    void start();
    // "Stop", "Close", the file of the track (none outside 1..8, so the file
    // named before is opened again), "Open", "Play". Leaves MusicTrack alone.
    void Play_Track(int track);
    // The player's status: at the end of a track the next one follows,
    // track 1 after track 8. Does not look at MusicOn.
    void handleStatus();

    // "Play": the open track goes on where it stopped.
    void resume();
    // "Stop": the track stays open and keeps its place.
    void stop();

    // Exit: "Stop", "Close", whether the music is on or not.
    void shutdown();

private:
    MediaPlayer &m_player;
    Settings &m_settings;
    QString m_baseDir;
};
