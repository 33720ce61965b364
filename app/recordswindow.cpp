#include "recordswindow.h"

#include "backbutton.h"
#include "gamecontroller.h"
#include "recordstable.h"

#include <QLabel>

RecordsWindow::RecordsWindow(SoundSystem &sounds, QWidget *parent)
    : BackWindow(QStringLiteral("Form2"), QStringLiteral("Рекорди"), {4815, 5250},
                 CloseSound::None, sounds, parent, Qt::Window)
{
    m_heading = addLabel(QStringLiteral("Label3"), QStringLiteral("Найкраща десятка:"),
             twips::rect(360, 240, 3975, 495), windowFont(QStringLiteral("Arial"), 18, true, true),
             QColor(255, 255, 0), Qt::AlignHCenter);

    const QFont nameFont = windowFont(QStringLiteral("Arial"), 12, true, true);
    const QFont scoreFont = windowFont(QStringLiteral("Arial"), 12, true, false);
    for (int k = 0; k < Rows; ++k) {
        const int top = 840 + 360 * k;
        m_names[k] = addLabel(QStringLiteral("Label1_%1").arg(k), {}, twips::rect(360, top, 3135, 255),
                              nameFont, QColor(0, 0, 255));
        m_scores[k] = addLabel(QStringLiteral("Label2_%1").arg(k), {}, twips::rect(3600, top, 855, 255),
                               scoreFont, QColor(255, 0, 0), Qt::AlignRight);
        // A long name stays on its row rather than wrapping out of sight.
        m_names[k]->setWordWrap(false);
        m_scores[k]->setWordWrap(false);
    }

    placeBackButton(twips::rect(1560, 4560, 1695, 495));
    retranslate();
}

void RecordsWindow::retranslate()
{
    setWindowTitle(tr("Рекорди"));
    m_heading->setText(tr("Найкраща десятка:"));
    if (m_shown)
        showTable(*m_shown);
    else
        describeRows();
}

void RecordsWindow::showTable(const RecordsTable &table)
{
    m_shown = table;
    for (std::size_t k = 0; k < Rows; ++k) {
        // The file keeps the default name in Ukrainian whatever the language;
        // only its showing is translated.
        const QString &name = table.names[k];
        m_names[k]->setText(name == GameController::AnonymousName ? tr("Анонім") : name);
        m_scores[k]->setText(QString::number(table.scores[k]));
    }
    describeRows();
}

void RecordsWindow::clearTable()
{
    m_shown.reset();
    for (int k = 0; k < Rows; ++k) {
        m_names[k]->clear();
        m_scores[k]->clear();
    }
    describeRows();
}

void RecordsWindow::describeRows()
{
    for (std::size_t k = 0; k < Rows; ++k) {
        const QString place = tr("Місце %1").arg(k + 1);
        const QString name = m_names[k]->text();
        const QString score = m_scores[k]->text();
        if (name.isEmpty() && score.isEmpty()) {
            m_names[k]->setAccessibleName(tr("%1: немає").arg(place));
            m_scores[k]->setAccessibleName(tr("%1, очки: немає").arg(place));
            continue;
        }
        m_names[k]->setAccessibleName(place + QStringLiteral(": ") + (name.isEmpty() ? tr("без імені") : name));
        m_scores[k]->setAccessibleName(tr("%1, очки: %2").arg(place, score));
    }
}
