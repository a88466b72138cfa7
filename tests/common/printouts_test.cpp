// The printouts as they come off the printer: the certificate after a full
// score and the worksheet from the quiz, each checked mark by mark on the
// recorded page (a viewer's page: ShellTest), and one message whatever goes
// wrong with any of the three.
#include "common/module1.h"
#include "common/printout.h"
#include "quiz/certificate.h"
#include "quiz/multiple.h"
#include "quiz/welldone.h"
#include "shell/guide.h"
#include "support/pupil.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "toolkit/backendmodule.h"

#include <QtTest>

namespace {
const QString kBanner = QStringLiteral("   Well Done      Well Done     Well Done     Well Done    ");

// A text mark of the recorded page (the recording printer's metrics: 10
// twips per character per point across, 23 twips per point down).
QString text(int x, int y, int points, const char *colour, const QString &caption)
{
    return QStringLiteral("%1,%2 Times New Roman %3 %4 %5").arg(x).arg(y).arg(points).arg(QLatin1String(colour), caption);
}

// The results after a full score with a name typed; the first button prints.
Welldone &fullScore(const QString &subject, const QString &name, int score = 10)
{
    Module1.score = Module1.questionCount = score;
    Module1.certificateSubject = subject;
    touch<Welldone>().showScreen();
    QTest::keyClicks(touch<Welldone>().Text1, name);
    return touch<Welldone>();
}
} // namespace

class PrintoutsTest : public QObject {
    Q_OBJECT
private slots:
    // Two banners, the title, the subject (smaller when wider than a quarter
    // of the page), the praise, name and score, then five nested frames 45
    // twips apart, the first three each with its inner frame. The print
    // button is silent.
    void theCertificate()
    {
        TestEnvironment env;
        Module1.soundOn = 1;
        clickOn(fullScore(QStringLiteral("Velmora"), QStringLiteral("Ada Lovelace")).Label3[0]);
        QCOMPARE(env.messages, QStringList{"Your certificate is now printing."});
        QVERIFY(env.sound->played.filter("click").isEmpty());
        QVERIFY(certificateSubjectPoints(2880, 11520) == 36 && certificateSubjectPoints(2880.5, 11520) == 28);
        const QStringList page = env.printer->pages.value(0);
        QCOMPARE(page.mid(0, 9), (QStringList{text(0, 575, 25, "#0000ff", kBanner), text(14750, 575, 25, "#0000ff", kBanner),
                                              text(4500, 2300, 36, "#ff0000", "Velmora"), text(4500, 3956, 36, "#0000ff", "Velmora"),
                                              text(3800, 8096, 28, "#000080", "Excellent Work"),
                                              text(4080, 9384, 28, "#000080", "Ada Lovelace"),
                                              text(1700, 10672, 28, "#000080", "You have scored 10 out of 10."),
                                              text(0, 14191, 25, "#000000", kBanner), text(14750, 14191, 25, "#000000", kBanner)}));
        QCOMPARE(page.size(), 9 + 8 * 4);
        QCOMPARE((QStringList{page[9], page[10], page[13], page.last()}),
                 (QStringList{"line 45,270 11475,270 2px #000000", "line 45,270 45,15570 2px #000000",
                              "line 645,7320 10875,7320 2px #000000", "line 225,15390 11295,15390 2px #000000"}));
    }

    // A header, the subject and the title, then each question with its
    // answers in two columns; commas show as typed. The quiz carries on.
    void theWorksheet()
    {
        TestEnvironment env;
        writeQuestionFile(env, QStringLiteral("Greek Fighters.txt"), QStringLiteral("Sparta& Athens"));
        Module1.soundOn = 1;
        multiple &quiz = openFightersQuiz();
        QCOMPARE(quiz.Label3[3]->backStyle(), BackStyle::Transparent); // clear of the small picture
        env.sound->played.clear();
        clickOn(quiz.Label3[3]);
        QCOMPARE(env.messages, QStringList{"Your worksheet is now printing."});
        QVERIFY(env.sound->played == QStringList{"wav\\click.wav"} && Module1.questionNumber == 1);
        const QStringList page = env.printer->pages.value(0);
        QCOMPARE(page.size(), 3 + 10 * 5);
        QCOMPARE(page.mid(0, 8), (QStringList{text(720, 368, 16, "#000000", "Velmora" + QString(57, ' ') + "Quorvane Publishing Ltd"),
                                              text(4640, 1104, 32, "#000000", "Velmora"),
                                              text(3520, 1840, 32, "#000000", "Sparta, Athens"),
                                              text(720, 3312, 12, "#000000", "Question 1    " + testQuestion(1)),
                                              text(3840, 3588, 12, "#000000", "A. Answer 1A"), text(7680, 3588, 12, "#000000", "B. Answer 1B"),
                                              text(3840, 3864, 12, "#000000", "C. Answer 1C"), text(7680, 3864, 12, "#000000", "D. Answer 1D")}));
        QCOMPARE(page[3 + 9 * 5], text(720, 13248, 12, "#000000", "Question 10    " + testQuestion(10)));
    }

    // Whatever fails, nothing reaches the printer, the one message says so and
    // the screen stays as it was; printing again afterwards works.
    void aFailureShowsOneMessageAndPrintsNothing_data()
    {
        QTest::addColumn<QString>("printout");
        QTest::addColumn<QString>("failOn"); // "no printer", "no print module", or a step of the job
        QTest::addColumn<QString>("message");
        const QString problem = printingProblemMessage;
        QTest::addRow("certificate, no printer") << "certificate" << "no printer" << problem;
        QTest::addRow("certificate, no print module") << "certificate" << "no print module" << problem;
        QTest::addRow("certificate, at the name") << "certificate" << "5340,9384" << problem;
        QTest::addRow("certificate, at the end") << "certificate" << "EndDoc" << problem;
        QTest::addRow("certificate, something else") << "certificate!" << "line" << "Printing has been cancelled.";
        QTest::addRow("worksheet, at question 5") << "worksheet" << "720,7728" << problem;
        QTest::addRow("page, drawing it") << "page" << "picture" << problem;
        QTest::addRow("page, no print copy") << "page" << "no print copy" << problem;
    }
    void aFailureShowsOneMessageAndPrintsNothing()
    {
        QFETCH(QString, printout);
        QFETCH(QString, failOn);
        TestEnvironment env;
        env.printer->noPrinter = failOn == QLatin1String("no printer");
        env.printer->failOn = failOn;
        env.printer->failUnexpectedly = printout.endsWith('!');
        if (failOn == QLatin1String("no print copy"))
            env.emptyFolder(QStringLiteral("wmf2"));
        if (failOn == QLatin1String("no print module")) { // the real printer, its module missing
            setPrinterFactory({});
            setModuleFolders({env.contentDir()});
        }
        writeQuestionFile(env);
        QWidget *print = printout.startsWith(QLatin1String("certificate")) ? fullScore(QStringLiteral("Velmora"), QStringLiteral("Ada")).Label3[0]
                         : printout == QLatin1String("worksheet")           ? openFightersQuiz().Label3[3]
                                                                            : static_cast<guide &>(clickMainMenuEntry(20)).Label3[viewer::Print];
        const QString onTop = topScreenName();
        clickOn(print);
        QTEST(env.messages.join('|'), "message");
        QVERIFY(env.printer->pages.isEmpty() && topScreenName() == onTop);
        if (!failOn.startsWith(QLatin1String("no "))) {
            clickOn(print); // the printer failed once
            QCOMPARE(env.printer->pages.size(), 1);
        }
    }
};

VELMORA_TEST(PrintoutsTest)
#include "printouts_test.moc"
