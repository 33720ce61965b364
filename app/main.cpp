#include "application.h"
#include "soundsystem.h"

#include <QApplication>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication qtApp(argc, argv);
    // Only the shutdown ends the program, never the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);
    Application app(QCoreApplication::applicationDirPath(), std::make_unique<SilentSoundSystem>());
    app.start();
    app.show();
    return QApplication::exec();
}
