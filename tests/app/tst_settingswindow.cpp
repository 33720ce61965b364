// The settings dialog: what it shows, what OK and Cancel hand back, and the
// animation speed against the animation switch.
#include "settingswindow.h"
#include "settingsprint.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOption>
#include <QTest>

Q_DECLARE_METATYPE(AnimationSpeed)
Q_DECLARE_METATYPE(Settings)

namespace {

const QStringList SpeedTexts{QStringLiteral("Повільно"), QStringLiteral("Звичайно"), QStringLiteral("Швидко"),
                             QStringLiteral("Миттєво")};

// As the program starts: everything switched on, the choices at their defaults.
Settings atStart()
{
    Settings s;
    s.MusicOn = true;
    s.SoundsOn = true;
    s.AnimationOn = true;
    s.MusicTrack = 1;
    return s;
}

Settings unusual()
{
    Settings s;
    s.MusicOn = false;
    s.SoundsOn = true;
    s.AnimationOn = true;
    s.MusicTrack = 7;
    s.musicVolume = 35;
    s.effectsVolume = 0;
    s.animationSpeed = AnimationSpeed::Fast;
    s.hints = true;
    s.highContrast = false;
    return s;
}

template <typename T>
T *control(const QWidget &window, const char *name)
{
    return window.findChild<T *>(QLatin1StringView(name));
}

// Every control changed from the keyboard, as a player would: Space on the
// boxes, PageDown and End on the sliders, Up in the combo (Швидко → Звичайно).
Settings editEverything(SettingsWindow &window, Settings settings)
{
    for (const char *box : {"musicOn", "soundsOn", "hints", "highContrast"})
        QTest::keyClick(control<QCheckBox>(window, box), Qt::Key_Space);
    QTest::keyClick(control<QSlider>(window, "musicVolume"), Qt::Key_PageDown);
    QTest::keyClick(control<QSlider>(window, "effectsVolume"), Qt::Key_End);
    QTest::keyClick(control<QComboBox>(window, "animationSpeed"), Qt::Key_Up);
    settings.MusicOn = !settings.MusicOn;
    settings.SoundsOn = !settings.SoundsOn;
    settings.hints = !settings.hints;
    settings.highContrast = !settings.highContrast;
    settings.musicVolume -= 10;
    settings.effectsVolume = 100;
    settings.animationSpeed = AnimationSpeed::Normal;
    settings.AnimationOn = true;
    return settings;
}

} // namespace

class TestSettingsWindow : public QObject
{
    Q_OBJECT

private slots:
    void showsTheGivenSettings_data()
    {
        QTest::addColumn<Settings>("given");
        QTest::newRow("as at start") << atStart();
        QTest::newRow("everything changed") << unusual();
        Settings loud = unusual();
        loud.MusicOn = true;
        loud.SoundsOn = false;
        loud.musicVolume = 100;
        loud.effectsVolume = 1;
        loud.hints = false;
        loud.highContrast = true;
        loud.animationSpeed = AnimationSpeed::Slow;
        QTest::newRow("the other way round") << loud;
    }

