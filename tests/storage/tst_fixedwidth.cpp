#include "fixedwidth.h"

#include <QTest>

#include <cmath>

class TestFixedWidth : public QObject
{
    Q_OBJECT

private slots:
    void number_data();
    void number();
    void fittedNumber_data();
    void fittedNumber();
    void flagAndText();
    void readNumber_data();
    void readNumber();
    void hugeDigitRunsSaturate_data();
    void hugeDigitRunsSaturate();
    void readInt16_data();
    void readInt16();
    void cp1251RoundTrip_data();
    void cp1251RoundTrip();
    void cp1251Unmappable_data();
    void cp1251Unmappable();
};

void TestFixedWidth::number_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<int>("width");
    QTest::addColumn<QByteArray>("hex");

    QTest::newRow("100 in 4") << qint64(100) << 4 << QByteArray("20313030");
    QTest::newRow("7 in 2") << qint64(7) << 2 << QByteArray("2037");
    QTest::newRow("0 in 3") << qint64(0) << 3 << QByteArray("203020");
    QTest::newRow("150 in 5") << qint64(150) << 5 << QByteArray("2031353020");
    QTest::newRow("0 in 5") << qint64(0) << 5 << QByteArray("2030202020");
    QTest::newRow("-5 in 4") << qint64(-5) << 4 << QByteArray("2d352020");
    QTest::newRow("200 cut to 3") << qint64(200) << 3 << QByteArray("203230");
    QTest::newRow("-1234 cut to 3") << qint64(-1234) << 3 << QByteArray("2d3132");
    QTest::newRow("zero width") << qint64(5) << 0 << QByteArray();
}

void TestFixedWidth::number()
{
    QFETCH(qint64, value);
    QFETCH(int, width);
    QFETCH(QByteArray, hex);
    QCOMPARE(fixedwidth::number(value, width).toHex(), hex);
}

void TestFixedWidth::fittedNumber_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<int>("width");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("fits with sign position") << qint64(9999) << 5 << QByteArray(" 9999");
    QTest::newRow("negative fits") << qint64(-9999) << 5 << QByteArray("-9999");
    QTest::newRow("digits fill the field") << qint64(32767) << 5 << QByteArray("32767");
    QTest::newRow("pot of 200 in 3") << qint64(200) << 3 << QByteArray("200");
    QTest::newRow("too wide clamps") << qint64(100000) << 5 << QByteArray("99999");
    QTest::newRow("too negative clamps") << qint64(-32768) << 5 << QByteArray("-9999");
    QTest::newRow("-10 in 2") << qint64(-10) << 2 << QByteArray("-9");
    QTest::newRow("5 in 1") << qint64(5) << 1 << QByteArray("5");
    QTest::newRow("-5 in 1 reads as 0") << qint64(-5) << 1 << QByteArray(" ");
}

void TestFixedWidth::fittedNumber()
{
    QFETCH(qint64, value);
    QFETCH(int, width);
    QFETCH(QByteArray, expected);
    const QByteArray field = fixedwidth::fittedNumber(value, width);
    QCOMPARE(field, expected);
    QCOMPARE(field.size(), width);
    // Clamping moves towards the value, never past it or to the other sign.
    const double read = fixedwidth::readNumber(field);
    QVERIFY(std::abs(read) <= std::abs(double(value)));
    QVERIFY(read * double(value) >= 0);
}

void TestFixedWidth::flagAndText()
{
    QCOMPARE(fixedwidth::flag(true).toHex(), QByteArray("5472756520"));
    QCOMPARE(fixedwidth::flag(false).toHex(), QByteArray("46616c7365"));
    QCOMPARE(fixedwidth::text("Finish", 20), QByteArray("Finish              "));
    QCOMPARE(fixedwidth::text("abcdef", 3), QByteArray("abc"));
    QCOMPARE(fixedwidth::text("", 2), QByteArray("  "));
    QCOMPARE(fixedwidth::stripped("  a b  "), QByteArray("a b"));
}

void TestFixedWidth::readNumber_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<double>("expected");

    QTest::newRow("plain") << QByteArray(" 130") << 130.0;
    QTest::newRow("padded negative") << QByteArray(" -7 ") << -7.0;
    QTest::newRow("plus sign") << QByteArray("+5") << 5.0;
    QTest::newRow("half down to even") << QByteArray("12.5") << 12.0;
    QTest::newRow("half up to even") << QByteArray("13.5") << 14.0;
    QTest::newRow("negative half to even") << QByteArray("-2.5") << -2.0;
    QTest::newRow("negative half away") << QByteArray("-3.5") << -4.0;
    QTest::newRow("just above half") << QByteArray("2.5000001") << 3.0;
    QTest::newRow("half with zeros") << QByteArray("2.5000") << 2.0;
    QTest::newRow("rounds up") << QByteArray("3.99") << 4.0;
    QTest::newRow("rounds down") << QByteArray("3.49") << 3.0;
    QTest::newRow("fraction only") << QByteArray(".6") << 1.0;
    QTest::newRow("small negative is zero") << QByteArray("-0.4") << 0.0;
    QTest::newRow("number then letters") << QByteArray("12abc") << 12.0;
    QTest::newRow("stops at inner space") << QByteArray("1 2") << 1.0;
    QTest::newRow("empty") << QByteArray("") << 0.0;
    QTest::newRow("spaces") << QByteArray("     ") << 0.0;
    QTest::newRow("letters") << QByteArray("abc") << 0.0;
    QTest::newRow("phase name") << QByteArray("Finish              ") << 0.0;
    QTest::newRow("sign alone") << QByteArray("-") << 0.0;
    QTest::newRow("zero bytes") << QByteArray(5, '\0') << 0.0;
}

