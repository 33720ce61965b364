#include "statisticswindow.h"

#include "messagetext.h"

#include "backbutton.h"
#include "dialogs.h"
#include "pointschart.h"
#include "pursechart.h"
#include "statistics.h"
#include "statisticsdatabase.h"
#include "tablelook.h"

#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStandardPaths>

#include <span>

namespace {

const QColor Cyan(0, 255, 255);
const QColor Yellow(255, 255, 0);
const QColor White(255, 255, 255);

const QString NoFigure = QStringLiteral("—");

// Charts are lines and bars, not text: 3:1 would do, high contrast asks more.
constexpr double ChartRatio = 3.0;
constexpr double HighContrastChartRatio = 7.0;

QString share(int part, int whole)
{
    return QStringLiteral("%1 %").arg(qRound(100.0 * part / whole));
}

// "146 (48 %)", or the bare count while there is nothing to share.
QString countAndShare(int part, int whole)
{
    return whole > 0 ? QStringLiteral("%1 (%2)").arg(part).arg(share(part, whole)) : QString::number(part);
}

// A figure: its objectName, its caption and what a screen reader says before its value.
struct Row
{
    const char16_t *name;
    const char *caption;
    const char *spoken;
    bool indented;
};
constexpr Row GameRows[] = {
    {u"gamesPlayed",
     QT_TRANSLATE_NOOP("StatisticsWindow", "Ігор зіграно:"),
     QT_TRANSLATE_NOOP("StatisticsWindow", "Ігор зіграно"), false},
    {u"gamesWon",
     QT_TRANSLATE_NOOP("StatisticsWindow", "виграно:"),
     QT_TRANSLATE_NOOP("StatisticsWindow", "Ігор виграно"), true},
    {u"gamesLost",
     QT_TRANSLATE_NOOP("StatisticsWindow", "програно:"),
     QT_TRANSLATE_NOOP("StatisticsWindow", "Ігор програно"), true},
    {u"roundsWon",
     QT_TRANSLATE_NOOP("StatisticsWindow", "Раундів виграно:"),
     QT_TRANSLATE_NOOP("StatisticsWindow", "Раундів виграно"), false},
    {u"roundsDrawn",
     QT_TRANSLATE_NOOP("StatisticsWindow", "внічию:"),
     QT_TRANSLATE_NOOP("StatisticsWindow", "Раундів внічию"), true},
    {u"roundsLost",
     QT_TRANSLATE_NOOP("StatisticsWindow", "програно:"),
     QT_TRANSLATE_NOOP("StatisticsWindow", "Раундів програно"), true},
};
constexpr Row RecordRows[] = {
    {u"longestWinningStreak",
     QT_TRANSLATE_NOOP("StatisticsWindow", "Найдовша серія виграних раундів:"),
     QT_TRANSLATE_NOOP("StatisticsWindow", "Найдовша серія виграних раундів"), false},
    {u"longestLosingStreak",
     QT_TRANSLATE_NOOP("StatisticsWindow", "Найдовша серія програних раундів:"),
     QT_TRANSLATE_NOOP("StatisticsWindow", "Найдовша серія програних раундів"), false},
    {u"biggestPotWon",
     QT_TRANSLATE_NOOP("StatisticsWindow", "Найбільший виграний банк:"),
     QT_TRANSLATE_NOOP("StatisticsWindow", "Найбільший виграний банк"), false},
    {u"bestRecordScore",
     QT_TRANSLATE_NOOP("StatisticsWindow", "Найкращий результат:"),
     QT_TRANSLATE_NOOP("StatisticsWindow", "Найкращий результат"), false},
    {u"matchedDecisions",
     QT_TRANSLATE_NOOP("StatisticsWindow", "Збіг із кращим ходом:"),
     QT_TRANSLATE_NOOP("StatisticsWindow", "Збіг із кращим ходом"), false},
};

QString suggestedCsvPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(StatisticsWindow::tr("статистика-21.csv"));
}

QString usualSaveFileAsker(QWidget *parent, const QString &title, const QString &suggestedPath,
                           const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, title, suggestedPath, filter);
}

} // namespace

StatisticsWindow::StatisticsWindow(StatisticsDatabase &database, SoundSystem &sounds, QWidget *parent)
    : StatisticsWindow(&database, {}, sounds, parent)
{
}

StatisticsWindow::StatisticsWindow(const QString &unavailableReason, SoundSystem &sounds, QWidget *parent)
    : StatisticsWindow(nullptr, [unavailableReason] { return unavailableReason; }, sounds, parent)
{
}

