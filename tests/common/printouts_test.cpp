// The printouts as they come off the printer: the certificate after a full
// score and the worksheet from the quiz, each checked mark by mark on the
// recorded page (a viewer's page: ShellTest), and one message whatever goes
// wrong with any of the three.
#include "activities/dragengine.h"
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
#include "toolkit/twips.h"
#include "worksheets/worksheets.h"

#include <QtTest>

namespace {
const QString kBanner = QStringLiteral("   Well Done      Well Done     Well Done     Well Done    ");

// A text mark of the recorded page (the recording printer's metrics: 10
// twips per character per point across, 23 twips per point down).
QString text(int x, int y, int points, const char *colour, const QString &caption)
{
    return QStringLiteral("%1,%2 Times New Roman %3 %4 %5").arg(x).arg(y).arg(points).arg(QLatin1String(colour), caption);
}

// Plays one road to the results: an activity with every label dragged into
// its own box or, one short, the last label into box 0 (the other column on
// the sentences), and "Start Again" pressed beneath the results; or a quiz
// (button 0) with every answer right or, one short, the last one wrong.
Welldone &playToTheResults(const QString &unit, int button, bool full)
{
    if (button == 0) {
        QList<int> choices = kRightAnswers;
        choices[9] = full ? choices[9] : choices[9] % 4 + 1;
        if (unit == QLatin1String("worksheets")) {
            touch<worksheets>().showScreen();
            clickOn(touch<worksheets>().Label2[1]);
        } else {
            clickTopicMenuButton(unit, 0);
        }
        answerAll(touch<multiple>(), choices);
    } else {
        DragActivity &activity = static_cast<DragActivity &>(clickTopicMenuButton(unit, button));
        const int last = activity.labelCount() - 1;
        for (int i = 0; i <= last; ++i)
            dragIntoBox(activity, i, i == last && !full ? 0 : i);
        clickOn(activity.Label3[DragActivity::CheckScore]);
        clickOn(activity.Label3[DragActivity::StartAgain]); // beneath the results: the shared score goes to 0
    }
    return touch<Welldone>();
}

// A topic quiz answered right throughout, a name typed: the first button prints.
QWidget *printCertificateButton(const QString &name)
{
    QTest::keyClicks(playToTheResults(QStringLiteral("fighters"), 0, true).Text1, name);
    return touch<Welldone>().Label3[0];
}
} // namespace

class PrintoutsTest : public QObject {
    Q_OBJECT
private slots:
    // A full score on every road (four activities, a topic quiz, a teacher's
    // worksheet) offers the name box and "Print Certificate", which prints
    // the pupil's name and score. One short, a quiz offers its wrong answers
    // and an activity the key facts, and nothing prints.
    void everyFullScorePrintsACertificate_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<int>("button"); // on the topic menu; 0: a quiz
        QTest::addColumn<int>("maximum");
        QTest::addColumn<bool>("full");
        QTest::addColumn<double>("scale"); // pointer drags at the scales screens are drawn at
        const QList<std::tuple<const char *, const char *, int, int, double>> roads{
            {"soldier", "fighters", 1, 5, 0.75},      {"Greek words", "writing", 1, 6, 560.0 / 600}, {"sentences", "fighters", 3, 10, 1.5},
            {"Greek letters", "writing", 3, 5, 2.0}, {"topic quiz", "fighters", 0, 10, 1.0}, {"worksheet", "worksheets", 0, 10, 1.0}};
        for (const auto &[road, unit, button, maximum, scale] : roads)
            for (bool full : {true, false})
                QTest::addRow("%s, %s", road, full ? "full" : "one short") << unit << button << maximum << full << scale;
    }
    void everyFullScorePrintsACertificate()
    {
        QFETCH(QString, unit);
        QFETCH(int, button);
        QFETCH(int, maximum);
        QFETCH(bool, full);
        QFETCH(double, scale);
        TestEnvironment env;
        twips::setScale(scale);
        writeQuestionFile(env);
        writeQuestionFile(env, QStringLiteral("Vases.txt"), QStringLiteral("Vases"));
        writeFileBytes(env, QStringLiteral("track.txt"), catalogueBytes({"Vases"}));
        Welldone &results = playToTheResults(unit, button, full);
        const bool quiz = button == 0;
        QCOMPARE(results.Label1->caption().section(' ', -4), QStringLiteral("%1 out of %2.").arg(full ? maximum : maximum - 1).arg(maximum));
        QCOMPARE((QList<bool>{results.Label3[0]->isVisible(), results.Label5->isVisible(), results.Label6->isVisible(), results.Text1->isVisible()}),
                 (QList<bool>{full || quiz, !full && quiz, !full && !quiz, full}));
        QTest::keyClicks(results.Text1, QStringLiteral("Ada"));
        clickOn(results.Label3[0]);
        const QString page = env.printer->pages.value(0).join('\n');
        QCOMPARE(page.contains(QStringLiteral("Ada")) && page.contains(QStringLiteral("You have scored %1 out of %1.").arg(maximum)), full);
        QCOMPARE(env.printer->pages.size(), full ? 1 : 0);
    }

    // Two banners, the title, the subject (smaller when wider than a quarter
    // of the page), the praise, name and score, then five nested frames 45
    // twips apart, the first three each with its inner frame. The print
    // button is silent.
    void theCertificate()
    {
        TestEnvironment env;
        writeQuestionFile(env);
        Module1.soundOn = 1;
        QWidget *print = printCertificateButton(QStringLiteral("Ada Lovelace"));
        env.sound->played.clear();
        clickOn(print);
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
        QTest::addRow("certificate, no print module")
            << "certificate" << "no print module"
            << problem + "\n\nVelmora's printing part, velmora-print, is missing: it was looked for in CONTENT. Please ask "
                         "whoever looks after this computer to install Velmora again.";
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
        QWidget *print = printout.startsWith(QLatin1String("certificate")) ? printCertificateButton(QStringLiteral("Ada"))
                         : printout == QLatin1String("worksheet")           ? openFightersQuiz().Label3[3]
                                                                            : static_cast<guide &>(clickMainMenuEntry(20)).Label3[viewer::Print];
        const QString onTop = topScreenName();
        clickOn(print);
        QFETCH(QString, message);
        QCOMPARE(env.messages.join('|'), message.replace(QStringLiteral("CONTENT"), env.contentDir()));
        QVERIFY(env.printer->pages.isEmpty() && topScreenName() == onTop);
        if (!failOn.startsWith(QLatin1String("no "))) {
            clickOn(print); // the printer failed once
            QCOMPARE(env.printer->pages.size(), 1);
        }
    }
};

VELMORA_TEST(PrintoutsTest)
#include "printouts_test.moc"
