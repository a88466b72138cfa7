// Resident memory after a pupil's tour of every screen, against an empty Qt
// window's, each in its own process under one real X server (a private Xvfb
// unless DISPLAY is set). The tour opens, in this process's child, the title
// screen, the main menu, both topic menus with every screen they open (quiz,
// key facts and teacher's notes page by page, both activities), the results
// and wrong-answers screens, the guide page by page, the acknowledgments, the
// wizard and the catalogue, with click sounds on, and ends on the main menu.
//   bench_memory_tour   (run from the build folder, beside the content)
#include "benchutil.h"
#include "common/module1.h"
#include "quiz/welldone.h"
#include "quiz/wrong.h"
#include "shell/intro0.h"
#include "shell/pageviewer.h"
#include "shell/titlefrm.h"
#include "shell/topicmenu.h"
#include "toolkit/contentpath.h"
#include "toolkit/heap.h"
#include "toolkit/messagebox.h"
#include "toolkit/screen.h"
#include "worksheets/worksheets.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QThread>

namespace {
// Resident set size of a process in kilobytes, from /proc.
long residentKb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

void settle(int ms = 30)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void click(Label *button)
{
    emit button->clicked();
    settle();
}

void closeTop()
{
    screens::topmost()->unload();
    settle();
}

// Every page of the viewer on top, then back to the screen beneath.
void readEveryPage()
{
    auto *viewer = static_cast<PageViewer *>(screens::topmost());
    Label *next = viewer->Label3[viewer::NextPage];
    while (next->isVisibleTo(viewer) && next->isEnabled())
        click(next);
    closeTop();
}

enum TopicButton { Quiz = 0, Labelling = 1, TopicExit = 2, Ordering = 3, KeyFacts = 4, Notes = 5 };

void tourTopic(TopicMenu &menu)
{
    menu.showScreen();
    settle();
    for (int button : {Quiz, Labelling, Ordering}) {
        click(menu.label3[button]);
        closeTop();
    }
    for (int button : {KeyFacts, Notes}) {
        click(menu.label3[button]);
        readEveryPage();
    }
    click(menu.label3[TopicExit]);
}

enum MenuEntry { Wizard = 17, Catalogue = 18, Acknowledgments = 19, Guide = 20 };

int tour()
{
    setContentRoot(QCoreApplication::applicationDirPath());
    setMessageBoxHandler([](const QString &, MsgButtons) { return MsgResult::Ok; });
    intro0::defineAsMainMenu();
    touch<Titlefrm>().showScreen();
    settle(300);
    touch<Titlefrm>().Command1->click();
    settle(300);
    intro0 &menu = touch<intro0>();
    tourTopic(touch<fighters>());
    tourTopic(touch<writing>());
    Module1.score = 7;
    Module1.questionCount = 10;
    touch<Wrong>();
    touch<Welldone>().showScreen();
    settle(300);
    touch<Wrong>().showScreen();
    settle();
    closeTop();
    closeTop();
    click(menu.Label2[Guide]);
    readEveryPage();
    click(menu.Label2[Acknowledgments]);
    closeTop();
    click(menu.Label2[Wizard]);
    closeTop();
    // The catalogue closes the main menu and brings a fresh one back with its "Exit".
    click(menu.Label2[Catalogue]);
    click(touch<worksheets>().Label2[0]);
    settle(500);
    std::printf("%ld\n", residentKb(QCoreApplication::applicationPid()));
    std::fflush(stdout);
    return 0;
}

bool windowVisible(const QString &title)
{
    QProcess search;
    search.start("xdotool", {"search", "--onlyvisible", "--name", "^" + title + "$"});
    search.waitForFinished(2000);
    return search.exitCode() == 0 && !search.readAllStandardOutput().trimmed().isEmpty();
}

// The empty window's resident size once it is mapped and has settled.
long minimalWindowKb(const QString &dir)
{
    QProcess p;
    p.start(dir + "/bench_minimal_window", {});
    p.waitForStarted();
    QElapsedTimer t;
    t.start();
    while (!windowVisible("Minimal") && t.elapsed() < 20000)
        QThread::msleep(20);
    QThread::msleep(500);
    const long kb = residentKb(p.processId());
    p.kill();
    p.waitForFinished();
    return kb;
}

long tourKb(const QString &dir)
{
    QProcess p;
    p.setWorkingDirectory(dir);
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--tour")});
    p.waitForFinished(120000);
    return p.readAllStandardOutput().trimmed().toLong();
}
} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && QByteArray(argv[1]) == "--tour") {
        returnFreedMemoryToSystem(); // as the program does
        QApplication app(argc, argv);
        return tour();
    }
    QCoreApplication app(argc, argv);
    const QString dir = QCoreApplication::applicationDirPath();
    QProcess xvfb;
    startDisplayIfNone(xvfb, ":78");
    const long minimal = minimalWindowKb(dir);
    const long toured = tourKb(dir);
    report("empty Qt window, resident", minimal / 1024.0, "MB");
    report("velmora after touring every screen, resident", toured / 1024.0, "MB");
    report("ratio velmora / empty window", double(toured) / minimal, "x");
    xvfb.kill();
    xvfb.waitForFinished();
    return minimal > 0 && toured > 0 ? 0 : 1;
}
