// Question files byte for byte: what the worksheet writer puts on disk or
// refuses to, what the loader makes of it, and what a file that ends early
// leaves behind.
#include "contentfolder.h"
#include "testregistry.h"
#include "wizarddriver.h"
#include "worksheets/catalogueread.h"
#include "worksheets/questionloader.h"
#include "common/questionset.h"
#include "worksheets/worksheetfile.h"

#include <QtTest>

Q_DECLARE_METATYPE(WorksheetContent)

namespace {
// The lines of a question file: question q is "Question <q>?", its answers
// "A<q>" to "D<q>", and its right answer cycles through A to D.
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
    // Commas are stored as "&" (so a teacher's own "&" comes back as a comma),
    // and every character as its one Windows-1252 byte, in the catalogue too.
    void textSurvivesSavingAndLoading()
    {
        ContentFolder folder;
        folder.write("track.txt", catalogueBytes({}));
        WorksheetContent w = sampleWorksheet(QStringLiteral("Caf\u00e9 \u20ac"));
        w.questions[0] = QStringLiteral("\u201cKnow thyself\u201d, who said it?");
        w.answers[0] = QStringLiteral("Soc\u00e9rates\u2019 pupil \u2013 Plato");
        w.answers[1] = QStringLiteral("Sparta, after many years");
        w.answers[2] = QStringLiteral("Fish & chips");
        QCOMPARE(saveWorksheetFiles(w), SaveOutcome::Saved);
        QVERIFY(folder.read("Caf\u00e9 \u20ac.txt")
                    .startsWith("Caf\xe9 \x80\r\n \r\n\x93Know thyself\x94& who said it?\r\n"
                                "Soc\xe9rates\x92 pupil \x96 Plato\r\nSparta& after many years\r\nFish & chips\r\n"));
        QCOMPARE(folder.read("track.txt"), QByteArray(" 1 \r\nCaf\xe9 \x80\r\n"));

        QCOMPARE(loadWorksheetQuestions(w.title), QuestionFileLoad::Loaded);
        QCOMPARE(Module1.quizTitle, w.title);
        QCOMPARE(Module1.questionText[1], w.questions[0]);
        QCOMPARE(Module1.answerA[1], w.answers[0]);
        QCOMPARE(Module1.answerB[1], w.answers[1]);
        QCOMPARE(Module1.answerC[1], QStringLiteral("Fish , chips"));
        const CatalogueRead read = readCatalogue(CatalogueReadPolicy::StopAtFirstFailure);
        QVERIFY(read.complete);
        QCOMPARE(read.titles, QStringList{w.title});
    }

    // A file that ends early leaves the old value in every field it never
    // reached and is not a loaded set, even when only the last separator line
    // is missing; lines after line 72 are never read.
    void aFileIsReadNoFurtherThanLine72_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<QByteArray>("extra");
        QTest::addColumn<bool>("loaded");
        // Title, question 2, answer A2, question 3, answer D10, right answers 9
        // and 10, and slot 0, which is never touched.
        QTest::addColumn<QStringList>("fields");
        const QStringList full{"Romans", "Question 2?", "A2", "Question 3?", "D10", "1", "2", "old q0"};
        QTest::newRow("10 lines") << 10 << QByteArray() << false
                                  << QStringList{"Romans", "Question 2?", "old a2", "old q3", "old a10", "old", "old", "old q0"};
        QTest::newRow("70 lines") << 70 << QByteArray() << false << full.mid(0, 6) + QStringList{"old", "old q0"};
        QTest::newRow("71 lines") << 71 << QByteArray() << false << full;
        QTest::newRow("lines after line 72") << 72 << QByteArray("extra\r\nmore,fields\r\n") << true << full;
    }
    void aFileIsReadNoFurtherThanLine72()
    {
        QFETCH(int, lines);
        QFETCH(QByteArray, extra);
        QFETCH(bool, loaded);
        ContentFolder folder;
        folder.write("Set.txt", crlfLines(sampleLines().mid(0, lines)) + extra);
        fillOldSet();
        QCOMPARE(loadQuestionFile(QStringLiteral("multiple\\Set.txt")),
                 loaded ? QuestionFileLoad::Loaded : QuestionFileLoad::Incomplete);
        const QStringList fields{Module1.quizTitle,        Module1.questionText[2],  Module1.answerA[2],
                                 Module1.questionText[3],  Module1.answerD[10],      Module1.correctAnswer[9],
                                 Module1.correctAnswer[10], Module1.questionText[0]};
        QTEST(fields, "fields");
    }

    void aMissingFileChangesNothing()
    {
        ContentFolder folder;
        fillOldSet();
        QCOMPARE(loadQuestionFile(QStringLiteral("multiple\\Greek Fighters.txt")), QuestionFileLoad::CannotOpen);
        QCOMPARE(Module1.quizTitle, QStringLiteral("old title"));
        QCOMPARE(Module1.questionText[1], QStringLiteral("old q1"));
        // The channel was given back: the next load works, whatever the case of the name.
        folder.write("GREEK FIGHTERS.TXT", crlfLines(sampleLines("Greek Fighters")));
        QCOMPARE(loadQuestionFile(QStringLiteral("multiple\\Greek Fighters.txt")), QuestionFileLoad::Loaded);
        QCOMPARE(Module1.quizTitle, QStringLiteral("Greek Fighters"));
    }

    void theWriterRefusesWithNothingWritten_data()
    {
        QTest::addColumn<WorksheetContent>("worksheet");
        WorksheetContent twoTicks = sampleWorksheet(QStringLiteral("Romans"));
        twoTicks.ticks[8] = twoTicks.ticks[9] = true; // question 3
        QTest::newRow("two ticks") << twoTicks;
        WorksheetContent noTick = twoTicks;
        noTick.ticks = {};
        QTest::newRow("no tick") << noTick;
        WorksheetContent greek = sampleWorksheet(QStringLiteral("Romans"));
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
        const QList<std::pair<const char *, int>> rows{{"1", 1},  {"4", 4},  {" 2 ", 2}, {"03", 3},  {"", 0},
                                                       {"0", 0},  {"5", 0},  {"B", 0},   {"2.5", 0}, {"-1", 0}};
        for (const auto &[entry, choice] : rows)
            QTest::addRow("'%s'", entry) << QString::fromLatin1(entry) << choice;
    }
    void rightAnswerEntriesNameAChoiceOrNothing()
    {
        QFETCH(QString, entry);
        QFETCH(int, choice);
        QCOMPARE(rightAnswerChoice(entry).value_or(0), choice);
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
        const ContentFolder restoresTheContentRoot;
        setContentRoot(QStringLiteral(VELMORA_SOURCE_DIR "/content"));
        QFile raw(resolveContentPath(file));
        QVERIFY(raw.open(QIODevice::ReadOnly));
        const QByteArray bytes = raw.readAll();
        QCOMPARE(bytes.count("\r\n"), 72);
        QCOMPARE(bytes.count('\n'), 72);
        QCOMPARE(loadQuestionFile(file), QuestionFileLoad::Loaded);
        QCOMPARE(firstQuestionWithoutRightAnswer(), std::nullopt);
    }
};

VELMORA_TEST(QuestionFileTest)
#include "questionfiletest.moc"
