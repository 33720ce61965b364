#include "savegame.h"

#include "../game/card.h"
#include "fixedwidth.h"
#include "rowfile.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int NumberWidthCard = 4;
constexpr int NumberWidthCount = 2;
constexpr int PhaseWidth = 20;

const QString GameContinues = QStringLiteral(" Поточна гра триває.");

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString damaged(const QString &what)
{
    return QStringLiteral("Файл збереженої гри пошкоджено: %1.").arg(what) + GameContinues;
}

// Appends the fields one after another; their widths add up to the offsets.
class RowWriter
{
public:
    void number(qint64 value, int width) { m_row += fixedwidth::fittedNumber(value, width); }
    void flag(bool value) { m_row += fixedwidth::flag(value); }
    void text(const QString &value, int width) { m_row += fixedwidth::text(cp1251::encode(value), width); }
    QByteArray row() const { return m_row; }

private:
    QByteArray m_row;
};

// Takes the fields back in the same order. The first damaged field stops it.
class RowReader
{
public:
    explicit RowReader(QByteArrayView row) : m_row(row) {}

    const QString &error() const { return m_error; }

    void fail(const QString &what)
    {
        if (m_error.isEmpty())
            m_error = damaged(what);
    }

    std::int16_t number(int width)
    {
        const QByteArrayView field = next(width);
        const std::optional<qint16> value = fixedwidth::readInt16(field);
        if (!value) {
            fail(QStringLiteral("число в полі на позиції %1 виходить за межі допустимого").arg(m_fieldStart));
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

    std::int16_t count()
    {
        const std::int16_t value = number(NumberWidthCount);
        if (m_error.isEmpty() && (value < 0 || value > 5))
            fail(QStringLiteral("кількість карт у руці (%1) поза межами від 0 до 5").arg(value));
        return value;
    }

    std::int16_t card()
    {
        const std::int16_t value = number(NumberWidthCard);
        if (m_error.isEmpty() && value != 0 && !card::isValid(value))
            fail(QStringLiteral("число %1 не є кодом карти").arg(value));
        return value;
    }

private:
    QByteArrayView next(int width)
    {
        m_fieldStart = m_position;
        m_position += width;
        return m_row.sliced(m_fieldStart, width);
    }

    QByteArrayView m_row;
    qsizetype m_position = 0;
    qsizetype m_fieldStart = 0;
    QString m_error;
};

} // namespace

QByteArray savegame::encode(const GameState &state, const Vars &vars)
{
    RowWriter w;
    w.number(vars.EvaluationCount, 5);
    w.number(vars.WinCount, 5);
    w.flag(vars.MusicOn);
    w.flag(vars.SoundsOn);
    w.flag(vars.AnimationOn);
    w.number(vars.MusicTrack, 2);
    w.number(state.PlayerMoney, 4);
    w.number(state.Stake, 4);
    w.number(state.BankerMoney, 4);
    w.number(state.ReservedA, 3);
    for (const std::int16_t code : state.Deck)
        w.number(code, NumberWidthCard);
    w.number(state.BankerCount, NumberWidthCount);
    for (const std::int16_t code : state.BankerHand)
        w.number(code, NumberWidthCard);
    w.number(state.PlayerCount, NumberWidthCount);
    for (const std::int16_t code : state.PlayerHand)
        w.number(code, NumberWidthCard);
    w.number(state.DeckPos, 3);
    w.number(state.ReservedB, 3);
    w.text(state.Phase, PhaseWidth);
    w.number(state.Pot.value_or(0), 3);

    const QByteArray row = w.row();
    Q_ASSERT(row.size() == RowBytes);
    return row;
}

QString savegame::decode(QByteArrayView row, GameState &state, Vars &vars, LoadedFlags &flags)
{
    if (row.size() < RowBytes)
        return damaged(QStringLiteral("він коротший, ніж має бути"));

    // Everything lands in copies first, so a refused row changes nothing.
    GameState s = state;
    Vars v = vars;
    LoadedFlags f;
    RowReader r(row.first(RowBytes));

    v.EvaluationCount = r.number(5);
    v.WinCount = r.number(5);
    f.musicOn = r.flag();
    f.soundsOn = r.flag();
    f.animationOn = r.flag();
    v.MusicTrack = r.number(2);
    s.PlayerMoney = r.number(4);
    s.Stake = r.number(4);
    s.BankerMoney = r.number(4);
    s.ReservedA = r.number(3);
    for (std::int16_t &code : s.Deck)
        code = r.card();
    s.BankerCount = r.count();
    for (std::int16_t &code : s.BankerHand)
        code = r.card();
    s.PlayerCount = r.count();
    for (std::int16_t &code : s.PlayerHand)
        code = r.card();
    s.DeckPos = r.number(3);
    if (r.error().isEmpty() && (s.DeckPos < 1 || s.DeckPos > 53))
        r.fail(QStringLiteral("позиція в колоді (%1) поза межами від 1 до 53").arg(s.DeckPos));
    s.ReservedB = r.number(3);
    // The phase keeps only the number its text starts with.
    s.Phase = QString::number(r.number(PhaseWidth));
    s.Pot = r.number(3);

    if (!r.error().isEmpty())
        return r.error();

    v.MusicOn = f.musicOn.value_or(v.MusicOn);
    v.SoundsOn = f.soundsOn.value_or(v.SoundsOn);
    v.AnimationOn = f.animationOn.value_or(v.AnimationOn);
    state = s;
    vars = v;
    flags = f;
    return {};
}

QString savegame::write(const QString &path, const QByteArray &row)
{
    Q_ASSERT(row.size() == RowBytes);
    const QString unchanged = QStringLiteral(" Поточна гра триває, попереднє збереження лишилося без змін.");
    switch (rowfile::replaceHead(path, row)) {
    case rowfile::WriteStatus::Ok:
        return {};
    case rowfile::WriteStatus::FolderNotCreated:
        return QStringLiteral("Не вдалося зберегти гру: не вдалося створити папку «%1».")
                   .arg(shown(QFileInfo(path).absolutePath()))
               + unchanged;
    case rowfile::WriteStatus::IsDirectory:
        return QStringLiteral("Не вдалося зберегти гру: замість файлу «%1» знайдено папку.").arg(shown(path))
               + unchanged;
    case rowfile::WriteStatus::Unreadable:
        return QStringLiteral("Не вдалося зберегти гру: файл «%1» недоступний для читання.").arg(shown(path))
               + unchanged;
    case rowfile::WriteStatus::Unwritable:
        break;
    }
    return QStringLiteral("Не вдалося зберегти гру: файл «%1» або його папка недоступні для запису.")
               .arg(shown(path))
           + unchanged;
}

QString savegame::read(const QString &path, QByteArray &row)
{
    QByteArray head;
    switch (rowfile::readHead(path, RowBytes, head)) {
    case rowfile::ReadStatus::Ok:
        break;
    case rowfile::ReadStatus::Missing:
        return QStringLiteral("Немає збереженої гри: файл «%1» не знайдено.").arg(shown(path)) + GameContinues;
    case rowfile::ReadStatus::IsDirectory:
        return QStringLiteral("Не вдалося завантажити гру: замість файлу «%1» знайдено папку.").arg(shown(path))
               + GameContinues;
    case rowfile::ReadStatus::NotRegularFile:
    case rowfile::ReadStatus::Unreadable:
        return QStringLiteral("Не вдалося завантажити гру: файл «%1» недоступний для читання.").arg(shown(path))
               + GameContinues;
    }
    if (head.size() < RowBytes)
        return damaged(QStringLiteral("він коротший, ніж має бути"));
    row = head;
    return {};
}
