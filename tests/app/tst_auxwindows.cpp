#include "auxwindows.h"
#include "backbutton.h"
#include "developerswindow.h"
#include "recordswindow.h"
#include "ruleswindow.h"
#include "soundsystem.h"
#include "recordingsounds.h"

#include "artwork.h"
#include "tablelook.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

const QString Click = QStringLiteral("\\gamedata\\sounds\\click.wav");

// One records row: a Windows-1251 name padded to 20 bytes, then the score field.
QByteArray row(const QByteArray &name1251, const QByteArray &score)
{
    return name1251.leftJustified(20, ' ') + score.leftJustified(5, ' ');
}

// "Олена", "Тарас", "Ірина" in Windows-1251.
const QByteArray Olena("\xCE\xEB\xE5\xED\xE0");
const QByteArray Taras("\xD2\xE0\xF0\xE0\xF1");
const QByteArray Iryna("\xB2\xF0\xE8\xED\xE0");

// Six rows; the four missing ones read as empty rows scoring 0.
QByteArray fixtureRecords()
{
    return row(Olena, " 150") + row(Taras, " 42") + row("", " 30") + row("Bob", " 0")
           + row(Iryna, "-5") + row("  Max  ", " 7");
}

void movePointer(QWidget *widget, QPoint pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

QStringList visibleWindows()
{
    QStringList names;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            names << widget->objectName();
    }
    return names;
}

// Closes the next modal box and tells what it showed.
struct ModalBoxProbe
{
    QString text, title, buttonText;
    QMessageBox::Icon icon = QMessageBox::Information;
    bool seen = false;

    void arm()
    {
        QTimer::singleShot(0, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen = true;
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            if (!box->buttons().isEmpty())
                buttonText = box->buttons().constFirst()->text();
            box->accept();
        });
    }
};

// What a label's text is painted on: its own fill, or the window showing through.
QColor behind(const QLabel *label, const QWidget *window)
{
    return label->autoFillBackground() ? label->palette().color(QPalette::Window)
                                       : window->palette().color(QPalette::Window);
}

} // namespace

class TestAuxWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void recordsShowTheFileRows_data();
    void recordsShowTheFileRows();
    void recordsAreReadAfreshAtEachShowing();
    void unreadableRecordsKeepTheRecordsWindowUp();

    void backButtonFaces_data();
    void backButtonFaces();
    void goingBackAndClosing_data();
    void goingBackAndClosing();
    void rulesAndDevelopersOpenModalOverTheTable();

    void rulesTexts_data();
    void rulesTexts();
    void developersLinks();
    void linkCursors();

    void closeAllShowsNothing();

    void highContrastIsReadable_data();
    void highContrastIsReadable();
    void normalLookIsUnchanged_data();
    void normalLookIsUnchanged();
    void accessibleNames_data();
    void accessibleNames();
    void zoomedWindowsFitTheirTexts_data();
    void zoomedWindowsFitTheirTexts();

    void screenshots();

private:
    QWidget *show(const QString &which);
    void writeRecords(const QByteArray &bytes);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QWidget> m_table;
    RecordingSounds m_sounds;
    QList<QUrl> m_opened;
    std::unique_ptr<AuxWindows> m_windows;
};

void TestAuxWindows::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("gamedata/tables")));
    m_table = std::make_unique<QWidget>();
    m_table->setObjectName(QStringLiteral("Form1"));
    m_table->setGeometry(100, 80, 794, 548);
    m_table->show();
    m_sounds.calls.clear();
    m_opened.clear();
    m_windows = std::make_unique<AuxWindows>(m_table.get(), m_sounds, m_dir->path(),
                                             [this](const QUrl &url) { m_opened << url; });
}

