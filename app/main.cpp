#include "application.h"
#include "soundsystem.h"

#include <QApplication>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication qtApp(argc, argv);
    // Only the shutdown ends the program, never the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);
    // Silent until the sound library joins.
    const auto sounds = [](Vars &, const QString &) { return std::make_unique<SilentSoundSystem>(); };
    Application app(QCoreApplication::applicationDirPath(), sounds);
    app.start();
    app.show();
    return QApplication::exec();
}
