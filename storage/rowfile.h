#pragma once

#include <QByteArray>
#include <QString>

// Whole-file access for the fixed-row data files: the first rows are read
// or replaced, any bytes after them are never touched.
namespace rowfile {

enum class ReadStatus { Ok, Missing, IsDirectory, NotRegularFile, Unreadable };

// Reads at most `maxBytes` from the start of the file; never creates it.
ReadStatus readHead(const QString &path, qsizetype maxBytes, QByteArray &head);

enum class WriteStatus { Ok, FolderNotCreated, IsDirectory, Unreadable, Unwritable };

// Replaces the first head.size() bytes, keeping whatever the file holds
// after them. The new file is written beside the old one and renamed over
// it, so a failure at any point leaves the old file as it was. A missing
// parent folder is created.
WriteStatus replaceHead(const QString &path, const QByteArray &head);

} // namespace rowfile