StatisticsWindow::StatisticsWindow(const FileStatus &problem, SoundSystem &sounds, QWidget *parent)
    : StatisticsWindow(
          nullptr,
          [problem] {
              return problem.problem == FileProblem::Missing ? tr("Ще не зіграно жодного раунду.")
                                                             : fileProblemText(problem);
          },
          sounds, parent)
{
}

StatisticsWindow::StatisticsWindow(StatisticsDatabase *database, std::function<QString()> unavailableReason,
                                   SoundSystem &sounds, QWidget *parent)
    : BackWindow(QStringLiteral("statisticsWindow"), QString(), {11400, 7800}, CloseSound::None, sounds, parent,
                 Qt::Dialog)
    , m_database(database)
    , m_givenReason(std::move(unavailableReason))
    , m_messageBox(dialogs::messageBox)
    , m_askSaveFile(usualSaveFileAsker)
    , m_lastCsvPath(suggestedCsvPath())
{
    setWindowModality(Qt::ApplicationModal);

    const QFont headingFont = windowFont(QStringLiteral("Arial"), 14.25, true, true);
    const QFont chartTitleFont = windowFont(QStringLiteral("Arial"), 11, true, true);
    const QFont chartFont = windowFont(QStringLiteral("Arial"), 10, false, false);

    QLabel *heading = addLabel(QStringLiteral("heading"), QString(), {}, headingFont, Cyan, Qt::AlignHCenter);
    heading->setWordWrap(false);

    // Laid out rather than placed, as in the keys window: the figures keep
    // their whole width whatever font stands in for Arial.
    auto *games = new QGridLayout;
    games->setHorizontalSpacing(12);
    games->setVerticalSpacing(4);
    const QString widestCount = QStringLiteral("88888 (100 %)");
    // Column 0 is the indent of the parts of a line under the one they
    // belong to; a caption that is not indented spans it.
    auto fill = [this](QGridLayout *grid, const auto &rows, const QString &widestValue) {
        int row = 0;
        for (const Row &r : rows) {
            auto [caption, value] = addFigure(QString::fromUtf16(r.name), widestValue);
            if (r.indented)
                grid->addWidget(caption, row, 1);
            else
                grid->addWidget(caption, row, 0, 1, 2);
            grid->addWidget(value, row, 2);
            ++row;
        }
        grid->setColumnMinimumWidth(0, fontMetrics().averageCharWidth() * 2);
        grid->setRowStretch(row, 1);
    };
    fill(games, GameRows, widestCount);
    auto *records = new QGridLayout;
    records->setHorizontalSpacing(12);
    records->setVerticalSpacing(4);
    fill(records, RecordRows, QStringLiteral("100 % (88888 з 88888)"));

    auto *figures = new QHBoxLayout;
    figures->setSpacing(32);
    figures->addLayout(games);
    figures->addLayout(records);
    figures->addStretch(1);

    m_unavailable = addLabel(QStringLiteral("unavailable"), QString(), {},
                             windowFont(QStringLiteral("Arial"), 12, true, false), Yellow);
    m_unavailable->setWordWrap(false);
    m_unavailableWords = addLabel(QStringLiteral("unavailableReason"), {}, {},
                                  windowFont(QStringLiteral("Arial"), 12, false, false), White);
    // Wide enough that a long reason wraps into a few full lines.
    m_unavailableWords->setMinimumWidth(m_unavailableWords->fontMetrics().averageCharWidth() * 60);

    m_purseChart = new PurseChart(this);
    m_pointsChart = new PointsChart(this);
    auto chartColumn = [&](QWidget *chart, const QString &name) {
        auto *column = new QVBoxLayout;
        column->setSpacing(4);
        QLabel *label = addLabel(name, QString(), {}, chartTitleFont, Cyan);
        label->setWordWrap(false);
        chart->setFont(chartFont);
        column->addWidget(label);
        column->addWidget(chart);
        m_summaryWidgets << label << chart;
        return column;
    };
    auto *charts = new QHBoxLayout;
    charts->setSpacing(24);
    charts->addLayout(chartColumn(m_purseChart, QStringLiteral("purseChartTitle")));
    charts->addLayout(chartColumn(m_pointsChart, QStringLiteral("pointsChartTitle")));

    m_reset = new QPushButton(this);
    m_reset->setObjectName(QStringLiteral("resetButton"));
    connect(m_reset, &QPushButton::clicked, this, &StatisticsWindow::resetStatistics);
    m_export = new QPushButton(this);
    m_export->setObjectName(QStringLiteral("exportButton"));
    connect(m_export, &QPushButton::clicked, this, &StatisticsWindow::exportStatistics);
    m_summaryWidgets << m_reset << m_export;

    BackButton *back = backButton();
    back->setFixedSize(back->sizeHint());
    setTabOrder(m_reset, m_export);
    setTabOrder(m_export, back);

    // The back button in the middle, as in the other windows; the two
    // commands on the left.
    auto *commands = new QHBoxLayout;
    commands->setSpacing(8);
    commands->addWidget(m_reset);
    commands->addWidget(m_export);
    commands->addStretch(1);
    auto *buttons = new QGridLayout;
    buttons->setColumnStretch(0, 1);
    buttons->setColumnStretch(2, 1);
    buttons->addLayout(commands, 0, 0, Qt::AlignVCenter);
    buttons->addWidget(back, 0, 1, Qt::AlignCenter);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(16, 12, 16, 12);
    page->setSpacing(12);
    page->addWidget(heading);
    page->addLayout(figures);
    page->addWidget(m_unavailable);
    page->addWidget(m_unavailableWords);
    page->addLayout(charts);
    page->addLayout(buttons);
    // The window takes the size its lines need, known before it is first
    // shown so that it can be centred over the table.
    page->setSizeConstraint(QLayout::SetFixedSize);

    colourCharts();
    retranslate();
    page->activate();
}

