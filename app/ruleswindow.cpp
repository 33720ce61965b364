#include "ruleswindow.h"

#include <QLabel>

namespace {

struct RuleLine
{
    const char16_t *name;
    QRect twips;
    const char *text;
};

// The texts are kept exactly as the game has always shown them, stray
// blanks included.
constexpr RuleLine Lines[] = {
    {u"Label1", twips::rect(120, 960, 10575, 375),
     QT_TRANSLATE_NOOP("RulesWindow", "1. На початку гри Банківник роздає по дві карти і Гравець робить ставку. ")},
    {u"Label2", twips::rect(120, 1320, 10815, 375),
     QT_TRANSLATE_NOOP("RulesWindow", "2 .Задача Гравця набрати більше очок ніж Банківник, але не більше 21.")},
    {u"Label3", twips::rect(120, 1680, 11055, 495),
     QT_TRANSLATE_NOOP("RulesWindow", "3. Для набору очок Гравець може взяти із колоди додатково до трьох карт.")},
    {u"Label4", twips::rect(120, 2040, 10935, 375),
     QT_TRANSLATE_NOOP("RulesWindow", "4. Карта з картинкою дає 10 очок, туз - 11 або 1 очко, усі інші - за номіналом.")},
    {u"Label6", twips::rect(120, 2400, 10935, 375),
     QT_TRANSLATE_NOOP("RulesWindow", "5. Перемагає той, хто набере більше очок ніж опонент, але не більше 21.")},
    {u"Label8", twips::rect(120, 2760, 11295, 495),
     QT_TRANSLATE_NOOP("RulesWindow", "6. Якщо Гравець та Банківник набрали очок порівну - оголошується нічия.")},
    {u"Label9", twips::rect(120, 3120, 11055, 375),
     QT_TRANSLATE_NOOP("RulesWindow", "7. Якщо Гравець та Банківник набрали більше 21 - оголошується нічия.")},
    {u"Label10", twips::rect(120, 3480, 11055, 375),
     QT_TRANSLATE_NOOP("RulesWindow", "8. Гра триває поки у Гравця або Банківника не закінчаться гроші.")},
    {u"Label11", twips::rect(120, 3840, 10695, 855),
     QT_TRANSLATE_NOOP("RulesWindow", "9. Гравець, який найшвидше обіграє Банківника, має можливість потрапити в таблицю рекордів.")},
};

} // namespace

RulesWindow::RulesWindow(SoundSystem &sounds, QWidget *parent)
    : BackWindow(QStringLiteral("Form3"), QStringLiteral("Допомога"), {10980, 5460},
                 CloseSound::None, sounds, parent, Qt::Dialog)
{
    setWindowModality(Qt::ApplicationModal);

    m_heading = addLabel(QStringLiteral("Label5"), QStringLiteral("Правила гри:"), twips::rect(4200, 360, 2655, 375),
             windowFont(QStringLiteral("Arial"), 14.25, true, true), QColor(0, 255, 255), Qt::AlignHCenter);

    const QFont font = windowFont(QStringLiteral("Arial"), 14.25, false, true);
    for (const RuleLine &line : Lines)
        m_lines.append(addLabel(QString::fromUtf16(line.name), QString(), line.twips, font, QColor(0, 0, 192)));

    placeBackButton(twips::rect(4680, 4800, 1695, 495));
    retranslate();
}

void RulesWindow::retranslate()
{
    setWindowTitle(tr("Допомога"));
    m_heading->setText(tr("Правила гри:"));
    for (qsizetype i = 0; i < m_lines.size(); ++i)
        m_lines[i]->setText(tr(Lines[i].text));
}
