#include "backbutton.h"
#include "keyswindow.h"
#include "soundsystem.h"
#include "recordingsounds.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString Click = QStringLiteral("\\gamedata\\sounds\\click.wav");

// What the window says a key does, found by the key's label.
QString actionOf(const KeysWindow &window, const QString &keys)
{
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        const QString name = label->objectName();
        if (label->text() != keys || !name.contains(QLatin1String("Key_")))
            continue;
        QString actionName = name;
        actionName.replace(QLatin1String("Key_"), QLatin1String("Action_"));
        if (const auto *action = window.findChild<QLabel *>(actionName))
            return action->text();
    }
    return {};
}

} // namespace

class TestKeysWindow : public QObject
{
    Q_OBJECT

private slots:
    void createdHiddenAndModal()
    {
        RecordingSounds sounds;
        QWidget table;
        KeysWindow keys(sounds, &table);
        QVERIFY(!keys.isVisible());
        QCOMPARE(keys.objectName(), QStringLiteral("keysWindow"));
        QCOMPARE(keys.windowTitle(), QStringLiteral("Клавіші"));
        QCOMPARE(keys.windowModality(), Qt::ApplicationModal);
        QVERIFY(keys.findChild<BackButton *>(QStringLiteral("Command1")));
        QVERIFY(sounds.played().isEmpty());
    }

    void showsTheKeys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("action");

        const std::pair<const char *, const char *> rows[] = {
            {"↑ / ↓ або + / −", "змінити ставку"},
            {"Enter", "зробити ставку, досить або далі —\nте, що зараз доступне"},
            {"D", "тягнути карту"},
            {"S", "досить"},
            {"Tab", "перейти до наступної кнопки"},
            {"Пробіл", "натиснути кнопку з фокусом"},
            {"Esc", "повернутися з вікна до столу"},
            {"F1", "правила"},
            {"F2", "нова гра"},
            {"F3", "завантажити гру"},
            {"F4", "зберегти гру"},
            {"F5", "рекорди"},
            {"F6", "пауза"},
            {"F7", "статистика"},
            {"F8", "підказки"},
            {"F9", "висока контрастність"},
            {"F11", "на весь екран"},
            {"F12", "вихід"},
            {"Ctrl+M", "музика"},
            {"Ctrl+S", "звуки"},
            {"Ctrl+A", "анімація"},
            {"Ctrl+I", "розробники"},
            {"Ctrl+=", "збільшити стіл"},
            {"Ctrl+-", "зменшити стіл"},
            {"Ctrl+0", "звичайний розмір столу"},
        };
        for (const auto &[keys, action] : rows)
            QTest::newRow(keys) << QString::fromUtf8(keys) << QString::fromUtf8(action);
    }

    void showsTheKeys()
    {
        QFETCH(QString, keys);
        QFETCH(QString, action);

        RecordingSounds sounds;
        KeysWindow window(sounds);
        QCOMPARE(actionOf(window, keys), action);
    }

    // Whatever font stands in for Arial, no label is cut short, nothing
    // overlaps the back button, and the window is no wider than the table.
    void linesFitWithoutClipping()
    {
        RecordingSounds sounds;
        KeysWindow window(sounds);
        const QSize before = window.size();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), before);
        QVERIFY(window.width() <= 794);

        const QRect back = window.backButton()->geometry();
        QVERIFY(window.rect().contains(back));
        QCOMPARE(back.size(), window.backButton()->sizeHint());
        const QList<QLabel *> labels = window.findChildren<QLabel *>();
        QCOMPARE(labels.size(), 2 + 2 * int(KeysWindow::tableKeys().size() + KeysWindow::menuKeys().size()));
        for (const QLabel *label : labels) {
            const QRect r = label->geometry();
            QVERIFY2(window.rect().contains(r), qPrintable(label->objectName()));
            QVERIFY2(r.width() >= label->sizeHint().width() && r.height() >= label->sizeHint().height(),
                     qPrintable(label->objectName()));
            QVERIFY2(!r.intersects(back), qPrintable(label->objectName()));
        }
    }

    void goingBackHides_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("back button") << false;
        QTest::newRow("Escape") << true;
    }

    void goingBackHides()
    {
        QFETCH(bool, escape);

        RecordingSounds sounds;
        KeysWindow window(sounds);
        QSignalSpy wentBack(&window, &BackWindow::wentBack);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (escape)
            QTest::keyClick(&window, Qt::Key_Escape);
        else
            QTest::mouseClick(window.backButton(), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(wentBack.count(), 1);
        QCOMPARE(sounds.played(), QStringList{Click});
    }
};

QTEST_MAIN(TestKeysWindow)
#include "tst_keyswindow.moc"
