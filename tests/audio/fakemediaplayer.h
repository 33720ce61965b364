#pragma once

#include "mediaplayer.h"

#include <QStringList>

// A player that plays nothing and remembers what it was told, for tests.
// The log holds "File <path>", "Open", "Play", "Stop" and "Close".
class FakeMediaPlayer final : public MediaPlayer
{
    Q_OBJECT

public:
    using MediaPlayer::MediaPlayer;

    void setFileName(const QString &path) override;
    QString fileName() const override;
    void open() override;
    void play() override;
    void stop() override;
    void close() override;
    std::int32_t position() const override;
    std::int32_t length() const override;
    // Remembered apart from the log: it is no playback command.
    void setVolume(int percent) override { m_volume = percent; }

    QStringList log() const { return m_log; }
    void clearLog() { m_log.clear(); }
    bool isOpen() const { return m_open; }
    bool isPlaying() const { return m_playing; }
    // The file that the last open() opened, empty when none.
    QString openFile() const { return m_openFile; }
    // The last volume set; -1 before any.
    int volume() const { return m_volume; }

    // Moves the open track on and reports its status, as a real player would.
    void advance(std::int32_t milliseconds);
    void playToEnd();

    static constexpr std::int32_t TrackLength = 90'000;

private:
    QStringList m_log;
    QString m_fileName;
    QString m_openFile;
    std::int32_t m_position = 0;
    bool m_open = false;
    bool m_playing = false;
    int m_volume = -1;
};
