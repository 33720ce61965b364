#include "application.h"
#include "qtsoundsystem.h"

#include <QApplication>

#include <memory>

int main(int argc, char *argv[])
{
    const auto fonts = Application::readFontsAhead();
    QApplication qtApp(argc, argv);
    // Only the shutdown ends the program, never the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);
    const auto sounds = [](Settings &settings, const QString &baseDir) {
        return std::make_unique<QtSoundSystem>(settings, baseDir);
    };
    Application app(QCoreApplication::applicationDirPath(), sounds);
    app.start();
    app.show();
    return QApplication::exec();
}
