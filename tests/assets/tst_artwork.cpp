#include "artwork.h"

#include <QCryptographicHash>
#include <QGuiApplication>
#include <QImage>
#include <QSet>
#include <QTest>

#include <functional>

using Picture = std::function<QPixmap(qreal)>;
Q_DECLARE_METATYPE(Picture)

namespace {
const QSize Card(artwork::CardWidth, artwork::CardHeight);

QByteArray fingerprint(const QPixmap &pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    return QCryptographicHash::hash(
        QByteArrayView(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()),
        QCryptographicHash::Sha1);
}
} // namespace

class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    void picturesHaveTheirSizeAtBothRatios_data();
    void picturesHaveTheirSizeAtBothRatios();
    void everyFaceIsItsOwnPicture();
    void nonCardsHaveNoFace_data();
    void nonCardsHaveNoFace();
    void iconAndCursor();
    void otherPictureIndicesGiveNothing();
};

void TestArtwork::picturesHaveTheirSizeAtBothRatios_data()
{
    QTest::addColumn<Picture>("picture");
    QTest::addColumn<QSize>("size");

    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank) {
            const int code = suit * 100 + rank;
            QTest::addRow("face %d", code) << Picture([code](qreal r) { return artwork::cardFace(code, r); }) << Card;
        }
    QTest::newRow("back") << Picture([](qreal r) { return artwork::cardBack(r); }) << Card;

    const struct {
        artwork::Plate plate;
        const char *name;
        QSize size;
    } plates[] = {{artwork::Plate::Stavka, "stavka", {160, 23}},
                  {artwork::Plate::Draw, "draw", {113, 33}},
                  {artwork::Plate::Stop, "stop", {113, 33}},
                  {artwork::Plate::Next, "next", {113, 33}}};
    for (const auto &p : plates)
        for (int i = 0; i < 3; ++i)
            QTest::addRow("%s %d", p.name, i)
                << Picture([which = p.plate, i](qreal r) { return artwork::plate(which, i, r); }) << p.size;
    for (int i = 0; i < 2; ++i)
        QTest::addRow("prev %d", i) << Picture([i](qreal r) { return artwork::backPlate(i, r); }) << QSize(113, 33);
}

void TestArtwork::picturesHaveTheirSizeAtBothRatios()
{
    QFETCH(Picture, picture);
    QFETCH(QSize, size);

    const QPixmap normal = picture(1.0);
    QVERIFY(!normal.isNull());
    QCOMPARE(normal.size(), size);
    QCOMPARE(normal.devicePixelRatio(), 1.0);

    const QPixmap sharp = picture(2.0);
    QVERIFY(!sharp.isNull());
    QCOMPARE(sharp.size(), size * 2);
    QCOMPARE(sharp.devicePixelRatio(), 2.0);
    QCOMPARE(sharp.deviceIndependentSize().toSize(), size);
}

void TestArtwork::everyFaceIsItsOwnPicture()
{
    QSet<QByteArray> seen{fingerprint(artwork::cardBack())};
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank) {
            const int code = suit * 100 + rank;
            QVERIFY2(!seen.contains(fingerprint(artwork::cardFace(code))), qPrintable(QString::number(code)));
            seen.insert(fingerprint(artwork::cardFace(code)));
        }
    QCOMPARE(seen.size(), 53);
}

void TestArtwork::nonCardsHaveNoFace_data()
{
    QTest::addColumn<int>("code");
    for (const int code : {0, 1, 13, 100, 114, 200, 214, 414, 501, 1001, -101, -1})
        QTest::addRow("%d", code) << code;
}

void TestArtwork::nonCardsHaveNoFace()
{
    QFETCH(int, code);
    QVERIFY(artwork::cardFace(code).isNull());
    QVERIFY(artwork::cardFace(code, 2.0).isNull());
}

void TestArtwork::iconAndCursor()
{
    const QIcon icon = artwork::appIcon();
    const QList<QSize> sizes = icon.availableSizes();
    QVERIFY(sizes.contains(QSize(32, 32)));
    QVERIFY(sizes.contains(QSize(256, 256)));
    QCOMPARE(icon.pixmap(QSize(32, 32), 1.0).size(), QSize(32, 32));
    QCOMPARE(icon.pixmap(QSize(256, 256), 1.0).size(), QSize(256, 256));

    const QCursor hand = artwork::pointingHandCursor();
    QCOMPARE(hand.shape(), Qt::BitmapCursor);
    QCOMPARE(hand.pixmap().size(), QSize(32, 32));
    QCOMPARE(hand.hotSpot(), QPoint(12, 1));
    // The hot spot is on the drawn fingertip, not on the transparent ground.
    QVERIFY(qAlpha(hand.pixmap().toImage().pixel(12, 1)) > 128);
}

void TestArtwork::otherPictureIndicesGiveNothing()
{
    QVERIFY(artwork::plate(artwork::Plate::Draw, 3).isNull());
    QVERIFY(artwork::plate(artwork::Plate::Stavka, -1).isNull());
    QVERIFY(artwork::backPlate(2).isNull());
    QVERIFY(artwork::backPlate(-1).isNull());
}

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
