#include "shell/intro0.h"
#include "shell/titlefrm.h"
#include "toolkit/randomsource.h"
#include "toolkit/sound.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    // Lets the desktop match the windows to the installed launcher and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.velmora.Velmora"));
    randomize();
    intro0::defineName();
    touch<Titlefrm>().showScreen();
    const int status = QApplication::exec();
    setSoundOutput(nullptr);
    return status;
}
