// Question files byte for byte: what the worksheet writer puts on disk or
// refuses to, what the loader makes of it, and what a file that ends early
// leaves behind.
#include "common/module1.h"
#include "support/pupil.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "worksheets/questionloader.h"
#include "worksheets/worksheetfile.h"

#include <QtTest>

Q_DECLARE_METATYPE(WorksheetContent)

class QuestionFileTest : public QObject {
    Q_OBJECT
private slots:
    // Commas are stored as "&" (so a teacher's own "&" comes back as a
    // comma), every character as its one Windows-1252 byte, one field a line.
    void aWorksheetIsSavedAndLoadedBack()
    {
        TestEnvironment env;
        WorksheetContent w = sampleWorksheet(QStringLiteral("Caf\u00e9 \u20ac"));
        w.answers[0] = QStringLiteral("\u201cKnow thyself\u201d \u2013 Plato");
        w.answers[2] = QStringLiteral("Fish & chips");
        w.questions[6] = QStringLiteral(" ");
        writeFileBytes(env, QStringLiteral("track.txt"), catalogueBytes({}));
        QCOMPARE(saveWorksheetFiles(w), SaveOutcome::Saved);
        const QList<QByteArray> lines = fileBytes(env, "Caf\u00e9 \u20ac.txt").split('\n');
        QCOMPARE(lines.size(), 72 + 1);
        QCOMPARE(lines.mid(0, 10), (QList<QByteArray>{"Caf\xe9 \x80\r", " \r", "Who won& Athens or Sparta?\r",
                                                      "\x93Know thyself\x94 \x96 Plato\r", "Answer 1B\r", "Fish & chips\r",
                                                      "Answer 1D\r", "1\r", " \r", "Question text 2\r"}));
        QCOMPARE((QList<QByteArray>{lines[11], lines[44], lines[70], lines[71]}),
                 (QList<QByteArray>{"Sparta& of course\r", " \r", "2\r", " \r"}));
        QCOMPARE(fileBytes(env, QStringLiteral("track.txt")), QByteArray(" 1 \r\nCaf\xe9 \x80\r\n"));
        QCOMPARE(loadWorksheetQuestions(w.title), QuestionFileLoad::Loaded);
        QCOMPARE((QStringList{Module1.quizTitle, Module1.questionText[1], Module1.answerA[1], Module1.answerC[1]}),
                 (QStringList{w.title, w.questions[0], w.answers[0], "Fish , chips"}));
    }

    // A file that ends early keeps the old value in every field it never
    // reached and is no loaded set, even when only its last separator line is
    // missing; lines after line 72 are never read; a missing file changes
    // nothing. Fields: title, answer A2, answer D10, right answers 9 and 10.
    void aFileIsReadNoFurtherThanLine72_data()
    {
        QTest::addColumn<int>("lines"); // 0: no file
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QStringList>("fields");
        const int incomplete = int(QuestionFileLoad::Incomplete);
        QTest::newRow("no file") << 0 << int(QuestionFileLoad::CannotOpen) << QStringList{"old", "old", "old", "old", "old"};
        QTest::newRow("70 lines") << 70 << incomplete << QStringList{"Set", "Answer 2A", "Answer 10D", "3", "old"};
        QTest::newRow("71 lines") << 71 << incomplete << QStringList{"Set", "Answer 2A", "Answer 10D", "3", "2"};
        QTest::newRow("more lines") << 80 << int(QuestionFileLoad::Loaded) << QStringList{"Set", "Answer 2A", "Answer 10D", "3", "2"};
    }
    void aFileIsReadNoFurtherThanLine72()
    {
        QFETCH(int, lines);
        TestEnvironment env;
        writeQuestionFile(env, QStringLiteral("SET.TXT"), QStringLiteral("Set")); // found whatever its case
        const QList<QByteArray> all = fileBytes(env, QStringLiteral("SET.TXT")).split('\n');
        const QByteArray after72 = lines > 72 ? "extra\r\nmore,fields\r\n" : "";
        writeFileBytes(env, QStringLiteral("SET.TXT"), all.mid(0, qMin(lines, 72)).join('\n') + '\n' + after72);
        if (lines == 0)
            QFile::remove(env.multipleDir() + QStringLiteral("/SET.TXT"));
        Module1.quizTitle = QStringLiteral("old");
        for (QuestionSlots *column : {&Module1.questionText, &Module1.answerA, &Module1.answerD, &Module1.correctAnswer})
            column->fill(QStringLiteral("old"));
        QTEST(int(loadQuestionFile(QStringLiteral("multiple\\Set.txt"))), "outcome");
        QTEST((QStringList{Module1.quizTitle, Module1.answerA[2], Module1.answerD[10], Module1.correctAnswer[9],
                           Module1.correctAnswer[10]}),
              "fields");
        QCOMPARE(Module1.questionText[0], QStringLiteral("old")); // slot 0 is never touched
    }

    // Nothing is written for text or ticks a file cannot hold, or for a title
    // that is not a usable file name.
    void theWriterRefusesWithNothingWritten_data()
    {
        QTest::addColumn<WorksheetContent>("worksheet");
        WorksheetContent twoTicks = sampleWorksheet(QStringLiteral("Romans"));
        twoTicks.ticks[8] = twoTicks.ticks[9] = true;
        QTest::newRow("two ticks") << twoTicks;
        WorksheetContent greek = sampleWorksheet(QStringLiteral("Romans"));
        greek.answers[17] = QStringLiteral("\u03a3\u03c0\u03ac\u03c1\u03c4\u03b7");
        QTest::newRow("Greek letters") << greek;
        for (const char *title : {"greek fighters", "../Romans", ""})
            QTest::addRow("title '%s'", title) << sampleWorksheet(QString::fromLatin1(title));
    }
    void theWriterRefusesWithNothingWritten()
    {
        QFETCH(WorksheetContent, worksheet);
        TestEnvironment env;
        writeFileBytes(env, QStringLiteral("Romans.txt"), "previous\r\n");
        const QMap<QString, QByteArray> before = env.multipleFolder();
        QCOMPARE(saveWorksheetFiles(worksheet), SaveOutcome::NotWritten);
        QCOMPARE(env.multipleFolder(), before);
        QVERIFY(!QFile::exists(env.contentDir() + QStringLiteral("/Romans.txt")));
    }

};

VELMORA_TEST(QuestionFileTest)
#include "questionfile_test.moc"
