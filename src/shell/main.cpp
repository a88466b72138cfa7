#include "common/commonsetup.h"
#include "common/grey.h"
#include "shell/intro0.h"
#include "shell/titlefrm.h"
#include "toolkit/display.h"
#include "toolkit/fontsetup.h"
#include "toolkit/heap.h"
#include "toolkit/randomsource.h"
#include "toolkit/console.h"
#include "toolkit/sound.h"
#include "worksheets/worksheetcommands.h"
#include "toolkit/speech.h"

#include <QApplication>
#include <QCommandLineParser>
#include <optional>

namespace {
const QCommandLineOption kFit(QStringLiteral("fit"), QStringLiteral("Show the screens as large as the display allows."));

void describeOptions(QCommandLineParser &options)
{
    options.setApplicationDescription(QStringLiteral("History for primary schools: Ancient Greece."));
    options.addHelpOption();
    options.addVersionOption();
    options.addOption(kFit);
    describeWorksheetOptions(options);
}

// --help, --version and the worksheet commands print and end before the
// window system is opened, so they work without a display (a technician
// over SSH); the exit status, when they ran. Other options, Qt's own among
// them, are left to the program's own reading.
std::optional<int> answerWithoutDisplay(int argc, char **argv)
{
    const QCoreApplication probe(argc, argv);
    QCommandLineParser options;
    describeOptions(options);
    (void)options.parse(QCoreApplication::arguments());
    if (options.isSet(QStringLiteral("help")))
        options.showHelp();
    if (options.isSet(QStringLiteral("version")))
        options.showVersion();
    if (!asksForWorksheetWork(options))
        return std::nullopt;
    useParentConsole();
    return runWorksheetCommand(options);
}

// --fit: screens as large as the display allows, for whiteboards and projectors.
bool fillDisplayAsked(const QApplication &app)
{
    QCommandLineParser options;
    describeOptions(options);
    options.process(app);
    return options.isSet(kFit);
}
} // namespace

int main(int argc, char **argv)
{
    returnFreedMemoryToSystem();
    scaleDisplayInWholeSteps();
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    if (const std::optional<int> status = answerWithoutDisplay(argc, argv))
        return *status;
    startReadingFontConfiguration();
    QApplication app(argc, argv);
    // Lets the desktop match the windows to the installed launcher and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.velmora.Velmora"));
    fitContentScreens(fillDisplayAsked(app));
    randomize();
    intro0::defineAsMainMenu();
    // The backdrop needs neither fonts nor pictures to be mapped: the display
    // changes at once, while the title screen's fonts and picture are read.
    touch<Grey>().showScreen();
    QCoreApplication::processEvents();
    touch<Titlefrm>().showScreen();
    const int status = QApplication::exec();
    setSoundOutput(nullptr);
    setSpeechOutput(nullptr); // stops any reading; waits a moment at most for the speech service
    return status;
}
