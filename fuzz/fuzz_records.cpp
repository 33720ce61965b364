// The records table read from any bytes: names come back stripped and at
// most 20 characters, scores in 16 bits, a table written from what was read
// reads back as itself, and the file reader (here over a buffer) agrees with
// the parser and keeps whatever lies after the tenth row when it writes.
#include "recordsfile.h"

#include <QBuffer>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    const RecordsTable parsed = recordsfile::parse(bytes);
    for (const QString &name : parsed.names) {
        check(name.size() <= recordsfile::NameBytes);
        check(!name.startsWith(QLatin1Char(' ')) && !name.endsWith(QLatin1Char(' ')));
    }

    // Written once, the table is stable: reading it back and writing again
    // gives the same bytes.
    const QByteArray table = recordsfile::encode(parsed);
    check(table.size() == recordsfile::TableBytes);
    const RecordsTable reread = recordsfile::parse(table);
    check(recordsfile::encode(reread) == table);
    for (std::size_t n = 0; n < RecordsTable::Rows; ++n)
        check(reread.scores[n] == std::max<int>(parsed.scores[n], -9999));

    // The file reader sees what the parser sees, and a write keeps the tail.
    QBuffer file;
    file.setData(bytes);
    check(file.open(QIODevice::ReadOnly));
    RecordsTable fromFile;
    check(recordsfile::read(file, fromFile).ok());
    check(fromFile == parsed);
    QBuffer written;
    check(written.open(QIODevice::WriteOnly));
    check(recordsfile::write(&file, written, fromFile).ok());
    check(written.data() == table + bytes.mid(table.size()));
    return 0;
}