void TestAuxWindows::cleanup()
{
    m_windows.reset();
    m_table.reset();
    m_dir.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestAuxWindows::writeRecords(const QByteArray &bytes)
{
    QFile file(m_dir->filePath(QStringLiteral("gamedata/tables/table.dat")));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QWidget *TestAuxWindows::show(const QString &which)
{
    if (which == u"records") {
        m_windows->showRecords();
        return m_windows->recordsWindow();
    }
    if (which == u"rules") {
        m_windows->showRules();
        return m_windows->rulesWindow();
    }
    if (which == u"keys") {
        m_windows->showKeys();
        return m_windows->keysWindow();
    }
    m_windows->showDevelopers();
    return m_windows->developersWindow();
}

void TestAuxWindows::recordsShowTheFileRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("score");

    QTest::newRow("Cyrillic name") << 0 << QStringLiteral("Олена") << QStringLiteral("150");
    QTest::newRow("two digits") << 1 << QStringLiteral("Тарас") << QStringLiteral("42");
    QTest::newRow("empty name keeps its score") << 2 << QString() << QStringLiteral("30");
    QTest::newRow("zero") << 3 << QStringLiteral("Bob") << QStringLiteral("0");
    QTest::newRow("negative with its minus") << 4 << QStringLiteral("Ірина") << QStringLiteral("-5");
    QTest::newRow("name stripped") << 5 << QStringLiteral("Max") << QStringLiteral("7");
    QTest::newRow("past the end of the file") << 6 << QString() << QStringLiteral("0");
    QTest::newRow("tenth place") << 9 << QString() << QStringLiteral("0");
}

void TestAuxWindows::recordsShowTheFileRows()
{
    QFETCH(int, row);
    QFETCH(QString, name);
    QFETCH(QString, score);

    writeRecords(fixtureRecords());
    m_windows->showRecords();

    RecordsWindow *records = m_windows->recordsWindow();
    QVERIFY(records);
    QCOMPARE(visibleWindows(), QStringList{QStringLiteral("Form2")});
    QCOMPARE(records->findChild<QLabel *>(QStringLiteral("Label1_%1").arg(row))->text(), name);
    QCOMPARE(records->findChild<QLabel *>(QStringLiteral("Label2_%1").arg(row))->text(), score);
}

void TestAuxWindows::recordsAreReadAfreshAtEachShowing()
{
    writeRecords(fixtureRecords());
    m_windows->showRecords();
    m_windows->recordsWindow()->backButton()->click();
    QCOMPARE(visibleWindows(), QStringList{QStringLiteral("Form1")});

    writeRecords(row(Iryna, " 999") + fixtureRecords().mid(25));
    m_windows->showRecords();
    auto *records = m_windows->recordsWindow();
    QCOMPARE(records->findChild<QLabel *>(QStringLiteral("Label1_0"))->text(), QStringLiteral("Ірина"));
    QCOMPARE(records->findChild<QLabel *>(QStringLiteral("Label2_0"))->text(), QStringLiteral("999"));
    QCOMPARE(records->findChild<QLabel *>(QStringLiteral("Label1_1"))->text(), QStringLiteral("Тарас"));
}

void TestAuxWindows::unreadableRecordsKeepTheRecordsWindowUp()
{
    writeRecords(fixtureRecords());
    m_windows->showRecords();
    m_windows->recordsWindow()->backButton()->click();

    // A folder where the file should be cannot be read.
    const QString file = m_dir->filePath(QStringLiteral("gamedata/tables/table.dat"));
    QVERIFY(QFile::remove(file));
    QVERIFY(QDir().mkpath(file));

    ModalBoxProbe probe;
    probe.arm();
    m_windows->showRecords();

    QVERIFY(probe.seen);
    QVERIFY(!probe.text.isEmpty());
    QCOMPARE(probe.icon, QMessageBox::NoIcon);
    QCOMPARE(probe.buttonText, QStringLiteral("OK"));
    QCOMPARE(visibleWindows(), QStringList{QStringLiteral("Form2")});
    // The rows of the last showing are not passed off as the table.
    auto *records = m_windows->recordsWindow();
    for (int k = 0; k < RecordsWindow::Rows; ++k) {
        QCOMPARE(records->findChild<QLabel *>(QStringLiteral("Label1_%1").arg(k))->text(), QString());
        QCOMPARE(records->findChild<QLabel *>(QStringLiteral("Label2_%1").arg(k))->text(), QString());
    }
}

void TestAuxWindows::backButtonFaces_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("label");
    QTest::newRow("records") << QStringLiteral("records") << QStringLiteral("Label1_0");
    QTest::newRow("rules") << QStringLiteral("rules") << QStringLiteral("Label11");
    QTest::newRow("developers") << QStringLiteral("developers") << QStringLiteral("Label1_4");
}