void StatisticsWindow::retranslate()
{
    setWindowTitle(title());
    findChild<QLabel *>(QStringLiteral("heading"))->setText(title());
    for (const auto &rows : {std::span<const Row>(GameRows), std::span<const Row>(RecordRows)}) {
        for (const Row &r : rows) {
            const QString name = QString::fromUtf16(r.name);
            findChild<QLabel *>(name + QStringLiteral("Caption"))->setText(tr(r.caption));
            m_figures[name].spoken = tr(r.spoken);
        }
    }
    m_unavailable->setText(tr("Статистика недоступна."));
    findChild<QLabel *>(QStringLiteral("purseChartTitle"))->setText(tr("Гроші Гравця в останній грі"));
    findChild<QLabel *>(QStringLiteral("pointsChartTitle"))->setText(tr("Виграні раунди за очками Гравця"));
    m_reset->setText(tr("Скинути…"));
    m_reset->setAccessibleDescription(tr("Видалити всі записи статистики"));
    m_export->setText(tr("Експорт CSV…"));
    m_export->setAccessibleDescription(tr("Записати всі раунди у файл CSV"));
    // The figures' spoken names and a reason are words too.
    refresh();
}

QString StatisticsWindow::title() { return tr("Статистика"); }

std::pair<QLabel *, QLabel *> StatisticsWindow::addFigure(const QString &name, const QString &widestValue)
{
    const QFont captionFont = windowFont(QStringLiteral("Arial"), 12, false, false);
    const QFont valueFont = windowFont(QStringLiteral("Arial"), 12, true, false);
    QLabel *captionLabel = addLabel(name + QStringLiteral("Caption"), QString(), {}, captionFont, White);
    QLabel *value = addLabel(name, {}, {}, valueFont, Yellow);
    captionLabel->setWordWrap(false);
    value->setWordWrap(false);
    // Room for large figures from the start, so the window keeps its size.
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(widestValue));
    m_figures.insert(name, {value, QString()});
    m_summaryWidgets << captionLabel << value;
    return {captionLabel, value};
}

void StatisticsWindow::setMessageBox(MessageBox messageBox)
{
    m_messageBox = messageBox ? std::move(messageBox) : MessageBox(dialogs::messageBox);
}

void StatisticsWindow::setSaveFileAsker(SaveFileAsker askSaveFile)
{
    m_askSaveFile = askSaveFile ? std::move(askSaveFile) : SaveFileAsker(usualSaveFileAsker);
}

void StatisticsWindow::setClearer(Clearer clear)
{
    m_clear = std::move(clear);
}

void StatisticsWindow::refresh()
{
    if (!m_database) {
        showUnavailable(m_givenReason ? m_givenReason() : QString());
        return;
    }
    statistics::Summary summary;
    const FileStatus status = m_database->summary(summary);
    if (!status.ok()) {
        showUnavailable(fileProblemText(status));
        return;
    }
    showSummary(summary);
}

