#include "statisticswriter.h"

#include "statisticsdatabase.h"

#include <memory>
#include <utility>

// Owns the database on the writer's thread: Qt SQL wants every use of a
// connection on the thread that opened it.
class StatisticsWriter::Worker final : public QObject
{
public:
    Worker(QString path, StatisticsWriter &writer) : m_path(std::move(path)), m_writer(writer) {}

    void open()
    {
        // Connection names are shared by the whole process.
        const QString connection = QStringLiteral("statisticsWriter-%1").arg(reinterpret_cast<quintptr>(this));
        m_database = std::make_unique<StatisticsDatabase>(m_path, connection);
        report(m_database->open(StatisticsDatabase::Access::Write));
    }

    template <class Row>
    void add(const Row &row)
    {
        if (!m_database || !m_database->isOpen())
            return;
        if constexpr (std::is_same_v<Row, statistics::RoundRow>)
            report(m_database->addRound(row));
        else
            report(m_database->addGame(row));
    }

    FileStatus clear()
    {
        if (!m_database || !m_database->isOpen())
            return m_failure;
        const FileStatus status = m_database->clear();
        report(status);
        return status;
    }

    void close() { m_database.reset(); }

private:
    void report(const FileStatus &status)
    {
        if (status.ok() || m_told)
            return;
        m_told = true;
        m_failure = status;
        m_database.reset(); // never written again this run
        QMetaObject::invokeMethod(&m_writer, [writer = &m_writer, status] { emit writer->unavailable(status); },
                                  Qt::QueuedConnection);
    }

    QString m_path;
    StatisticsWriter &m_writer;
    std::unique_ptr<StatisticsDatabase> m_database;
    FileStatus m_failure{FileProblem::Unreadable, {}}; // why there is no database
    bool m_told = false;
};

StatisticsWriter::StatisticsWriter(QString path, QObject *parent)
    : QObject(parent), m_worker(new Worker(std::move(path), *this))
{
    m_thread.setObjectName(QStringLiteral("statistics"));
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start(QThread::LowPriority);
}

StatisticsWriter::~StatisticsWriter()
{
    QMetaObject::invokeMethod(m_worker, [worker = m_worker] { worker->close(); }, Qt::QueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

void StatisticsWriter::start()
{
    if (m_started)
        return;
    m_started = true;
    QMetaObject::invokeMethod(m_worker, [worker = m_worker] { worker->open(); }, Qt::QueuedConnection);
}

void StatisticsWriter::flush()
{
    start();
    QMetaObject::invokeMethod(m_worker, [] {}, Qt::BlockingQueuedConnection);
}

FileStatus StatisticsWriter::clear()
{
    start();
    FileStatus status;
    QMetaObject::invokeMethod(m_worker, [worker = m_worker, &status] { status = worker->clear(); },
                              Qt::BlockingQueuedConnection);
    return status;
}

void StatisticsWriter::roundSettled(const statistics::RoundRow &round)
{
    start();
    QMetaObject::invokeMethod(m_worker, [worker = m_worker, round] { worker->add(round); }, Qt::QueuedConnection);
}

void StatisticsWriter::gameEnded(const statistics::GameRow &game)
{
    start();
    QMetaObject::invokeMethod(m_worker, [worker = m_worker, game] { worker->add(game); }, Qt::QueuedConnection);
}
