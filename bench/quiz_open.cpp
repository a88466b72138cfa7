// Time to open the quiz screen the way a topic menu does (load the question
// file, check it, build the screen, set its picture and heading, show it),
// against showing an empty window of the same size with no controls.
//   bench_quiz_open [runs]   (run from the build folder, beside the content)
#include "benchutil.h"
#include "quiz/multiple.h"
#include "shell/quizstart.h"
#include "toolkit/contentpath.h"
#include "toolkit/headless.h"
#include "toolkit/messagebox.h"
#include "toolkit/screen.h"
#include "worksheets/questionloader.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
const QString kQuestionFile = QStringLiteral("multiple\\Bench Quiz.txt");

// A ten-question file of typical length in a private content folder whose
// pictures are the installed ones.
bool prepareContent(const QTemporaryDir &root)
{
    const QString installed = QCoreApplication::applicationDirPath();
    for (const char *folder : {"images", "wav"})
        QFile::link(installed + '/' + folder, root.path() + '/' + folder);
    QDir(root.path()).mkdir(QStringLiteral("multiple"));
    QByteArray bytes = "Weapons and armour of the hoplites\r\n \r\n";
    for (int k = 1; k <= 10; ++k) {
        bytes += "Which piece of armour protected a hoplite's legs in question " + QByteArray::number(k) + "?\r\n";
        bytes += "A bronze helmet\r\nGreaves\r\nA round shield called a hoplon\r\nA linen tunic\r\n";
        bytes += QByteArray::number((k - 1) % 4 + 1) + "\r\n \r\n";
    }
    QFile file(root.path() + "/multiple/Bench Quiz.txt");
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir runtimeDir;
    prepareHeadlessRun(runtimeDir);
    QApplication app(argc, argv);
    const int runs = argc > 1 ? QString(argv[1]).toInt() : 200;
    QTemporaryDir root;
    if (!prepareContent(root)) {
        std::fprintf(stderr, "cannot write the question file\n");
        return 1;
    }
    setContentRoot(root.path());
    setMessageBoxHandler([](const QString &text, MsgButtons) {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
        std::exit(1);
        return MsgResult::Ok;
    });

    const auto plain = timeRuns(runs, [] {
        QWidget w;
        w.resize(800, 600);
        w.show();
        QCoreApplication::processEvents();
    });
    const auto load = timeRuns(runs, [] { loadQuestionFile(kQuestionFile); });

    auto openQuiz = [] {
        if (!loadQuizQuestions(kQuestionFile) || !quizSetCanBeAnswered())
            std::exit(1);
        multiple &quiz = touch<multiple>();
        quiz.Picture1->loadPicture(QStringLiteral("images\\SPARTAN ARMY2.jpg"));
        quiz.Label5->setCaption(QStringLiteral("Velmora"));
        quiz.showScreen();
        QCoreApplication::processEvents();
    };
    openQuiz(); // fonts and decoders warm, as after the topic menu
    screens::unloadAll();
    QVector<double> open;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        openQuiz();
        open << t.nsecsElapsed() / 1e6;
        touch<multiple>().unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    report("empty 800x600 window shown (median)", median(plain));
    report("question file loaded (median)", median(load));
    report("quiz opened: load, check, build, picture, show (median)", median(open));
    report("ratio quiz opened / empty window", median(open) / median(plain), "x");
    return 0;
}
