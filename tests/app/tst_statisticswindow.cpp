#include "backbutton.h"
#include "pointschart.h"
#include "pursechart.h"
#include "recordingsounds.h"
#include "statisticsdatabase.h"
#include "statisticswindow.h"
#include "tablelook.h"
#include "testfiles.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

using statistics::GameResult;
using statistics::RoundOutcome;

namespace {

const QDateTime Start(QDate(2024, 5, 1), QTime(12, 0), Qt::UTC);

// A hand of real card codes worth `points`.
QList<int> handOf(int points)
{
    if (points == 21)
        return {101, 113};
    if (points > 21)
        return {110, 210, 300 + points - 20};
    if (points > 11)
        return {110, 200 + points - 10};
    return {100 + points / 2, 200 + points - points / 2};
}

struct Round
{
    const char *game;
    RoundOutcome outcome;
    int points;
    int stake;
    int money; // the player's purse after it
    int decisions;
    int matched;
};

// Three games: one left after a draw, one won with a record, one lost.
// In order: D | W W L | D L L L W.
constexpr Round FixtureRounds[] = {
    {"g0", RoundOutcome::Draw, 15, 1, 100, 1, 1},
    {"g1", RoundOutcome::PlayerWins, 21, 10, 110, 1, 1},
    {"g1", RoundOutcome::PlayerWins, 20, 4, 114, 2, 2},
    {"g1", RoundOutcome::BankerWins, 22, 10, 104, 2, 0},
    {"g2", RoundOutcome::Draw, 19, 2, 100, 1, 1},
    {"g2", RoundOutcome::BankerWins, 17, 5, 95, 1, 0},
    {"g2", RoundOutcome::BankerWins, 18, 5, 90, 1, 0},
    {"g2", RoundOutcome::BankerWins, 23, 4, 86, 2, 1},
    {"g2", RoundOutcome::PlayerWins, 21, 6, 92, 1, 1},
};

statistics::RoundRow roundRow(const Round &round, int index)
{
    statistics::RoundRow row;
    row.playedAt = Start.addSecs(60 * index);
    row.gameKey = QString::fromLatin1(round.game);
    row.stake = round.stake;
    row.playerCards = handOf(round.points);
    row.bankerCards = {111, 307};
    row.playerPoints = round.points;
    row.bankerPoints = 17;
    row.outcome = round.outcome;
    row.playerMoney = round.money;
    row.bankerMoney = 200 - round.money;
    row.decisions = round.decisions;
    row.matchedDecisions = round.matched;
    return row;
}

statistics::GameRow gameRow(const QString &key, GameResult result, int rounds, int index,
                            std::optional<int> record = {})
{
    statistics::GameRow row;
    row.endedAt = Start.addSecs(60 * index + 30);
    row.gameKey = key;
    row.result = result;
    row.rounds = rounds;
    row.recordScore = record;
    return row;
}

void addFixture(StatisticsDatabase &database)
{
    int index = 0;
    for (const Round &round : FixtureRounds)
        QVERIFY(database.addRound(roundRow(round, index++)).ok());
    QVERIFY(database.addGame(gameRow(QStringLiteral("g0"), GameResult::Abandoned, 1, 0)).ok());
    QVERIFY(database.addGame(gameRow(QStringLiteral("g1"), GameResult::Won, 3, 3, 150)).ok());
    QVERIFY(database.addGame(gameRow(QStringLiteral("g2"), GameResult::Lost, 5, 8)).ok());
}

// A few hundred rounds of a plausible history, the same at every run.
void addLongHistory(StatisticsDatabase &database, int rounds)
{
    quint32 seed = 2024;
    auto next = [&seed](int count) {
        seed = seed * 1664525u + 1013904223u;
        return int((seed >> 16) % quint32(count));
    };
    int game = 0;
    int inGame = 0;
    int purse = 100;
    for (int i = 0; i < rounds; ++i) {
        const int points = 14 + next(10);
        const int banker = 15 + next(9);
        const int stake = std::min({3 + next(8), purse, 200 - purse});
        RoundOutcome outcome = RoundOutcome::Draw;
        if (points <= 21 && (banker > 21 || points > banker))
            outcome = RoundOutcome::PlayerWins;
        else if (points > 21 ? banker <= 21 : points < banker)
            outcome = RoundOutcome::BankerWins;
        purse += outcome == RoundOutcome::PlayerWins ? stake : outcome == RoundOutcome::BankerWins ? -stake : 0;
        ++inGame;
        const int decisions = 1 + next(3);
        const Round round{"", outcome, points, stake, purse, decisions, decisions - next(2)};
        statistics::RoundRow row = roundRow(round, i);
        row.gameKey = QStringLiteral("long%1").arg(game);
        row.bankerPoints = banker;
        QVERIFY(database.addRound(row).ok());
        const bool over = purse <= 0 || purse >= 200 || inGame == 60;
        if (over || i + 1 == rounds) {
            const GameResult result = purse <= 0   ? GameResult::Lost
                                      : purse >= 200 ? GameResult::Won
                                                     : GameResult::Abandoned;
            const std::optional<int> record =
                result == GameResult::Won ? std::optional<int>(1000 - 10 * inGame) : std::nullopt;
            QVERIFY(database.addGame(gameRow(row.gameKey, result, inGame, i, record)).ok());
            ++game;
            inGame = 0;
            purse = 100;
        }
    }
}

// Boxes answered in place of the player, remembered in order.
struct Boxes
{
    struct Shown
    {
        QString text;
        QString title;
        bool question;
    };
    QList<Shown> shown;
    TableView::Answer answer = TableView::Answer::No;