void TestFixedWidth::readNumber()
{
    QFETCH(QByteArray, field);
    QFETCH(double, expected);
    const double value = fixedwidth::readNumber(field);
    QCOMPARE(value, expected);
    QVERIFY(!std::signbit(value) || value < 0); // never -0, which would print as "-0"
}

void TestFixedWidth::hugeDigitRunsSaturate_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<bool>("negative");

    const QByteArray nines(400, '9');
    QTest::newRow("positive") << nines << false;
    QTest::newRow("negative") << QByteArray("-" + nines) << true;
    QTest::newRow("with a half") << QByteArray(nines + ".5") << false;
}

void TestFixedWidth::hugeDigitRunsSaturate()
{
    QFETCH(QByteArray, field);
    QFETCH(bool, negative);
    const double value = fixedwidth::readNumber(field);
    QVERIFY(std::isfinite(value));
    QVERIFY(std::abs(value) > 1e9);
    QCOMPARE(value < 0, negative);
    QCOMPARE(fixedwidth::readInt16(field), std::nullopt);
}

void TestFixedWidth::readInt16_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<std::optional<qint16>>("expected");

    QTest::newRow("largest") << QByteArray("32767") << std::optional<qint16>(32767);
    QTest::newRow("smallest") << QByteArray("-32768") << std::optional<qint16>(-32768);
    QTest::newRow("rounds within") << QByteArray("32767.4") << std::optional<qint16>(32767);
    QTest::newRow("rounds beyond") << QByteArray("32767.5") << std::optional<qint16>();
    QTest::newRow("above") << QByteArray("32768") << std::optional<qint16>();
    QTest::newRow("below") << QByteArray("-32769") << std::optional<qint16>();
    QTest::newRow("40000") << QByteArray("40000") << std::optional<qint16>();
}

void TestFixedWidth::readInt16()
{
    QFETCH(QByteArray, field);
    QFETCH(std::optional<qint16>, expected);
    QCOMPARE(fixedwidth::readInt16(field), expected);
}

void TestFixedWidth::cp1251RoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("hex");

    QTest::newRow("ascii") << QStringLiteral("Player 1") << QByteArray("506c617965722031");
    QTest::newRow("alphabet ends") << QStringLiteral("АаЯя") << QByteArray("c0e0dfff");
    QTest::newRow("ukrainian letters") << QStringLiteral("іїєґ") << QByteArray("b3bfbab4");
    QTest::newRow("ukrainian capitals") << QStringLiteral("ІЇЄҐ") << QByteArray("b2afaaa5");
    QTest::newRow("name") << QStringLiteral("Анонім") << QByteArray("c0edeeedb3ec");
    QTest::newRow("apostrophe and euro") << QStringLiteral("ім'я €") << QByteArray("b3ec27ff2088");
}

void TestFixedWidth::cp1251RoundTrip()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, hex);
    QCOMPARE(cp1251::encode(text).toHex(), hex);
    QCOMPARE(cp1251::decode(QByteArray::fromHex(hex)), text);
}

void TestFixedWidth::cp1251Unmappable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("check mark") << QStringLiteral("Іван✓") << QByteArray("\xb2\xe2\xe0\xed?");
    QTest::newRow("emoji is one character") << QStringLiteral("a😀b") << QByteArray("a?b");
    QTest::newRow("two emoji") << QStringLiteral("😀😀") << QByteArray("??");
    QTest::newRow("latin with diaeresis") << QStringLiteral("Zoë") << QByteArray("Zo?");
    QTest::newRow("chinese") << QStringLiteral("中文") << QByteArray("??");
    QTest::newRow("lone surrogate") << (QStringLiteral("x") + QChar(0xD800) + QStringLiteral("y"))
                                    << QByteArray("x?y");
}

void TestFixedWidth::cp1251Unmappable()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    QCOMPARE(cp1251::encode(text), expected);
}

QTEST_GUILESS_MAIN(TestFixedWidth)
#include "tst_fixedwidth.moc"
