#include "settings.h"
#include "soundsystem.h"
#include "tablelook.h"
#include "tablewindow.h"

#include <QDir>
#include <QLabel>
#include <QTest>

#include <algorithm>

namespace {

// The labels carrying text, by objectName; the picture boxes are left out.
QList<QLabel *> textLabels(QWidget *table)
{
    QList<QLabel *> labels;
    for (QLabel *label : table->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        if (label->objectName().startsWith(u"Label"))
            labels << label;
    }
    return labels;
}

// What a label's text is painted on: its own fill, or the cloth showing through.
QColor behind(const QLabel *label, const QWidget *table)
{
    return label->autoFillBackground() ? label->palette().color(QPalette::Window)
                                       : table->palette().color(QPalette::Window);
}

} // namespace

class TestTableLook : public QObject
{
    Q_OBJECT

private slots:
    void contrastRatios_data()
    {
        QTest::addColumn<QColor>("first");
        QTest::addColumn<QColor>("second");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
        QTest::newRow("same colour") << QColor(0, 128, 0) << QColor(0, 128, 0) << 1.0;
        QTest::newRow("mid grey on white") << QColor(118, 118, 118) << QColor(Qt::white) << 4.54;
        // The table as it has always looked: the banker's red headings reach
        // only 1.28:1 on the green and the player's dark blue ones 2.32:1;
        // the yellow figures 4.78:1 and the black result lines 4.09:1.
        QTest::newRow("red heading on the table") << QColor(255, 0, 0) << QColor(0, 128, 0) << 1.28;
        QTest::newRow("blue heading on the table") << QColor(0, 0, 192) << QColor(0, 128, 0) << 2.32;
        QTest::newRow("yellow figure on the table") << QColor(255, 255, 0) << QColor(0, 128, 0) << 4.78;
        QTest::newRow("result line on the table, either order") << QColor(0, 128, 0) << QColor(Qt::black) << 4.09;
    }
    void contrastRatios()
    {
        QFETCH(QColor, first);
        QFETCH(QColor, second);
        QFETCH(double, ratio);
        QVERIFY2(qAbs(contrastRatio(first, second) - ratio) < 0.005,
                 qPrintable(QString::number(contrastRatio(first, second))));
    }

    void highContrastIsReadable_data()
    {
        QTest::addColumn<QColor>("foreground");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<double>("minimum");
        const TableLook look = TableLook::highContrast();
        const QColor plate = paintedOver(look.hintBackground, look.table);
        QTest::newRow("banker's side") << look.bankerText << look.table << 4.5;
        QTest::newRow("player's side") << look.playerText << look.table << 4.5;
        QTest::newRow("pot and stake") << look.figureText << look.table << 4.5;
        QTest::newRow("result lines") << look.resultText << look.table << 4.5;
        QTest::newRow("hint lines") << look.hintText << plate << 4.5;
        QTest::newRow("hint stress") << look.hintAccent << plate << 4.5;
        QTest::newRow("focus frame") << look.focusFrame << look.table << 3.0;
        QTest::newRow("better move") << look.moveHighlight << look.table << 3.0;
        // The hint panel is new: it is readable in the usual look too.
        const TableLook usual = TableLook::normal();
        const QColor usualPlate = paintedOver(usual.hintBackground, usual.table);
        QTest::newRow("usual hint lines") << usual.hintText << usualPlate << 4.5;
        QTest::newRow("usual hint stress") << usual.hintAccent << usualPlate << 4.5;
        QTest::newRow("usual focus frame") << usual.focusFrame << usual.table << 3.0;
    }
    void highContrastIsReadable()
    {
        QFETCH(QColor, foreground);
        QFETCH(QColor, background);
        QFETCH(double, minimum);
        QVERIFY(foreground.isValid() && background.isValid());
        QCOMPARE(background.alpha(), 255);
        const double ratio = contrastRatio(foreground, background);
        QVERIFY2(ratio >= minimum, qPrintable(QString::number(ratio)));
    }

    // The banker's texts stay warm and the player's cool, in both looks.
    void sidesKeepTheirHues()
    {
        for (const TableLook &look : {TableLook::normal(), TableLook::highContrast()}) {
            const int banker = look.bankerText.hsvHue();
            const int player = look.playerText.hsvHue();
            QVERIFY2(banker <= 60 || banker >= 300, qPrintable(QString::number(banker)));
            QVERIFY2(player >= 180 && player <= 270, qPrintable(QString::number(player)));
        }
    }