    StatisticsWindow::MessageBox function()
    {
        return [this](QWidget *, const QString &text, const QString &title, bool question) {
            shown.append({text, title, question});
            return question ? answer : TableView::Answer::Ok;
        };
    }
};

QString figure(const StatisticsWindow &window, const QString &name)
{
    const auto *label = window.findChild<QLabel *>(name);
    return label ? label->text() : QStringLiteral("<no label %1>").arg(name);
}

// Pixels of the chart in its data colour.
int dataPixels(ChartWidget &chart)
{
    const QImage image = chart.grab().toImage();
    const QRgb data = chart.palette().color(QPalette::Highlight).rgb();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == data ? 1 : 0;
    }
    return count;
}

// Pixels of the chart in anything but the background it was filled with.
int paintedPixels(ChartWidget &chart)
{
    QPixmap pixmap(chart.size());
    const QColor background(0, 128, 0);
    pixmap.fill(background);
    chart.render(&pixmap, {}, {}, QWidget::RenderFlags());
    const QImage image = pixmap.toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) != background.rgb() ? 1 : 0;
    }
    return count;
}

// What only the figures page shows, by objectName.
const QStringList SummaryParts = {
    QStringLiteral("gamesPlayed"),   QStringLiteral("matchedDecisions"), QStringLiteral("purseChart"),
    QStringLiteral("pointsChart"),   QStringLiteral("resetButton"),      QStringLiteral("exportButton"),
};

} // namespace

