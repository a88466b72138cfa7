// Worksheets to and from GIFT and Aiken files: readers, writers, the round
// trip of a worksheet file, the command line through the real program, and
// the catalogue's import, export and answer key by a teacher's clicks.
#include "quiz/multiple.h"
#include "support/datacolumns.h"
#include "support/pupil.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "worksheets/aikenformat.h"
#include "worksheets/catalogueread.h"
#include "worksheets/giftformat.h"
#include "worksheets/wizard.h"
#include "worksheets/wizardsave.h"
#include "worksheets/worksheetexport.h"
#include "worksheets/worksheetfile.h"
#include "worksheets/worksheetimport.h"
#include "worksheets/worksheets.h"

#include <QProcess>
#include <QtTest>

namespace {
// What an import gives: its outcome or title, each question filled
// ("text | A / B / C / D | right letter"), then each question left out.
QStringList summary(const WorksheetImport &import)
{
    const char *outcomes[] = {"read", "cannot open", "too large", "empty", "not text", "no questions"};
    QStringList lines{import.outcome == WorksheetImport::Outcome::Read ? "title " + import.worksheet.title : outcomes[int(import.outcome)]};
    for (int q = 0; q < import.filled; ++q) {
        const auto answers = import.worksheet.answers.begin() + 4 * q;
        const auto ticks = import.worksheet.ticks.begin() + 4 * q;
        lines << import.worksheet.questions[q] + " | " + QStringList(answers, answers + 4).join(" / ") + " | " + QChar(char16_t(u'A' + (std::find(ticks, ticks + 4, true) - ticks)));
    }
    for (const SkippedQuestion &skipped : import.skipped)
        lines << QStringLiteral("Line %1: %2").arg(skipped.line).arg(skipped.reason);
    return lines;
}
} // namespace