    void showsTheGivenSettings()
    {
        QFETCH(Settings, given);
        SettingsWindow window(given);

        QCOMPARE(window.objectName(), QStringLiteral("settingsWindow"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Налаштування"));
        QVERIFY(!window.windowIcon().isNull());
        QVERIFY(window.isModal());

        QCOMPARE(control<QCheckBox>(window, "musicOn")->text(), QStringLiteral("&Музика"));
        QCOMPARE(control<QCheckBox>(window, "musicOn")->isChecked(), given.MusicOn);
        QCOMPARE(control<QCheckBox>(window, "soundsOn")->text(), QStringLiteral("&Звуки"));
        QCOMPARE(control<QCheckBox>(window, "soundsOn")->isChecked(), given.SoundsOn);
        QCOMPARE(control<QCheckBox>(window, "hints")->text(), QStringLiteral("&Підказки"));
        QCOMPARE(control<QCheckBox>(window, "hints")->isChecked(), given.hints);
        QCOMPARE(control<QCheckBox>(window, "highContrast")->text(), QStringLiteral("&Висока контрастність"));
        QCOMPARE(control<QCheckBox>(window, "highContrast")->isChecked(), given.highContrast);
        for (const auto &[name, percent] :
             {std::pair{"musicVolume", given.musicVolume}, std::pair{"effectsVolume", given.effectsVolume}}) {
            const auto *slider = control<QSlider>(window, name);
            QCOMPARE(slider->minimum(), 0);
            QCOMPARE(slider->maximum(), 100);
            QCOMPARE(slider->value(), percent);
            const QByteArray figure = QByteArray(name) + "Value";
            QCOMPARE(control<QLabel>(window, figure.constData())->text(), QStringLiteral("%1 %").arg(percent));
        }
        const auto *speed = control<QComboBox>(window, "animationSpeed");
        QStringList texts;
        for (int i = 0; i < speed->count(); ++i)
            texts << speed->itemText(i);
        QCOMPARE(texts, SpeedTexts);
        QCOMPARE(speed->currentText(), SpeedTexts[static_cast<int>(given.animationSpeed)]);
        const auto *speedLabel = control<QLabel>(window, "animationSpeedLabel");
        QCOMPARE(speedLabel->text(), QStringLiteral("&Швидкість анімації"));
        QCOMPARE(speedLabel->buddy(), speed);
        QCOMPARE(control<QPushButton>(window, "okButton")->text(), QStringLiteral("OK"));
        QCOMPARE(control<QPushButton>(window, "cancelButton")->text(), QStringLiteral("Скасувати"));

        // Nothing is handed back before OK.
        QCOMPARE(window.settings(), given);
    }

    void okReturnsTheEdits_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("OK clicked") << false;
        QTest::newRow("Return pressed") << true;
    }

    void okReturnsTheEdits()
    {
        QFETCH(bool, byKey);
        SettingsWindow window(unusual());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const Settings expected = editEverything(window, unusual());
        QCOMPARE(control<QLabel>(window, "musicVolumeValue")->text(), QStringLiteral("25 %"));

        if (byKey) {
            // Wherever the focus stands, Return is OK, never Скасувати.
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : &window, Qt::Key_Return);
        } else {
            QTest::mouseClick(control<QPushButton>(window, "okButton"), Qt::LeftButton);
        }

        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(window.settings(), expected);
        QCOMPARE(window.settings().MusicTrack, unusual().MusicTrack);
    }

