#include "artwork.h"

#include <QCryptographicHash>
#include <QGuiApplication>
#include <QImage>
#include <QSet>
#include <QTest>
#include <QTranslator>

#include <functional>

using Picture = std::function<QPixmap(qreal)>;
Q_DECLARE_METATYPE(Picture)

namespace {
const QSize Card(artwork::CardWidth, artwork::CardHeight);

// In a picture blown up k times from a smaller one, every k × k block is
// one colour.
double unevenBlocks(const QImage &image, int k)
{
    int uneven = 0, blocks = 0;
    for (int y = 0; y + k <= image.height(); y += k)
        for (int x = 0; x + k <= image.width(); x += k) {
            ++blocks;
            const QRgb first = image.pixel(x, y);
            bool same = true;
            for (int dy = 0; dy < k && same; ++dy)
                for (int dx = 0; dx < k && same; ++dx)
                    same = image.pixel(x + dx, y + dy) == first;
            uneven += same ? 0 : 1;
        }
    return blocks ? double(uneven) / blocks : 0.0;
}

// Squared steps between neighbours: a sharp edge counts fully, the same
// edge smeared over two pixels only half.
double edgeEnergy(const QImage &image)
{
    double energy = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 1; x < image.width(); ++x) {
            const int d = qGray(image.pixel(x, y)) - qGray(image.pixel(x - 1, y));
            energy += double(d) * d;
        }
    return energy;
}

// The plates' words in another language.
class EnglishPlates : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, "Plates") != 0)
            return {};
        const QString text = QString::fromUtf8(source);
        return text == QStringLiteral("Тягнути") ? QStringLiteral("Draw")
               : text == QStringLiteral("Назад") ? QStringLiteral("Back")
                                                  : QString();
    }
    bool isEmpty() const override { return false; }
};

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
    void picturesAreDrawnForTheirPixels_data();
    void picturesAreDrawnForTheirPixels();
    void platesAreLetteredInTheLanguage();
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

void TestArtwork::picturesAreDrawnForTheirPixels_data()
{
    QTest::addColumn<int>("code"); // 0: the back
    QTest::addColumn<int>("scale");
    for (const int scale : {2, 3}) {
        QTest::addRow("back at %dx", scale) << 0 << scale;
        for (int suit = 1; suit <= 4; ++suit)
            for (int rank = 1; rank <= 13; ++rank)
                QTest::addRow("%d at %dx", suit * 100 + rank, scale) << suit * 100 + rank << scale;
    }
}

// A card at 2x or 3x is drawn for those pixels: neither the 1x picture
// pixel-doubled nor smoothly enlarged.
void TestArtwork::picturesAreDrawnForTheirPixels()
{
    QFETCH(int, code);
    QFETCH(int, scale);
    const auto picture = [code](qreal ratio, qreal zoom) {
        return code ? artwork::cardFace(code, ratio, zoom) : artwork::cardBack(ratio, zoom);
    };
    const auto pixels = [](const QPixmap &pixmap) {
        QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        image.setDevicePixelRatio(1.0);
        return image;
    };
    const QImage small = pixels(picture(1.0, 1.0));
    const QImage sharp = pixels(picture(scale, 1.0));
    QCOMPARE(sharp.size(), small.size() * scale);
    // The table's zoom on a plain screen gives the same pixels.
    QCOMPARE(pixels(picture(1.0, scale)), sharp);

    QVERIFY2(unevenBlocks(sharp, scale) > 0.05, qPrintable(QString::number(unevenBlocks(sharp, scale))));
    const QImage enlarged = small.scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY2(edgeEnergy(sharp) > 1.3 * edgeEnergy(enlarged),
             qPrintable(QStringLiteral("%1 vs %2").arg(edgeEnergy(sharp)).arg(edgeEnergy(enlarged))));
}

void TestArtwork::platesAreLetteredInTheLanguage()
{
    const QImage ukrainian = artwork::plate(artwork::Plate::Draw, 0, 1.0, 1.5).toImage();
    EnglishPlates english;
    QCoreApplication::installTranslator(&english);
    const QImage lettered = artwork::plate(artwork::Plate::Draw, 0, 1.0, 1.5).toImage();
    const QImage back = artwork::backPlate(0).toImage();
    QCoreApplication::removeTranslator(&english);
    QCOMPARE(lettered.size(), ukrainian.size());
    QVERIFY(lettered != ukrainian);
    QVERIFY(back != artwork::backPlate(0).toImage());
    QCOMPARE(artwork::plate(artwork::Plate::Draw, 0, 1.0, 1.5).toImage(), ukrainian);
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