class WorksheetTransferTest : public QObject {
    Q_OBJECT
private slots:
    void filesAreReadAsTheFormatsSay()
    {
        const QList<std::pair<QByteArray, QStringList>> rows{
            // GIFT as documented
            {QByteArray(
                "// question: 1 name: Grant's tomb\n$CATEGORY: $course$/top/Presidents\n\n"
                "::Grant's tomb::Who's buried in Grant's tomb?{~Grant ~Jefferson =no one ~Lincoln}\n\n"
                "Grant is {~buried =entombed ~living ~dead} in Grant's tomb.\n\n"
                "Japanese characters originally came from what country? {\n// a comment\n    ~India\n"
                "    =China#Right!\n    ~Korea\n    ~Egypt}\n"),
             QStringList{"title Presidents", "Who's buried in Grant's tomb? | Grant / Jefferson / no one / Lincoln | C",
                         "Grant is _____ in Grant's tomb. | buried / entombed / living / dead | B",
                         "Japanese characters originally came from what country? | India / China / Korea / Egypt | B"}},
            // GIFT escapes, HTML, CR LF, byte-order mark
            {QByteArray(
                "\xEF\xBB\xBF::Q\\:1::1\\=2 \\~3 \\#4 \\{5\\} \\\\6\\:?{=a\\=b ~c\\~d ~e\\#f#not this ~g\\{h\\}}\r\n\r\n"
                "[html]<p>The <b>first</b> &amp; <i>best</i>?</p>{=<p>Zeus</p> ~Hera ~&\\#x41;pollo ~Ares}\r\n"),
             QStringList{"title bank", "1=2 ~3 #4 {5} \\6:? | a=b / c~d / e#f / g{h} | A", "The first & best? | Zeus / Hera / Apollo / Ares | A"}},
            // GIFT that cannot fit
            {QByteArray(
                "T or F?{T}\n\nShort?{=yes =aye}\n\nMatch?{=a -> 1 =b -> 2 =c -> 3}\n\nYear?{#1822:5}\n\nWrite.{}\n\n"
                "Description.\n\nThree?{=a ~b ~c}\n\nTwo?{=a =b ~c ~d}\n\nPart?{~%50%a ~%50%b ~c ~d}\n\n"
                + QByteArray(61, 'x') + "{=a ~b ~c ~d}\n\nLong?{=" + QByteArray(31, 'y') + " ~b ~c ~d}\n\n"
                "Alpha \xCE\xB1?{=a ~b ~c ~d}\n\nTwo\\nlines?{=a ~b ~c ~d}\n\n\"Quote?{=a ~b ~c ~d}\n\n"
                "Open?{=a ~b ~c ~d\n\nEmpty?{=a ~ ~c ~d}\n"),
             QStringList{"title bank", "Line 1: it is a true/false question", "Line 3: it is a short-answer question",
                         "Line 5: it is a matching question", "Line 7: it is a numerical question", "Line 9: it is an essay question",
                         "Line 11: it is a description, not a question", "Line 13: it has 3 answers, not four",
                         "Line 15: it has 2 right answers", "Line 17: it gives part of the marks for some answers",
                         "Line 19: its question is longer than 60 characters", "Line 21: answer A is longer than 30 characters",
                         "Line 23: its question holds characters a worksheet cannot keep: \u03b1", "Line 25: its question holds a line break",
                         "Line 27: its question begins with a double quote", "Line 29: its answers have no closing }", "Line 31: answer B is empty"}},
            // Aiken as documented, CR line ends, braces
            {QByteArray(
                "Is this a question?\rA. Yes\rB. No\rC. Maybe\rD. Dunno {yet}\rANSWER: B\r\r"
                "Which LMS has the most quiz import formats?\rA) Moodle\rB) ATutor\rC) Claroline\rD) Blackboard {Learn}\rANSWER: A\r"),
             QStringList{"title bank", "Is this a question? | Yes / No / Maybe / Dunno {yet} | B", "Which LMS has the most quiz import formats? | Moodle / ATutor / Claroline / Blackboard {Learn} | A"}},
            // Aiken that cannot fit
            {QByteArray(
                "Three?\nA. a\nB. b\nC. c\nANSWER: A\n\nNo key?\nA. a\nB. b\nC. c\nD. d\n\n"
                "Wrong key?\nA. a\nB. b\nC. c\nD. d\nANSWER: E\nA. stray\nANSWER: A\nFine?\nA. a\nB. b\nC. c\nD. d\nANSWER: D\n"),
             QStringList{"title bank", "Fine? | a / b / c / d | D", "Line 1: it has 3 answers, not four", "Line 7: it has no ANSWER: line",
                         "Line 13: its ANSWER: line names none of its answers", "Line 19: its answers have no question before them"}},
            // empty; binary; not UTF-8; prose
            {"\xEF\xBB\xBF \r\n\r\n", {"empty"}}, {QByteArray("Q?{=a\0 ~b ~c ~d}", 16), {"not text"}},
            {"Caf\xe9?{=a ~b ~c ~d}", {"not text"}}, {"Dear parents,\nThe trip is on Friday.\n", {"no questions"}}};
        for (const auto &[bytes, read] : rows)
            QCOMPARE(summary(importQuestions(bytes, QStringLiteral("bank.gift"))), read);
    }

    // Every reserved character escaped, the right answer "=", trailing
    // spaces gone, UTF-8 lines ending CR LF; and what each format cannot carry.
    void theWritersFollowTheFormats()
    {
        WorksheetContent w = sampleWorksheet(QStringLiteral("Fish & Chips {1}"));
        w.questions[0] = QStringLiteral("Is 1 = 1 {or} ~2 #3 : \\ ?");
        w.answers[0] = QStringLiteral("Yes, of course  ");
        QCOMPARE(writeGift({w}).mid(0, 9),
                 (QStringList{"$CATEGORY: Fish & Chips {1}", "", "::Fish & Chips \\{1\\} 1::Is 1 \\= 1 \\{or\\} \\~2 \\#3 \\: \\\\ ?{",
                              "\t=Yes, of course", "\t~Answer 1B", "\t~Answer 1C", "\t~Answer 1D", "}", ""}));
        QCOMPARE(writeAiken({w}).mid(0, 7), (QStringList{"Is 1 = 1 {or} ~2 #3 : \\ ?", "A. Yes, of course", "B. Answer 1B", "C. Answer 1C", "D. Answer 1D", "ANSWER: A", ""}));
        QCOMPARE(textFileBytes({QStringLiteral("Caf\u00e9"), {}}), QByteArray("Caf\xC3\xA9\r\n\r\n"));
        std::tie(w.questions[1], w.answers[4], w.answers[5], w.answers[6]) = std::tuple("B) or not?", "%50 off", "a -> b", " ");
        const QString empty = QStringLiteral("Answer C of Question 2 is empty.");
        QCOMPARE(giftCannotHold(w), (QStringList{"Answer A of Question 2 begins with %, which GIFT reads as a share of the marks.",
                                                 "Answer B of Question 2 holds ->, which GIFT reads as a matching question.", empty}));
        QCOMPARE(aikenCannotHold(w), (QStringList{"Question 2 begins like an answer line (\"B)\"), which is how Aiken would read it.", empty}));
    }

