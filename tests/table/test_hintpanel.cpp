#include "hintpanel.h"
#include "twips.h"

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(std::optional<odds::Figures>)

namespace {

odds::Figures figures(double bustNext, odds::Chances stand, std::optional<odds::Chances> draw, odds::Move best)
{
    odds::Figures f;
    f.bustNext = bustNext;
    f.stand = stand;
    f.draw = draw;
    f.best = best;
    return f;
}

// The band between the banker's cards and "Карти Гравця:".
const QRect Band = twips::rect(240, 3420, 7860, 1350);

// Only what the panel paints itself, over transparency.
QImage paintedAlone(HintPanel &panel)
{
    QImage image(panel.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    panel.render(&image, {}, {}, QWidget::RenderFlags());
    return image;
}

bool fullyTransparent(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}

} // namespace

class TestHintPanel : public QObject
{
    Q_OBJECT

private slots:
    void lines_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<std::optional<odds::Figures>>("hint");
        QTest::addColumn<QStringList>("expected");

        using odds::Move;
        const std::optional<odds::Figures> none;

        QTest::newRow("no hints for this deck") << 15 << none
            << QStringList{"Очки: 15", "Підказки недоступні для цієї колоди"};
        QTest::newRow("bust, no hints") << 23 << none
            << QStringList{"Очки: 23 — Перебір!", "Підказки недоступні для цієї колоди"};
        QTest::newRow("draw is better")
            << 15
            << std::optional(figures(0.4091, {0.40, 0.10, 0.50, -0.1}, odds::Chances{0.45, 0.08, 0.47, -0.02}, Move::Draw))
            << QStringList{"Очки: 15", "Перебір наступною картою: 41 %",
                           "Досить: виграш 40 % · нічия 10 % · програш 50 %",
                           "Тягнути: виграш 45 % · нічия 8 % · програш 47 %", "Краще: тягнути"};
        QTest::newRow("21 is no bust, stand is better")
            << 21 << std::optional(figures(1.0, {0.9, 0.1, 0.0, 0.9}, odds::Chances{0.0, 0.0, 1.0, -1}, Move::Stand))
            << QStringList{"Очки: 21", "Перебір наступною картою: 100 %",
                           "Досить: виграш 90 % · нічия 10 % · програш 0 %",
                           "Тягнути: виграш 0 % · нічия 0 % · програш 100 %", "Краще: досить"};
        QTest::newRow("five cards: no draw line")
            << 19 << std::optional(figures(0.75, {0.55, 0.15, 0.30, 0.25}, std::nullopt, Move::Stand))
            << QStringList{"Очки: 19", "Перебір наступною картою: 75 %",
                           "Досить: виграш 55 % · нічия 15 % · програш 30 %", "Краще: досить"};
        QTest::newRow("bust with figures")
            << 24 << std::optional(figures(1.0, {0.0, 0.0, 1.0, -1}, odds::Chances{0.0, 0.0, 1.0, -1}, Move::Stand))
            << QStringList{"Очки: 24 — Перебір!", "Перебір наступною картою: 100 %",
                           "Досить: виграш 0 % · нічия 0 % · програш 100 %",
                           "Тягнути: виграш 0 % · нічия 0 % · програш 100 %", "Краще: досить"};
        // Rounding each on its own would give 101 and 99.
        QTest::newRow("rounded to 100, two up")
            << 12 << std::optional(figures(0.0, {0.206, 0.206, 0.588, -0.38}, odds::Chances{0.334, 0.333, 0.333, 0}, Move::Draw))
            << QStringList{"Очки: 12", "Перебір наступною картою: 0 %",
                           "Досить: виграш 21 % · нічия 20 % · програш 59 %",
                           "Тягнути: виграш 34 % · нічия 33 % · програш 33 %", "Краще: тягнути"};
    }

