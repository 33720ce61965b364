#include "hintpanel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int PaddingX = 8;
constexpr int PaddingY = 4;
constexpr qreal CornerRadius = 8;
constexpr int LargestPixels = 14;
constexpr int SmallestPixels = 11;

QFont panelFont(int pixels, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// Bold throughout, so that any line may be an accented one.
QSize plateSize(const QStringList &lines, const QFont &font, qreal zoom)
{
    const int paddingX = int(std::lround(PaddingX * zoom)), paddingY = int(std::lround(PaddingY * zoom));
    QFont bold = font;
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    int width = 0;
    for (const QString &line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    return {width + 2 * paddingX, int(lines.size()) * metrics.lineSpacing() + 2 * paddingY};
}

} // namespace

QString HintPanel::chancesLine(const QString &move, const std::array<int, 3> &perCent)
{
    return tr("%1: виграш %2 % · нічия %3 % · програш %4 %")
        .arg(move, QString::number(perCent[0]), QString::number(perCent[1]), QString::number(perCent[2]));
}

// The widest lines the panel can ever hold in the language now: the font is
// chosen for them, so it does not change size from one hint to the next.
QStringList HintPanel::widestLines()
{
    const std::array<int, 3> full{100, 100, 100};
    return {
        tr("Очки: %1 — Перебір!").arg(30),
        tr("Перебір наступною картою: %1 %").arg(100),
        chancesLine(tr("Досить"), full),
        chancesLine(tr("Тягнути"), full),
        tr("Краще: тягнути"),
    };
}

HintPanel::HintPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("hintPanel"));
    // A picture on the table, not a control.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

std::array<int, 3> HintPanel::wholePerCents(const odds::Chances &chances)
{
    const std::array<double, 3> shares{std::max(chances.win, 0.0), std::max(chances.draw, 0.0),
                                       std::max(chances.lose, 0.0)};
    const double total = shares[0] + shares[1] + shares[2];
    std::array<int, 3> perCent{};
    if (!(total > 0))
        return perCent;

    std::array<double, 3> remainder{};
    int left = 100;
    for (std::size_t i = 0; i < shares.size(); ++i) {
        const double exact = shares[i] * 100.0 / total;
        perCent[i] = static_cast<int>(std::floor(exact));
        remainder[i] = exact - perCent[i];
        left -= perCent[i];
    }
    for (; left > 0; --left) {
        const auto largest = static_cast<std::size_t>(
            std::max_element(remainder.begin(), remainder.end()) - remainder.begin());
        ++perCent[largest];
        remainder[largest] = -1;
    }
    return perCent;
}

void HintPanel::showHint(int playerPoints, const std::optional<odds::Figures> &figures)
{
    m_shown = Hint{playerPoints, figures};
    QStringList lines;
    QList<int> accented;
    if (playerPoints > 21) {
        accented << int(lines.size());
        lines << tr("Очки: %1 — Перебір!").arg(playerPoints);
    } else {
        lines << tr("Очки: %1").arg(playerPoints);
    }

    if (!figures) {
        lines << tr("Підказки недоступні для цієї колоди");
        setLines(lines, accented);
        return;
    }

    const long bust = std::lround(std::clamp(figures->bustNext, 0.0, 1.0) * 100.0);
    lines << tr("Перебір наступною картою: %1 %").arg(bust);
    lines << chancesLine(tr("Досить"), wholePerCents(figures->stand));
    if (figures->draw)
        lines << chancesLine(tr("Тягнути"), wholePerCents(*figures->draw));
    accented << int(lines.size());
    lines << (figures->draw && figures->best == odds::Move::Draw ? tr("Краще: тягнути") : tr("Краще: досить"));
    setLines(lines, accented);
}

void HintPanel::clear()
{
    m_shown.reset();
    setLines({}, {});
}

void HintPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        if (m_shown)
            showHint(m_shown->playerPoints, m_shown->figures);
        update(); // the font may change with the widest lines
    }
    QWidget::changeEvent(event);
}

void HintPanel::setLines(QStringList lines, QList<int> accentLines)
{
    if (lines == m_lines && accentLines == m_accentLines)
        return;
    m_lines = std::move(lines);
    m_accentLines = std::move(accentLines);
    update();
}

void HintPanel::setColours(const QColor &background, const QColor &text, const QColor &accent)
{
    m_background = background;
    m_text = text;
    m_accent = accent;
    update();
}

QRect HintPanel::plateRect() const
{
    if (m_lines.isEmpty())
        return {};
    return QRect(QPoint(0, 0), plateSize(m_lines, textFont(), m_zoom));
}

QFont HintPanel::textFont() const
{
    const int smallest = int(std::lround(SmallestPixels * m_zoom));
    int pixels = int(std::lround(LargestPixels * m_zoom));
    for (; pixels > smallest; --pixels) {
        const QSize needed = plateSize(widestLines(), panelFont(pixels, false), m_zoom);
        if (needed.width() <= width() && needed.height() <= height())
            break;
    }
    return panelFont(pixels, false);
}

QSize HintPanel::sizeHint() const
{
    return plateSize(widestLines(), panelFont(int(std::lround(LargestPixels * m_zoom)), false), m_zoom);
}

void HintPanel::setZoom(qreal zoom)
{
    if (qFuzzyCompare(zoom, m_zoom))
        return;
    m_zoom = zoom;
    update();
}

void HintPanel::paintEvent(QPaintEvent *)
{
    if (m_lines.isEmpty())
        return;

    const QFont font = textFont();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_background);
    painter.drawRoundedRect(QRectF(QPoint(0, 0), plateSize(m_lines, font, m_zoom)), CornerRadius * m_zoom,
                            CornerRadius * m_zoom);

    QFont bold = font;
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    int baseline = int(std::lround(PaddingY * m_zoom)) + metrics.ascent();
    for (int i = 0; i < m_lines.size(); ++i) {
        const bool accent = m_accentLines.contains(i);
        painter.setFont(accent ? bold : font);
        painter.setPen(accent ? m_accent : m_text);
        painter.drawText(QPoint(int(std::lround(PaddingX * m_zoom)), baseline), m_lines[i]);
        baseline += metrics.lineSpacing();
    }
}
