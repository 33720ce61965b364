#include "rowfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

// A writer killed between the link and the rename of its new copy leaves
// that copy beside the file under a random six-letter suffix. Nothing else
// makes such names, so each successful write clears them away.
void removeStaleCopies(const QString &path)
{
    const QFileInfo info(path);
    const QRegularExpression stale(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(info.fileName()) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
    QDir folder = info.absoluteDir();
    const QStringList candidates = folder.entryList({info.fileName() + QStringLiteral(".??????")},
                                                    QDir::Files | QDir::Hidden);
    for (const QString &name : candidates) {
        if (stale.match(name).hasMatch())
            folder.remove(name);
    }
}

} // namespace

FileStatus rowfile::readHead(const QString &path, qsizetype maxBytes, QByteArray &head)
{
    const auto fail = [&path](FileProblem problem) { return FileStatus{problem, path}; };
    const QFileInfo info(path);
    if (!info.exists())
        return fail(FileProblem::Missing);
    if (info.isDir())
        return fail(FileProblem::IsDirectory);
    if (!info.isFile())
        return fail(FileProblem::Unreadable); // a pipe or device could block or never end

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(FileProblem::Unreadable);
    FileStatus status = readHead(file, maxBytes, head);
    if (!status.ok())
        status.path = path;
    return status;
}

FileStatus rowfile::readHead(QIODevice &device, qsizetype maxBytes, QByteArray &head)
{
    QByteArray bytes(maxBytes, Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < maxBytes) {
        const qint64 got = device.read(bytes.data() + filled, maxBytes - filled);
        if (got < 0)
            return {FileProblem::Unreadable, {}};
        if (got == 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);
    head = bytes;
    return {};
}

FileStatus rowfile::writeHead(QIODevice *old, const QByteArray &head, QIODevice &out)
{
    if (out.write(head) != head.size())
        return {FileProblem::Unwritable, {}};
    // The old tail is copied in pieces: a file may be far larger than its rows.
    if (!old || old->size() <= head.size())
        return {};
    if (!old->seek(head.size()))
        return {FileProblem::Unreadable, {}};
    constexpr qint64 ChunkBytes = 64 * 1024;
    QByteArray chunk(ChunkBytes, Qt::Uninitialized);
    for (;;) {
        const qint64 got = old->read(chunk.data(), ChunkBytes);
        if (got < 0)
            return {FileProblem::Unreadable, {}};
        if (got == 0)
            return {};
        if (out.write(chunk.constData(), got) != got)
            return {FileProblem::Unwritable, {}};
    }
}

FileStatus rowfile::replaceHead(const QString &path, const QByteArray &head)
{
    const auto fail = [&path](FileProblem problem) { return FileStatus{problem, path}; };
    const QFileInfo info(path);
    if (info.isDir())
        return fail(FileProblem::IsDirectory);
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir() && (folder.exists() || !QDir().mkpath(folder.filePath())))
        return {FileProblem::FolderNotCreated, folder.filePath()};

    QFile old(path);
    const bool hasOld = info.exists();
    if (hasOld && (!info.isFile() || !old.open(QIODevice::ReadOnly)))
        return fail(FileProblem::Unreadable);

    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return fail(FileProblem::Unwritable);
    if (const FileStatus written = writeHead(hasOld ? &old : nullptr, head, out); !written.ok()) {
        out.cancelWriting();
        return fail(written.problem);
    }
    old.close();
    if (!out.commit())
        return fail(FileProblem::Unwritable);
    removeStaleCopies(path);
    return {};
}
