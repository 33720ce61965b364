// Start-up, memory, idle load and flight pace of the table window.
//
//   bench_table            runs everything and prints the figures side by side
//   bench_table --table    (child) the real program's start-up, music and effects
//                          included, until the table's first frame
//   bench_table --bare     (child) a bare QMainWindow of the same size, until its first frame
//   ... --table|--bare --later   (child) stays on: resident memory 3 s after start,
//                          then the processor time of 10 s idle
//
// Run it on a real or virtual screen: xvfb-run -a build/bin/bench_table

#include "application.h"
#include "gamecontroller.h"
#include "qtsoundsystem.h"
#include "soundsystem.h"
#include "tablewindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMainWindow>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <QFile>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <future>
#include <memory>
#include <vector>

namespace {

constexpr int StartRuns = 9;
constexpr int Flights = 12;
constexpr double FlightGoalMs = 48 * 5.0;

constexpr int IdleSeconds = 10;

std::unique_ptr<SoundSystem> silence(Settings &, const QString &) { return std::make_unique<SilentSoundSystem>(); }

// As the game itself makes its sound.
std::unique_ptr<SoundSystem> realSound(Settings &settings, const QString &baseDir)
{
    return std::make_unique<QtSoundSystem>(settings, baseDir);
}

// Resident memory in kB, as the kernel counts it.
long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void say(const QByteArray &line)
{
    std::puts(line.constData());
    std::fflush(stdout);
}

// Reports the first frame of a window once it has been painted in full,
// with the memory held then; `later` stays on for the idle figures.
class FirstFrame : public QObject
{
public:
    explicit FirstFrame(bool later) : m_later(later) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            m_sincePaint.start();
            QTimer::singleShot(0, [this] {
                say("painted " + QByteArray::number(residentKb()));
                if (!m_later)
                    QCoreApplication::exit(0);
                else
                    measureLater();
            });
        }
        return QObject::eventFilter(watched, event);
    }

    // The table's music starts with the rest of the start-up.
    void watch(Application &app)
    {
        QObject::connect(&app, &Application::startedUp, [this] {
            say("music " + QByteArray::number(static_cast<double>(m_sincePaint.nsecsElapsed()) / 1e6, 'f', 1));
        });
    }

private:
    void measureLater()
    {
        QTimer::singleShot(3000, [] {
            say("rss3 " + QByteArray::number(residentKb()));
            const double start = processorSeconds();
            QTimer::singleShot(IdleSeconds * 1000, [start] {
                say("idle " + QByteArray::number((processorSeconds() - start) / IdleSeconds * 100, 'f', 3));
                QCoreApplication::exit(0);
            });
        });
    }

    bool m_later;
    bool m_seen = false;
    QElapsedTimer m_sincePaint;
};

int runChild(int argc, char *argv[], bool table, bool later)
{
    // As main.cpp starts the game.
    const auto fonts = table ? Application::readFontsAhead() : std::future<void>();
    QApplication qtApp(argc, argv);
    FirstFrame frame(later);
    if (table) {
        QApplication::setQuitOnLastWindowClosed(false);
        Application app(QCoreApplication::applicationDirPath(), realSound);
        app.start();
        app.show();
        // Installed last, it sees the paint first: its report goes ahead of
        // what the program itself does after that frame.
        app.window().installEventFilter(&frame);
        frame.watch(app);
        return QApplication::exec();
    }
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("21"));
    window.setFixedSize(794, 568);
    window.installEventFilter(&frame);
    window.show();
    return QApplication::exec();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct FirstFrameRun
{
    double ms = 0;   // from starting the process to its first painted frame
    double rssMb = 0; // resident then
};

// The value after `key` in the child's output.
double figure(const QByteArray &output, const QByteArray &key)
{
    for (const QByteArray &line : output.split('\n'))
        if (line.startsWith(key + ' '))
            return line.mid(key.size() + 1).toDouble();
    return -1;
}

FirstFrameRun firstFrame(const QString &mode)
{
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), {mode});
    QByteArray output;
    while (child.waitForReadyRead(10000)) {
        output += child.readAll();
        if (output.contains('\n'))
            break;
    }
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    if (!child.waitForFinished(10000))
        child.kill();
    return {ms, figure(output, "painted") / 1024};
}

struct LaterRun
{
    double rssMb = 0;
    double idlePercent = 0;
    double musicMs = 0; // from the first frame to the music's start
};

