#include "tablelook.h"

#include <QLabel>

#include <algorithm>
#include <cmath>

TableLook TableLook::normal()
{
    TableLook look;
    look.table = QColor(0, 128, 0);
    look.bankerText = QColor(255, 0, 0);
    look.playerText = QColor(0, 0, 192);
    look.figureText = QColor(255, 255, 0);
    look.resultText = QColor(0, 0, 0);
    look.focusFrame = QColor(255, 255, 160);
    look.moveHighlight = QColor(0, 255, 255);
    look.hintBackground = QColor(0, 0, 0, 150);
    look.hintText = QColor(255, 255, 255);
    look.hintAccent = QColor(0, 255, 255);
    return look;
}

TableLook TableLook::highContrast()
{
    TableLook look;
    look.table = QColor(0, 64, 0);
    look.bankerText = QColor(255, 180, 140);
    look.playerText = QColor(160, 208, 255);
    look.figureText = QColor(255, 255, 0);
    look.resultText = QColor(255, 255, 255);
    look.focusFrame = QColor(255, 255, 255);
    look.moveHighlight = QColor(0, 255, 255);
    // Opaque, so the lines do not depend on what the cloth shows through.
    look.hintBackground = QColor(0, 0, 0);
    look.hintText = QColor(255, 255, 255);
    look.hintAccent = QColor(0, 255, 255);
    return look;
}

QColor TableLook::labelText(QStringView objectName) const
{
    struct Entry
    {
        QStringView name;
        QColor TableLook::*colour;
    };
    static constexpr Entry Labels[] = {
        {u"Label1", &TableLook::bankerText},  {u"Label5", &TableLook::bankerText},
        {u"Label4", &TableLook::bankerText},  {u"Label2", &TableLook::playerText},
        {u"Label9", &TableLook::playerText},  {u"Label11", &TableLook::playerText},
        {u"Label12", &TableLook::playerText}, {u"Label13", &TableLook::playerText},
        {u"Label8", &TableLook::figureText},  {u"Label14", &TableLook::figureText},
        {u"Label6", &TableLook::resultText},  {u"Label7", &TableLook::resultText},
        {u"gameNumber", &TableLook::resultText},
    };
    for (const Entry &entry : Labels) {
        if (entry.name == objectName)
            return this->*entry.colour;
    }
    return {};
}

void TableLook::apply(QWidget *tableWidget) const
{
    QPalette cloth = tableWidget->palette();
    cloth.setColor(QPalette::Window, table);
    tableWidget->setPalette(cloth);
    // The deck and the opaque labels fill with their own Window colour.
    for (QLabel *label : tableWidget->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, table);
        const QColor text = labelText(label->objectName());
        if (text.isValid())
            palette.setColor(QPalette::WindowText, text);
        label->setPalette(palette);
    }
}

namespace {

double relativeLuminance(const QColor &colour)
{
    const auto linear = [](float channel) {
        const double c = channel;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

int blend(int from, int to, double share)
{
    return static_cast<int>(std::lround(from + (to - from) * share));
}

QColor blended(const QColor &from, const QColor &to, double share)
{
    return QColor(blend(from.red(), to.red(), share), blend(from.green(), to.green(), share),
                  blend(from.blue(), to.blue(), share));
}

} // namespace

double contrastRatio(const QColor &first, const QColor &second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor paintedOver(const QColor &top, const QColor &below)
{
    return blended(below.toRgb(), top.toRgb(), top.alphaF());
}

QColor readableOn(const QColor &text, const QColor &background, double minimumRatio)
{
    const QColor from = text.toRgb();
    const QColor white(255, 255, 255), black(0, 0, 0);
    const QColor towards =
        contrastRatio(white, background) >= contrastRatio(black, background) ? white : black;
    // Blending is not monotonic in contrast when the text starts on the far
    // side of the background, so the steps go up from no change at all.
    for (int step = 0; step <= 255; ++step) {
        const QColor candidate = blended(from, towards, step / 255.0);
        if (contrastRatio(candidate, background) >= minimumRatio)
            return candidate;
    }
    return towards;
}
