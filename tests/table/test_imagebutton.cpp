#include "artwork.h"
#include "imagebutton.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// Two buttons on the table green, the first focused by nothing yet.
struct Table
{
    Table()
    {
        window.setAutoFillBackground(true);
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, QColor(0, 128, 0));
        window.setPalette(palette);
        window.resize(260, 60);
        first->setGeometry(10, 10, 113, 33);
        second->setGeometry(140, 10, 113, 33);
    }

    bool activate()
    {
        window.show();
        QApplication::setActiveWindow(&window);
        return QTest::qWaitForWindowActive(&window);
    }

    QWidget window;
    ImageButton *first = new ImageButton(artwork::Plate::Draw, &window);
    ImageButton *second = new ImageButton(artwork::Plate::Stop, &window);
};

} // namespace

class TestImageButton : public QObject
{
    Q_OBJECT

private slots:
    // Sample points: the middle of the top edge (the focus ring, y 0..1) and
    // just inside it (the highlight ring, y 2..4); the middle of the face
    // stays the plate.
    void framesChangeTheEdgeNotThePicture_data()
    {
        QTest::addColumn<QList<int>>("focusReasons");
        QTest::addColumn<bool>("highlighted");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QColor>("focusColour");
        QTest::addColumn<QColor>("highlightColour");
        QTest::addColumn<bool>("focusRing");
        QTest::addColumn<bool>("highlightRing");

        const QList<int> none;
        const QList<int> tab{Qt::TabFocusReason};
        const QColor standard;
        QTest::newRow("plain") << none << false << true << standard << standard << false << false;
        QTest::newRow("focus by Tab") << tab << false << true << standard << standard << true << false;
        QTest::newRow("focus by Shift+Tab") << QList<int>{Qt::BacktabFocusReason} << false << true << standard << standard << true << false;
        QTest::newRow("focus by mouse draws nothing")
            << QList<int>{Qt::MouseFocusReason} << false << true << standard << standard << false << false;
        QTest::newRow("mouse after Tab drops the frame")
            << QList<int>{Qt::TabFocusReason, Qt::MouseFocusReason} << false << true << standard << standard << false << false;
        QTest::newRow("back from another window keeps the frame")
            << QList<int>{Qt::TabFocusReason, Qt::ActiveWindowFocusReason} << false << true << standard << standard << true << false;
        QTest::newRow("highlight") << none << true << true << standard << standard << false << true;
        QTest::newRow("highlight and focus") << tab << true << true << standard << standard << true << true;
        QTest::newRow("colours from the setters")
            << tab << true << true << QColor(255, 0, 255) << QColor(255, 128, 0) << true << true;
        QTest::newRow("no highlight on a disabled button") << none << true << false << standard << standard << false << false;
    }

    void framesChangeTheEdgeNotThePicture()
    {
        QFETCH(QList<int>, focusReasons);
        QFETCH(bool, highlighted);
        QFETCH(bool, enabled);
        QFETCH(QColor, focusColour);
        QFETCH(QColor, highlightColour);
        QFETCH(bool, focusRing);
        QFETCH(bool, highlightRing);

        Table table;
        QVERIFY(table.activate());
        ImageButton *button = table.first;
        SetButtonEnabled(button, enabled);
        const int index = button->pictureIndex();
        const QImage picture = button->picture().toImage();
        const QImage before = button->grab().toImage();

        if (focusColour.isValid())
            button->setFocusFrameColour(focusColour);
        if (highlightColour.isValid())
            button->setHighlightColour(highlightColour);
        for (int reason : focusReasons) {
            button->clearFocus();
            button->setFocus(static_cast<Qt::FocusReason>(reason));
        }
        button->setHighlighted(highlighted);
        const QImage after = button->grab().toImage();

        QCOMPARE(button->pictureIndex(), index);
        QCOMPARE(button->picture().toImage(), picture);
        QCOMPARE(button->showsFocusFrame(), focusRing);

        const int middle = button->width() / 2;
        const QColor focus = button->focusFrameColour();
        const QColor highlight = button->highlightColour();
        for (int y : {0, 1}) {
            QVERIFY(before.pixelColor(middle, y) != focus);
            QCOMPARE(after.pixelColor(middle, y), focusRing ? focus : before.pixelColor(middle, y));
        }
        for (int y : {2, 3, 4}) {
            QVERIFY(before.pixelColor(middle, y) != highlight);
            QCOMPARE(after.pixelColor(middle, y), highlightRing ? highlight : before.pixelColor(middle, y));
        }
        const QPoint centre = button->rect().center();
        QCOMPARE(after.pixelColor(centre), before.pixelColor(centre));
    }

    // The default focus colour must stand out from the table green by 3:1.
    void focusFrameStandsOutFromTheGreen()
    {
        const auto luminance = [](const QColor &c) {
            const auto channel = [](double v) {
                return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
        };
        const ImageButton button(artwork::Plate::Draw);
        const double frame = luminance(button.focusFrameColour());
        const double green = luminance(QColor(0, 128, 0));
        QVERIFY((frame + 0.05) / (green + 0.05) >= 3.0);
        QVERIFY(button.focusFrameColour() != button.highlightColour());
    }

    void spacePressesTheFocusedButton_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("clicks");
        QTest::newRow("enabled") << true << 1;
        QTest::newRow("disabled") << false << 0;
    }

    void spacePressesTheFocusedButton()
    {
        QFETCH(bool, enabled);
        QFETCH(int, clicks);

        Table table;
        QVERIFY(table.activate());
        table.first->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), table.first);
        SetButtonEnabled(table.first, enabled);

        // Through the window, as a real key goes to whatever has focus.
        QSignalSpy clicked(table.first, &ImageButton::clicked);
        QTest::keyClick(table.window.windowHandle(), Qt::Key_Space);
        QCOMPARE(clicked.count(), clicks);
        QCOMPARE(table.first->pictureIndex(), enabled ? ImageButton::Normal : ImageButton::Disabled);
    }
};

QTEST_MAIN(TestImageButton)
#include "test_imagebutton.moc"
