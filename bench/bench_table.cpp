// Start-up and flight pace of the table window.
//
//   bench_table            runs everything and prints the figures side by side
//   bench_table --table    (child) the real program's start-up, until the table's first frame
//   bench_table --bare     (child) a bare QMainWindow of the same size, until its first frame
//
// Run it on a real or virtual screen: xvfb-run -a build/bin/bench_table

#include "application.h"
#include "gamecontroller.h"
#include "soundsystem.h"
#include "tablewindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMainWindow>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int StartRuns = 9;
constexpr int Flights = 12;
constexpr double FlightGoalMs = 48 * 5.0;

std::unique_ptr<SoundSystem> silence(Settings &, const QString &) { return std::make_unique<SilentSoundSystem>(); }

// Reports the first frame of a window once it has been painted in full.
class FirstFrame : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, [] {
                std::puts("painted");
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

int runChild(int argc, char *argv[], bool table)
{
    QApplication qtApp(argc, argv);
    FirstFrame frame;
    if (table) {
        Application app(QCoreApplication::applicationDirPath(), silence);
        app.start();
        app.window().installEventFilter(&frame);
        app.show();
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

// Milliseconds from starting the process to its first painted frame.
double timeToFirstFrame(const QString &mode)
{
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), {mode});
    while (child.waitForReadyRead(10000)) {
        if (child.readAll().contains("painted"))
            break;
    }
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    if (!child.waitForFinished(10000))
        child.kill();
    return ms;
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
    if (argc > 1 && qstrcmp(argv[1], "--table") == 0)
        return runChild(argc, argv, true);
    if (argc > 1 && qstrcmp(argv[1], "--bare") == 0)
        return runChild(argc, argv, false);

    QApplication qtApp(argc, argv);

    // Warm the caches once, then alternate so both see the same machine.
    timeToFirstFrame(QStringLiteral("--table"));
    timeToFirstFrame(QStringLiteral("--bare"));
    std::vector<double> table, bare;
    for (int i = 0; i < StartRuns; ++i) {
        table.push_back(timeToFirstFrame(QStringLiteral("--table")));
        bare.push_back(timeToFirstFrame(QStringLiteral("--bare")));
    }

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
    std::printf("player card flight, 48 ticks (median of %d flights)\n", Flights);
    std::printf("  measured            %8.1f ms\n", flightMs);
    std::printf("  48 x 5 ms           %8.1f ms\n", FlightGoalMs);
    std::printf("  ratio               %8.2f      goal <= 1.05\n", flightMs / FlightGoalMs);
    return 0;
}
