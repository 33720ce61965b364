#include "application.h"
#include "auxwindows.h"
#include "backbutton.h"
#include "datafolder.h"
#include "dialogs.h"
#include "gamecontroller.h"
#include "gamepaths.h"
#include "hintpanel.h"
#include "imagebutton.h"
#include "message.h"
#include "messagetext.h"
#include "recordstable.h"
#include "recordswindow.h"
#include "settingswindow.h"
#include "statisticswindow.h"
#include "soundsystem.h"
#include "tablewindow.h"
#include "testfiles.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <functional>
#include <memory>

Q_DECLARE_METATYPE(Language)

namespace {

using Phase = GameModel::Phase;

const QRegularExpression Cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));

// Names typed by players, and the language menu, which says both languages
// in either on purpose; anything else Cyrillic in English is a fault.
const QStringList OwnWords{QStringLiteral("Мова / Language"), QStringLiteral("Українська"),
                           QStringLiteral("Тарас")};

// The table's boxes answer without being shown: the tests open real boxes
// themselves where they look at them.
class QuietWindow final : public TableWindow
{
public:
    using TableWindow::TableWindow;
    Answer ask(const Message &message) override { return message.isQuestion() ? Answer::No : Answer::Ok; }
    QString askText(const Message &) override { return {}; }
};

QString settingsPath(const QString &folder) { return gamePath(folder, gamefiles::Settings); }

// A folder of the program: flights land at once, hints are on, the records
// hold the default name and a Cyrillic one.
void prepareFolder(const QString &folder, const QByteArray &languageLine)
{
    put(settingsPath(folder), "[General]\nanimationSpeed=instant\nhints=true\n" + languageLine + "\n");
    RecordsTable records;
    records.enter(1, QStringLiteral("Тарас"), 300);
    records.enter(2, GameController::AnonymousName, 200);
    QVERIFY(DataFolder(folder).writeRecords(records).ok());
}

struct Run
{
    explicit Run(const QString &folder)
        : app(folder, [](Settings &, const QString &) { return std::make_unique<SilentSoundSystem>(); },
              [](Settings &settings, SoundSystem &sounds) { return std::make_unique<QuietWindow>(settings, sounds); })
    {
        app.start(7);
        app.show();
    }
    Application app;
};

enum class Stage { PlayerTurn, RoundSettled };

// The lettered pictures on the table: the plates and the cards shown.
QList<QImage> tablePictures(TableWindow &window)
{
    QList<QImage> pictures;
    for (int b = 0; b < 4; ++b)
        pictures << window.button(static_cast<TableView::Button>(b))->picture().toImage();
    for (TableView::Side side : {TableView::Side::Player, TableView::Side::Banker})
        for (int i = 0; i < 5; ++i)
            if (window.slot(side, i)->isVisible())
                pictures << window.slot(side, i)->pixmap().toImage();
    return pictures;
}

// The same cards every time: the seed and the moves decide them.
bool reach(Application &app, Stage stage)
{
    GameController &game = app.game();
    if (!QTest::qWaitFor([&] { return game.model().phase() == Phase::Betting && !game.isCardFlying(); }))
        return false;
    game.chooseStake(2);
    game.bet();
    if (!QTest::qWaitFor([&] { return game.model().phase() == Phase::PlayerTurn && !game.isCardFlying(); }))
        return false;
    if (stage == Stage::PlayerTurn)
        return true;
    game.stand();
    return QTest::qWaitFor([&] { return game.model().phase() == Phase::RoundOver && !game.isCardFlying(); });
}

// Every window of the program but the records, which take the table's place.
void openWindows(Application &app)
{
    app.auxWindows()->showRules();
    app.auxWindows()->showDevelopers();
    app.auxWindows()->showKeys();
    app.showStatistics();
    auto *settings = new SettingsWindow(app.settings(), &app.window());
    settings->setAttribute(Qt::WA_DeleteOnClose);
    settings->show();
}