void StatisticsWindow::showSummary(const statistics::Summary &summary)
{
    m_available = true;
    m_unavailableReason.clear();
    const int rounds = summary.roundsWon + summary.roundsDrawn + summary.roundsLost;
    setFigure(QStringLiteral("gamesPlayed"), QString::number(summary.gamesPlayed));
    setFigure(QStringLiteral("gamesWon"), QString::number(summary.gamesWon));
    setFigure(QStringLiteral("gamesLost"), QString::number(summary.gamesLost));
    setFigure(QStringLiteral("roundsWon"), countAndShare(summary.roundsWon, rounds));
    setFigure(QStringLiteral("roundsDrawn"), countAndShare(summary.roundsDrawn, rounds));
    setFigure(QStringLiteral("roundsLost"), countAndShare(summary.roundsLost, rounds));
    setFigure(QStringLiteral("longestWinningStreak"), QString::number(summary.longestWinningStreak));
    setFigure(QStringLiteral("longestLosingStreak"), QString::number(summary.longestLosingStreak));
    setFigure(QStringLiteral("biggestPotWon"),
              summary.biggestPotWon > 0 ? QString::number(summary.biggestPotWon) : NoFigure);
    setFigure(QStringLiteral("bestRecordScore"),
              summary.bestRecordScore ? QString::number(*summary.bestRecordScore) : NoFigure);
    setFigure(QStringLiteral("matchedDecisions"),
              summary.decisions > 0 ? tr("%1 (%2 з %3)")
                                          .arg(share(summary.matchedDecisions, summary.decisions))
                                          .arg(summary.matchedDecisions)
                                          .arg(summary.decisions)
                                    : NoFigure);
    m_purseChart->setPurse(summary.lastGamePurse);
    m_pointsChart->setShares(summary.byPlayerPoints);

    m_unavailable->hide();
    m_unavailableWords->hide();
    for (QWidget *widget : std::as_const(m_summaryWidgets))
        widget->show();
}

void StatisticsWindow::setFigure(const QString &name, const QString &value)
{
    const Figure &figure = m_figures[name];
    figure.value->setText(value);
    figure.value->setAccessibleName(figure.spoken + QStringLiteral(": ")
                                    + (value == NoFigure ? tr("немає") : value));
}

void StatisticsWindow::showUnavailable(const QString &reason)
{
    m_available = false;
    m_unavailableReason = reason;
    for (QWidget *widget : std::as_const(m_summaryWidgets))
        widget->hide();
    m_unavailable->show();
    m_unavailableWords->setText(reason);
    m_unavailableWords->setVisible(!reason.isEmpty());
    m_unavailable->setAccessibleName(reason.isEmpty() ? m_unavailable->text()
                                                      : m_unavailable->text() + QLatin1Char(' ') + reason);
}

void StatisticsWindow::resetStatistics()
{
    if (!m_available)
        return;
    if (m_messageBox(this, tr("Скинути всю статистику? Цю дію не можна скасувати."), title(), true)
        != TableView::Answer::Yes)
        return;
    const FileStatus status = m_clear ? m_clear() : m_database->clear();
    if (status.ok())
        Q_EMIT statisticsCleared();
    else
        m_messageBox(this, tr("Не вдалося скинути статистику: %1").arg(fileProblemWords(status)), title(), false);
    refresh();
}

void StatisticsWindow::exportStatistics()
{
    if (!m_available)
        return;
    const QString path = m_askSaveFile(this, tr("Експорт статистики"), m_lastCsvPath, QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty())
        return;
    m_lastCsvPath = path;
    const FileStatus status = m_database->exportCsv(path);
    if (!status.ok())
        m_messageBox(this, tr("Не вдалося експортувати статистику: %1").arg(fileProblemWords(status)),
                     tr("Експорт статистики"), false);
}

void StatisticsWindow::showEvent(QShowEvent *event)
{
    // Not when the window manager merely shows it again.
    if (!event->spontaneous())
        refresh();
    BackWindow::showEvent(event);
}

void StatisticsWindow::changeEvent(QEvent *event)
{
    // High contrast comes as a new palette for the window.
    if (event->type() == QEvent::PaletteChange)
        colourCharts();
    BackWindow::changeEvent(event);
}

void StatisticsWindow::colourCharts()
{
    if (!m_purseChart || !m_pointsChart)
        return;
    const QColor background = palette().color(QPalette::Window);
    const double ratio = isHighContrast() ? HighContrastChartRatio : ChartRatio;
    for (QWidget *chart : {static_cast<QWidget *>(m_purseChart), static_cast<QWidget *>(m_pointsChart)}) {
        QPalette pal = chart->palette();
        pal.setColor(QPalette::WindowText, readableOn(White, background, ratio));
        pal.setColor(QPalette::Highlight, readableOn(Yellow, background, ratio));
        chart->setPalette(pal);
    }
}
