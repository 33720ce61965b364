#pragma once

#include "backwindow.h"
#include "filestatus.h"
#include "tableview.h"

#include <QList>
#include <QMap>
#include <QString>

#include <functional>
#include <utility>

class PointsChart;
class PurseChart;
class QPushButton;
class StatisticsDatabase;
namespace statistics {
struct Summary;
}

// "Статистика": the player's history from the statistics database, in
// figures and two charts, read afresh at every showing. Shown modally over
// the table window. "Скинути…" empties the database after a question;
// "Експорт CSV…" writes its rounds to a file the player picks.
//
// A figure is the label with the objectName of its Summary field (e.g.
// "gamesPlayed", "matchedDecisions"), its caption the same name with
// "Caption". Without statistics the window says why ("unavailable",
// "unavailableReason") and offers neither button.
class StatisticsWindow final : public BackWindow
{
    Q_OBJECT

public:
    // Shows a box of the program's look: an OK box, or a Yes/No question.
    using MessageBox = std::function<TableView::Answer(QWidget *parent, const QString &text,
                                                        const QString &title, bool question)>;
    // Asks for a file to write; empty when the player cancels.
    using SaveFileAsker = std::function<QString(QWidget *parent, const QString &title,
                                                const QString &suggestedPath, const QString &filter)>;
    // Empties the statistics after the player said Yes.
    using Clearer = std::function<FileStatus()>;

    // The figures of a database the caller has opened and keeps open while
    // the window lives. One opened only for reading is shown and exported;
    // it is reset through setClearer(), or the reset is reported as failed.
    StatisticsWindow(StatisticsDatabase &database, SoundSystem &sounds, QWidget *parent = nullptr);
    // No figures: "Статистика недоступна." and the reason, a sentence.
    StatisticsWindow(const QString &unavailableReason, SoundSystem &sounds, QWidget *parent = nullptr);
    // No figures because of this problem, worded in the language of the
    // moment; a missing file is no round played yet.
    StatisticsWindow(const FileStatus &problem, SoundSystem &sounds, QWidget *parent = nullptr);

    // Tests answer in place of the player; an empty function puts the
    // usual dialog back.
    void setMessageBox(MessageBox messageBox);
    void setSaveFileAsker(SaveFileAsker askSaveFile);
    // The database's own clear() unless set: a database shown only for
    // reading is cleared by whoever writes it.
    void setClearer(Clearer clear);

    bool isAvailable() const { return m_available; }
    // Why there are no figures; empty while there are.
    const QString &unavailableReason() const { return m_unavailableReason; }

    // Reads the summary again and shows it; a database that cannot be read
    // now turns the window to its unavailable state.
    void refresh();
    // The question, then the clearer and a refresh on Yes.
    void resetStatistics();
    // The file dialog, then exportCsv() to the file chosen.
    void exportStatistics();

Q_SIGNALS:
    // After the statistics were emptied.
    void statisticsCleared();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void retranslate() override;

private:
    StatisticsWindow(StatisticsDatabase *database, std::function<QString()> unavailableReason,
                     SoundSystem &sounds, QWidget *parent);
    static QString title();

    // The caption and the value label of one figure.
    std::pair<QLabel *, QLabel *> addFigure(const QString &name, const QString &widestValue);
    void showSummary(const statistics::Summary &summary);
    void setFigure(const QString &name, const QString &value);
    void showUnavailable(const QString &reason);
    void colourCharts();

    StatisticsDatabase *m_database;
    bool m_available = false;
    QString m_unavailableReason;
    std::function<QString()> m_givenReason; // why there is no database
    MessageBox m_messageBox;
    SaveFileAsker m_askSaveFile;
    Clearer m_clear;
    QString m_lastCsvPath; // offered again at the next export

    struct Figure
    {
        QLabel *value;
        QString spoken; // what a screen reader says before the value
    };
    QMap<QString, Figure> m_figures;
    QList<QWidget *> m_summaryWidgets; // shown only with statistics
    QLabel *m_unavailable = nullptr;
    QLabel *m_unavailableWords = nullptr;
    PurseChart *m_purseChart = nullptr;
    PointsChart *m_pointsChart = nullptr;
    QPushButton *m_reset = nullptr;
    QPushButton *m_export = nullptr;
};
