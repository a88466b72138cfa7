#include "common/commonsetup.h"
#include "shell/intro0.h"
#include "shell/titlefrm.h"
#include "toolkit/display.h"
#include "toolkit/randomsource.h"
#include "toolkit/sound.h"

#include <QApplication>
#include <QCommandLineParser>

namespace {
// --fit: screens as large as the display allows, for whiteboards and projectors.
bool fillDisplayAsked(const QApplication &app)
{
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("History for primary schools: Ancient Greece."));
    options.addHelpOption();
    options.addOption({QStringLiteral("fit"), QStringLiteral("Show the screens as large as the display allows.")});
    options.process(app);
    return options.isSet(QStringLiteral("fit"));
}
} // namespace

int main(int argc, char **argv)
{
    scaleDisplayInWholeSteps();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    // Lets the desktop match the windows to the installed launcher and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.velmora.Velmora"));
    fitContentScreens(fillDisplayAsked(app));
    randomize();
    intro0::defineName();
    touch<Titlefrm>().showScreen();
    const int status = QApplication::exec();
    setSoundOutput(nullptr);
    return status;
}
