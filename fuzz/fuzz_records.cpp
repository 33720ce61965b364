// The records table read from any bytes: names come back stripped and at
// most 20 characters, scores in 16 bits, a table written from what was read
// reads back as itself, and the file reader agrees with the buffer parser
// and keeps whatever lies after the tenth row when it writes.
#include "recordsfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

// Files go to memory where there is a tmpfs, so each input stays cheap.
const QString &scratchFile()
{
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/twentyone-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/twentyone-fuzz-XXXXXX"));
    static const QString path = dir.filePath(QStringLiteral("table.dat"));
    return path;
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
    const QString &path = scratchFile();
    {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        check(file.write(bytes) == bytes.size());
    }
    RecordsTable fromFile;
    check(recordsfile::read(path, fromFile).ok());
    check(fromFile == parsed);
    check(recordsfile::write(path, fromFile).ok());
    QFile file(path);
    check(file.open(QIODevice::ReadOnly));
    check(file.readAll() == table + bytes.mid(table.size()));
    return 0;
}
