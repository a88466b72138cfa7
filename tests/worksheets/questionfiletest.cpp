// Question files byte for byte: what the worksheet writer puts on disk, what
// the loader makes of it, and what a file that ends early leaves behind.
#include "contentfolder.h"
#include "testregistry.h"
#include "toolkit/seqfile.h"
#include "worksheets/catalogueread.h"
#include "worksheets/questionloader.h"
#include "worksheets/rightanswer.h"
#include "worksheets/worksheetfile.h"
#include "worksheets/worksheetmessages.h"

#include <QtTest>

Q_DECLARE_METATYPE(WorksheetContent)

namespace {
// Question q + 1 is "Question <q+1>?", its answers "A<q+1>" to "D<q+1>", and
// its right answer cycles through A to D.
WorksheetContent sampleWorksheet(const QString &title = QStringLiteral("Romans"))
{
    WorksheetContent w;
    w.title = title;
    const QString letters = QStringLiteral("ABCD");
    for (int q = 0; q < 10; ++q) {
        w.questions[q] = QStringLiteral("Question %1?").arg(q + 1);
        for (int a = 0; a < 4; ++a)
            w.answers[4 * q + a] = letters[a] + QString::number(q + 1);
        w.ticks[4 * q + q % 4] = true;
    }
    return w;
}

QList<QByteArray> sampleLines(const QByteArray &title = "Romans")
{
    QList<QByteArray> lines{title, " "};
    for (int q = 1; q <= 10; ++q) {
        const QByteArray n = QByteArray::number(q);
        lines << "Question " + n + "?" << "A" + n << "B" + n << "C" + n << "D" + n
              << QByteArray::number((q - 1) % 4 + 1) << " ";
    }
    return lines;
}

// Fills the shared question set with recognisable "old" values.
void fillOldSet()
{
    Module1.quizTitle = QStringLiteral("old title");
    for (int k = 0; k <= 10; ++k) {
        Module1.questionText[k] = QStringLiteral("old q%1").arg(k);
        Module1.answerA[k] = Module1.answerB[k] = Module1.answerC[k] = Module1.answerD[k] = QStringLiteral("old a%1").arg(k);
        Module1.correctAnswer[k] = QStringLiteral("old");
    }
}
} // namespace

class QuestionFileTest : public QObject {
    Q_OBJECT

private slots:
    void aSavedWorksheetIs72CrLfLines()
    {
        ContentFolder folder;
        folder.write("track.txt", catalogueBytes({}));
        QCOMPARE(saveWorksheetFiles(sampleWorksheet()), SaveOutcome::Saved);
        const QByteArray bytes = folder.read("Romans.txt");
        QCOMPARE(bytes, crlfLines(sampleLines()));
        QCOMPARE(bytes.count("\r\n"), 72);
        QCOMPARE(bytes.count('\n'), 72);
        QCOMPARE(bytes.count('\r'), 72);
        QCOMPARE(folder.read("track.txt"), catalogueBytes({"Romans"}));
    }

    void commasAreStoredAsAmpersandsAndComeBack()
    {
        ContentFolder folder;
        folder.write("track.txt", catalogueBytes({}));
        WorksheetContent w = sampleWorksheet();
        w.questions[0] = QStringLiteral("Who won, Athens or Sparta?");
        w.answers[1] = QStringLiteral("Sparta, after many years");
        w.answers[2] = QStringLiteral("Fish & chips"); // a teacher's own "&"
        writeWorksheetFile(w);
        const QList<QByteArray> lines = folder.read("Romans.txt").split('\n');
        QCOMPARE(lines[2], QByteArray("Who won& Athens or Sparta?\r"));
        QCOMPARE(lines[4], QByteArray("Sparta& after many years\r"));
        QCOMPARE(lines[5], QByteArray("Fish & chips\r"));

        QCOMPARE(loadWorksheetQuestions(QStringLiteral("Romans")), QuestionFileLoad::Loaded);
        QCOMPARE(Module1.questionText[1], QStringLiteral("Who won, Athens or Sparta?"));
        QCOMPARE(Module1.answerB[1], QStringLiteral("Sparta, after many years"));
        QCOMPARE(Module1.answerC[1], QStringLiteral("Fish , chips"));
    }

