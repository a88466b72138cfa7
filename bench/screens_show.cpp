// In-process time a pupil waits for a screen, at scales 0.75 (a netbook) to
// 2 (a whiteboard): the main menu loaded and shown, the Greek Fighters menu
// and the first unit described in the content opened from it (that unit's
// description read), the quiz and a key-facts page viewer opened from the
// Greek Fighters menu (question file or page artwork read), the unit's
// labelling activity opened from its menu; each screen built, shown and
// painted, beside an empty window of the same size shown and painted in the
// same run.
//   bench_screens_show [runs]   (run from the build folder, beside the content; default 100)
#include "benchutil.h"
#include "common/module1.h"
#include "shell/intro0.h"
#include "shell/topicmenu.h"
#include "toolkit/contentpath.h"
#include "toolkit/headless.h"
#include "toolkit/messagebox.h"
#include "toolkit/screen.h"
#include "toolkit/twips.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <ctime>

namespace {
enum MenuButton { MultipleChoice = 0, Labelling = 1, KeyFacts = 4 };

// The processor time of the program so far; only the user-interface thread is busy.
double cpuMs() { return std::clock() * 1000.0 / CLOCKS_PER_SEC; }

// Runs f `runs` times and returns the processor time of each run in milliseconds.
QVector<double> cpuTimeRuns(int runs, const std::function<void()> &f)
{
    QVector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const double start = cpuMs();
        f();
        ms << cpuMs() - start;
    }
    return ms;
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Times `open`, which leaves the opened screen on top; unloads it after each run.
QVector<double> timeOpening(int runs, const std::function<void()> &open)
{
    open(); // fonts, pictures and decoders warm, as after the first visit
    screens::topmost()->unload();
    settle();
    QVector<double> ms;
    for (int i = 0; i < runs; ++i) {
        ms << cpuTimeRuns(1, [&open] {
            open();
            QCoreApplication::processEvents(); // the first paint
        });
        screens::topmost()->unload();
        settle();
    }
    return ms;
}

// A click on one of the Greek Fighters menu's buttons, the sound off.
void clickFightersButton(int button)
{
    Module1.soundOn = 0;
    emit touch<fighters>().label3[button]->clicked();
}

// A click on the main menu's entry with this caption, the sound off.
void clickMainMenuEntry(const QString &caption)
{
    Module1.soundOn = 0;
    touch<intro0>().Label2.forEach([&caption](int, Label *entry) {
        if (entry->caption() == caption)
            emit entry->clicked();
    });
}

// The title of the first unit described in the content, or "".
QString firstUnitTitle()
{
    const QStringList units = QDir(contentRoot() + QStringLiteral("/units")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QFile description(contentRoot() + QStringLiteral("/units/") + units.value(0) + QStringLiteral("/unit.txt"));
    if (units.isEmpty() || !description.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &line : description.readAll().split('\n'))
        if (line.startsWith("title\t"))
            return QString::fromUtf8(line.mid(6));
    return {};
}

void measureAtScale(double scale, int runs)
{
    twips::setScale(scale);
    const QSize size(twips::toPixels(12000), twips::toPixels(9000));
    const auto plain = cpuTimeRuns(runs, [size] {
        QWidget w;
        w.resize(size);
        w.show();
        QCoreApplication::processEvents();
    });
    const auto menu = timeOpening(runs, [] { touch<intro0>().showScreen(); });
    settle();
    const auto fightersMenu = timeOpening(runs, [] { clickMainMenuEntry(QStringLiteral("Greek Fighters")); });
    const QString unit = firstUnitTitle();
    const auto unitMenu = unit.isEmpty() ? QVector<double>{} : timeOpening(runs, [&unit] { clickMainMenuEntry(unit); });
    touch<fighters>().showScreen();
    settle();
    const auto quiz = timeOpening(runs, [] { clickFightersButton(MultipleChoice); });
    const auto pages = timeOpening(runs, [] { clickFightersButton(KeyFacts); });
    QVector<double> labelling;
    if (!unit.isEmpty()) {
        clickMainMenuEntry(unit);
        auto &opened = static_cast<TopicMenu &>(*screens::topmost());
        settle();
        labelling = timeOpening(runs, [&opened] { emit opened.label3[Labelling]->clicked(); });
    }
    screens::unloadAll();

    const QByteArray at = " at scale " + QByteArray::number(scale) + " (median)";
    report(("empty " + QByteArray::number(size.width()) + "x" + QByteArray::number(size.height()) +
            " window shown" + at).constData(), median(plain));
    report(("main menu loaded and shown" + at).constData(), median(menu));
    report(("Greek Fighters menu opened from the main menu" + at).constData(), median(fightersMenu));
    if (!unit.isEmpty()) {
        report(("\"" + unit.toUtf8() + "\" menu opened from the main menu" + at).constData(), median(unitMenu));
        report(("its labelling activity opened from its menu" + at).constData(), median(labelling));
    }
    report(("quiz opened from its topic menu" + at).constData(), median(quiz));
    report(("key facts viewer opened from its topic menu" + at).constData(), median(pages));
}
} // namespace

int main(int argc, char **argv)
{
    // The off-screen platform warns at every raise; only failures are worth showing.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type >= QtCriticalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    QTemporaryDir runtimeDir;
    prepareHeadlessRun(runtimeDir);
    QApplication app(argc, argv);
    const int runs = argc > 1 ? QString(argv[1]).toInt() : 100;
    setContentRoot(QCoreApplication::applicationDirPath());
    setMessageBoxHandler([](const QString &text, MsgButtons) {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
        std::exit(1);
        return MsgResult::Ok;
    });
    intro0::defineAsMainMenu();
    for (double scale : {0.75, 1.0, 1.5, 2.0})
        measureAtScale(scale, runs);
    return 0;
}
