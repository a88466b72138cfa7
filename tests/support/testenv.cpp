#include "support/testenv.h"
#include "common/module1.h"
#include "shell/intro0.h"
#include "toolkit/contentpath.h"
#include "toolkit/display.h"
#include "toolkit/printer.h"
#include "toolkit/randomsource.h"
#include "toolkit/screen.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMouseEvent>
#include <QTimer>
#include <QtTest>

namespace {
const QString kRepoContent = QStringLiteral(VELMORA_SOURCE_DIR "/content");

void copyFolder(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QFileInfo &f : QDir(from).entryInfoList(QDir::Files))
        QFile::copy(f.filePath(), to + '/' + f.fileName());
}
} // namespace

void RecordingSound::play(const QString &relativePath)
{
    played << relativePath;
    playedWithTop << relativePath + '@' + topScreenName();
}

TestEnvironment::TestEnvironment()
{
    Module1 = Module1State{};
    screens::unloadAll();
    intro0::defineName();
    for (const QFileInfo &f : QDir(kRepoContent).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (f.fileName().compare("multiple", Qt::CaseInsensitive) == 0)
            copyFolder(f.filePath(), root_.path() + '/' + f.fileName());
        else
            QFile::link(f.filePath(), root_.path() + '/' + f.fileName());
    }
    setContentRoot(root_.path());
    setSoundOutput(sound);
    setMessageBoxHandler([this](const QString &text, MsgButtons buttons) {
        messages << text;
        if (buttons == MsgButtons::Ok || answers.empty())
            return MsgResult::Ok;
        const MsgResult r = answers.front();
        answers.pop_front();
        return r;
    });
    setRandomSource([this] {
        if (randomNumbers.empty())
            return 0.0;
        const double r = randomNumbers.front();
        randomNumbers.pop_front();
        return r;
    });
    setDisplaySizeOverride(QSizeF(1024 * 15, 768 * 15));
    setProgramEndHandler([this] { ++programEnds; });
    setPrinterFactory(recordingPrinterFactory(printer));
}

TestEnvironment::~TestEnvironment()
{
    screens::unloadAll();
    setSoundOutput(std::make_shared<RecordingSound>()); // never real audio in tests
    setMessageBoxHandler({});
    setRandomSource({});
    setDisplaySizeOverride({});
    setProgramEndHandler({});
    setPrinterFactory(recordingPrinterFactory(std::make_shared<PrintRecord>())); // never real printers in tests
    setContentRoot({});
    Module1 = Module1State{};
}

QString TestEnvironment::multipleDir() const { return root_.path() + "/multiple"; }

void TestEnvironment::emptyFolder(const QString &folder)
{
    const QString path = root_.path() + '/' + folder;
    QFile::remove(path);
    QDir(path).removeRecursively();
    QDir().mkpath(path);
}

QString topScreenName()
{
    const Screen *top = screens::topmost();
    return top ? top->objectName() : QString();
}

namespace {
QPoint centreIfUnset(QWidget *w, QPoint at) { return at == QPoint(-1, -1) ? w->rect().center() : at; }
} // namespace

void clickOn(QWidget *widget, QPoint at) { QTest::mouseClick(widget, Qt::LeftButton, {}, centreIfUnset(widget, at)); }

// The move is delivered to whatever control lies under the point, as the
// window system would; a disabled or passive control passes it on to its parent.
void hoverOver(QWidget *widget, QPoint at)
{
    at = centreIfUnset(widget, at);
    QWidget *target = widget;
    if (QWidget *child = widget->childAt(at)) {
        target = child;
        at = child->mapFrom(widget, at);
    }
    moveWithButton(target, at, Qt::NoButton);
}

void pressOn(QWidget *widget, QPoint at, Qt::MouseButton button) { QTest::mousePress(widget, button, {}, at); }

void moveWithButton(QWidget *widget, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::NoButton, buttons, {});
    QApplication::sendEvent(widget, &move);
}

void releaseOn(QWidget *widget, QPoint at, Qt::MouseButton button) { QTest::mouseRelease(widget, button, {}, at); }

void runEventsFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