    // A worksheet file holding every character GIFT reserves, commas (kept
    // as "&"), a title typed with "&", quotes, percentages, arrows and what
    // GIFT and Aiken use as marks, exported under its catalogue title and
    // imported again, is saved back byte for byte.
    void exportThenImportGivesTheSameFile()
    {
        WorksheetContent reserved = sampleWorksheet(QStringLiteral("Fish & Chips #1 {~=}"));
        reserved.questions[1] = QStringLiteral("~ = # { } : \\ and // too");
        const QStringList marks{"=1", "~2, \\3", "#4 {5}", "6: 7"};
        std::copy(marks.begin(), marks.end(), reserved.answers.begin() + 4);
        WorksheetContent wordy = sampleWorksheet(QStringLiteral("Odds, ends"));
        std::tie(wordy.questions[2], wordy.answers[8]) = std::tuple(QStringLiteral("He said \"A. $CATEGORY: 50% -> ANSWER: B\""), QStringLiteral("Caf\u00e9 \u20ac5 \u2013 \u201cok\u201d"));
        for (const WorksheetContent &worksheet : {reserved, wordy}) {
            for (const char *suffix : {".gift", ".txt"}) {
                TestEnvironment env;
                writeFileBytes(env, QStringLiteral("track.txt"), catalogueBytes({worksheet.title}));
                QCOMPARE(saveWorksheetFiles(worksheet).outcome, SaveOutcome::Saved);
                const QByteArray saved = fileBytes(env, worksheet.title + ".txt");
                const QString file = env.contentDir() + '/' + worksheet.title + suffix;
                QCOMPARE(writeExportFile(file, {*readListedWorksheet(worksheet.title)}, exportFormatFor(file)), FileProblem::None);
                const WorksheetImport import = importQuestionFile(file);
                QVERIFY2(import.filled == 10 && import.skipped.isEmpty(), qPrintable(summary(import).join('\n')));
                QVERIFY(checkAndSaveWorksheet(import.worksheet).saved);
                QCOMPARE(fileBytes(env, worksheet.title + ".txt"), saved);
            }
        }
    }

    // Through the real program with no display: a title the title rule
    // refuses and one already listed save nothing; an import saves ten
    // questions; exports write files that import back; a folder that cannot
    // be made, an unlisted title and a command line asking for nothing fail.
    void theCommandLineImportsAndExports()
    {
        TestEnvironment env;
        QCOMPARE(saveWorksheetFiles(sampleWorksheet(QStringLiteral("Heroes"))).outcome, SaveOutcome::Saved);
        const QString dir = env.contentDir();
        writeBytes(dir + "/bank.gift", textFileBytes(writeGift({sampleWorksheet(QStringLiteral("Gods & Monsters"))})));
        writeBytes(dir + "/huge.gift", QByteArray(2 << 20, ' '));
        const struct { QStringList args; int status; const char *says; } rows[] = {
                    {{"--import", "huge.gift"}, 1, "huge.gift is too large to be a file of questions."},
                    {{"--import", "bank.gift", "--title", "CON"}, 1, "Windows keeps the name \"CON\""},
                    {{"--import", "bank.gift", "--title", "Heroes"}, 1, "There is already a worksheet called \"Heroes\""},
                    {{"--import", "bank.gift"}, 0, "Your worksheet has been saved. Its title is Gods & Monsters."},
                    {{"--export", "Gods & Monsters", "gods.txt"}, 0, "The worksheet Gods & Monsters has been exported"},
                    {{"--export", "Nobody", "x.gift"}, 1, "lists no worksheet called \"Nobody\""},
                    {{"--export-all", "bank.gift/all"}, 1, "could not make the folder"},
                    {{"--export-all", "all", "--format", "aiken"}, 0, "2 of the 2 worksheets listed have been exported"},
                    {{"--title", "Lonely"}, 2, "Please give one of"}};
        QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
        variables.insert(QStringLiteral("VELMORA_CONTENT"), dir);
        for (const auto &row : rows) {
            QProcess velmora;
            velmora.setWorkingDirectory(dir);
            velmora.setProcessEnvironment(variables);
            velmora.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../velmora"), row.args);
            QVERIFY(velmora.waitForFinished(120000));
            const QString said = velmora.readAllStandardOutput() + velmora.readAllStandardError();
            QVERIFY2(velmora.exitCode() == row.status && said.contains(QString::fromUtf8(row.says)),
                     qPrintable(row.args.join(' ') + ": " + said));
        }
        QCOMPARE(readCatalogue(CatalogueReadPolicy::StopAtFirstFailure).titles, (QStringList{"Heroes", "Gods & Monsters"}));
        for (const char *file : {"gods.txt", "all/Heroes.txt", "all/Gods & Monsters.txt"})
            QCOMPARE(importQuestionFile(dir + '/' + file).worksheet.answers, sampleWorksheet({}).answers);
    }

