// "Print Worksheet" on the quiz screen, as the recording printer sees it: the
// header, the centred subject and title, ten question blocks in two answer
// columns, and one message whatever happens.
#include "quiz/multiple.h"
#include "quiz/quizdriver.h"
#include "shell/intro0.h"
#include "common/module1.h"
#include "shell/topicmenu.h"
#include "support/testenv.h"
#include "testregistry.h"

#include <QFile>
#include <QtTest>

namespace {
const QString kPrinting = QStringLiteral("Your worksheet is now printing.");
const QString kProblem = QStringLiteral("There was a problem printing to your printer.");

QString at(const QString &text, int x, int y) { return QStringLiteral("Print \"%1\" at %2,%3").arg(text).arg(x).arg(y); }
QString blank(int y) { return at(QStringLiteral(" "), 0, y); }

// Question 1 and its answers carry commas, stored in the file as "&".
QString question(int k) { return k == 1 ? QStringLiteral("Who won, Athens or Sparta?") : testQuestion(k); }
QString answer(int k, char letter)
{
    if (k == 1)
        return QStringLiteral("Athens, at first; Sparta, later; Persia, never; Thebes, briefly").split("; ")[letter - 'A'];
    return QStringLiteral("Answer %1%2").arg(k).arg(QLatin1Char(letter));
}

// The Greek Fighters question file with the texts above, written byte for byte.
void writeQuestionsWithCommas(const TestEnvironment &env)
{
    QByteArray bytes;
    auto line = [&bytes](QString text) { bytes += text.replace(',', '&').toLatin1() + "\r\n"; };
    line(QStringLiteral("Sparta, Athens"));
    line(QStringLiteral(" "));
    for (int k = 1; k <= 10; ++k) {
        line(question(k));
        for (char letter : {'A', 'B', 'C', 'D'})
            line(answer(k, letter));
        line(QString::number(kRightAnswers[k - 1]));
        line(QStringLiteral(" "));
    }
    QFile file(env.multipleDir() + QStringLiteral("/Greek Fighters.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// The lines of question block k on a page 11520 twips wide (fake metrics:
// 12 pt lines are 276 twips high; a block is four lines).
QStringList questionBlock(int k)
{
    const int y = 3312 + (k - 1) * 1104;
    return {"ScaleWidth", "CurrentX 720", at(QStringLiteral("Question %1    ").arg(k) + question(k), 720, y),
            "ScaleWidth", "CurrentX 3840", at("A. " + answer(k, 'A'), 3840, y + 276) + ';',
            "ScaleWidth", "CurrentX 7680", at("B. " + answer(k, 'B'), 7680, y + 276),
            "ScaleWidth", "CurrentX 3840", at("C. " + answer(k, 'C'), 3840, y + 552) + ';',
            "ScaleWidth", "CurrentX 7680", at("D. " + answer(k, 'D'), 7680, y + 552),
            blank(y + 828)};
}
} // namespace

class WorksheetPrintTest : public QObject {
    Q_OBJECT
private slots:
    void theWorksheetIsPrintedLineByLine()
    {
        TestEnvironment env;
        env.printer->printableSize = QSizeF(11520, 15840);
        writeQuestionsWithCommas(env);
        Module1.soundOn = 1;
        multiple &quiz = openFightersQuiz();
        env.sound->played.clear();
        clickOn(quiz.Label3[3]);

        // Fake metrics: text is 10 twips per character per point wide, a line 23 twips per point high.
        const QString header = QStringLiteral("Velmora") + QString(57, ' ') + QStringLiteral("Quorvane Publishing Ltd");
        QStringList expected{"Open", "FontSize 16", "FontName Times New Roman",
                             "ScaleWidth", "CurrentX 1440", at(" ", 1440, 0),
                             "ScaleWidth", "CurrentX 720", at(header, 720, 368) + ';', at(" ", 14640, 368),
                             blank(736),
                             "FontSize 32",
                             "ScaleWidth", "TextWidth \"Velmora\"", "CurrentX 4640", at("Velmora", 4640, 1104),
                             "ScaleWidth", "TextWidth \"Sparta, Athens\"", "CurrentX 3520", at("Sparta, Athens", 3520, 1840),
                             blank(2576),
                             "FontSize 12"};
        for (int k = 1; k <= 10; ++k)
            expected << questionBlock(k);
        expected << "EndDoc";
        QCOMPARE(env.printer->operations, expected);
        QCOMPARE(env.messages, QStringList{kPrinting});
        // The quiz carries on where it was, and the button clicks like the others.
        QCOMPARE(topScreenName(), QStringLiteral("multiple"));
        QCOMPARE(Module1.questionNumber, 1);
        QCOMPARE(env.sound->played, QStringList{"wav\\click.wav"});
    }

    // Both topic quizzes offer "Print Worksheet"; an empty subject and title
    // print as empty centred lines.
    void everyTopicQuizOffersPrintWorksheet()
    {
        TestEnvironment env;
        writeFightersQuestions(env);
        multiple &fighters = openFightersQuiz();
        QVERIFY(fighters.Label3[3]->isVisible());
        QCOMPARE(fighters.Label3[3]->caption(), QStringLiteral("Print Worksheet"));
        QCOMPARE(fighters.Label3[3]->backStyle(), BackStyle::Transparent); // clear of the small picture
        fighters.Label5->setCaption(QString());
        fighters.Label6->setCaption(QString());
        clickOn(fighters.Label3[3]);
        const QStringList &ops = env.printer->operations;
        QCOMPARE(ops.filter("5760"), (QStringList{"CurrentX 5760", at(QString(), 5760, 1104), "CurrentX 5760",
                                                  at(QString(), 5760, 1840)}));
        QCOMPARE(ops.last(), QStringLiteral("EndDoc"));
        QCOMPARE(env.messages, QStringList{kPrinting});

        clickOn(fighters.Label3[2]); // Exit
        touch<intro0>().showScreen();
        clickOn(touch<intro0>().Label2[5]);
        clickOn(touch<writing>().label3[0]);
        QVERIFY(touch<multiple>().Label3[3]->isVisible());
    }

    void failuresShowOnlyTheProblem_data()
    {
        QTest::addColumn<bool>("noPrinter");
        QTest::addColumn<QString>("failOn");
        QTest::addRow("no printer installed") << true << QString();
        QTest::addRow("first step") << false << "FontSize 16";
        QTest::addRow("question 5") << false << "Print \"Question 5 ";
        QTest::addRow("the end of the document") << false << "EndDoc";
    }

    void failuresShowOnlyTheProblem()
    {
        QFETCH(bool, noPrinter);
        QFETCH(QString, failOn);
        TestEnvironment env;
        env.printer->noPrinter = noPrinter;
        env.printer->failOn = failOn;
        writeFightersQuestions(env);
        multiple &quiz = openFightersQuiz();
        clickOn(quiz.Label3[3]);
        QCOMPARE(env.messages, QStringList{kProblem});
        const QStringList &ops = env.printer->operations;
        QCOMPARE(ops.last(), QLatin1String(noPrinter ? "Open" : "Abort"));
        if (!noPrinter)
            QVERIFY(ops[ops.size() - 2].startsWith(failOn));
        QVERIFY(!ops.mid(0, ops.size() - 2).contains("EndDoc"));
        QCOMPARE(topScreenName(), QStringLiteral("multiple"));
    }
};

VELMORA_TEST(WorksheetPrintTest)
#include "worksheetprint_test.moc"