void addActions(QStringList &texts, const QString &where, const QList<QAction *> &actions)
{
    for (QAction *action : actions) {
        if (!action->text().isEmpty())
            texts << where + QStringLiteral(" item: ") + action->text();
        if (QMenu *menu = action->menu())
            addActions(texts, where + QLatin1Char('/') + menu->objectName(), menu->actions());
    }
}

// What the player sees and a screen reader says in one window, one line a text.
QStringList textsOf(QWidget *window)
{
    QStringList texts;
    texts << window->objectName() + QStringLiteral(" title: ") + window->windowTitle();
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : std::as_const(widgets)) {
        if (widget != window && !widget->isVisibleTo(window))
            continue;
        const QString at = window->objectName() + QLatin1Char('/') + widget->objectName()
            + QLatin1Char('(') + QLatin1String(widget->metaObject()->className()) + QLatin1Char(')');
        QStringList own;
        if (auto *label = qobject_cast<QLabel *>(widget))
            own << label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            own << button->text();
        if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            for (int i = 0; i < combo->count(); ++i)
                own << combo->itemText(i);
        }
        if (auto *panel = qobject_cast<HintPanel *>(widget))
            own << panel->lines();
        own << widget->toolTip() << widget->accessibleName() << widget->accessibleDescription();
        for (const QString &text : std::as_const(own)) {
            if (!text.isEmpty())
                texts << at + QStringLiteral(": ") + text;
        }
        if (auto *bar = qobject_cast<QMenuBar *>(widget))
            addActions(texts, at, bar->actions());
    }
    return texts;
}

QStringList shownTexts()
{
    QStringList texts;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            texts << textsOf(window);
    }
    texts.sort();
    return texts;
}

// The texts with a Cyrillic letter that is not one of the program's own words.
QStringList cyrillicIn(const QStringList &texts)
{
    QStringList found;
    for (const QString &text : texts) {
        QString rest = text;
        for (const QString &own : OwnWords)
            rest.remove(own);
        if (rest.contains(Cyrillic))
            found << text;
    }
    return found;
}

// The texts of the box the program shows next, which is then closed.
QStringList boxTexts(const std::function<void()> &show)
{
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box)
            return;
        texts = textsOf(box);
        if (auto *message = qobject_cast<QMessageBox *>(box))
            message->buttons().constFirst()->click();
        else if (auto *dialog = qobject_cast<QDialog *>(box))
            dialog->reject();
    });
    show();
    return texts;
}

bool hasButton(const QStringList &texts, const QString &caption)
{
    return std::any_of(texts.cbegin(), texts.cend(),
                       [&](const QString &text) { return text.endsWith(QStringLiteral("(QPushButton): ") + caption); });
}

} // namespace

