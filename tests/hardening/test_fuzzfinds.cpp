// Inputs on which the fuzz targets once failed, kept so the faults stay fixed.
#include "fixedwidth.h"

#include <QTest>

#include <cstring>
#include <limits>

class TestFuzzFinds : public QObject
{
    Q_OBJECT

private slots:
    // A value too wide for a very wide field was clamped to 16 nines without
    // padding, so the field came out short and would shift every field after it.
    void wideFieldsKeepTheirWidth_data()
    {
        QTest::addColumn<QByteArray>("input"); // as the fuzzer gave it: 8 bytes of value, then the width
        QTest::newRow("23 nines") << QByteArray("99999999999999999999999");
        QTest::newRow("lowest value, width 19") << [] {
            QByteArray bytes(9, '\0');
            const qint64 lowest = std::numeric_limits<qint64>::min();
            std::memcpy(bytes.data(), &lowest, sizeof lowest);
            bytes[8] = 18;
            return bytes;
        }();
    }
    void wideFieldsKeepTheirWidth()
    {
        QFETCH(QByteArray, input);
        qint64 value = 0;
        std::memcpy(&value, input.constData(), sizeof value);
        const int width = 1 + static_cast<unsigned char>(input[8]) % 20;
        const QByteArray field = fixedwidth::fittedNumber(value, width);
        QCOMPARE(field.size(), width);
        QCOMPARE(fixedwidth::readNumber(field) < 0, value < 0);
    }
};

QTEST_GUILESS_MAIN(TestFuzzFinds)
#include "test_fuzzfinds.moc"
