#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// Fixed-width text fields of the data files: single-byte Windows-1251 text,
// left-aligned and padded with spaces.
namespace fixedwidth {

// Decimal text with a sign position (a space for 0 and above, '-' below),
// padded with spaces to `width` and cut to it when longer.
QByteArray number(qint64 value, int width);

// number(), except that a value too wide for the field never loses digits:
// a value of 0 or more whose digits fill the field exactly is written
// without the sign position, and anything wider is clamped to the widest
// value the field holds. What it writes always reads back by readNumber().
QByteArray fittedNumber(qint64 value, int width);
// The same appended to `row`: a row of many fields is built in one buffer.
void appendFittedNumber(QByteArray &row, qint64 value, int width);

// "True " or "False".
QByteArray flag(bool value);

// Bytes padded with spaces to `width`, cut when longer.
QByteArray text(QByteArrayView bytes, int width);

// The number at the start of the stripped field (optional sign, digits,
// optional decimal fraction; 0 when there is none), rounded to the nearest
// integer with halves to even. Very long digit runs saturate.
double readNumber(QByteArrayView field);

// readNumber() when it fits a 16-bit signed integer.
std::optional<qint16> readInt16(QByteArrayView field);

// The field with leading and trailing spaces removed.
QByteArray stripped(QByteArrayView field);

} // namespace fixedwidth

// Windows-1251, the code page of both data files.
namespace cp1251 {

// A character the code page cannot hold becomes '?'.
QByteArray encode(const QString &text);
QString decode(QByteArrayView bytes);

} // namespace cp1251
