// The fields both data files are made of: a number read from any bytes is a
// whole number that padding does not change, every number written fits its
// field and reads back, and Windows-1251 text survives a decode and encode.
#include "fixedwidth.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

void readingRules(QByteArrayView field)
{
    const double value = fixedwidth::readNumber(field);
    check(std::isfinite(value));
    check(std::nearbyint(value) == value);
    check(std::fabs(value) <= 1e15);
    check(!std::signbit(value) || value < 0); // never -0

    // Spaces around a field are not part of it.
    const QByteArray padded = QByteArray("  ") + field.toByteArray() + QByteArray("   ");
    check(fixedwidth::readNumber(padded) == value);

    const std::optional<qint16> small = fixedwidth::readInt16(field);
    const bool fits = value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max();
    check(small.has_value() == fits);
    if (small)
        check(*small == value);

    const QByteArray s = fixedwidth::stripped(field);
    check(s.isEmpty() || (s.front() != ' ' && s.back() != ' '));
    check(field.toByteArray().contains(s));
}

// The largest magnitude of `digits` decimal digits.
qint64 nines(int digits)
{
    qint64 n = 0;
    for (int i = 0; i < digits; ++i)
        n = n * 10 + 9;
    return n;
}

void writingRules(qint64 value, int width)
{
    const QByteArray plain = fixedwidth::number(value, width);
    check(plain.size() == width);

    const QByteArray fitted = fixedwidth::fittedNumber(value, width);
    check(fitted.size() == width);
    QByteArray row("row:");
    fixedwidth::appendFittedNumber(row, value, width);
    check(row == "row:" + fitted);
    if (width > 15)
        return; // beyond what a double holds exactly and any field of the files
    const double back = fixedwidth::readNumber(fitted);
    const qint64 highest = value >= 0 && QByteArray::number(value).size() <= width ? value : nines(width);
    const qint64 lowest = width >= 2 ? -nines(width - 1) : 0;
    const qint64 expected = std::clamp(value, lowest, highest);
    check(back == static_cast<double>(expected));
}

void textRules(QByteArrayView bytes)
{
    // One byte is one character; every byte the code page defines comes back.
    const QString text = cp1251::decode(bytes);
    check(text.size() == bytes.size());
    const QByteArray again = cp1251::encode(text);
    check(again.size() == bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (text[i] != QChar::ReplacementCharacter)
            check(again[i] == bytes[i]);
    }

    // Any UTF-16 text: one byte per character, and a second trip changes nothing.
    QString wide(bytes.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < wide.size(); ++i)
        wide[i] = QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i])
                                              | static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    const QByteArray encoded = cp1251::encode(wide);
    check(encoded.size() <= wide.size());
    check(cp1251::encode(cp1251::decode(encoded)) == encoded);

    const QByteArray field = fixedwidth::text(bytes, 20);
    check(field.size() == 20);
    check(field.startsWith(bytes.first(std::min<qsizetype>(bytes.size(), 20)).toByteArray()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    readingRules(bytes);
    textRules(bytes);
    if (size >= 9) {
        qint64 value = 0;
        std::memcpy(&value, data, sizeof value);
        writingRules(value, 1 + data[8] % 20);
    }
    return 0;
}