    // The usual look is the game's own, colour for colour.
    void normalIsTheUsualLook_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QColor>("text");
        const QColor red(255, 0, 0), blue(0, 0, 192), yellow(255, 255, 0);
        QTest::newRow("Карти Банківника:") << "Label1" << red;
        QTest::newRow("Гроші Банківника:") << "Label5" << red;
        QTest::newRow("banker's money") << "Label4" << red;
        QTest::newRow("Карти Гравця:") << "Label2" << blue;
        QTest::newRow("На кону:") << "Label9" << blue;
        QTest::newRow("Гроші Гравця:") << "Label11" << blue;
        QTest::newRow("player's money") << "Label12" << blue;
        QTest::newRow("Ставка:") << "Label13" << blue;
        QTest::newRow("pot") << "Label8" << yellow;
        QTest::newRow("stake") << "Label14" << yellow;
        QTest::newRow("result") << "Label6" << QColor(Qt::black);
        QTest::newRow("points") << "Label7" << QColor(Qt::black);
        QTest::newRow("not a text label") << "Picture1" << QColor();
    }
    void normalIsTheUsualLook()
    {
        QFETCH(QString, label);
        QFETCH(QColor, text);
        QCOMPARE(TableLook::normal().labelText(label), text);
        QCOMPARE(TableLook::normal().table, QColor(0, 128, 0));
    }

    // The look covers every text label the real window has, and the usual
    // look is what the window shows at start-up.
    void normalMatchesTheWindow()
    {
        Settings settings;
        SilentSoundSystem sounds;
        TableWindow window(settings, sounds);
        QWidget *table = window.centralWidget();
        const TableLook look = TableLook::normal();

        QCOMPARE(table->palette().color(QPalette::Window), look.table);
        const QList<QLabel *> labels = textLabels(table);
        QVERIFY(labels.size() >= 12);
        for (const QLabel *label : labels) {
            QCOMPARE(label->palette().color(QPalette::WindowText), look.labelText(label->objectName()));
            QCOMPARE(behind(label, table), look.table);
        }
    }

    // Switching the real window to high contrast and back: every text is
    // readable on what it is painted on, and the usual look returns exactly.
    void applyToTheWindow()
    {
        Settings settings;
        SilentSoundSystem sounds;
        TableWindow window(settings, sounds);
        QWidget *table = window.centralWidget();

        QHash<QString, QPalette> before;
        for (QLabel *label : table->findChildren<QLabel *>())
            before.insert(label->objectName(), label->palette());
        const QPalette clothBefore = table->palette();

        TableLook::highContrast().apply(table);
        QCOMPARE(table->palette().color(QPalette::Window), TableLook::highContrast().table);
        for (const QLabel *label : textLabels(table)) {
            const double ratio = contrastRatio(label->palette().color(QPalette::WindowText), behind(label, table));
            QVERIFY2(ratio >= 4.5, qPrintable(label->objectName() + QStringLiteral(" %1").arg(ratio)));
        }
        // The deck is filled with the cloth around it.
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("Picture1"))->palette().color(QPalette::Window),
                 TableLook::highContrast().table);

        TableLook::normal().apply(table);
        QCOMPARE(table->palette().color(QPalette::Window), clothBefore.color(QPalette::Window));
        for (QLabel *label : table->findChildren<QLabel *>()) {
            const QPalette &old = before.value(label->objectName());
            for (QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText})
                QCOMPARE(label->palette().color(role), old.color(role));
        }
    }

    void readableOn_data()
    {
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<double>("minimum");
        QTest::newRow("already readable stays") << QColor(255, 255, 0) << QColor(0, 64, 0) << 4.5;
        QTest::newRow("blue on dark green") << QColor(0, 0, 255) << QColor(0, 64, 0) << 7.0;
        QTest::newRow("red on dark green") << QColor(255, 0, 0) << QColor(0, 64, 0) << 7.0;
        QTest::newRow("black on dark green") << QColor(Qt::black) << QColor(0, 64, 0) << 7.0;
        QTest::newRow("yellow on white") << QColor(255, 255, 0) << QColor(Qt::white) << 4.5;
        QTest::newRow("beyond reach gives the best") << QColor(0, 0, 255) << QColor(118, 118, 118) << 21.0;
    }
    void readableOn()
    {
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        QFETCH(double, minimum);
        const QColor readable = ::readableOn(text, background, minimum);
        const double best = std::max(contrastRatio(Qt::white, background), contrastRatio(Qt::black, background));
        QVERIFY2(contrastRatio(readable, background) >= std::min(minimum, best),
                 qPrintable(readable.name()));
        if (contrastRatio(text, background) >= minimum)
            QCOMPARE(readable, text);
        else if (minimum < best)
            // Lifted, not replaced: the hue it had still shows.
            QCOMPARE(readable.hsvHue(), text.hsvHue() < 0 ? -1 : text.hsvHue());
    }

    // With TWENTYONE_SCREENSHOTS set to a folder, the bare table is saved
    // there in both looks for a look by eye.
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("TWENTYONE_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("TWENTYONE_SCREENSHOTS not set");
        Settings settings;
        SilentSoundSystem sounds;
        TableWindow window(settings, sounds);
        for (QLabel *label : window.findChildren<QLabel *>()) {
            if (label->objectName() == u"Label6" || label->objectName() == u"Label7") {
                label->setText(label->objectName() == u"Label6" ? QStringLiteral("Переміг Гравець")
                                                                 : QStringLiteral("Очок у Гравця -  20"));
                label->adjustSize();
                label->show();
            }
        }
        for (bool high : {false, true}) {
            TableLook::forHighContrast(high).apply(window.centralWidget());
            const QString name = high ? QStringLiteral("table-high-contrast.png") : QStringLiteral("table.png");
            QVERIFY(window.centralWidget()->grab().save(QDir(folder).filePath(name)));
        }
    }
};

QTEST_MAIN(TestTableLook)
#include "test_tablelook.moc"