LaterRun later(const QString &mode)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {mode, QStringLiteral("--later")});
    child.waitForFinished((IdleSeconds + 30) * 1000);
    const QByteArray output = child.readAllStandardOutput();
    return {figure(output, "rss3") / 1024, figure(output, "idle"), figure(output, "music")};
}

double measureFlight(Application &app)
{
    QEventLoop loop;
    QElapsedTimer clock;
    auto connection = QObject::connect(&app.window(), &TableWindow::cardLanded, &loop,
                                       [&](TableView::Side side, int card) {
                                           if (side == TableView::Side::Player && card == 1)
                                               loop.quit();
                                       });
    clock.start();
    app.game().newGame(); // the player's first card sets off at once
    loop.exec();
    QObject::disconnect(connection);
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool stayOn = argc > 2 && qstrcmp(argv[2], "--later") == 0;
    if (argc > 1 && qstrcmp(argv[1], "--table") == 0)
        return runChild(argc, argv, true, stayOn);
    if (argc > 1 && qstrcmp(argv[1], "--bare") == 0)
        return runChild(argc, argv, false, stayOn);

    QApplication qtApp(argc, argv);

    // Warm the caches once, then alternate so both see the same machine.
    firstFrame(QStringLiteral("--table"));
    firstFrame(QStringLiteral("--bare"));
    std::vector<double> table, bare, tableRss, bareRss;
    for (int i = 0; i < StartRuns; ++i) {
        const FirstFrameRun t = firstFrame(QStringLiteral("--table"));
        const FirstFrameRun b = firstFrame(QStringLiteral("--bare"));
        table.push_back(t.ms);
        bare.push_back(b.ms);
        tableRss.push_back(t.rssMb);
        bareRss.push_back(b.rssMb);
    }
    const LaterRun tableLater = later(QStringLiteral("--table"));
    const LaterRun bareLater = later(QStringLiteral("--bare"));

    Application app(QCoreApplication::applicationDirPath(), silence);
    app.start();
    app.show();
    (void)QTest::qWaitForWindowExposed(&app.window());
    std::vector<double> flights;
    measureFlight(app);
    for (int i = 0; i < Flights; ++i)
        flights.push_back(measureFlight(app));
    app.window().stopFlights();

    const double tableMs = median(table), bareMs = median(bare), flightMs = median(flights);
    std::printf("platform: %s\n\n", qPrintable(QGuiApplication::platformName()));
    std::printf("start-up to the first painted frame (median of %d runs)\n", StartRuns);
    std::printf("  table window        %8.1f ms\n", tableMs);
    std::printf("  bare QMainWindow    %8.1f ms\n", bareMs);
    std::printf("  ratio               %8.2f      goal <= 1.20\n\n", tableMs / bareMs);
    const double tableMb = median(tableRss), bareMb = median(bareRss);
    std::printf("resident memory at the first frame (median of %d runs)\n", StartRuns);
    std::printf("  table window        %8.1f MB\n", tableMb);
    std::printf("  bare QMainWindow    %8.1f MB\n", bareMb);
    std::printf("  ratio               %8.2f      goal <= 1.30\n\n", tableMb / bareMb);
    std::printf("music after the first frame\n");
    std::printf("  table window        %8.1f ms    goal <= 500 ms\n\n", tableLater.musicMs);
    std::printf("resident memory 3 s after the first frame\n");
    std::printf("  table window        %8.1f MB\n", tableLater.rssMb);
    std::printf("  bare QMainWindow    %8.1f MB\n", bareLater.rssMb);
    std::printf("  ratio               %8.2f\n\n", tableLater.rssMb / bareLater.rssMb);
    std::printf("processor time idle, music on (%d s, one core = 100 %%)\n", IdleSeconds);
    std::printf("  table window        %8.2f %%    goal < 2 %%\n", tableLater.idlePercent);
    std::printf("  bare QMainWindow    %8.2f %%\n\n", bareLater.idlePercent);
    std::printf("player card flight, 48 ticks (median of %d flights)\n", Flights);
    std::printf("  measured            %8.1f ms\n", flightMs);
    std::printf("  48 x 5 ms           %8.1f ms\n", FlightGoalMs);
    std::printf("  ratio               %8.2f      goal <= 1.05\n", flightMs / FlightGoalMs);
    return 0;
}
