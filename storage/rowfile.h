#pragma once

#include "filestatus.h"

#include <QByteArray>
#include <QString>

// Whole-file access for the fixed-row data files: the first rows are read
// or replaced, any bytes after them are never touched.
namespace rowfile {

// Reads at most `maxBytes` from the start of the file; never creates it.
// Missing, IsDirectory or Unreadable (a pipe or device too: it could block).
FileStatus readHead(const QString &path, qsizetype maxBytes, QByteArray &head);

// Replaces the first head.size() bytes, keeping whatever the file holds
// after them. The new file is written beside the old one and renamed over
// it, so a failure at any point leaves the old file as it was. A missing
// parent folder is created.
FileStatus replaceHead(const QString &path, const QByteArray &head);

} // namespace rowfile