    void lines()
    {
        QFETCH(int, points);
        QFETCH(std::optional<odds::Figures>, hint);
        QFETCH(QStringList, expected);

        HintPanel panel;
        QCOMPARE(panel.objectName(), QStringLiteral("hintPanel"));
        QVERIFY(panel.lines().isEmpty());
        panel.showHint(points, hint);
        QCOMPARE(panel.lines(), expected);
        panel.clear();
        QVERIFY(panel.lines().isEmpty());
    }

    // Every triple of a fine grid: 100 in all, none more than a point off.
    void perCentsAlwaysAddUpTo100()
    {
        constexpr int Steps = 97;
        for (int w = 0; w <= Steps; ++w) {
            for (int d = 0; w + d <= Steps; ++d) {
                const odds::Chances chances{double(w) / Steps, double(d) / Steps, double(Steps - w - d) / Steps, 0};
                const std::array<int, 3> perCent = HintPanel::wholePerCents(chances);
                QCOMPARE(perCent[0] + perCent[1] + perCent[2], 100);
                const double exact[] = {chances.win * 100, chances.draw * 100, chances.lose * 100};
                for (std::size_t i = 0; i < 3; ++i)
                    QVERIFY2(std::abs(perCent[i] - exact[i]) < 1.0, qPrintable(QStringLiteral("%1 %2 %3").arg(w).arg(d).arg(i)));
            }
        }
    }

    void paintsOnlyWhileShowing()
    {
        HintPanel panel;
        panel.setGeometry(Band);
        QVERIFY(fullyTransparent(paintedAlone(panel)));

        panel.showHint(15, std::nullopt);
        const QPoint inside = panel.plateRect().center();
        const QRgb plate = paintedAlone(panel).pixel(inside.x(), panel.plateRect().bottom() - 1);
        QCOMPARE(qAlpha(plate), 150);
        // Right of the plate the table shows through.
        QCOMPARE(qAlpha(paintedAlone(panel).pixel(panel.plateRect().right() + 2, inside.y())), 0);

        panel.setColours(QColor(0, 0, 0), Qt::white, Qt::yellow);
        QCOMPARE(qAlpha(paintedAlone(panel).pixel(inside.x(), panel.plateRect().bottom() - 1)), 255);

        panel.clear();
        QVERIFY(panel.plateRect().isEmpty());
        QVERIFY(fullyTransparent(paintedAlone(panel)));
    }

    // The longest lines there are, in the band at scale 1, at a readable size.
    void fitsTheBandBetweenTheHands()
    {
        HintPanel panel;
        panel.setGeometry(Band);
        panel.showHint(30, figures(1.0, {1.0, 0.0, 0.0, 1}, odds::Chances{1.0, 0.0, 0.0, 1}, odds::Move::Draw));
        QCOMPARE(panel.lines().size(), 5);
        QVERIFY2(panel.rect().contains(panel.plateRect()),
                 qPrintable(QStringLiteral("%1x%2").arg(panel.plateRect().width()).arg(panel.plateRect().height())));
        QVERIFY(panel.textFont().pixelSize() >= 13);
        QVERIFY(Band.size().expandedTo(panel.sizeHint()) == Band.size());
    }

    void letsClicksAndFocusThrough()
    {
        QWidget table;
        table.resize(300, 120);
        auto *under = new QPushButton(QStringLiteral("під"), &table);
        under->setGeometry(10, 10, 100, 30);
        auto *other = new QPushButton(QStringLiteral("інша"), &table);
        other->setGeometry(10, 70, 100, 30);
        auto *panel = new HintPanel(&table);
        panel->setGeometry(0, 0, 300, 60);
        panel->showHint(15, std::nullopt);
        table.show();
        QApplication::setActiveWindow(&table);
        QVERIFY(QTest::qWaitForWindowActive(&table));

        QSignalSpy clicked(under, &QPushButton::clicked);
        QTest::mouseClick(table.windowHandle(), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(clicked.count(), 1);

        under->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget() != panel);
        }
    }
};

QTEST_MAIN(TestHintPanel)
#include "test_hintpanel.moc"