void TestAuxWindows::backButtonFaces()
{
    QFETCH(QString, which);
    QFETCH(QString, label);

    QWidget *window = show(which);
    auto *button = window->findChild<BackButton *>(QStringLiteral("Command1"));
    QVERIFY(button);
    QCOMPARE(button->face(), BackButton::Normal);

    movePointer(button, {5, 5});
    QCOMPARE(button->face(), BackButton::Hover);
    // Leaving onto a label does not count as the background.
    movePointer(window->findChild<QLabel *>(label), {2, 2});
    QCOMPARE(button->face(), BackButton::Hover);
    movePointer(window, {window->width() - 2, window->height() - 2});
    QCOMPARE(button->face(), BackButton::Normal);

    // Going back keeps the hover face for the next showing.
    movePointer(button, {5, 5});
    button->click();
    QVERIFY(!window->isVisible());
    QCOMPARE(show(which), window);
    QCOMPARE(button->face(), BackButton::Hover);

    // The close box resets it, and the next showing is a new window.
    QPointer<QWidget> closed = window;
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!closed);
    window = show(which);
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->findChild<BackButton *>(QStringLiteral("Command1"))->face(), BackButton::Normal);
}

void TestAuxWindows::goingBackAndClosing_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("clicks");

    QTest::newRow("records back") << QStringLiteral("records") << QStringLiteral("back") << 1;
    QTest::newRow("records close box") << QStringLiteral("records") << QStringLiteral("close") << 0;
    QTest::newRow("rules back") << QStringLiteral("rules") << QStringLiteral("back") << 1;
    QTest::newRow("rules Escape") << QStringLiteral("rules") << QStringLiteral("escape") << 1;
    QTest::newRow("rules close box") << QStringLiteral("rules") << QStringLiteral("close") << 0;
    QTest::newRow("developers back") << QStringLiteral("developers") << QStringLiteral("back") << 1;
    QTest::newRow("developers close box") << QStringLiteral("developers") << QStringLiteral("close") << 1;
}

void TestAuxWindows::goingBackAndClosing()
{
    QFETCH(QString, which);
    QFETCH(QString, how);
    QFETCH(int, clicks);

    QPointer<QWidget> window = show(which);
    QVERIFY(window && window->isVisible());
    if (how == u"close")
        window->close();
    else if (how == u"escape")
        QTest::keyClick(window, Qt::Key_Escape);
    else
        window->findChild<BackButton *>(QStringLiteral("Command1"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(m_sounds.played(), QStringList(clicks, Click));
    QCOMPARE(visibleWindows(), QStringList{QStringLiteral("Form1")});
    // Going back only hides; the close box destroys.
    QCOMPARE(window.isNull(), how == u"close");
}

void TestAuxWindows::rulesAndDevelopersOpenModalOverTheTable()
{
    for (const QString &which : {QStringLiteral("rules"), QStringLiteral("developers")}) {
        QWidget *window = show(which);
        QVERIFY(window->isModal());
        QVERIFY(window->isVisible());
        QVERIFY(m_table->isVisible());
        const QPoint offset = window->frameGeometry().center() - m_table->frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 4, qPrintable(which + QStringLiteral(" %1,%2").arg(offset.x()).arg(offset.y())));
        window->close();
    }
}

void TestAuxWindows::rulesTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    const std::pair<const char *, QString> lines[] = {
        {"Label5", QStringLiteral("Правила гри:")},
        {"Label1", QStringLiteral("1. На початку гри Банківник роздає по дві карти і Гравець робить ставку. ")},
        {"Label2", QStringLiteral("2 .Задача Гравця набрати більше очок ніж Банківник, але не більше 21.")},
        {"Label3", QStringLiteral("3. Для набору очок Гравець може взяти із колоди додатково до трьох карт.")},
        {"Label4", QStringLiteral("4. Карта з картинкою дає 10 очок, туз - 11 або 1 очко, усі інші - за номіналом.")},
        {"Label6", QStringLiteral("5. Перемагає той, хто набере більше очок ніж опонент, але не більше 21.")},
        {"Label8", QStringLiteral("6. Якщо Гравець та Банківник набрали очок порівну - оголошується нічия.")},
        {"Label9", QStringLiteral("7. Якщо Гравець та Банківник набрали більше 21 - оголошується нічия.")},
        {"Label10", QStringLiteral("8. Гра триває поки у Гравця або Банківника не закінчаться гроші.")},
        {"Label11", QStringLiteral("9. Гравець, який найшвидше обіграє Банківника, має можливість потрапити в таблицю рекордів.")},
    };
    for (const auto &[name, text] : lines)
        QTest::newRow(name) << QString::fromLatin1(name) << text;
}

