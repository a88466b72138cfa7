#include "support/testenv.h"

#include "common/commonsetup.h"
#include "common/module1.h"
#include "shell/intro0.h"
#include "support/platformprobe.h"
#include "toolkit/backendmodule.h"
#include "toolkit/contentpath.h"
#include "toolkit/display.h"
#include "toolkit/randomsource.h"
#include "toolkit/screen.h"
#include "toolkit/screenfit.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QtTest>

void RecordingSound::play(const QString &relativePath)
{
    played << relativePath;
    playedWithTop << relativePath + '@' + topScreenName();
}

TestEnvironment::TestEnvironment()
{
    Module1 = Module1State{};
    screens::unloadAll();
    intro0::defineAsMainMenu();
    // Every content folder is the repository's, but "multiple" is a copy the test may change.
    const QDir repository(QStringLiteral(VELMORA_SOURCE_DIR "/content"));
    for (const QString &folder : repository.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        linkFolder(repository.filePath(folder), root_.filePath(folder));
    emptyFolder(QStringLiteral("multiple"));
    for (const QString &file : QDir(repository.filePath(QStringLiteral("multiple"))).entryList(QDir::Files))
        QFile::copy(repository.filePath(QStringLiteral("multiple/") + file), multipleDir() + '/' + file);
    setContentRoot(root_.path());
    setSoundOutput(sound);
    setSpeechOutput(speech);
    setMessageBoxHandler([this](const QString &text, MsgButtons buttons) {
        messages << text;
        if (buttons == MsgButtons::Ok)
            return MsgResult::Ok;
        if (answers.empty()) // Enter: the default button
            return buttons == MsgButtons::OkCancelDefaultCancel ? MsgResult::Cancel : MsgResult::Ok;
        const MsgResult answer = answers.front();
        answers.pop_front();
        return answer;
    });
    setFileDialogHandler([this](const FileRequest &request) {
        fileRequests << request;
        const FileChoice choice = fileChoices.empty() ? FileChoice{} : fileChoices.front();
        if (!fileChoices.empty())
            fileChoices.pop_front();
        return choice;
    });
    setRandomSource([this] {
        const double r = randomNumbers.empty() ? 0.0 : randomNumbers.front();
        if (!randomNumbers.empty())
            randomNumbers.pop_front();
        return r;
    });
    setDisplayOverride(QSize(1024, 768));
    setProgramEndHandler([this] { ++programEnds; });
    setPrinterFactory(recordingPrinterFactory(printer));
}

TestEnvironment::~TestEnvironment()
{
    screens::unloadAll();
    // Never real audio or real printers in tests, even between environments.
    setSoundOutput(std::make_shared<RecordingSound>());
    setSpeechOutput(std::make_shared<RecordingSpeech>());
    setPrinterFactory(recordingPrinterFactory(std::make_shared<PrintRecord>()));
    setModuleFolders({});
    setMessageBoxHandler({});
    setFileDialogHandler({});
    setRandomSource({});
    setDisplayOverride({});
    screenfit::forgetFrame(); // the next story measures its own windows
    fitContentScreens(false);
    setProgramEndHandler({});
    setContentRoot({});
    Module1 = Module1State{};
}

void TestEnvironment::emptyFolder(const QString &folder)
{
    QFile::remove(root_.filePath(folder));
    QDir(root_.filePath(folder)).removeRecursively();
    QDir(root_.path()).mkpath(folder);
}

QMap<QString, QByteArray> TestEnvironment::multipleFolder() const
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(multipleDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        files.insert(name, fileBytes(*this, name));
    return files;
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile::remove(path);
    if (bytes.isNull())
        return;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
}

QByteArray fileBytes(const TestEnvironment &env, const QString &nameInMultiple)
{
    return readBytes(env.multipleDir() + '/' + nameInMultiple);
}

void writeFileBytes(const TestEnvironment &env, const QString &nameInMultiple, const QByteArray &bytes)
{
    writeBytes(env.multipleDir() + '/' + nameInMultiple, bytes);
}

QByteArray catalogueBytes(const QStringList &titles)
{
    return (QStringList{QStringLiteral(" %1 ").arg(titles.size())} + titles).join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
}

QStringList numberedTitles(int n, const QString &prefix)
{
    QStringList titles;
    for (int i = 1; i <= n; ++i)
        titles << prefix + QString::number(i);
    return titles;
}

QString topScreenName()
{
    const Screen *top = screens::topmost();
    return top ? top->objectName() : QString();
}

void clickOn(QWidget *widget, QPoint at)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at == QPoint(-1, -1) ? widget->rect().center() : at);
}

void clickBox(QWidget *button) { clickOn(button, QPoint(7, button->height() / 2)); }

// A disabled or passive control passes the move on to its parent.
void hoverOver(QWidget *widget, QPoint at)
{
    at = at == QPoint(-1, -1) ? widget->rect().center() : at;
    QWidget *under = widget->childAt(at) ? widget->childAt(at) : widget;
    moveWithButtons(under, under->mapFrom(widget, at), Qt::NoButton);
}

void moveWithButtons(QWidget *widget, QPointF at, Qt::MouseButtons buttons)
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, buttons, {});
    QApplication::sendEvent(widget, &move);
}