    void cancelChangesNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Скасувати clicked") << QStringLiteral("button");
        QTest::newRow("Esc pressed") << QStringLiteral("escape");
        QTest::newRow("close box") << QStringLiteral("close");
    }

    void cancelChangesNothing()
    {
        QFETCH(QString, how);
        SettingsWindow window(unusual());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        editEverything(window, unusual());

        if (how == QLatin1String("button"))
            QTest::mouseClick(control<QPushButton>(window, "cancelButton"), Qt::LeftButton);
        else if (how == QLatin1String("escape"))
            QTest::keyClick(&window, Qt::Key_Escape);
        else
            window.close();

        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QCOMPARE(window.settings(), unusual());
    }

    // "Миттєво" stands for the animation switched off; any other speed
    // switches it on. A combo left as shown touches neither.
    void animationSpeedMapping_data()
    {
        QTest::addColumn<bool>("animationOn");
        QTest::addColumn<AnimationSpeed>("speed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("chosen"); // empty: left as shown
        QTest::addColumn<bool>("expectedOn");
        QTest::addColumn<AnimationSpeed>("expectedSpeed");
        const QString slow = SpeedTexts[0], normal = SpeedTexts[1], fast = SpeedTexts[2], instant = SpeedTexts[3];
        using S = AnimationSpeed;
        QTest::newRow("on, slow, left") << true << S::Slow << slow << QString() << true << S::Slow;
        QTest::newRow("on, normal to fast") << true << S::Normal << normal << fast << true << S::Fast;
        QTest::newRow("on, fast to instant") << true << S::Fast << fast << instant << false << S::Instant;
        QTest::newRow("off shows instant, left") << false << S::Fast << instant << QString() << false << S::Fast;
        QTest::newRow("off, to slow") << false << S::Normal << instant << slow << true << S::Slow;
        QTest::newRow("off, to its own speed") << false << S::Fast << instant << fast << true << S::Fast;
        QTest::newRow("instant, left") << false << S::Instant << instant << QString() << false << S::Instant;
        QTest::newRow("instant while on, left") << true << S::Instant << instant << QString() << true << S::Instant;
        QTest::newRow("instant while on, to normal") << true << S::Instant << instant << normal << true << S::Normal;
    }

    void animationSpeedMapping()
    {
        QFETCH(bool, animationOn);
        QFETCH(AnimationSpeed, speed);
        QFETCH(QString, shown);
        QFETCH(QString, chosen);
        QFETCH(bool, expectedOn);
        QFETCH(AnimationSpeed, expectedSpeed);
        Settings given = atStart();
        given.AnimationOn = animationOn;
        given.animationSpeed = speed;
        SettingsWindow window(given);
        auto *combo = control<QComboBox>(window, "animationSpeed");
        QCOMPARE(combo->currentText(), shown);

        if (!chosen.isEmpty())
            combo->setCurrentIndex(combo->findText(chosen));
        window.accept();

        Settings expected = given;
        expected.AnimationOn = expectedOn;
        expected.animationSpeed = expectedSpeed;
        QCOMPARE(window.settings(), expected);

        // What OK hands back shows the same way next time.
        SettingsWindow again(window.settings());
        QCOMPARE(control<QComboBox>(again, "animationSpeed")->currentText(), chosen.isEmpty() ? shown : chosen);
    }

    // Laid out, not placed: at any font every text is shown whole.
    void textsFitAtAnyFont_data()
    {
        QTest::addColumn<int>("pointSize");
        QTest::newRow("small") << 7;
        QTest::newRow("large") << 20;
        QTest::newRow("huge") << 36;
    }

    void textsFitAtAnyFont()
    {
        QFETCH(int, pointSize);
        const QFont before = QApplication::font();
        QFont font = before;
        font.setPointSize(pointSize);
        QApplication::setFont(font);
        Settings settings = atStart();
        settings.musicVolume = 100;
        SettingsWindow window(settings);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QApplication::setFont(before);

        int checked = 0;
        const auto fits = [&](QWidget *widget, QString text, int room) {
            text.remove(QLatin1Char('&'));
            const int needed = widget->fontMetrics().horizontalAdvance(text);
            QVERIFY2(room >= needed, qPrintable(QStringLiteral("%1: %2 px for %3 px of \"%4\"")
                                                    .arg(widget->objectName())
                                                    .arg(room)
                                                    .arg(needed)
                                                    .arg(text)));
            QVERIFY(window.rect().contains(QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size())));
            ++checked;
        };
        for (QLabel *label : window.findChildren<QLabel *>())
            fits(label, label->text(), label->contentsRect().width());
        for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
            int room = button->width();
            if (qobject_cast<QCheckBox *>(button)) { // the box stands before the text
                QStyleOptionButton option;
                option.initFrom(button);
                option.text = button->text();
                room = button->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, button).width();
            }
            fits(button, button->text(), room);
        }
        auto *combo = control<QComboBox>(window, "animationSpeed");
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const int room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                                        combo).width();
        for (const QString &text : SpeedTexts)
            fits(combo, text, room);
        QCOMPARE(checked, 3 + 6 + 4);
    }

    void tabVisitsEveryControlInReadingOrder()
    {
        SettingsWindow window(atStart());
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        control<QCheckBox>(window, "musicOn")->setFocus(Qt::TabFocusReason);

        QStringList visited;
        for (int i = 0; i < 9; ++i) {
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus);
            visited << focus->objectName();
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(visited, (QStringList{"musicOn", "musicVolume", "soundsOn", "effectsVolume", "animationSpeed",
                                       "hints", "highContrast", "okButton", "cancelButton"}));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("musicOn")); // and round again
    }
};

QTEST_MAIN(TestSettingsWindow)
#include "tst_settingswindow.moc"