void TestAuxWindows::rulesTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);

    RulesWindow *rules = m_windows->rulesWindow();
    QCOMPARE(rules->windowTitle(), QStringLiteral("Допомога"));
    auto *label = rules->findChild<QLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    QVERIFY(!rules->findChild<QLabel *>(QStringLiteral("Label7")));
}

void TestAuxWindows::developersLinks()
{
    DevelopersWindow *developers = m_windows->developersWindow();
    auto label = [developers](int index) {
        return developers->findChild<QLabel *>(QStringLiteral("Label1_%1").arg(index));
    };
    QCOMPARE(label(7)->text(), QStringLiteral("(team21@example.com)"));
    QCOMPARE(label(9)->text(), QStringLiteral("21.example.org"));

    // Only the two links react, and each click opens again.
    for (int index = 1; index <= 9; ++index)
        QTest::mouseClick(label(index), Qt::LeftButton);
    QTest::mouseClick(developers->findChild<QLabel *>(QStringLiteral("Label2")), Qt::LeftButton);
    QTest::mouseClick(developers->findChild<QLabel *>(QStringLiteral("Label3")), Qt::LeftButton);
    QTest::mouseClick(label(7), Qt::LeftButton);

    QCOMPARE(m_opened.size(), 3);
    QCOMPARE(m_opened[0].toString(),
             QStringLiteral("mailto:team21@example.com?Subject=Що до програми Кварм"));
    QCOMPARE(m_opened[0].scheme(), QStringLiteral("mailto"));
    QCOMPARE(m_opened[0].path(), QStringLiteral("team21@example.com"));
    QCOMPARE(m_opened[1], QUrl(QStringLiteral("https://21.example.org/")));
    QCOMPARE(m_opened[2], m_opened[0]);
    QVERIFY(m_sounds.played().isEmpty());
}

void TestAuxWindows::linkCursors()
{
    DevelopersWindow *developers = m_windows->developersWindow();
    const Qt::CursorShape hand = artwork::pointingHandCursor().shape();
    for (QLabel *label : developers->findChildren<QLabel *>()) {
        const bool link = label->objectName() == u"Label1_7" || label->objectName() == u"Label1_9";
        QCOMPARE(label->cursor().shape(), link ? hand : Qt::ArrowCursor);
    }
    QCOMPARE(developers->cursor().shape(), Qt::ArrowCursor);
}

void TestAuxWindows::closeAllShowsNothing()
{
    writeRecords(fixtureRecords());
    m_windows->showRecords();
    m_windows->showDevelopers();
    m_table->hide();  // the table window is the first to go at shutdown

    m_windows->closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(visibleWindows(), QStringList());
    // Only the developers window clicks on closing.
    QCOMPARE(m_sounds.played(), QStringList{Click});
    QVERIFY(!m_windows->recordsWindow());
    QVERIFY(!m_windows->rulesWindow());
    QVERIFY(!m_windows->developersWindow());

    m_windows->showRecords();
    m_windows->showRules();
    m_windows->showDevelopers();
    QCOMPARE(visibleWindows(), QStringList());
}

