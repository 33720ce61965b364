#include "recordsfile.h"

#include "fixedwidth.h"
#include "rowfile.h"

#include <algorithm>
#include <limits>

RecordsTable recordsfile::parse(QByteArrayView bytes)
{
    RecordsTable table;
    const QByteArray rows = fixedwidth::text(bytes, TableBytes);
    for (std::size_t n = 0; n < RecordsTable::Rows; ++n) {
        const QByteArrayView row = QByteArrayView(rows).sliced(static_cast<qsizetype>(n) * RowBytes, RowBytes);
        table.names[n] = cp1251::decode(fixedwidth::stripped(row.first(NameBytes)));
        const double score = fixedwidth::readNumber(row.sliced(NameBytes, ScoreBytes));
        table.scores[n] = static_cast<std::int16_t>(std::clamp<double>(
            score, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
    }
    return table;
}

QByteArray recordsfile::encode(const RecordsTable &table)
{
    QByteArray bytes;
    bytes.reserve(TableBytes);
    for (std::size_t n = 0; n < RecordsTable::Rows; ++n) {
        bytes += fixedwidth::text(cp1251::encode(table.names[n]), NameBytes);
        bytes += fixedwidth::fittedNumber(table.scores[n], ScoreBytes);
    }
    return bytes;
}

FileStatus recordsfile::read(const QString &path, RecordsTable &table)
{
    QByteArray bytes;
    const FileStatus status = rowfile::readHead(path, TableBytes, bytes);
    // No file yet: ten empty places.
    if (!status.ok() && status.problem != FileProblem::Missing)
        return status;
    table = parse(bytes);
    return {};
}

FileStatus recordsfile::read(QIODevice &device, RecordsTable &table)
{
    QByteArray bytes;
    const FileStatus status = rowfile::readHead(device, TableBytes, bytes);
    if (status.ok())
        table = parse(bytes);
    return status;
}

FileStatus recordsfile::write(QIODevice *old, QIODevice &out, const RecordsTable &table)
{
    return rowfile::writeHead(old, encode(table), out);
}

FileStatus recordsfile::write(const QString &path, const RecordsTable &table)
{
    return rowfile::replaceHead(path, encode(table));
}
