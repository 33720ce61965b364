#pragma once

#include "mediaplayer.h"

#include <QMediaPlayer>
#include <QTimer>

class QAudioOutput;

// The music player over Qt Multimedia. Without a sound device or a
// playable file it stays silent and never blocks. The media backend is
// made at the first open(), not before: loading it takes a while.
class QtMediaPlayer final : public MediaPlayer
{
    Q_OBJECT

public:
    explicit QtMediaPlayer(QObject *parent = nullptr);
    ~QtMediaPlayer() override;

    void setFileName(const QString &path) override;
    QString fileName() const override;
    void open() override;
    void play() override;
    void stop() override;
    void close() override;
    std::int32_t position() const override;
    std::int32_t length() const override;
    void setVolume(int percent) override;

    // How often the status is reported while a track is open.
    static constexpr int StatusInterval = 500;

private:
    void handleMediaStatus(QMediaPlayer::MediaStatus status);
    void makePlayer();

    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_output = nullptr;
    int m_volume = 100;
    QTimer m_statusTimer;
    QString m_fileName;
    bool m_open = false;
    bool m_ended = false;
};
