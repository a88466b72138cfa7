// Worksheets away from the screens: the rules a worksheet must meet before it
// is saved and what the teacher is told (completeness in the order a teacher
// meets it, titles no Windows folder or catalogue could hold), then question files byte for byte: what the writer puts on
// disk, what the loader makes of it, and what a file that ends early leaves.
#include "common/module1.h"
#include "support/datacolumns.h"
#include "support/platformprobe.h"
#include "support/pupil.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "toolkit/picture.h"
#include "worksheets/catalogueread.h"
#include "worksheets/questionloader.h"
#include "worksheets/wizardchecks.h"
#include "worksheets/worksheetfile.h"
#include "worksheets/worksheettitle.h"

#include <QtTest>

class WorksheetFilesTest : public QObject {
    Q_OBJECT
private slots:
    // The first fault is named: the title before any question, a question's
    // text and answers before its ticks; a box of spaces counts as filled.
    void theFirstFaultIsNamed()
    {
        const QList<std::pair<std::function<void(WorksheetContent &)>, QString>> rows{
            {[](WorksheetContent &w) { w.questions[6] = w.answers[13] = QStringLiteral(" "); }, QString()},
            {[](WorksheetContent &w) { w.title.clear(); w.questions[0].clear(); }, "You have not chosen a title for your worksheet"},
            {[](WorksheetContent &w) { w.answers[7].clear(); w.ticks[10] = false; }, "You have not completed Question 2"},
            {[](WorksheetContent &w) { w.ticks[10] = false; }, "You have not ticked the correct answer for Question 3"},
            {[](WorksheetContent &w) { w.ticks[8] = true; }, "You have ticked more than one correct answer for Question 3"},
            {[](WorksheetContent &w) { w.answers[38].clear(); }, "You have not completed Question 10"}};
        for (const auto &[fault, message] : rows) {
            WorksheetContent worksheet = sampleWorksheet(QStringLiteral("Sparta"));
            fault(worksheet);
            QCOMPARE(firstWorksheetFault(worksheet), message);
        }
    }

    // A title that could not name a Windows file, names one of the program's
    // own, would make the path too long for Windows (a folder of 241
    // characters leaves room for "Heroes"), or looks like a listed one only
    // but for letter case is refused with a message; anything else can be
    // saved. Listed: "Athens, Sparta" and "T1".
    void titlesAreSavedOrRefused()
    {
        using enum TitleProblem;
        QList<std::tuple<QString, TitleProblem, int>> rows{ // title, problem, folder length
            {"Athens, Rome", Comma, 20}, {"t1", LookAlikeListed, 20}, {"Heroes", None, 241}, {"Heroes", PathTooLong, 242},
            {QStringLiteral("\u0391thens"), OutsideCodePage, 20}, {"Quiz\tone", ControlCharacter, 20}, {"Romans.", TrailingFullStop, 20}};
        for (const char *title : {"Greek Fighters 2", "tracks", "track.txt", "Console", "COM10", "LPT", "Aux work",
                                  "Caf\xc3\xa9 \xe2\x82\xac", "Quiz. Part two", "50% (hard) - #1!", "Athens, Sparta", "T1"})
            rows.append({QString::fromUtf8(title), None, 20});
        for (const char *c : {"\\", "/", ":", "*", "?", "\"", "<", ">", "|"})
            rows.append({QStringLiteral("Quiz %1 one").arg(QLatin1String(c)), ForbiddenCharacter, 20});
        for (const char *spaced : {" Romans", "Romans ", "   "})
            rows.append({QString::fromLatin1(spaced), OuterSpace, 20});
        for (const char *device : {"CON", "prn", "Aux", "NUL", "com9", "LPT0", "CON.txt", "Con .x", "lpt1.tar.gz", "CONIN$", "COM\xc2\xb9"})
            rows.append({QString::fromUtf8(device), ReservedDeviceName, 20});
        for (const char *name : {"greek fighters", "GREEK WRITING", "Track"})
            rows.append({QString::fromLatin1(name), ProgramFileName, 20});
        for (const auto &[title, problem, folderLength] : rows) {
            const QString folder = QLatin1Char('/') + QString(folderLength - 1, QLatin1Char('f'));
            const TitleCheck check = checkWorksheetTitle(title, folder, {QStringLiteral("Athens, Sparta"), QStringLiteral("T1")});
            QCOMPARE(std::pair(title, check.problem), std::pair(title, problem));
            QCOMPARE(worksheetTitleMessage(check, title, folder).isEmpty(), problem == None); // each kind says why
        }
    }

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
        QCOMPARE(saveWorksheetFiles(w).outcome, SaveOutcome::Saved);
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
    void aFileIsReadNoFurtherThanLine72()
    {
        const QStringList reached{"Set", "Answer 2A", "Answer 10D", "3", "2"};
        const QList<std::tuple<int, QuestionFileLoad, QStringList>> rows{ // lines 0: no file
            {0, QuestionFileLoad::CannotOpen, QStringList(5, "old")}, {70, QuestionFileLoad::Incomplete, reached.mid(0, 4) << "old"},
            {71, QuestionFileLoad::Incomplete, reached}, {80, QuestionFileLoad::Loaded, reached}};
        for (const auto &[lines, outcome, fields] : rows) {
            TestEnvironment env;
            writeQuestionFile(env, QStringLiteral("SET.TXT"), QStringLiteral("Set"), {}, lines); // found whatever its case
            Module1.quizTitle = QStringLiteral("old");
            for (QuestionSlots *column : {&Module1.questionText, &Module1.answerA, &Module1.answerD, &Module1.correctAnswer})
                column->fill(QStringLiteral("old"));
            QCOMPARE(loadQuestionFile(QStringLiteral("multiple\\Set.txt")), outcome);
            QCOMPARE((QStringList{Module1.quizTitle, Module1.answerA[2], Module1.answerD[10], Module1.correctAnswer[9], Module1.correctAnswer[10]}),
                     fields);
            QCOMPARE(Module1.questionText[0], QStringLiteral("old")); // slot 0 is never touched
        }
    }

