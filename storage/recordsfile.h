#pragma once

#include "filestatus.h"
#include "recordstable.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QIODevice;

// The records file: ten rows of 25 bytes, a 20-byte Windows-1251 name and a
// 5-byte score with a sign position, best first.
namespace recordsfile {

constexpr int RowBytes = 25;
constexpr int NameBytes = 20;
constexpr int ScoreBytes = 5;
constexpr int TableBytes = RecordsTable::Rows * RowBytes;

// The rows as read from the file's first bytes; rows past the end of
// `bytes` read as empty names scoring 0. The file functions below are
// built on these two.
RecordsTable parse(QByteArrayView bytes);

// Rows 1..10 as the file holds them, 250 bytes. Names are cut to 20 bytes
// after encoding; a score too wide for its five bytes is written so that it
// still reads back (see fittedNumber()).
QByteArray encode(const RecordsTable &table);

// A missing file reads as ten empty rows scoring 0, and so do rows past the
// end of a short file.
FileStatus read(const QString &path, RecordsTable &table);

// The same from an open device; the path version reads through it.
FileStatus read(QIODevice &device, RecordsTable &table);

// Writes rows 1..10 to `out`, then whatever `old` holds after them (nothing
// when it is null); the path version writes through it.
FileStatus write(QIODevice *old, QIODevice &out, const RecordsTable &table);

// Replaces rows 1..10 atomically, keeping any bytes after the tenth row.
// Creates a missing tables folder. Leaves the file untouched on failure.
FileStatus write(const QString &path, const RecordsTable &table);

} // namespace recordsfile
