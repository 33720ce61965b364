#pragma once

#include "filestatus.h"
#include "gamelog.h"

#include <QObject>
#include <QString>
#include <QThread>

// Keeps the history in the statistics database on a thread of its own:
// the game hands over each row and goes on, so no flight waits for the
// disk. A database that cannot be opened or written is reported once and
// left alone from then on.
class StatisticsWriter final : public QObject, public GameLog
{
    Q_OBJECT

public:
    explicit StatisticsWriter(QString path, QObject *parent = nullptr);
    // Writes what is still queued, then stops.
    ~StatisticsWriter() override;

    // Opens the database on the writer's thread; once. The first row, a
    // flush or a clear opens it too when nobody has yet.
    void start();
    // Returns once everything handed over so far is written (or refused).
    void flush();
    // Empties the history, on the writer's thread once what is queued is
    // written; the status of the database when it is not open.
    FileStatus clear();

    void roundSettled(const statistics::RoundRow &round) override;
    void gameEnded(const statistics::GameRow &game) override;

signals:
    // On the thread that made the writer, at most once.
    void unavailable(const FileStatus &status);

private:
    class Worker;

    QThread m_thread;
    Worker *m_worker; // lives on m_thread
    bool m_started = false;
};
