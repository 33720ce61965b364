#include "fixedwidth.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <vector>

namespace {

// Past this magnitude a number can only be rejected or clamped by its
// reader, so further digits are not accumulated.
constexpr qint64 SaturatedMagnitude = 1'000'000'000'000'000; // 10^15, exact in a double

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

QByteArray signPositionText(qint64 value)
{
    QByteArray digits = QByteArray::number(value);
    if (value >= 0)
        digits.prepend(' ');
    return digits;
}

// The largest magnitude whose decimal text has `digitCount` digits.
qint64 allNines(int digitCount)
{
    qint64 result = 0;
    for (int i = 0; i < digitCount && result < SaturatedMagnitude; ++i)
        result = result * 10 + 9;
    return result;
}

// Without a copy: a row has 78 fields, and files are read often.
QByteArrayView strippedView(QByteArrayView field)
{
    qsizetype begin = 0;
    qsizetype end = field.size();
    while (begin < end && field[begin] == ' ')
        ++begin;
    while (end > begin && field[end - 1] == ' ')
        --end;
    return field.sliced(begin, end - begin);
}

// The code page as Qt's converter has it, looked up once: opening a
// converter by name costs far more than the few characters of a field.
// Empty without the code page.
struct CodePage
{
    std::array<char16_t, 256> characters{};
    // The reverse by UTF-16 unit, for the characters the page holds; 0 for
    // the rest (the NUL byte is ASCII and never looked up here).
    std::vector<char> bytes = std::vector<char>(0x10000, '\0');
    bool valid = false;
};

const CodePage &windows1251()
{
    static const CodePage page = [] {
        CodePage made;
        QStringDecoder decoder("windows-1251");
        if (!decoder.isValid())
            return made;
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            const QString character = decoder.decode(QByteArrayView(&byte, 1));
            if (decoder.hasError() || character.size() != 1) {
                decoder = QStringDecoder("windows-1251");
                made.characters[b] = QChar::ReplacementCharacter;
                continue;
            }
            made.characters[b] = character[0].unicode();
        }
        // Only a character that comes back as itself has a byte; the
        // replacement character stands for bytes the page leaves out.
        QStringEncoder encoder("windows-1251");
        for (int b = 0; b < 256; ++b) {
            const char16_t c = made.characters[b];
            if (c < 0x80 || c == QChar::ReplacementCharacter || made.bytes[c] != '\0')
                continue;
            const QByteArray back = encoder.encode(QStringView(&c, 1));
            if (encoder.hasError())
                encoder = QStringEncoder("windows-1251");
            else if (back.size() == 1 && static_cast<unsigned char>(back[0]) == b)
                made.bytes[c] = static_cast<char>(b);
        }
        made.valid = true;
        return made;
    }();
    return page;
}

} // namespace

QByteArray fixedwidth::number(qint64 value, int width)
{
    return text(signPositionText(value), width);
}

void fixedwidth::appendFittedNumber(QByteArray &row, qint64 value, int width)
{
    // The usual case, a value that fits with its sign position, without a
    // temporary; the rest as fittedNumber() has it.
    char digits[24];
    char *begin = digits + 1;
    const auto [end, error] = std::to_chars(begin, digits + sizeof digits, value);
    if (error == std::errc() && value >= 0)
        *--begin = ' ';
    const qsizetype length = end - begin;
    if (error != std::errc() || length > width) {
        row += fittedNumber(value, width);
        return;
    }
    row.append(begin, length);
    row.append(width - length, ' ');
}

QByteArray fixedwidth::fittedNumber(qint64 value, int width)
{
    if (width <= 0)
        return {};
    const QByteArray withSign = signPositionText(value);
    if (withSign.size() <= width)
        return text(withSign, width);
    if (value >= 0) {
        // Digits that fill the field exactly still read back as the same value.
        const QByteArray digits = QByteArray::number(value);
        if (digits.size() <= width)
            return digits;
        // Very wide fields saturate below their width: padded, or the next field would shift.
        return text(QByteArray::number(allNines(width)), width);
    }
    if (width < 2)
        return number(0, width);
    return text(QByteArray::number(-allNines(width - 1)), width);
}

QByteArray fixedwidth::flag(bool value)
{
    return value ? QByteArrayLiteral("True ") : QByteArrayLiteral("False");
}

QByteArray fixedwidth::text(QByteArrayView bytes, int width)
{
    if (width <= 0)
        return {};
    QByteArray result = bytes.first(std::min<qsizetype>(bytes.size(), width)).toByteArray();
    if (result.size() < width)
        result.append(width - result.size(), ' ');
    return result;
}

QByteArray fixedwidth::stripped(QByteArrayView field)
{
    return strippedView(field).toByteArray();
}

double fixedwidth::readNumber(QByteArrayView field)
{
    const QByteArrayView s = strippedView(field);
    qsizetype i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }

    qint64 whole = 0;
    bool saturated = false;
    for (; i < s.size() && isDigit(s[i]); ++i) {
        if (!saturated) {
            whole = whole * 10 + (s[i] - '0');
            if (whole >= SaturatedMagnitude) {
                whole = SaturatedMagnitude;
                saturated = true;
            }
        }
    }

    // Round by the decimal digits themselves, so that a half is recognised
    // exactly rather than through binary floating point.
    if (!saturated && i < s.size() && s[i] == '.') {
        ++i;
        int firstDigit = -1;
        bool restNonZero = false;
        for (; i < s.size() && isDigit(s[i]); ++i) {
            if (firstDigit < 0)
                firstDigit = s[i] - '0';
            else if (s[i] != '0')
                restNonZero = true;
        }
        const bool roundUp = firstDigit > 5 || (firstDigit == 5 && (restNonZero || whole % 2 == 1));
        if (roundUp)
            ++whole;
    }

    if (whole == 0)
        return 0.0; // never -0
    const double magnitude = static_cast<double>(whole);
    return negative ? -magnitude : magnitude;
}

std::optional<qint16> fixedwidth::readInt16(QByteArrayView field)
{
    const double value = readNumber(field);
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(value);
}

QByteArray cp1251::encode(const QString &text)
{
    const CodePage &page = windows1251();
    QByteArray result;
    result.reserve(text.size());

    // Character by character, so that one the code page cannot hold (a
    // surrogate pair included) becomes exactly one '?'.
    qsizetype i = 0;
    while (i < text.size()) {
        const char16_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            result.append('?');
            i += 2;
            continue;
        }
        ++i;
        if (c < 0x80) {
            result.append(static_cast<char>(c));
            continue;
        }
        const char byte = page.valid ? page.bytes[c] : '\0';
        result.append(byte != '\0' ? byte : '?');
    }
    return result;
}

QString cp1251::decode(QByteArrayView bytes)
{
    const CodePage &page = windows1251();
    QString result(bytes.size(), Qt::Uninitialized);
    QChar *out = result.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        // Without the code page only ASCII is certain.
        *out++ = page.valid || b < 0x80 ? QChar(page.valid ? page.characters[b] : char16_t(b))
                                        : QChar(QChar::ReplacementCharacter);
    }
    return result;
}