    // A file of several gigabytes, or one endless line, in the worksheet or
    // content folders fails as a damaged file does, after reading a few
    // kilobytes: no memory runs out and nothing waits. A named pipe (whose
    // reading could wait for ever) is never opened. Bytes that do not end a
    // line go on as zeros, with no line end, to 3 GiB (sparse on disk).
    void hugeOrEndlessFilesFailAtOnce_data()
    {
        // bytes "PIPE": a named pipe
        columns<QString, QByteArray>("reader", "bytes");
        QTest::newRow("question file, all zeros") << "question" << QByteArray("");
        QTest::newRow("question file, endless answer") << "question" << QByteArray("Set\r\n \r\nQ1\r\nA");
        QTest::newRow("question file, endless spaces") << "question" << QByteArray("Set\r\n") + QByteArray(8192, ' ') + "x\r\n";
        QTest::newRow("question file, pipe") << "question" << QByteArray("PIPE");
        QTest::newRow("catalogue, endless title") << "catalogue" << QByteArray(" 2 \r\nAlpha\r\nBeta");
        QTest::newRow("catalogue, pipe") << "catalogue" << QByteArray("PIPE");
        QTest::newRow("picture") << "picture" << QByteArray("\xff\xd8\xff\xe0");
        QTest::newRow("metafile") << "picture" << QByteArray::fromHex("d7cdc69a");
        QTest::newRow("picture, pipe") << "picture" << QByteArray("PIPE");
    }
    void hugeOrEndlessFilesFailAtOnce()
    {
        QFETCH(QString, reader);
        QFETCH(QByteArray, bytes);
        TestEnvironment env;
        const QString path = env.multipleDir() + (reader == QLatin1String("catalogue") ? "/track.txt" : "/Huge.txt");
        writeBytes(path, bytes == "PIPE" ? QByteArray() : bytes); // null: only the old file removed
        if (bytes == "PIPE" && !makeNamedPipe(path))
            QSKIP("this system keeps no named pipes in folders");
        QVERIFY(bytes == "PIPE" || bytes.endsWith('\n') || QFile::resize(path, 3LL << 30));
        const long kilobytesBefore = peakMemoryKilobytes();
        if (reader == QLatin1String("question"))
            QVERIFY(loadWorksheetQuestions(QStringLiteral("Huge")) != QuestionFileLoad::Loaded);
        else if (reader == QLatin1String("catalogue"))
            QVERIFY(!readCatalogue(CatalogueReadPolicy::StopAtFirstFailure).complete
                    && saveWorksheetFiles(sampleWorksheet("Z")).outcome == SaveOutcome::NotSaved);
        else
            QVERIFY(Picture::load(QStringLiteral("multiple\\Huge.txt")).isNull());
        QCOMPARE_LT(peakMemoryKilobytes() - kilobytesBefore, 64 * 1024);
    }
};

VELMORA_TEST(WorksheetFilesTest)
#include "worksheetfiles_test.moc"
