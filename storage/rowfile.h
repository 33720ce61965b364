#pragma once

#include "filestatus.h"

#include <QByteArray>
#include <QString>

class QIODevice;

// Whole-file access for the fixed-row data files: the first rows are read
// or replaced, any bytes after them are never touched.
namespace rowfile {

// Reads at most `maxBytes` from the start of the file; never creates it.
// Missing, IsDirectory or Unreadable (a pipe or device too: it could block).
FileStatus readHead(const QString &path, qsizetype maxBytes, QByteArray &head);

// The same from an open device, from its current position. The path
// version reads through this one; the fuzz targets hand it a buffer.
FileStatus readHead(QIODevice &device, qsizetype maxBytes, QByteArray &head);

// Writes `head` to `out`, then whatever `old` holds after its first
// head.size() bytes (no old contents when it is null). Unreadable or
// Unwritable without a path; the path version below writes through this.
FileStatus writeHead(QIODevice *old, const QByteArray &head, QIODevice &out);

// Replaces the first head.size() bytes, keeping whatever the file holds
// after them. The new file is written beside the old one and renamed over
// it, so a failure at any point leaves the old file as it was. A missing
// parent folder is created.
FileStatus replaceHead(const QString &path, const QByteArray &head);

} // namespace rowfile
