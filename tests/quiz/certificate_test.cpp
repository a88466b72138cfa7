// The certificate after a full score, as the recording printer sees it: every
// font, colour, cursor position, text and frame line in order, and what the
// pupil is told when the printer fails at any point.
#include "quiz/certificate.h"
#include "quiz/welldone.h"
#include "common/module1.h"
#include "support/testenv.h"
#include "testregistry.h"

#include <QtTest>

namespace {
const QString kBanner = QStringLiteral("   Well Done      Well Done     Well Done     Well Done    ");
const QString kPrinting = QStringLiteral("Your certificate is now printing.");
const QString kProblem = QStringLiteral("There was a problem printing to your printer.");
const QString kCancelled = QStringLiteral("Printing has been cancelled.");

QString at(const QString &text, int x, int y) { return QStringLiteral("Print \"%1\" at %2,%3").arg(text).arg(x).arg(y); }
QString onLine(const QString &text, int x, int y) { return at(text, x, y) + ';'; }
QString blank(int y) { return at(QStringLiteral(" "), 0, y); }
QStringList centred(const QString &text, int x, int y)
{
    return {"ScaleWidth", "TextWidth \"" + text + '"', "CurrentX " + QString::number(x), at(text, x, y)};
}
QStringList rectangle(int left, int top, int right, int bottom)
{
    const auto line = [](int x1, int y1, int x2, int y2) {
        return QStringLiteral("Line (%1,%2)-(%3,%4)").arg(x1).arg(y1).arg(x2).arg(y2);
    };
    return {line(left, top, right, top), line(left, top, left, bottom), line(right, top, right, bottom),
            line(left, bottom, right, bottom)};
}

// The results screen after a full score of score out of maximum, shown and ready.
Welldone &fullScore(int score, const QString &subject)
{
    Module1.score = score;
    Module1.questionCount = score;
    Module1.certificateSubject = subject;
    Welldone &results = touch<Welldone>();
    results.showScreen();
    return results;
}

void printFor(Welldone &results, const QString &name)
{
    QTest::keyClicks(results.Text1, name);
    clickOn(results.Label3[0]);
}

// The font size set just before the subject was measured (the subject is
// the last text of its name to be centred).
QString fontSizeOfSubject(const QStringList &operations, const QString &subject)
{
    const int measured = operations.lastIndexOf("TextWidth \"" + subject + '"');
    return measured >= 2 ? operations[measured - 2] : QString();
}
} // namespace

class CertificateTest : public QObject {
    Q_OBJECT
private slots:
    // A pupil with a full score on a topic quiz types a name and prints.
    void aTopicQuizCertificateIsPrintedStepByStep()
    {
        TestEnvironment env;
        env.printer->printableSize = QSizeF(11520, 15840);
        Module1.soundOn = 1;
        Welldone &results = fullScore(10, QStringLiteral("Velmora"));
        printFor(results, QStringLiteral("Ada Lovelace"));
        QVERIFY(env.sound->played.filter("click").isEmpty()); // the print button is silent

        // Fake metrics: text is 10 twips per character per point wide, a line 23 twips per point high.
        QStringList expected{"Open", "FontName Times New Roman", "FontBold False",
                             // top banner, light blue 25 pt (line 575)
                             "ForeColor RGB(0, 0, 255)", "FontSize 25", "ScaleWidth", "CurrentX 1440", at(" ", 1440, 0),
                             onLine(kBanner, 0, 575), onLine(kBanner, 14750, 575), at(" ", 29500, 575), blank(1150),
                             blank(1725),
                             // title, light red 36 pt (line 828)
                             "ForeColor RGB(255, 0, 0)", "FontSize 36"};
        expected << centred("Velmora", 4500, 2300) << blank(3128);
        expected << "ForeColor RGB(0, 0, 255)" << "ScaleWidth" << "FontSize 36";
        expected << centred("Velmora", 4500, 3956) << blank(4784);
        expected << "FontSize 36" << blank(5612) << blank(6440) << blank(7268);
        // navy 28 pt (line 644)
        expected << "ForeColor RGB(0, 0, 128)" << "FontSize 28";
        expected << centred("Excellent Work", 3800, 8096) << blank(8740);
        expected << centred("Ada Lovelace", 4080, 9384) << blank(10028);
        expected << centred("You have scored 10 out of 10.", 1700, 10672) << blank(11316);
        expected << "FontSize 36" << blank(11960) << blank(12788);
        expected << "ForeColor RGB(0, 0, 255)" << "FontSize 25" << blank(13616);
        expected << "ForeColor RGB(0, 0, 0)" << onLine(kBanner, 0, 14191) << onLine(kBanner, 14750, 14191);
        expected << "DrawWidth 2" << "ScaleWidth" << "ScaleHeight";
        expected << rectangle(45, 270, 11475, 15570) << rectangle(645, 7320, 10875, 11820);
        expected << rectangle(90, 315, 11430, 15525) << rectangle(690, 7365, 10830, 11775);
        expected << rectangle(135, 360, 11385, 15480) << rectangle(735, 7410, 10785, 11730);
        expected << rectangle(180, 405, 11340, 15435);
        expected << rectangle(225, 450, 11295, 15390);
        expected << "EndDoc";
        QCOMPARE(env.printer->operations, expected);
        QCOMPARE(env.messages, QStringList{kPrinting});
        QCOMPARE(topScreenName(), QStringLiteral("Welldone"));
    }