void TestAuxWindows::highContrastIsReadable_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<bool>("madeAfresh");
    for (const char *which : {"records", "rules", "developers"}) {
        QTest::addRow("%s switched", which) << QString::fromLatin1(which) << false;
        QTest::addRow("%s made after the switch", which) << QString::fromLatin1(which) << true;
    }
}

// Every text, read from the palette it is painted with, reaches 4.5:1 on
// what lies behind it; a window made again after its close box is as high
// in contrast as the one it replaces.
void TestAuxWindows::highContrastIsReadable()
{
    QFETCH(QString, which);
    QFETCH(bool, madeAfresh);

    writeRecords(fixtureRecords());
    QWidget *window = show(which);
    m_windows->setHighContrast(true);
    if (madeAfresh) {
        QPointer<QWidget> closed = window;
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!closed);
        window = show(which);
    }

    int texts = 0;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->pixmap().isNull())
            continue;
        ++texts;
        const double ratio = contrastRatio(label->palette().color(QPalette::WindowText), behind(label, window));
        QVERIFY2(ratio >= 4.5, qPrintable(label->objectName() + QStringLiteral(" %1").arg(ratio)));
    }
    QVERIFY(texts >= 10);
}

void TestAuxWindows::normalLookIsUnchanged_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QColor>("colour");

    const QColor yellow(255, 255, 0), blue(0, 0, 255), red(255, 0, 0), cyan(0, 255, 255),
        darkBlue(0, 0, 192), magenta(255, 0, 255);
    QTest::newRow("records heading") << "records" << "Label3" << yellow;
    QTest::newRow("records name") << "records" << "Label1_0" << blue;
    QTest::newRow("records score") << "records" << "Label2_9" << red;
    QTest::newRow("rules heading") << "rules" << "Label5" << cyan;
    QTest::newRow("rules line") << "rules" << "Label11" << darkBlue;
    QTest::newRow("developers title") << "developers" << "Label2" << cyan;
    QTest::newRow("developers version") << "developers" << "Label1_1" << yellow;
    QTest::newRow("developers caption") << "developers" << "Label1_3" << blue;
    QTest::newRow("developers mail") << "developers" << "Label1_7" << magenta;
    QTest::newRow("developers site") << "developers" << "Label1_9" << magenta;
    QTest::newRow("developers footer") << "developers" << "Label3" << QColor(Qt::black);
}

// The usual colours, at first and after high contrast has come and gone.
void TestAuxWindows::normalLookIsUnchanged()
{
    QFETCH(QString, which);
    QFETCH(QString, label);
    QFETCH(QColor, colour);

    writeRecords(fixtureRecords());
    QWidget *window = show(which);
    auto *text = window->findChild<QLabel *>(label);
    QVERIFY(text);
    QCOMPARE(window->palette().color(QPalette::Window), QColor(0, 128, 0));
    QCOMPARE(text->palette().color(QPalette::WindowText), colour);

    const QPalette windowBefore = window->palette();
    const QPalette textBefore = text->palette();
    m_windows->setHighContrast(true);
    QVERIFY(window->palette() != windowBefore);
    m_windows->setHighContrast(false);
    QCOMPARE(window->palette(), windowBefore);
    QCOMPARE(text->palette(), textBefore);
}

void TestAuxWindows::accessibleNames_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");

    QTest::newRow("records back") << "records" << "Command1" << "Назад" << "Клавіша Esc";
    QTest::newRow("rules back") << "rules" << "Command1" << "Назад" << "Клавіша Esc";
    QTest::newRow("developers back") << "developers" << "Command1" << "Назад" << "Клавіша Esc";
    QTest::newRow("first name") << "records" << "Label1_0" << "Місце 1: Олена" << "";
    QTest::newRow("first score") << "records" << "Label2_0" << "Місце 1, очки: 150" << "";
    QTest::newRow("nameless row") << "records" << "Label1_2" << "Місце 3: без імені" << "";
    QTest::newRow("negative score") << "records" << "Label2_4" << "Місце 5, очки: -5" << "";
    QTest::newRow("rules heading is its text") << "rules" << "Label5" << "Правила гри:" << "";
    QTest::newRow("icon") << "developers" << "Image1" << "Значок гри «21»" << "";
    QTest::newRow("title") << "developers" << "Label2" << "Гра «21»" << "";
    QTest::newRow("mail link") << "developers" << "Label1_7" << "Написати розробникам: team21@example.com"
                               << "Відкриває поштову програму";
    QTest::newRow("site link") << "developers" << "Label1_9" << "Сайт розробників: 21.example.org"
                               << "Відкриває сайт у браузері";
}