    void loadingFillsTheSharedSetAndLosesLeadingSpaces()
    {
        ContentFolder folder;
        QList<QByteArray> lines = sampleLines("Old & New");
        lines[2] = "   Who built the Parthenon?";
        lines[3] = " ";              // an answer of one space reads back empty
        lines[4] = "  Pericles  ";   // trailing spaces stay
        lines[7] = " 3 ";            // the right answer as read
        folder.write("Set.txt", crlfLines(lines));
        fillOldSet();
        QCOMPARE(loadQuestionFile(QStringLiteral("multiple\\Set.txt")), QuestionFileLoad::Loaded);
        QCOMPARE(Module1.quizTitle, QStringLiteral("Old , New"));
        QCOMPARE(Module1.questionText[1], QStringLiteral("Who built the Parthenon?"));
        QCOMPARE(Module1.answerA[1], QString());
        QCOMPARE(Module1.answerB[1], QStringLiteral("Pericles  "));
        QCOMPARE(Module1.correctAnswer[1], QStringLiteral("3 "));
        QCOMPARE(rightAnswerChoice(Module1.correctAnswer[1]), 3);
        QCOMPARE(Module1.questionText[10], QStringLiteral("Question 10?"));
        QCOMPARE(Module1.answerD[10], QStringLiteral("D10"));
        QCOMPARE(Module1.correctAnswer[10], QStringLiteral("2"));
        // Slot 0 is never touched.
        QCOMPARE(Module1.questionText[0], QStringLiteral("old q0"));
        QCOMPARE(Module1.correctAnswer[0], QStringLiteral("old"));
    }

    void windows1252TextSurvivesSavingAndLoading()
    {
        ContentFolder folder;
        folder.write("track.txt", catalogueBytes({}));
        WorksheetContent w = sampleWorksheet(QStringLiteral("Caf\u00e9 \u20ac"));
        w.questions[0] = QStringLiteral("\u201cKnow thyself\u201d \u2013 who said it?");
        w.answers[0] = QStringLiteral("Soc\u00e9rates\u2019 pupil");
        QCOMPARE(saveWorksheetFiles(w), SaveOutcome::Saved);
        const QByteArray bytes = folder.read("Caf\u00e9 \u20ac.txt");
        QVERIFY(bytes.startsWith("Caf\xe9 \x80\r\n \r\n\x93Know thyself\x94 \x96 who said it?\r\nSoc\xe9rates\x92 pupil\r\n"));
        QCOMPARE(folder.read("track.txt"), QByteArray(" 1 \r\nCaf\xe9 \x80\r\n"));

        QCOMPARE(loadWorksheetQuestions(w.title), QuestionFileLoad::Loaded);
        QCOMPARE(Module1.quizTitle, w.title);
        QCOMPARE(Module1.questionText[1], w.questions[0]);
        QCOMPARE(Module1.answerA[1], w.answers[0]);
        QCOMPARE(readCatalogue(CatalogueReadPolicy::StopAtFirstFailure).complete, true);
        QCOMPARE(Module1.worksheetTitles[1], w.title);
    }

    void aFileThatStopsAfterLine70KeepsTheOldLastAnswer()
    {
        ContentFolder folder;
        folder.write("Short.txt", crlfLines(sampleLines().mid(0, 70)));
        fillOldSet();
        QCOMPARE(loadQuestionFile(QStringLiteral("multiple\\Short.txt")), QuestionFileLoad::Incomplete);
        for (int k = 1; k <= 10; ++k) {
            QCOMPARE(Module1.questionText[k], QStringLiteral("Question %1?").arg(k));
            QCOMPARE(Module1.answerD[k], QStringLiteral("D%1").arg(k));
        }
        QCOMPARE(Module1.correctAnswer[9], QStringLiteral("1"));
        QCOMPARE(Module1.correctAnswer[10], QStringLiteral("old"));
    }