class TestStatisticsWindow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_connections = 0;

    // A database in a folder of its own, open for writing, with the
    // fixture in it when asked.
    std::unique_ptr<StatisticsDatabase> makeDatabase(bool withFixture)
    {
        const QString name = QStringLiteral("db%1").arg(++m_connections);
        auto database =
            std::make_unique<StatisticsDatabase>(m_dir.filePath(name + QStringLiteral("/statistics.sqlite")), name);
        const FileStatus opened = database->open(StatisticsDatabase::Access::Write);
        if (!opened.ok())
            return {};
        if (withFixture)
            addFixture(*database);
        return database;
    }

    // Every label is whole, inside the window and clear of the buttons;
    // the window is no wider than the table.
    static void checkFits(StatisticsWindow &window)
    {
        const QSize before = window.size();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), before);
        QVERIFY(window.width() <= 794);

        QList<QRect> buttons{window.backButton()->geometry()};
        for (const QPushButton *button : window.findChildren<QPushButton *>()) {
            if (button->isVisible())
                buttons << button->geometry();
        }
        for (const QRect &button : buttons)
            QVERIFY(window.rect().contains(button));
        QCOMPARE(window.backButton()->size(), window.backButton()->sizeHint());

        QList<QWidget *> shown;
        for (QWidget *widget : window.findChildren<QWidget *>()) {
            if (widget->isVisible() && (qobject_cast<QLabel *>(widget) || qobject_cast<ChartWidget *>(widget)))
                shown << widget;
        }
        QVERIFY(shown.size() >= 3);
        for (const QWidget *widget : shown) {
            const QRect r = widget->geometry();
            const char *name = qPrintable(widget->objectName());
            QVERIFY2(window.rect().contains(r), name);
            QVERIFY2(r.width() >= widget->sizeHint().width() && r.height() >= widget->sizeHint().height(), name);
            for (const QRect &button : buttons)
                QVERIFY2(!r.intersects(button), name);
            for (const QWidget *other : shown)
                QVERIFY2(other == widget || !r.intersects(other->geometry()), name);
        }
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void createdHiddenAndModal()
    {
        RecordingSounds sounds;
        QWidget table;
        auto database = makeDatabase(false);
        QVERIFY(database);
        StatisticsWindow window(*database, sounds, &table);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.objectName(), QStringLiteral("statisticsWindow"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Статистика"));
        QCOMPARE(window.windowModality(), Qt::ApplicationModal);
        QVERIFY(window.findChild<BackButton *>(QStringLiteral("Command1")));
        QVERIFY(window.isAvailable());
        QVERIFY(sounds.played().isEmpty());
    }

    void showsTheFigures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("value");

        const char *rows[][3] = {
            {"gamesPlayed", "Ігор зіграно:", "3"},
            {"gamesWon", "виграно:", "1"},
            {"gamesLost", "програно:", "1"},
            // 9 rounds: 3 won, 2 drawn, 4 lost.
            {"roundsWon", "Раундів виграно:", "3 (33 %)"},
            {"roundsDrawn", "внічию:", "2 (22 %)"},
            {"roundsLost", "програно:", "4 (44 %)"},
            // The draw that opens the last game breaks the run of losses.
            {"longestWinningStreak", "Найдовша серія виграних раундів:", "2"},
            {"longestLosingStreak", "Найдовша серія програних раундів:", "3"},
            {"biggestPotWon", "Найбільший виграний банк:", "20"},
            {"bestRecordScore", "Найкращий результат:", "150"},
            {"matchedDecisions", "Збіг із кращим ходом:", "58 % (7 з 12)"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1])
                                  << QString::fromUtf8(row[2]);
    }

    void showsTheFigures()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, value);

        RecordingSounds sounds;
        auto database = makeDatabase(true);
        QVERIFY(database);
        StatisticsWindow window(*database, sounds);
        QCOMPARE(figure(window, name + QStringLiteral("Caption")), caption);
        QCOMPARE(figure(window, name), value);
        // A screen reader hears the figure with what it counts.
        const QString spoken = window.findChild<QLabel *>(name)->accessibleName();
        QVERIFY2(spoken.endsWith(QStringLiteral(": ") + value), qPrintable(spoken));
    }

    void chartsGetTheLatestGameAndThePoints()
    {
        RecordingSounds sounds;
        auto database = makeDatabase(true);
        QVERIFY(database);
        StatisticsWindow window(*database, sounds);
        const auto *purse = window.findChild<PurseChart *>(QStringLiteral("purseChart"));
        const auto *points = window.findChild<PointsChart *>(QStringLiteral("pointsChart"));
        QVERIFY(purse && points);
        QCOMPARE(purse->purse(), (QList<int>{100, 95, 90, 86, 92}));
        const QList<PointsChart::Bar> bars = PointsChart::bars(points->shares());
        QCOMPARE(bars.first(), (PointsChart::Bar{QStringLiteral("15"), 1, 0}));
        QCOMPARE(bars.at(bars.size() - 2), (PointsChart::Bar{QStringLiteral("21"), 2, 2}));
        QCOMPARE(bars.last(), (PointsChart::Bar{QStringLiteral("22+"), 2, 0}));
    }

    void emptyDatabaseShowsZeroesAndDashes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        const char *rows[][2] = {
            {"gamesPlayed", "0"},        {"roundsWon", "0"},      {"roundsDrawn", "0"},
            {"longestLosingStreak", "0"}, {"biggestPotWon", "—"}, {"bestRecordScore", "—"},
            {"matchedDecisions", "—"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1]);
    }

    void emptyDatabaseShowsZeroesAndDashes()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);

        RecordingSounds sounds;
        auto database = makeDatabase(false);
        QVERIFY(database);
        StatisticsWindow window(*database, sounds);
        QVERIFY(window.isAvailable());
        QCOMPARE(figure(window, name), value);
    }

    void refreshedAtEveryShowing()
    {
        RecordingSounds sounds;
        auto database = makeDatabase(false);
        QVERIFY(database);
        StatisticsWindow window(*database, sounds);
        QCOMPARE(figure(window, QStringLiteral("roundsWon")), QStringLiteral("0"));

        QVERIFY(database->addRound(roundRow(FixtureRounds[1], 0)).ok());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(figure(window, QStringLiteral("roundsWon")), QStringLiteral("1 (100 %)"));
        QCOMPARE(figure(window, QStringLiteral("biggestPotWon")), QStringLiteral("20"));

        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QVERIFY(database->addRound(roundRow(FixtureRounds[3], 1)).ok());
        window.show();
        QCOMPARE(figure(window, QStringLiteral("roundsLost")), QStringLiteral("1 (50 %)"));
    }

    void unavailableSaysWhy()
    {
        RecordingSounds sounds;
        const QString reason = QStringLiteral("Файл «statistics.sqlite» пошкоджено.");
        StatisticsWindow window(reason, sounds);
        Boxes boxes;
        window.setMessageBox(boxes.function());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QVERIFY(!window.isAvailable());
        QCOMPARE(window.unavailableReason(), reason);
        QCOMPARE(figure(window, QStringLiteral("unavailable")), QStringLiteral("Статистика недоступна."));
        QCOMPARE(figure(window, QStringLiteral("unavailableReason")), reason);
        QVERIFY(window.findChild<QLabel *>(QStringLiteral("unavailable"))->isVisible());
        for (const QString &name : SummaryParts)
            QVERIFY2(!window.findChild<QWidget *>(name)->isVisible(), qPrintable(name));
        QVERIFY(window.backButton()->isVisible());

        // Nothing to reset or export, even if asked.
        window.resetStatistics();
        window.exportStatistics();
        QVERIFY(boxes.shown.isEmpty());
        checkFits(window);
    }

    void availableHidesTheUnavailableLines()
    {
        RecordingSounds sounds;
        auto database = makeDatabase(true);
        QVERIFY(database);
        StatisticsWindow window(*database, sounds);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.unavailableReason().isEmpty());
        QVERIFY(!window.findChild<QLabel *>(QStringLiteral("unavailable"))->isVisible());
        QVERIFY(!window.findChild<QLabel *>(QStringLiteral("unavailableReason"))->isVisible());
        for (const QString &name : SummaryParts)
            QVERIFY2(window.findChild<QWidget *>(name)->isVisible(), qPrintable(name));
    }

    void resetAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }

    void resetAsksFirst()
    {
        QFETCH(bool, yes);

        RecordingSounds sounds;
        auto database = makeDatabase(true);
        QVERIFY(database);
        statistics::Summary before;
        QVERIFY(database->summary(before).ok());
        StatisticsWindow window(*database, sounds);
        Boxes boxes;
        boxes.answer = yes ? TableView::Answer::Yes : TableView::Answer::No;
        window.setMessageBox(boxes.function());
        QSignalSpy cleared(&window, &StatisticsWindow::statisticsCleared);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("resetButton")), Qt::LeftButton);

        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].text, QStringLiteral("Скинути всю статистику? Цю дію не можна скасувати."));
        QCOMPARE(boxes.shown[0].title, QStringLiteral("Статистика"));
        QVERIFY(boxes.shown[0].question);
        statistics::Summary after;
        QVERIFY(database->summary(after).ok());
        if (yes) {
            QCOMPARE(after, statistics::Summary{});
            QCOMPARE(cleared.count(), 1);
            QCOMPARE(figure(window, QStringLiteral("gamesPlayed")), QStringLiteral("0"));
            QCOMPARE(figure(window, QStringLiteral("bestRecordScore")), QStringLiteral("—"));
            QVERIFY(window.findChild<PurseChart *>()->purse().isEmpty());
        } else {
            QCOMPARE(after, before);
            QCOMPARE(cleared.count(), 0);
            QCOMPARE(figure(window, QStringLiteral("gamesPlayed")), QStringLiteral("3"));
        }
        QVERIFY(window.isVisible());
    }

    // The game shows a reading connection and clears through its writer.
    void resetThroughTheWriter()
    {
        RecordingSounds sounds;
        auto writer = makeDatabase(true);
        QVERIFY(writer);
        StatisticsDatabase reader(writer->path(), QStringLiteral("reader%1").arg(++m_connections));
        QVERIFY(reader.open(StatisticsDatabase::Access::Read).ok());
        StatisticsWindow window(reader, sounds);
        Boxes boxes;
        boxes.answer = TableView::Answer::Yes;
        window.setMessageBox(boxes.function());
        int clears = 0;
        window.setClearer([&] {
            ++clears;
            return writer->clear();
        });
        QSignalSpy cleared(&window, &StatisticsWindow::statisticsCleared);
        QCOMPARE(figure(window, QStringLiteral("gamesPlayed")), QStringLiteral("3"));

        window.resetStatistics();

        QCOMPARE(clears, 1);
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(cleared.count(), 1);
        QCOMPARE(figure(window, QStringLiteral("gamesPlayed")), QStringLiteral("0"));
        QCOMPARE(figure(window, QStringLiteral("roundsWon")), QStringLiteral("0"));
    }

    void resetThatFailsSaysSoAndKeepsTheFigures_data()
    {
        QTest::addColumn<bool>("ownClear");
        QTest::addColumn<QString>("expected"); // the start of the OK box's text
        // A second copy of the game reads the statistics but may not clear them.
        QTest::newRow("database open for reading")
            << false << QStringLiteral("Не вдалося скинути статистику: ");
        QTest::newRow("the writer refuses")
            << true << QStringLiteral("Не вдалося скинути статистику: файл «stats.sqlite» зайнятий іншою запущеною копією гри.");
    }

    void resetThatFailsSaysSoAndKeepsTheFigures()
    {
        QFETCH(bool, ownClear);
        QFETCH(QString, expected);

        RecordingSounds sounds;
        auto writer = makeDatabase(true);
        QVERIFY(writer);
        StatisticsDatabase reader(writer->path(), QStringLiteral("reader%1").arg(++m_connections));
        QVERIFY(reader.open(StatisticsDatabase::Access::Read).ok());
        StatisticsWindow window(reader, sounds);
        Boxes boxes;
        boxes.answer = TableView::Answer::Yes;
        window.setMessageBox(boxes.function());
        if (ownClear)
            window.setClearer([] { return FileStatus{FileProblem::Locked, QStringLiteral("stats.sqlite")}; });
        QSignalSpy cleared(&window, &StatisticsWindow::statisticsCleared);

        window.resetStatistics();

        QCOMPARE(boxes.shown.size(), 2);
        QVERIFY(!boxes.shown[1].question);
        QCOMPARE(boxes.shown[1].title, QStringLiteral("Статистика"));
        QVERIFY2(boxes.shown[1].text.startsWith(expected), qPrintable(boxes.shown[1].text));
        QCOMPARE(cleared.count(), 0);
        QCOMPARE(figure(window, QStringLiteral("gamesPlayed")), QStringLiteral("3"));
        statistics::Summary kept;
        QVERIFY(writer->summary(kept).ok());
        QCOMPARE(kept.gamesPlayed, 3);
    }

    void exportsToTheChosenFile()
    {
        RecordingSounds sounds;
        auto database = makeDatabase(true);
        QVERIFY(database);
        StatisticsWindow window(*database, sounds);
        Boxes boxes;
        window.setMessageBox(boxes.function());
        const QString csv = m_dir.filePath(QStringLiteral("exported.csv"));
        QStringList asked;
        window.setSaveFileAsker([&](QWidget *parent, const QString &title, const QString &suggested,
                                    const QString &filter) {
            asked << title << filter;
            if (parent != &window || !suggested.endsWith(QLatin1String(".csv")))
                asked << QStringLiteral("unexpected: ") + suggested;
            return csv;
        });

        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("exportButton")), Qt::LeftButton);

        QCOMPARE(asked, (QStringList{QStringLiteral("Експорт статистики"), QStringLiteral("CSV (*.csv)")}));
        QVERIFY(boxes.shown.isEmpty());
        const QList<QByteArray> lines = contents(csv).trimmed().split('\n');
        // A header and one line per round.
        QCOMPARE(lines.size(), 1 + int(std::size(FixtureRounds)));
    }

    void exportCancelledWritesNothing()
    {
        RecordingSounds sounds;
        auto database = makeDatabase(true);
        QVERIFY(database);
        StatisticsWindow window(*database, sounds);
        Boxes boxes;
        window.setMessageBox(boxes.function());
        int asked = 0;
        window.setSaveFileAsker([&](QWidget *, const QString &, const QString &, const QString &) {
            ++asked;
            return QString();
        });
        const QStringList before = QDir(m_dir.path()).entryList(QDir::Files);

        window.exportStatistics();

        QCOMPARE(asked, 1);
        QVERIFY(boxes.shown.isEmpty());
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), before);
    }

    void exportThatFailsSaysSo()
    {
        RecordingSounds sounds;
        auto database = makeDatabase(true);
        QVERIFY(database);
        StatisticsWindow window(*database, sounds);
        Boxes boxes;
        window.setMessageBox(boxes.function());
        // A folder stands where the file should go.
        const QString folder = m_dir.filePath(QStringLiteral("taken.csv"));
        QVERIFY(QDir().mkpath(folder));
        window.setSaveFileAsker([&](QWidget *, const QString &, const QString &, const QString &) { return folder; });

        window.exportStatistics();

        QCOMPARE(boxes.shown.size(), 1);
        QVERIFY(!boxes.shown[0].question);
        QCOMPARE(boxes.shown[0].title, QStringLiteral("Експорт статистики"));
        QVERIFY2(boxes.shown[0].text.startsWith(QStringLiteral("Не вдалося експортувати статистику: ")),
                 qPrintable(boxes.shown[0].text));
        QVERIFY(QFileInfo(folder).isDir());
    }

    void pointsMakeBars_data()
    {
        QTest::addColumn<PointsChart::Shares>("shares");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QList<int>>("rounds");
        QTest::addColumn<QList<int>>("won");

        QTest::newRow("none") << PointsChart::Shares{} << QStringList{} << QList<int>{} << QList<int>{};
        QTest::newRow("21 alone") << PointsChart::Shares{{21, {4, 3}}} << QStringList{QStringLiteral("21")}
                                  << QList<int>{4} << QList<int>{3};
        QTest::newRow("gaps filled, busts together")
            << PointsChart::Shares{{18, {5, 2}}, {20, {3, 3}}, {22, {2, 0}}, {26, {1, 0}}}
            << QStringList{QStringLiteral("18"), QStringLiteral("19"), QStringLiteral("20"), QStringLiteral("21"),
                           QStringLiteral("22+")}
            << QList<int>{5, 0, 3, 0, 3} << QList<int>{2, 0, 3, 0, 0};
        QTest::newRow("busts only") << PointsChart::Shares{{24, {2, 0}}} << QStringList{QStringLiteral("22+")}
                                    << QList<int>{2} << QList<int>{0};
    }

    void pointsMakeBars()
    {
        QFETCH(PointsChart::Shares, shares);
        QFETCH(QStringList, labels);
        QFETCH(QList<int>, rounds);
        QFETCH(QList<int>, won);

        QStringList gotLabels;
        QList<int> gotRounds;
        QList<int> gotWon;
        for (const PointsChart::Bar &bar : PointsChart::bars(shares)) {
            gotLabels << bar.label;
            gotRounds << bar.rounds;
            gotWon << bar.won;
        }
        QCOMPARE(gotLabels, labels);
        QCOMPARE(gotRounds, rounds);
        QCOMPARE(gotWon, won);
    }

    void niceSteps_data()
    {
        QTest::addColumn<int>("span");
        QTest::addColumn<int>("maxSteps");
        QTest::addColumn<int>("step");
        QTest::newRow("nothing") << 0 << 4 << 1;
        QTest::newRow("small") << 3 << 4 << 1;
        QTest::newRow("to 2") << 7 << 4 << 2;
        QTest::newRow("to 5") << 17 << 4 << 5;
        QTest::newRow("to 50") << 199 << 4 << 50;
        QTest::newRow("exact") << 200 << 4 << 50;
        QTest::newRow("one step") << 3 << 1 << 5;
    }

    void niceSteps()
    {
        QFETCH(int, span);
        QFETCH(int, maxSteps);
        QFETCH(int, step);
        QCOMPARE(ChartWidget::niceStep(span, maxSteps), step);
    }

    void chartsPaintTheirData_data()
    {
        QTest::addColumn<QList<int>>("purse");
        QTest::addColumn<PointsChart::Shares>("shares");
        QTest::newRow("one round") << QList<int>{105} << PointsChart::Shares{{20, {1, 1}}};
        QTest::newRow("a few rounds") << QList<int>{100, 95, 90, 86, 92}
                                      << PointsChart::Shares{{15, {1, 0}}, {21, {2, 2}}, {23, {1, 0}}};
        QList<int> wavy;
        for (int i = 0; i < 300; ++i)
            wavy << 100 + (i * 37 % 90) - 45;
        QTest::newRow("three hundred rounds") << wavy << PointsChart::Shares{{4, {1, 1}}, {30, {3, 0}}};
    }

    void chartsPaintTheirData()
    {
        QFETCH(QList<int>, purse);
        QFETCH(PointsChart::Shares, shares);

        PurseChart purseChart;
        PointsChart pointsChart;
        purseChart.setPurse(purse);
        pointsChart.setShares(shares);
        for (ChartWidget *chart : {static_cast<ChartWidget *>(&purseChart), static_cast<ChartWidget *>(&pointsChart)}) {
            QPalette pal = chart->palette();
            pal.setColor(QPalette::WindowText, Qt::white);
            pal.setColor(QPalette::Highlight, QColor(255, 255, 0));
            chart->setPalette(pal);
            chart->resize(chart->sizeHint());
            QVERIFY2(dataPixels(*chart) > 20, qPrintable(chart->objectName()));
            QVERIFY(!chart->accessibleDescription().isEmpty());
        }
    }

    // Without rounds: the axes' line of text, and nothing in the data colour.
    void chartsWithoutRoundsSaySo()
    {
        PurseChart purseChart;
        PointsChart pointsChart;
        for (ChartWidget *chart : {static_cast<ChartWidget *>(&purseChart), static_cast<ChartWidget *>(&pointsChart)}) {
            QPalette pal = chart->palette();
            pal.setColor(QPalette::WindowText, Qt::white);
            pal.setColor(QPalette::Highlight, QColor(255, 255, 0));
            chart->setPalette(pal);
            chart->resize(chart->sizeHint());
            QCOMPARE(dataPixels(*chart), 0);
            QVERIFY(paintedPixels(*chart) > 0);
            QCOMPARE(chart->accessibleDescription(), QStringLiteral("Ще немає зіграних раундів."));
        }
    }

    void chartsReadableInBothLooks()
    {
        RecordingSounds sounds;
        auto database = makeDatabase(true);
        QVERIFY(database);
        StatisticsWindow window(*database, sounds);
        for (const bool high : {true, false, true}) {
            window.setHighContrast(high);
            const QColor background = window.palette().color(QPalette::Window);
            QCOMPARE(background, TableLook::forHighContrast(high).table);
            for (const ChartWidget *chart : window.findChildren<ChartWidget *>()) {
                for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Highlight}) {
                    const double ratio = contrastRatio(chart->palette().color(role), background);
                    QVERIFY2(ratio >= (high ? 7.0 : 3.0), qPrintable(QString::number(ratio)));
                }
            }
        }
    }

    void linesFitWithoutClipping_data()
    {
        QTest::addColumn<bool>("highContrast");
        QTest::newRow("normal") << false;
        QTest::newRow("high contrast") << true;
    }

    void linesFitWithoutClipping()
    {
        QFETCH(bool, highContrast);

        RecordingSounds sounds;
        auto database = makeDatabase(true);
        QVERIFY(database);
        StatisticsWindow window(*database, sounds);
        window.setHighContrast(highContrast);
        checkFits(window);
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
        auto database = makeDatabase(false);
        QVERIFY(database);
        StatisticsWindow window(*database, sounds);
        QSignalSpy wentBack(&window, &BackWindow::wentBack);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (escape)
            QTest::keyClick(&window, Qt::Key_Escape);
        else
            QTest::mouseClick(window.backButton(), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(wentBack.count(), 1);
        QCOMPARE(sounds.played(), QStringList{QStringLiteral("\\gamedata\\sounds\\click.wav")});
    }

    // A long history in the window. With TWENTYONE_STATISTICS_SCREENSHOT set
    // to a file name, the picture is kept there (and "-high-contrast" beside it).
    void manyRoundsFitAndPaint()
    {
        RecordingSounds sounds;
        auto database = makeDatabase(false);
        QVERIFY(database);
        addLongHistory(*database, 400);
        StatisticsWindow window(*database, sounds);
        checkFits(window);
        QVERIFY(dataPixels(*window.findChild<PurseChart *>()) > 100);
        QVERIFY(dataPixels(*window.findChild<PointsChart *>()) > 100);

        const QString shot = qEnvironmentVariable("TWENTYONE_STATISTICS_SCREENSHOT");
        if (shot.isEmpty())
            return;
        QVERIFY(window.grab().save(shot));
        window.setHighContrast(true);
        QFileInfo info(shot);
        QVERIFY(window.grab().save(info.dir().filePath(info.completeBaseName() + QStringLiteral("-high-contrast.")
                                                       + info.suffix())));
    }
};

QTEST_MAIN(TestStatisticsWindow)
#include "tst_statisticswindow.moc"