// What a screen reader is told, through Qt's accessibility interfaces.
void TestAuxWindows::accessibleNames()
{
    QFETCH(QString, which);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, description);

    writeRecords(fixtureRecords());
    QWidget *window = show(which);
    auto *widget = window->findChild<QWidget *>(control);
    QVERIFY(widget);
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(face);
    QCOMPARE(face->text(QAccessible::Name), name);
    QCOMPARE(face->text(QAccessible::Description), description);
}

// With TWENTYONE_SCREENSHOTS set to a folder, each window is saved there as
// a picture for a look by eye, in both looks.
void TestAuxWindows::zoomedWindowsFitTheirTexts_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<qreal>("zoom");
    for (const char *which : {"records", "rules", "developers", "keys"})
        for (const qreal zoom : {1.0, 1.25, 1.5, 2.0, 3.0})
            QTest::addRow("%s at %g", which, zoom) << QString::fromLatin1(which) << zoom;
}

// The small windows grow with the table, and no text is cut at any zoom.
void TestAuxWindows::zoomedWindowsFitTheirTexts()
{
    QFETCH(QString, which);
    QFETCH(qreal, zoom);

    writeRecords(fixtureRecords());
    QWidget *window = show(which);
    const QSize base = window->size();
    const QSize button = window->findChild<BackButton *>(QStringLiteral("Command1"))->size();
    m_windows->setZoom(zoom);
    // The keys window is laid out: it grows with its lines.
    const bool laidOut = window->layout();
    const QSize expected = (QSizeF(base) * zoom).toSize();
    if (laidOut)
        QVERIFY(window->width() >= expected.width() * 0.9 && window->height() >= expected.height() * 0.9);
    else
        QCOMPARE(window->size(), expected);
    auto *back = window->findChild<BackButton *>(QStringLiteral("Command1"));
    QVERIFY(std::abs(back->width() - button.width() * zoom) <= 1);

    int texts = 0;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->pixmap().isNull()) {
            // The icon is drawn for its size.
            QCOMPARE(label->pixmap().deviceIndependentSize().toSize(), label->size());
            continue;
        }
        if (label->text().isEmpty() || !label->isVisible())
            continue;
        ++texts;
        const QSize needed = label->wordWrap() ? QSize(label->width(), label->heightForWidth(label->width()))
                                               : label->sizeHint();
        QVERIFY2(needed.width() <= label->width() + 1 && needed.height() <= label->height() + 1,
                 qPrintable(QStringLiteral("%1: %2×%3 in %4×%5")
                                .arg(label->objectName())
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(label->width())
                                .arg(label->height())));
    }
    QVERIFY(texts >= 3);
    // A window made afresh takes the zoom as well.
    const QSize zoomed = window->size();
    QPointer<QWidget> closed = window;
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!closed);
    QCOMPARE(show(which)->size(), zoomed);
}

void TestAuxWindows::screenshots()
{
    const QString folder = qEnvironmentVariable("TWENTYONE_SCREENSHOTS");
    if (folder.isEmpty())
        QSKIP("TWENTYONE_SCREENSHOTS not set");
    writeRecords(fixtureRecords());
    for (bool highContrast : {false, true}) {
        m_windows->setHighContrast(highContrast);
        const QString suffix = highContrast ? QStringLiteral("-high-contrast.png") : QStringLiteral(".png");
        for (const QString &which : {QStringLiteral("records"), QStringLiteral("rules"), QStringLiteral("developers")}) {
            QWidget *window = show(which);
            QVERIFY(window->grab().save(QDir(folder).filePath(which + suffix)));
            window->hide();
        }
    }
}

QTEST_MAIN(TestAuxWindows)
#include "tst_auxwindows.moc"
