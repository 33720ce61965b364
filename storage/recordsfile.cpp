#include "recordsfile.h"

#include "fixedwidth.h"
#include "rowfile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace {

constexpr int TableBytes = recordsfile::Rows * recordsfile::RowBytes;

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

void recordsfile::parseTable(GameState &state, QByteArrayView table)
{
    // Rows past the end of a short file read as an empty name scoring 0.
    const QByteArray rows = fixedwidth::text(table, TableBytes);
    for (int n = 1; n <= Rows; ++n) {
        const QByteArrayView row = QByteArrayView(rows).sliced((n - 1) * RowBytes, RowBytes);
        state.RecordNames[n] = cp1251::decode(fixedwidth::stripped(row.first(NameBytes)));
        const double score = fixedwidth::readNumber(row.sliced(NameBytes, ScoreBytes));
        state.RecordScores[n] = static_cast<std::int16_t>(std::clamp<double>(
            score, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
        state.RecordRow = row.toByteArray();
    }
}

QByteArray recordsfile::encodeTable(const GameState &state)
{
    QByteArray table;
    table.reserve(TableBytes);
    for (int n = 1; n <= Rows; ++n) {
        table += fixedwidth::text(cp1251::encode(state.RecordNames[n]), NameBytes);
        table += fixedwidth::fittedNumber(state.RecordScores[n], ScoreBytes);
    }
    return table;
}

recordsfile::Error recordsfile::ReadRecordsTable(GameState &state, const QString &path)
{
    QByteArray table;
    switch (rowfile::readHead(path, TableBytes, table)) {
    case rowfile::ReadStatus::Ok:
    case rowfile::ReadStatus::Missing: // no records yet: ten empty places
        break;
    case rowfile::ReadStatus::IsDirectory:
        return QStringLiteral("Не вдалося прочитати таблицю рекордів: замість файлу «%1» знайдено папку.")
            .arg(shown(path));
    case rowfile::ReadStatus::NotRegularFile:
    case rowfile::ReadStatus::Unreadable:
        return QStringLiteral("Не вдалося прочитати таблицю рекордів: файл «%1» недоступний для читання.")
            .arg(shown(path));
    }

    parseTable(state, table);
    return {};
}

recordsfile::Error recordsfile::WriteRecordsTable(GameState &state, const QString &path)
{
    const QByteArray table = encodeTable(state);
    state.RecordRow = table.right(RowBytes);

    const QString unchanged = QStringLiteral(" Попередня таблиця рекордів лишилася без змін.");
    switch (rowfile::replaceHead(path, table)) {
    case rowfile::WriteStatus::Ok:
        return {};
    case rowfile::WriteStatus::FolderNotCreated:
        return QStringLiteral("Не вдалося записати таблицю рекордів: не вдалося створити папку «%1».")
                   .arg(shown(QFileInfo(path).absolutePath()))
               + unchanged;
    case rowfile::WriteStatus::IsDirectory:
        return QStringLiteral("Не вдалося записати таблицю рекордів: замість файлу «%1» знайдено папку.")
                   .arg(shown(path))
               + unchanged;
    case rowfile::WriteStatus::Unreadable:
        return QStringLiteral("Не вдалося записати таблицю рекордів: файл «%1» недоступний для читання.")
                   .arg(shown(path))
               + unchanged;
    case rowfile::WriteStatus::Unwritable:
        break;
    }
    return QStringLiteral("Не вдалося записати таблицю рекордів: файл «%1» або його папка недоступні для запису.")
               .arg(shown(path))
           + unchanged;
}