    // The teacher imports a file into the wizard, which asks before throwing
    // it away and saves it through its own checks; exports a worksheet as
    // Aiken; and prints its answer key: the pupil's page with "Answer Key"
    // under the title and each right answer in bold, underlined.
    void theCatalogueImportsExportsAndPrintsTheKey()
    {
        TestEnvironment env;
        QCOMPARE(saveWorksheetFiles(sampleWorksheet(QStringLiteral("Heroes"))).outcome, SaveOutcome::Saved);
        const QString bank = env.contentDir() + "/bank.gift";
        writeBytes(bank, "The sun is hot.{T}\n\n" + textFileBytes(writeGift({sampleWorksheet(QStringLiteral("Gods"))})));
        env.fileChoices = {{bank, {}}, {env.contentDir() + "/out", QStringLiteral("Aiken questions (*.txt)")}};
        worksheets &catalogue = static_cast<worksheets &>(clickMainMenuEntry(18));
        clickOn(catalogue.Label5[0]);
        wizard &editor = touch<wizard>();
        QVERIFY(topScreenName() == "wizard" && editor.content().answers == sampleWorksheet({}).answers);
        QCOMPARE(env.messages.takeLast(), "The Multiple Choice Wizard now holds 10 questions from bank.gift. Please check "
                                          "them, then save the worksheet.\n\nThese questions could not be used:\nLine 1: it "
                                          "is a true/false question.");
        clickOn(editor.Label3[0]); // "Exit" asks; Cancel stays
        clickOn(editor.Label3[1]);
        clickOn(editor.Label3[0]);
        QVERIFY(env.messages.size() == 2 && env.messages.last() == "Your worksheet has been saved.");
        QCOMPARE(readCatalogue(CatalogueReadPolicy::StopAtFirstFailure).titles, (QStringList{"Heroes", "Gods"}));

        clickBox(catalogue.Check3);
        clickOn(catalogue.Label2[1]);
        QCOMPARE(importQuestionFile(env.contentDir() + "/out.txt").worksheet.answers, sampleWorksheet({}).answers);
        clickBox(catalogue.Check4);
        clickOn(catalogue.Label2[1]);
        clickBox(catalogue.Check4); // unticked: the quiz, which prints the pupil's page
        clickOn(catalogue.Label2[1]);
        clickOn(touch<multiple>().Label3[3]);
        QCOMPARE(env.messages.mid(2), (QStringList{exportedMessage("The worksheet Heroes has been", env.contentDir() + "/out.txt"),
                                                   "Your answer key is now printing.", "Your worksheet is now printing."}));
        QStringList key = env.printer->pages.value(0);
        QVERIFY(key.takeAt(3).endsWith(" 32 #000000 Answer Key"));
        QCOMPARE(key.filter(" bold underline ").size(), 10);
        for (int q = 0; const QString &marked : key.filter(" bold underline "))
            QVERIFY(marked.endsWith(QChar(u'A' + kRightAnswers[q] - 1) + QStringLiteral(". ") + sampleWorksheet({}).answers[4 * q + kRightAnswers[q] - 1]) && ++q);
        QCOMPARE(key.replaceInStrings(" bold underline ", " "), env.printer->pages.value(1));
    }
};

VELMORA_TEST(WorksheetTransferTest)
#include "transfer_test.moc"