    void aFileLackingOnlyItsLastSeparatorLoadsAllAndStillFails()
    {
        ContentFolder folder;
        folder.write("Almost.txt", crlfLines(sampleLines().mid(0, 71)));
        fillOldSet();
        QCOMPARE(loadQuestionFile(QStringLiteral("multiple\\Almost.txt")), QuestionFileLoad::Incomplete);
        QCOMPARE(Module1.correctAnswer[10], QStringLiteral("2"));
        // A plain reader shows the end-of-file error itself.
        SeqFileReader file(folder.path("Almost.txt"));
        try {
            loadQuestionSet(file);
            QFAIL("a 71-line file loaded without an error");
        } catch (const SeqFileError &error) {
            QCOMPARE(error.kind(), SeqFileError::Kind::PastEnd);
        }
    }

    void aShortFileKeepsTheOldValuesOfSlotsItNeverReached()
    {
        ContentFolder folder;
        folder.write("Ten.txt", crlfLines(sampleLines().mid(0, 10)));
        fillOldSet();
        QCOMPARE(loadQuestionFile(QStringLiteral("multiple\\Ten.txt")), QuestionFileLoad::Incomplete);
        QCOMPARE(Module1.quizTitle, QStringLiteral("Romans"));
        QCOMPARE(Module1.correctAnswer[1], QStringLiteral("1"));
        QCOMPARE(Module1.questionText[2], QStringLiteral("Question 2?"));
        QCOMPARE(Module1.answerA[2], QStringLiteral("old a2"));
        QCOMPARE(Module1.questionText[3], QStringLiteral("old q3"));
    }

    void aMissingFileChangesNothing()
    {
        ContentFolder folder;
        fillOldSet();
        QCOMPARE(loadQuestionFile(QStringLiteral("multiple\\Greek Fighters.txt")), QuestionFileLoad::CannotOpen);
        QCOMPARE(Module1.quizTitle, QStringLiteral("old title"));
        QCOMPARE(Module1.questionText[1], QStringLiteral("old q1"));
        // The channel was given back: the next load works.
        folder.write("GREEK FIGHTERS.TXT", crlfLines(sampleLines("Greek Fighters")));
        QCOMPARE(loadQuestionFile(QStringLiteral("multiple\\Greek Fighters.txt")), QuestionFileLoad::Loaded);
        QCOMPARE(Module1.quizTitle, QStringLiteral("Greek Fighters"));
    }

    void linesAfterLine72AreNeverRead()
    {
        ContentFolder folder;
        folder.write("Long.txt", crlfLines(sampleLines()) + "extra\r\nmore,fields\r\n");
        QCOMPARE(loadQuestionFile(QStringLiteral("multiple\\Long.txt")), QuestionFileLoad::Loaded);
        QCOMPARE(Module1.correctAnswer[10], QStringLiteral("2"));
    }

    void savingAgainRewritesTheFileAndLeavesTheCatalogue()
    {
        ContentFolder folder;
        folder.write("track.txt", catalogueBytes({"Greeks", "Romans"}));
        const QByteArray catalogue = folder.read("track.txt");
        WorksheetContent w = sampleWorksheet();
        w.questions[9] = QStringLiteral("Changed?");
        QCOMPARE(saveWorksheetFiles(w), SaveOutcome::Saved);
        QCOMPARE(saveOutcomeMessage(SaveOutcome::Saved), savedMessage);
        QList<QByteArray> lines = sampleLines();
        lines[65] = "Changed?";
        QCOMPARE(folder.read("Romans.txt"), crlfLines(lines));
        QCOMPARE(folder.read("track.txt"), catalogue);
    }

