// A long evening at the table: rounds played with the mouse through the
// real window and the real sound (effects and music on, animation off), with
// the resident memory after the first rounds and at the end.
//
//   bench_soak [rounds]    default 2000; run it on a real or virtual screen:
//                          xvfb-run -a build/bin/bench_soak

#include "application.h"
#include "gamecontroller.h"
#include "imagebutton.h"
#include "qtsoundsystem.h"
#include "settings.h"
#include "tablewindow.h"
#include "updown.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

using Button = TableView::Button;

constexpr int WarmRounds = 50;
constexpr double GrowthGoalMb = 1.0;

double residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return -1;
}

// The real window whose boxes agree at once: another game, a name for the records.
class AgreeingWindow final : public TableWindow
{
public:
    using TableWindow::TableWindow;
    Answer ask(const Message &message) override { return message.isQuestion() ? Answer::Yes : Answer::Ok; }
    QString askText(const Message &) override { return QStringLiteral("Вечір"); }
};

// Runs the event loop until `ready` holds; false after ten seconds without.
bool waitFor(const std::function<bool()> &ready)
{
    QElapsedTimer clock;
    clock.start();
    while (!ready()) {
        if (clock.elapsed() > 10000)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication qtApp(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int rounds = argc > 1 ? std::max(WarmRounds + 1, QByteArray(argv[1]).toInt()) : 2000;

    // A folder of its own with the game's music and effects, so the
    // records and statistics of the run go nowhere else.
    QTemporaryDir dir;
    const QString media = QCoreApplication::applicationDirPath() + QStringLiteral("/gamedata");
    for (const char *folder : {"music", "sounds"}) {
        QDir().mkpath(dir.filePath(QStringLiteral("gamedata/") + QLatin1String(folder)));
        const QDir from(media + QLatin1Char('/') + QLatin1String(folder));
        for (const QString &name : from.entryList(QDir::Files))
            QFile::copy(from.filePath(name), dir.filePath(QStringLiteral("gamedata/%1/%2").arg(QLatin1String(folder), name)));
    }

    Application app(
        dir.path(), [](Settings &settings, const QString &baseDir) { return std::make_unique<QtSoundSystem>(settings, baseDir); },
        [](Settings &settings, SoundSystem &sounds) { return std::make_unique<AgreeingWindow>(settings, sounds); });
    app.start();
    app.show();
    TableWindow &window = app.window();
    GameController &game = app.game();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    window.menuAction(QStringLiteral("anime"))->trigger();
    if (app.settings().AnimationOn || !app.settings().MusicOn || !app.settings().SoundsOn)
        return 1;

    auto enabled = [&window](Button which) { return window.button(which)->isEnabled(); };
    auto settled = [&] { return !game.isCardFlying() && !game.isBankerPlaying(); };
    QElapsedTimer clock;
    clock.start();
    double warmMb = 0;
    for (int round = 1; round <= rounds; ++round) {
        if (!waitFor([&] { return settled() && enabled(Button::Stavka); }))
            return std::fprintf(stderr, "round %d: no bet offered\n", round), 1;
        while (window.spinner()->value() < 1)
            QTest::mouseClick(window.spinner()->upButton(), Qt::LeftButton);
        QTest::mouseClick(window.button(Button::Stavka), Qt::LeftButton);
        if (!waitFor([&] { return settled() && enabled(Button::Stop); }))
            return std::fprintf(stderr, "round %d: no stand offered\n", round), 1;
        QTest::mouseClick(window.button(Button::Stop), Qt::LeftButton);
        if (!waitFor([&] { return settled() && enabled(Button::Next); }))
            return std::fprintf(stderr, "round %d: never settled\n", round), 1;
        QTest::mouseClick(window.button(Button::Next), Qt::LeftButton);
        if (round == WarmRounds)
            warmMb = residentMb();
    }
    const double endMb = residentMb();
    const double seconds = static_cast<double>(clock.elapsed()) / 1000;

    std::printf("platform: %s\n\n", qPrintable(QGuiApplication::platformName()));
    std::printf("%d rounds with the mouse, animation off, effects and music on (%.0f s)\n", rounds, seconds);
    std::printf("  resident after round %-5d %8.1f MB\n", WarmRounds, warmMb);
    std::printf("  resident after round %-5d %8.1f MB\n", rounds, endMb);
    std::printf("  growth                     %8.2f MB    goal <= %.2f MB\n", endMb - warmMb, GrowthGoalMb);
    std::printf("  per round                  %8.2f kB\n", (endMb - warmMb) * 1024 / (rounds - WarmRounds));
    app.Exit_Game();
    return 0;
}
