#pragma once

#include <QObject>
#include <QString>

#include <cstdint>

// The music player's command set: one file at a time, opened, played,
// stopped and closed by command, with position and length to watch for
// the end of a track. The real one plays through Qt Multimedia; tests
// drive a fake.
class MediaPlayer : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~MediaPlayer() override = default;

    // The next open() opens this file. The name stays set after close(),
    // so open() without a new name opens the same file again.
    virtual void setFileName(const QString &path) = 0;
    virtual QString fileName() const = 0;

    // "Open": the file is opened at its start. A missing or unplayable file
    // leaves the player silent; nothing is reported.
    virtual void open() = 0;
    // "Play": starts after open(), or resumes where stop() halted.
    virtual void play() = 0;
    // "Stop": halts playback but keeps the track open and its position.
    virtual void stop() = 0;
    // "Close": closes the track. Stop and close with nothing open do nothing.
    virtual void close() = 0;

    // Equal once the open track has played to its end; different while it
    // plays or stands stopped before its end.
    virtual std::int32_t position() const = 0;
    virtual std::int32_t length() const = 0;

    // Loudness in percent, 0..100; kept across tracks. Zero is silence and
    // changes nothing else.
    virtual void setVolume(int percent) = 0;

signals:
    // Repeated while a track is open, and at least once after it has ended.
    void statusUpdated();
};
