#include "application.h"
#include "gamefolders.h"
#include "qtsoundsystem.h"

#include <QApplication>
#include <QCommandLineParser>

#include <memory>

int main(int argc, char *argv[])
{
    const auto fonts = Application::readFontsAhead();
    QCoreApplication::setApplicationName(QStringLiteral("twentyone"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TWENTYONE_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Двадцять одне: карткова гра проти комп'ютерного Банківника."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // --help and --version answer on a console without a display, so they come
    // before the window system; Qt's own options are only known after it.
    parser.parse(arguments);
    if (parser.isSet(help) || parser.isSet(version) || parser.isSet(QStringLiteral("help-all"))) {
        QCoreApplication console(argc, argv);
        parser.process(console);
    }

    QApplication qtApp(argc, argv);
    parser.process(qtApp);
    QGuiApplication::setDesktopFileName(QStringLiteral(TWENTYONE_APP_ID));
    // Only the shutdown ends the program, never the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);
    const auto sounds = [](Settings &settings, const QString &baseDir) {
        return std::make_unique<QtSoundSystem>(settings, baseDir);
    };
    Application app(GameFolders::locate(QCoreApplication::applicationDirPath(), QStringLiteral(TWENTYONE_INSTALLED_MEDIA)),
                    sounds);
    app.start();
    app.show();
    return QApplication::exec();
}
