// Renders all of the game's pictures from their drawings into the assets
// folder, at 1x and 2x, plus a contact sheet for reviewing them.
//
//   twentyone_artgen <assets folder>

#include "drawing/common.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>
#include <map>

using namespace artgen;

namespace {

struct Button {
    const char *name;
    QString caption;
    QSize size;
    qreal fontSize;
};

const Button Buttons[] = {
    {"stavka", QStringLiteral("Зробити ставку"), {160, 23}, 15},
    {"draw", QStringLiteral("Тягнути"), {113, 33}, 19},
    {"stop", QStringLiteral("Досить"), {113, 33}, 19},
    {"next", QStringLiteral("Далі"), {113, 33}, 19},
};

const QSize CardSize(100, 154);
const int IconSizes[] = {16, 24, 32, 48, 64, 128, 256, 512};

class Writer
{
public:
    explicit Writer(QString root) : m_root(std::move(root)) {}

    bool save(const QImage &image, const QString &name, qreal scale)
    {
        const QString file = m_root + QLatin1Char('/') + name + (scale > 1 ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
        QDir().mkpath(QFileInfo(file).absolutePath());
        if (!image.save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            m_ok = false;
        }
        return m_ok;
    }
    bool savePlain(const QImage &image, const QString &name)
    {
        const QString file = m_root + QLatin1Char('/') + name;
        QDir().mkpath(QFileInfo(file).absolutePath());
        if (!image.save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            m_ok = false;
        }
        return m_ok;
    }
    // The same drawing as vector paths, for the desktop's scalable icon.
    bool saveSvg(QSize logical, const std::function<void(QPainter &)> &draw, const QString &name)
    {
        const QString file = m_root + QLatin1Char('/') + name;
        QDir().mkpath(QFileInfo(file).absolutePath());
        QSvgGenerator svg;
        svg.setFileName(file);
        svg.setSize(logical);
        svg.setViewBox(QRect(QPoint(0, 0), logical));
        svg.setTitle(QStringLiteral("21"));
        QPainter p;
        if (!p.begin(&svg)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return m_ok = false;
        }
        p.setRenderHints(QPainter::Antialiasing);
        draw(p);
        p.end();
        return m_ok;
    }
    bool ok() const { return m_ok; }

private:
    QString m_root;
    bool m_ok = true;
};

// Every picture at one scale, laid out on the table's green for review.
QImage contactSheet(qreal scale, const std::map<QString, QImage> &pictures, const QImage &bigIcon)
{
    const int pitchX = 108, pitchY = 162, margin = 12;
    const QSize size(margin * 2 + 13 * pitchX, margin + 4 * pitchY + 270);
    return render(size, scale, [&](QPainter &p) {
        p.fillRect(QRect(QPoint(), size), QColor(0, 128, 0));
        auto put = [&](const QImage &image, qreal x, qreal y) {
            p.drawImage(QRectF(x, y, image.width() / scale, image.height() / scale), image);
        };
        for (int suit = 1; suit <= 4; ++suit)
            for (int rank = 1; rank <= 13; ++rank)
                put(pictures.at(QStringLiteral("cards/%1").arg(suit * 100 + rank)), margin + (rank - 1) * pitchX,
                    margin + (suit - 1) * pitchY);
        const int y = margin + 4 * pitchY;
        put(pictures.at(QStringLiteral("cards/back")), margin, y);
        put(pictures.at(QStringLiteral("icon")), margin + pitchX, y);
        p.fillRect(QRectF(margin + pitchX, y + 40, 32, 32), QColor(240, 240, 240));
        put(pictures.at(QStringLiteral("icon")), margin + pitchX, y + 40);
        put(pictures.at(QStringLiteral("cursor/hand")), margin + pitchX, y + 80);
        p.fillRect(QRectF(margin + pitchX, y + 120, 32, 32), QColor(240, 240, 240));
        put(pictures.at(QStringLiteral("cursor/hand")), margin + pitchX, y + 120);
        p.drawImage(QRectF(margin + pitchX + 50, y, 256, 256), bigIcon);
        const qreal px = margin + pitchX + 330;
        qreal py = y;
        for (const Button &b : Buttons) {
            for (int i = 0; i < 3; ++i)
                put(pictures.at(QStringLiteral("buttons/%1-%2").arg(QLatin1String(b.name)).arg(i)), px + i * 180, py);
            py += 44;
        }
        for (int i = 0; i < 2; ++i)
            put(pictures.at(QStringLiteral("buttons/prev-%1").arg(i)), px + i * 180, py);
    });
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <assets folder>\n", argv[0]);
        return 2;
    }
    const QStringList families = QFontDatabase::families();
    for (const QString &family : {SansFamily, SerifFamily}) {
        if (!families.contains(family)) {
            std::fprintf(stderr, "font %s is missing (install fonts-liberation2)\n", qPrintable(family));
            return 1;
        }
    }

    Writer out(QString::fromLocal8Bit(argv[1]));
    for (const qreal scale : {1.0, 2.0}) {
        std::map<QString, QImage> pictures;
        auto keep = [&](const QString &name, const QImage &image) {
            pictures[name] = image;
            out.save(image, name, scale);
        };
        for (int suit = 1; suit <= 4; ++suit)
            for (int rank = 1; rank <= 13; ++rank)
                keep(QStringLiteral("cards/%1").arg(suit * 100 + rank),
                     render(CardSize, scale, [&](QPainter &p) { drawCardFace(p, suit, rank); }));
        keep(QStringLiteral("cards/back"), render(CardSize, scale, drawCardBack));
        for (const Button &b : Buttons)
            for (int i = 0; i < 3; ++i)
                keep(QStringLiteral("buttons/%1-%2").arg(QLatin1String(b.name)).arg(i),
                     renderPlate(b.size, b.caption, b.fontSize, static_cast<PlateLook>(i), scale));
        for (int i = 0; i < 2; ++i)
            keep(QStringLiteral("buttons/prev-%1").arg(i), renderBackPlate({113, 33}, QStringLiteral("Назад"), i == 1, scale));
        keep(QStringLiteral("cursor/hand"), render({32, 32}, scale, drawPointingHand));
        pictures[QStringLiteral("icon")] = render({32, 32}, scale, drawAppIcon);

        const QImage bigIcon = render({32, 32}, 8 * scale, drawAppIcon);
        out.save(contactSheet(scale, pictures, bigIcon), QStringLiteral("preview/contact-sheet"), scale);
    }
    for (const int px : IconSizes)
        out.savePlain(render({32, 32}, px / 32.0, drawAppIcon), QStringLiteral("icon/twentyone-%1.png").arg(px));
    out.saveSvg({32, 32}, drawAppIcon, QStringLiteral("icon/twentyone.svg"));
    return out.ok() ? 0 : 1;
}