Q_DECLARE_METATYPE(Stage)

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void followsTheSystemUnlessChosen_data()
    {
        QTest::addColumn<Language>("chosen");
        QTest::addColumn<QStringList>("system");
        QTest::addColumn<Language>("spoken");
        QTest::newRow("English locale") << Language::System << QStringList{"en-US", "en"} << Language::English;
        QTest::newRow("British first") << Language::System << QStringList{"en-GB", "uk-UA"} << Language::English;
        QTest::newRow("Ukrainian locale") << Language::System << QStringList{"uk-UA"} << Language::Ukrainian;
        QTest::newRow("Ukrainian before English") << Language::System << QStringList{"uk", "en"} << Language::Ukrainian;
        QTest::newRow("German locale") << Language::System << QStringList{"de-DE"} << Language::Ukrainian;
        QTest::newRow("C locale") << Language::System << QStringList{"C"} << Language::Ukrainian;
        QTest::newRow("none at all") << Language::System << QStringList{} << Language::Ukrainian;
        QTest::newRow("Ukrainian chosen") << Language::Ukrainian << QStringList{"en-US"} << Language::Ukrainian;
        QTest::newRow("English chosen") << Language::English << QStringList{"uk-UA"} << Language::English;
    }

    void followsTheSystemUnlessChosen()
    {
        QFETCH(Language, chosen);
        QFETCH(QStringList, system);
        QFETCH(Language, spoken);
        QCOMPARE(Application::spokenLanguage(chosen, system), spoken);
    }

    // The suite's own setting: tests speak Ukrainian whatever the machine's LANG.
    void testsSpeakUkrainianByDefault()
    {
        QTemporaryDir dir;
        Run run(dir.path());
        QCOMPARE(run.app.language(), Language::Ukrainian);
        QVERIFY(run.app.window().menuAction(QStringLiteral("ukrainian"))->isChecked());
        QCOMPARE(run.app.window().menuAction(QStringLiteral("NewGame"))->text(), QStringLiteral("Нова гра"));
    }

    // Every window open, a round on the table: nothing Cyrillic but names.
    void englishHasNoUkrainianWord_data()
    {
        QTest::addColumn<Stage>("stage");
        QTest::newRow("player's turn with hints") << Stage::PlayerTurn;
        QTest::newRow("round settled") << Stage::RoundSettled;
    }

    void englishHasNoUkrainianWord()
    {
        QFETCH(Stage, stage);
        QTemporaryDir dir;
        prepareFolder(dir.path(), "language=en");
        Run run(dir.path());
        QCOMPARE(run.app.language(), Language::English);
        QVERIFY(reach(run.app, stage));
        openWindows(run.app);
        QStringList texts = shownTexts();
        QVERIFY(texts.size() > 150);
        if (stage == Stage::PlayerTurn)
            QVERIFY(!run.app.window().hintPanel()->lines().isEmpty());
        else
            QVERIFY(run.app.window().findChild<QLabel *>(QStringLiteral("Label6"))->isVisible());

        run.app.auxWindows()->showRecords();
        const QStringList records = shownTexts();
        QVERIFY2(records.contains(QStringLiteral("Form2/Label1_1(QLabel): Anonymous")), qPrintable(records.join('\n')));
        QVERIFY(records.contains(QStringLiteral("Form2/Label1_0(QLabel): Тарас")));
        texts << records;

        texts << boxTexts([&] { run.app.window().TableWindow::ask(Message(Message::Id::GameLost)); });
        texts << boxTexts([&] { run.app.window().TableWindow::ask(Message(Message::Id::Pause)); });
        texts << boxTexts([&] { run.app.window().TableWindow::askText(Message(Message::Id::RecordName, 150)); });
        QVERIFY(hasButton(texts, QStringLiteral("Yes")));
        QVERIFY(hasButton(texts, QStringLiteral("No")));
        QVERIFY(hasButton(texts, QStringLiteral("OK")));
        QVERIFY(hasButton(texts, QStringLiteral("Cancel")));

        const QStringList ukrainian = cyrillicIn(texts);
        QVERIFY2(ukrainian.isEmpty(), qPrintable(ukrainian.join('\n')));
    }

    // Why there are no statistics is worded again in the new language.
    void statisticsReasonFollowsTheLanguage_data()
    {
        QTest::addColumn<FileStatus>("problem");
        QTest::addColumn<QString>("ukrainian");
        QTest::addColumn<QString>("english");
        QTest::newRow("no file yet") << FileStatus{FileProblem::Missing, QStringLiteral("/s.sqlite")}
                                     << QStringLiteral("Ще не зіграно жодного раунду.")
                                     << QStringLiteral("No round has been played yet.");
        QTest::newRow("held by another copy") << FileStatus{FileProblem::Locked, QStringLiteral("/s.sqlite")}
                                              << QStringLiteral("Файл «/s.sqlite» зайнятий іншою запущеною копією гри.")
                                              << QStringLiteral("The file “/s.sqlite” is in use by another running copy of the game.");
    }

    void statisticsReasonFollowsTheLanguage()
    {
        QFETCH(FileStatus, problem);
        QFETCH(QString, ukrainian);
        QFETCH(QString, english);
        SilentSoundSystem sounds;
        StatisticsWindow window(problem, sounds);
        auto reason = [&] { return window.findChild<QLabel *>(QStringLiteral("unavailableReason"))->text(); };
        QCOMPARE(reason(), ukrainian);

        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/twentyone_en.qm")));
        QCoreApplication::installTranslator(&translator);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(reason(), english);
        QCOMPARE(window.unavailableReason(), english);

        QCoreApplication::removeTranslator(&translator);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(reason(), ukrainian);
    }

    // The same bytes in either language, the default name included.
    void filesDoNotDependOnTheLanguage()
    {
        QByteArray saved[2];
        QByteArray records[2];
        const QByteArray lines[2] = {"language=uk", "language=en"};
        for (int i = 0; i < 2; ++i) {
            QTemporaryDir dir;
            prepareFolder(dir.path(), lines[i]);
            const QString recordsPath = gamePath(dir.path(), gamefiles::Records);
            const QByteArray before = contents(recordsPath);
            {
                Run run(dir.path());
                QVERIFY(reach(run.app, Stage::RoundSettled));
                run.app.auxWindows()->showRecords();
                run.app.game().saveGame();
            }
            QCOMPARE(contents(recordsPath), before);
            records[i] = before;
            saved[i] = contents(gamePath(dir.path(), gamefiles::SavedGame));
            QVERIFY(!saved[i].isEmpty());
        }
        QCOMPARE(saved[1], saved[0]);
        QCOMPARE(records[1], records[0]);
    }

    // After a switch every window says exactly what a program started in
    // that language says: no text is left behind in the other one.
    void switchingLeavesNoStaleText_data()
    {
        QTest::addColumn<Language>("from");
        QTest::addColumn<Language>("to");
        QTest::addColumn<Stage>("stage");
        QTest::newRow("to English in the player's turn") << Language::Ukrainian << Language::English << Stage::PlayerTurn;
        QTest::newRow("to English, round settled") << Language::Ukrainian << Language::English << Stage::RoundSettled;
        QTest::newRow("to Ukrainian in the player's turn") << Language::English << Language::Ukrainian << Stage::PlayerTurn;
        QTest::newRow("to Ukrainian, round settled") << Language::English << Language::Ukrainian << Stage::RoundSettled;
    }

    void switchingLeavesNoStaleText()
    {
        QFETCH(Language, from);
        QFETCH(Language, to);
        QFETCH(Stage, stage);
        auto line = [](Language language) { return language == Language::English ? "language=en" : "language=uk"; };
        const QString item = to == Language::English ? QStringLiteral("english") : QStringLiteral("ukrainian");

        // Records first, as they take the table's place; then the table.
        QStringList expected[2];
        QList<QImage> expectedPictures;
        {
            QTemporaryDir dir;
            prepareFolder(dir.path(), line(to));
            Run run(dir.path());
            QVERIFY(reach(run.app, stage));
            openWindows(run.app);
            run.app.auxWindows()->showRecords();
            expected[0] = shownTexts();
            run.app.auxWindows()->recordsWindow()->backButton()->click();
            expected[1] = shownTexts();
            expectedPictures = tablePictures(run.app.window());
        }

        QTemporaryDir dir;
        prepareFolder(dir.path(), line(from));
        Run run(dir.path());
        QVERIFY(reach(run.app, stage));
        openWindows(run.app);
        run.app.auxWindows()->showRecords();
        const QStringList before = shownTexts();
        run.app.window().menuAction(item)->trigger();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(run.app.language(), to);
        const QStringList after = shownTexts();
        QVERIFY(after != before);
        QCOMPARE(after, expected[0]);
        run.app.auxWindows()->recordsWindow()->backButton()->click();
        QCOMPARE(shownTexts(), expected[1]);
        // The plates and the cards' corners are lettered in the language too.
        QVERIFY(expectedPictures.size() >= 8);
        QVERIFY(tablePictures(run.app.window()) == expectedPictures);
        QVERIFY(run.app.window().menuAction(item)->isChecked());
        const QString other = to == Language::English ? QStringLiteral("ukrainian") : QStringLiteral("english");
        QVERIFY(!run.app.window().menuAction(other)->isChecked());

        // Remembered for the next run.
        QVERIFY(contents(settingsPath(dir.path())).contains(line(to)));
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