    void theSubjectShrinksWhenWiderThanAQuarterOfThePage_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<double>("quarterLessWidth"); // printable width = 4 x (subject width - this)
        QTest::addColumn<QString>("size");
        QTest::addRow("exactly a quarter") << "Velmora" << 0.0 << "FontSize 36";
        QTest::addRow("just over a quarter") << "Velmora" << 0.5 << "FontSize 28";
        QTest::addRow("long subject, just under") << "The Ancient Greek City States" << -0.5 << "FontSize 36";
    }

    void theSubjectShrinksWhenWiderThanAQuarterOfThePage()
    {
        QFETCH(QString, subject);
        QFETCH(double, quarterLessWidth);
        QFETCH(QString, size);
        TestEnvironment env;
        const double onScreen = subjectWidthOnScreen(subject);
        QVERIFY(onScreen > 0);
        env.printer->printableSize = QSizeF(4 * (onScreen - quarterLessWidth), 15840);
        printFor(fullScore(10, subject), QStringLiteral("Sam"));
        QCOMPARE(fontSizeOfSubject(env.printer->operations, subject), size);
        QCOMPARE(env.messages, QStringList{kPrinting});
    }

    void emptyNameAndSubjectPrintBlankLines()
    {
        TestEnvironment env;
        clickOn(fullScore(6, QString()).Label3[0]);
        const QStringList &ops = env.printer->operations;
        // An empty centred line starts at the middle of the page and still moves down a line.
        QCOMPARE(ops.count("TextWidth \"\""), 2);
        QCOMPARE(ops.count("CurrentX 5760"), 2);
        QVERIFY(ops.contains(at(QString(), 5760, 3956))); // the subject, 36 pt
        QVERIFY(ops.contains(at(QString(), 5760, 9384))); // the name, 28 pt
        QVERIFY(ops.contains(at("You have scored 6 out of 6.", 1980, 10672)));
        QCOMPARE(ops.last(), QStringLiteral("EndDoc"));
        QCOMPARE(env.messages, QStringList{kPrinting});
    }

    void failuresStopPrintingWithOneMessage_data()
    {
        QTest::addColumn<bool>("noPrinter");
        QTest::addColumn<QString>("failOn");
        QTest::addColumn<bool>("unexpected");
        QTest::addColumn<QString>("lastDone"); // the last operation that was tried
        QTest::addColumn<QString>("message");
        QTest::addRow("no printer installed") << true << QString() << false << "Open" << kProblem;
        QTest::addRow("the job is refused") << false << "Open" << false << "Open" << kProblem;
        QTest::addRow("first step") << false << "FontName" << false << "FontName Times New Roman" << kProblem;
        QTest::addRow("the name") << false << "Print \"Ada" << false << at("Ada", 5340, 9384) << kProblem;
        QTest::addRow("a frame") << false << "Line (135" << false << "Line (135,360)-(11385,360)" << kProblem;
        QTest::addRow("the end of the document") << false << "EndDoc" << false << "EndDoc" << kProblem;
        QTest::addRow("something else goes wrong") << false << "TextWidth" << true << "TextWidth \"Velmora\""
                                                   << kCancelled;
    }

    void failuresStopPrintingWithOneMessage()
    {
        QFETCH(bool, noPrinter);
        QFETCH(QString, failOn);
        QFETCH(bool, unexpected);
        QFETCH(QString, lastDone);
        QFETCH(QString, message);
        TestEnvironment env;
        env.printer->noPrinter = noPrinter;
        env.printer->failOn = failOn;
        env.printer->failUnexpectedly = unexpected;
        Module1.soundOn = 1;
        Welldone &results = fullScore(10, QStringLiteral("Velmora"));
        printFor(results, QStringLiteral("Ada"));
        QCOMPARE(env.messages, QStringList{message});
        const QStringList &ops = env.printer->operations;
        QCOMPARE(ops.count("Open"), 1);
        QVERIFY(!ops.contains("EndDoc") || lastDone == "EndDoc");
        // The job that was open is dropped right after the failing step.
        if (ops.size() > 1) {
            QCOMPARE(ops.last(), QStringLiteral("Abort"));
            QCOMPARE(ops[ops.size() - 2], lastDone);
        } else {
            QCOMPARE(ops.last(), lastDone);
        }
        // The results screen stays as it was, and the button is silent.
        QCOMPARE(topScreenName(), QStringLiteral("Welldone"));
        QCOMPARE(results.Text1->text(), QStringLiteral("Ada"));
        QVERIFY(results.Text1->isVisible());
        QVERIFY(env.sound->played.filter("click").isEmpty());
    }

    void printingAgainAfterAFailureWorks()
    {
        TestEnvironment env;
        env.printer->failOn = QStringLiteral("EndDoc");
        Welldone &results = fullScore(10, QStringLiteral("Velmora"));
        printFor(results, QStringLiteral("Ada"));
        clickOn(results.Label3[0]);
        QCOMPARE(env.messages, (QStringList{kProblem, kPrinting}));
        QCOMPARE(env.printer->operations.count("Open"), 2);
        QCOMPARE(env.printer->operations.last(), QStringLiteral("EndDoc"));
    }
};

VELMORA_TEST(CertificateTest)
#include "certificate_test.moc"
