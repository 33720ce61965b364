#pragma once

#include "filestatus.h"
#include "statistics.h"

#include <QString>

#include <memory>

class QLockFile;
class QSqlError;

// The statistics in an SQLite file beside the other data files, through Qt
// SQL. Each call runs on the thread that opened it. A writer holds a lock
// file beside the database, so a second running copy of the game reads but
// never writes; a file that is damaged, newer than this program, locked or
// on a read-only disk is reported and never written over or deleted.
class StatisticsDatabase
{
public:
    enum class Access { Write, Read };

    // connectionName must be unique among the open connections of the process.
    StatisticsDatabase(QString path, QString connectionName);
    ~StatisticsDatabase();
    StatisticsDatabase(const StatisticsDatabase &) = delete;
    StatisticsDatabase &operator=(const StatisticsDatabase &) = delete;

    const QString &path() const { return m_path; }

    // Opens, creating the file and its folder for a writer when there are
    // none, and migrating an older schema in one transaction. A reader never
    // creates or changes anything: Missing when nothing was recorded yet.
    // Problems: Missing, IsDirectory, Damaged, NewerVersion, Locked,
    // Unreadable, Unwritable, FolderNotCreated; the SQLite result code, when
    // there is one, is the detail.
    FileStatus open(Access access);
    bool isOpen() const;
    void close();

    // One transaction each: a row is there whole or not at all. Unwritable
    // when opened only to read.
    FileStatus addRound(const statistics::RoundRow &round);
    FileStatus addGame(const statistics::GameRow &game);

    FileStatus summary(statistics::Summary &summary) const;
    // Every round and game gone; the file stays.
    FileStatus clear();
    // The rounds, oldest first, as UTF-8 CSV with a header row: times in
    // local time with their offset, lines ending in CRLF.
    FileStatus exportCsv(const QString &csvPath) const;

private:
    FileStatus fail(FileProblem problem) const { return {problem, m_path}; }
    // The problem the driver reports, with SQLite's result code as the detail.
    FileStatus failure(const QSqlError &error, FileProblem otherwise) const;
    FileStatus openChecked(Access access);
    FileStatus connect(const QString &name, Access access) const;
    FileStatus connectAndCheck(const QString &name, Access access);
    // Ours, not damaged, not newer: before anything writes to the file.
    FileStatus check(const QString &name);
    // Creates or migrates the schema in one transaction, then turns on the log.
    FileStatus prepareForWriting();

    QString m_path;
    QString m_connectionName;
    std::unique_ptr<QLockFile> m_lock;
    bool m_open = false;
    Access m_access = Access::Read;
    int m_schemaVersion = 0; // of the file as opened: a reader may see an older one
};