    void theWriterRefusesWithNothingWritten_data()
    {
        QTest::addColumn<WorksheetContent>("worksheet");
        WorksheetContent twoTicks = sampleWorksheet();
        twoTicks.ticks[8] = twoTicks.ticks[10] = true;
        QTest::newRow("two ticks") << twoTicks;
        WorksheetContent noTick = sampleWorksheet();
        noTick.ticks[36 + 1] = false;
        QTest::newRow("no tick") << noTick;
        WorksheetContent greek = sampleWorksheet();
        greek.answers[17] = QStringLiteral("\u03a3\u03c0\u03ac\u03c1\u03c4\u03b7");
        QTest::newRow("Greek letters") << greek;
        QTest::newRow("topic file name") << sampleWorksheet(QStringLiteral("greek fighters"));
        QTest::newRow("catalogue name") << sampleWorksheet(QStringLiteral("Track"));
        QTest::newRow("slash") << sampleWorksheet(QStringLiteral("../Romans"));
        QTest::newRow("empty title") << sampleWorksheet(QString());
    }
    void theWriterRefusesWithNothingWritten()
    {
        QFETCH(WorksheetContent, worksheet);
        ContentFolder folder;
        folder.write("track.txt", catalogueBytes({"Romans"}));
        folder.write("Romans.txt", "previous\r\n");
        folder.write("Greek Fighters.txt", "topic\r\n");
        folder.write("track.txt.txt", "unrelated\r\n");
        const QStringList before = folder.entries();
        QCOMPARE(saveWorksheetFiles(worksheet), SaveOutcome::NotWritten);
        QCOMPARE(saveOutcomeMessage(SaveOutcome::NotWritten), saveProblemMessage);
        QCOMPARE(folder.entries(), before);
        QCOMPARE(folder.read("track.txt"), catalogueBytes({"Romans"}));
        QCOMPARE(folder.read("Romans.txt"), QByteArray("previous\r\n"));
        QCOMPARE(folder.read("Greek Fighters.txt"), QByteArray("topic\r\n"));
        QVERIFY(!QFile::exists(folder.root() + "/Romans.txt"));
    }

    void rightAnswerEntriesNameAChoiceOrNothing_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("choice"); // 0: names none
        QTest::newRow("1") << "1" << 1;
        QTest::newRow("4") << "4" << 4;
        QTest::newRow("spaces") << " 2 " << 2;
        QTest::newRow("leading zero") << "03" << 3;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("5") << "5" << 0;
        QTest::newRow("letter") << "B" << 0;
        QTest::newRow("decimal") << "2.5" << 0;
        QTest::newRow("negative") << "-1" << 0;
    }
    void rightAnswerEntriesNameAChoiceOrNothing()
    {
        QFETCH(QString, entry);
        QFETCH(int, choice);
        QCOMPARE(rightAnswerChoice(entry).value_or(0), choice);
    }

    void aSetWithABadRightAnswerIsFound()
    {
        ContentFolder folder;
        QList<QByteArray> lines = sampleLines();
        lines[2 + 7 * 6 + 5] = "5"; // question 7
        folder.write("Bad.txt", crlfLines(lines));
        QCOMPARE(loadQuestionFile(QStringLiteral("multiple\\Bad.txt")), QuestionFileLoad::Loaded);
        QCOMPARE(firstQuestionWithoutRightAnswer(), 7);
        Module1.correctAnswer[7] = QStringLiteral("4");
        QCOMPARE(firstQuestionWithoutRightAnswer(), std::nullopt);
    }

    void theShippedTopicFilesAreCompleteSets_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("fighters") << QStringLiteral("multiple\\Greek Fighters.txt");
        QTest::newRow("writing") << QStringLiteral("multiple\\Greek Writing.txt");
    }
    void theShippedTopicFilesAreCompleteSets()
    {
        QFETCH(QString, file);
        setContentRoot(QStringLiteral(VELMORA_SOURCE_DIR "/content"));
        const QString path = resolveContentPath(file);
        if (!QFile::exists(path)) {
            setContentRoot(QString());
            QSKIP("topic question file not in content/ yet");
        }
        QFile raw(path);
        QVERIFY(raw.open(QIODevice::ReadOnly));
        const QByteArray bytes = raw.readAll();
        QCOMPARE(bytes.count("\r\n"), 72);
        QCOMPARE(bytes.count('\n'), 72);
        const QuestionFileLoad load = loadQuestionFile(file);
        setContentRoot(QString());
        QCOMPARE(load, QuestionFileLoad::Loaded);
        QCOMPARE(firstQuestionWithoutRightAnswer(), std::nullopt);
    }
};

VELMORA_TEST(QuestionFileTest)
#include "questionfiletest.moc"
