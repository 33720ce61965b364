#include "savegame.h"

#include "fixedwidth.h"
#include "rowfile.h"

namespace {

constexpr int CardWidth = 4;
constexpr int CountWidth = 2;
constexpr int PhaseWidth = 20;

// Appends the fields one after another; their widths add up to the offsets.
class RowWriter
{
public:
    RowWriter() { m_row.reserve(savegame::RowBytes); }
    void number(qint64 value, int width) { fixedwidth::appendFittedNumber(m_row, value, width); }
    void flag(std::optional<bool> value) { m_row += fixedwidth::flag(value.value_or(false)); }
    void text(const QString &value, int width) { m_row += fixedwidth::text(cp1251::encode(value), width); }
    QByteArray row() const { return m_row; }

private:
    QByteArray m_row;
};

// Takes the fields back in the same order; remembers the first number that
// does not fit 16 bits.
class RowReader
{
public:
    explicit RowReader(QByteArrayView row) : m_row(row) {}

    const FileStatus &status() const { return m_status; }

    std::int16_t number(int width)
    {
        const qsizetype start = m_position;
        const std::optional<qint16> value = fixedwidth::readInt16(next(width));
        if (!value) {
            if (m_status.ok())
                m_status = FileStatus::damaged(Damage::NumberOutOfRange, start);
            return 0;
        }
        return *value;
    }

    std::optional<bool> flag()
    {
        const QByteArray field = fixedwidth::stripped(next(5));
        if (field == "True")
            return true;
        if (field == "False")
            return false;
        return std::nullopt;
    }

private:
    QByteArrayView next(int width)
    {
        const QByteArrayView field = m_row.sliced(m_position, width);
        m_position += width;
        return field;
    }

    QByteArrayView m_row;
    qsizetype m_position = 0;
    FileStatus m_status;
};

// A head read from the file becomes the row only when it is whole.
FileStatus takeRow(const QByteArray &head, QByteArray &row)
{
    if (head.size() < savegame::RowBytes)
        return FileStatus::damaged(Damage::TooShort);
    row = head;
    return {};
}

} // namespace

QByteArray savegame::encode(const SavedGame &game)
{
    RowWriter w;
    w.number(game.evaluationCount, 5);
    w.number(game.winCount, 5);
    w.flag(game.musicOn);
    w.flag(game.soundsOn);
    w.flag(game.animationOn);
    w.number(game.musicTrack, 2);
    w.number(game.playerMoney, 4);
    w.number(game.stake, 4);
    w.number(game.bankerMoney, 4);
    w.number(game.reservedA, 3);
    for (const std::int16_t code : game.deck)
        w.number(code, CardWidth);
    w.number(game.bankerCount, CountWidth);
    for (const std::int16_t code : game.bankerHand)
        w.number(code, CardWidth);
    w.number(game.playerCount, CountWidth);
    for (const std::int16_t code : game.playerHand)
        w.number(code, CardWidth);
    w.number(game.deckPos, 3);
    w.number(game.reservedB, 3);
    w.text(game.phase, PhaseWidth);
    w.number(game.pot, 3);

    const QByteArray row = w.row();
    Q_ASSERT(row.size() == RowBytes);
    return row;
}

FileStatus savegame::decode(QByteArrayView row, SavedGame &game)
{
    if (row.size() < RowBytes)
        return FileStatus::damaged(Damage::TooShort);

    SavedGame g;
    RowReader r(row.first(RowBytes));
    g.evaluationCount = r.number(5);
    g.winCount = r.number(5);
    g.musicOn = r.flag();
    g.soundsOn = r.flag();
    g.animationOn = r.flag();
    g.musicTrack = r.number(2);
    g.playerMoney = r.number(4);
    g.stake = r.number(4);
    g.bankerMoney = r.number(4);
    g.reservedA = r.number(3);
    for (std::int16_t &code : g.deck)
        code = r.number(CardWidth);
    g.bankerCount = r.number(CountWidth);
    for (std::int16_t &code : g.bankerHand)
        code = r.number(CardWidth);
    g.playerCount = r.number(CountWidth);
    for (std::int16_t &code : g.playerHand)
        code = r.number(CardWidth);
    g.deckPos = r.number(3);
    g.reservedB = r.number(3);
    // The phase keeps only the number its text starts with.
    g.phase = QString::number(r.number(PhaseWidth));
    g.pot = r.number(3);

    if (r.status().ok())
        game = g;
    return r.status();
}

FileStatus savegame::write(const QString &path, const QByteArray &row)
{
    Q_ASSERT(row.size() == RowBytes);
    return rowfile::replaceHead(path, row);
}

FileStatus savegame::read(const QString &path, QByteArray &row)
{
    QByteArray head;
    FileStatus status = rowfile::readHead(path, RowBytes, head);
    if (status.ok())
        status = takeRow(head, row);
    if (!status.ok())
        status.path = path;
    return status;
}

FileStatus savegame::read(QIODevice &device, QByteArray &row)
{
    QByteArray head;
    FileStatus status = rowfile::readHead(device, RowBytes, head);
    return status.ok() ? takeRow(head, row) : status;
}
