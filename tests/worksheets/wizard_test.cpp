// The Multiple Choice Wizard as a teacher uses it: typing key by key, ticking
// by clicks, Enter to move on, "Save Worksheet" naming the first fault or
// writing the file and the catalogue, and titles or text that no worksheet
// file could hold refused before anything is written.
#include "quiz/quizdriver.h"
#include "shell/intro0.h"
#include "shell/module1.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "toolkit/twips.h"
#include "worksheets/wizard.h"
#include "worksheets/wizarddriver.h"
#include "worksheets/worksheets.h"
#include "worksheets/worksheettitle.h"

#include <QtTest>

namespace {
const QString kSaved = QStringLiteral("Your worksheet has been saved.");
const QByteArray kEmptyCatalogue = " 0 \r\n";

// Saves and returns the one message it showed.
QString saveAndGetMessage(TestEnvironment &env, wizard &editor)
{
    env.messages.clear();
    clickSave(editor);
    if (env.messages.size() != 1)
        return QStringLiteral("<%1 messages: %2>").arg(env.messages.size()).arg(env.messages.join(" | "));
    return env.messages.first();
}
} // namespace

class WizardTest : public QObject {
    Q_OBJECT
private slots:
    void theMenuOpensAnEmptyWizardWithTheTitleBoxFocused()
    {
        TestEnvironment env;
        wizard &editor = openWizardFromMenu();
        QCOMPARE(topScreenName(), QStringLiteral("wizard"));
        QVERIFY(isLoaded<intro0>()); // the menu stays beneath
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@wizard"});
        QCOMPARE(editor.focusWidget(), static_cast<QWidget *>(editor.Text1));
        QCOMPARE(editor.content().title, QString());
        for (int i = 0; i < 40; ++i) {
            QVERIFY(editor.Text3[i]->text().isEmpty());
            QVERIFY(!editor.Check1[i]->isChecked());
            QCOMPARE(editor.Check1[i]->palette().color(QPalette::Window), QColor(0, 78, 152));
        }
        QCOMPARE(editor.backColor(), QColor(39, 63, 137));
        QCOMPARE(editor.windowTitle(), QStringLiteral("Velmora"));
    }

    void theBoxesLieInTwoColumnsOfFiveQuestions()
    {
        TestEnvironment env;
        wizard &editor = touch<wizard>();
        QCOMPARE(editor.Label1[0]->caption(), QStringLiteral("Multiple Choice Wizard"));
        QCOMPARE(twips::geometryOf(editor.Label1[0]), QRectF(0, 0, 4320, 540));
        QCOMPARE(twips::geometryOf(editor.Label1[1]), QRectF(5160, 120, 2280, 345));
        QCOMPARE(twips::geometryOf(editor.Text1), QRectF(7560, 120, 4215, 375));
        // Question 1 top left, question 5 bottom left, question 6 top right, question 10 bottom right.
        QCOMPARE(twips::geometryOf(editor.Text2[0]), QRectF(240, 840, 5655, 375));
        QCOMPARE(twips::geometryOf(editor.Text2[4]), QRectF(240, 840 + 4 * 1440, 5655, 375));
        QCOMPARE(twips::geometryOf(editor.Text2[5]), QRectF(6120, 840, 5655, 375));
        QCOMPARE(twips::geometryOf(editor.Text2[9]), QRectF(6120, 840 + 4 * 1440, 5655, 375));
        QCOMPARE(editor.Label1[2]->caption(), QStringLiteral("Question 1"));
        QCOMPARE(editor.Label1[11]->caption(), QStringLiteral("Question 10"));
        QCOMPARE(twips::geometryOf(editor.Label1[11]), QRectF(6120, 600 + 4 * 1440, 1170, 240));
        QCOMPARE(twips::geometryOf(editor.Label1[7]), QRectF(6120, 600, 1050, 240));
        // Question 7 (row 1 of the right column): A B over C D, each a letter, a tick and a box.
        const double row = 1440;
        QCOMPARE(twips::geometryOf(editor.Text3[24]), QRectF(6600, 1230 + row, 2295, 330));
        QCOMPARE(twips::geometryOf(editor.Text3[25]), QRectF(9480, 1230 + row, 2295, 330));
        QCOMPARE(twips::geometryOf(editor.Text3[26]), QRectF(6600, 1560 + row, 2295, 330));
        QCOMPARE(twips::geometryOf(editor.Text3[27]), QRectF(9480, 1560 + row, 2295, 330));
        QCOMPARE(twips::geometryOf(editor.Check1[24]), QRectF(6360, 1230 + row, 255, 315));
        QCOMPARE(twips::geometryOf(editor.Check1[27]), QRectF(9210, 1560 + row, 255, 315));
        QCOMPARE(twips::geometryOf(editor.Check1[1]), QRectF(3330, 1230, 255, 315));
        QCOMPARE(twips::geometryOf(editor.Check1[2]), QRectF(480, 1560, 255, 315));
        const int letters = 12 + 4 * 6;
        QCOMPARE(editor.Label1[letters]->caption(), QStringLiteral("A."));
        QCOMPARE(twips::geometryOf(editor.Label1[letters]), QRectF(6135, 1200 + row, 270, 285));
        QCOMPARE(twips::geometryOf(editor.Label1[letters + 1]), QRectF(8970, 1200 + row, 240, 285));
        QCOMPARE(twips::geometryOf(editor.Label1[letters + 2]), QRectF(6150, 1560 + row, 240, 285));
        QCOMPARE(editor.Label1[letters + 3]->caption(), QStringLiteral("D."));
        QCOMPARE(twips::geometryOf(editor.Label1[letters + 3]), QRectF(8970, 1560 + row, 270, 285));
        QCOMPARE(twips::geometryOf(editor.Label3[1]), QRectF(240, 7920, 3165, 495));
        QCOMPARE(editor.Label3[1]->caption(), QStringLiteral("Save Worksheet"));
        QCOMPARE(twips::geometryOf(editor.Label3[0]), QRectF(10560, 7920, 1245, 495));
        QCOMPARE(editor.Label3[0]->caption(), QStringLiteral("Exit"));
    }

    void boxesTakeNoMoreThanTheirLimit()
    {
        TestEnvironment env;
        wizard &editor = openWizardFromMenu();
        const QString typed = QStringLiteral("abcdefghij").repeated(8); // 80 characters
        typeInto(editor.Text1, typed);
        typeInto(editor.Text2[3], typed);
        typeInto(editor.Text3[17], typed);
        QCOMPARE(editor.Text1->text(), typed.left(25));
        QCOMPARE(editor.Text2[3]->text(), typed.left(60));
        QCOMPARE(editor.Text3[17]->text(), typed.left(30));
    }

    void tabRunsThroughEveryQuestionWithItsAnswersThenTheTicks()
    {
        TestEnvironment env;
        wizard &editor = openWizardFromMenu();
        QList<QWidget *> expected{editor.Text1};
        for (int q = 0; q < 10; ++q) {
            expected << editor.Text2[q];
            for (int a = 0; a < 4; ++a)
                expected << editor.Text3[4 * q + a];
        }
        for (int i = 0; i < 40; ++i)
            expected << editor.Check1[i];
        expected << editor.Text1; // round again
        for (int step = 1; step < expected.size(); ++step) {
            QTest::keyClick(editor.focusWidget(), Qt::Key_Tab);
            QVERIFY2(editor.focusWidget() == expected[step], qPrintable(QStringLiteral("step %1 reached %2")
                                                                           .arg(step)
                                                                           .arg(editor.focusWidget()->objectName())));
        }
    }

    void enterMovesOnThroughTheQuestionsAndStopsInTheLastAnswer()
    {
        TestEnvironment env;
        wizard &editor = openWizardFromMenu();
        auto enterIn = [&editor](QWidget *box) {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Return);
            return editor.focusWidget();
        };
        QCOMPARE(enterIn(editor.Text1), editor.Text2[0]);
        for (int q = 0; q < 10; ++q)
            QCOMPARE(enterIn(editor.Text2[q]), static_cast<QWidget *>(editor.Text3[4 * q]));
        for (int i = 0; i < 39; ++i) {
            QWidget *next = i % 4 < 3 ? static_cast<QWidget *>(editor.Text3[i + 1]) : editor.Text2[(i + 1) / 4];
            QVERIFY2(enterIn(editor.Text3[i]) == next, qPrintable(QString::number(i)));
        }
        // Answer D of question 5 leads to the top of the right column, question 6.
        QCOMPARE(enterIn(editor.Text3[19]), static_cast<QWidget *>(editor.Text2[5]));
        QCOMPARE(enterIn(editor.Text3[39]), static_cast<QWidget *>(editor.Text3[39]));
        // Enter changes no text.
        typeInto(editor.Text3[39], QStringLiteral("Thebes"));
        QTest::keyClick(editor.Text3[39], Qt::Key_Return);
        QCOMPARE(editor.Text3[39]->text(), QStringLiteral("Thebes"));
    }

    void anEmptyTitleIsNamedBeforeEverythingElse()
    {
        TestEnvironment env;
        Module1.soundOn = 1;
        wizard &editor = openWizardFromMenu();
        env.sound->playedWithTop.clear();
        QCOMPARE(saveAndGetMessage(env, editor), QStringLiteral("You have not chosen a title for your worksheet"));
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@wizard"});
        WorksheetContent worksheet = sampleWorksheet(QString());
        typeWorksheet(editor, worksheet);
        QCOMPARE(saveAndGetMessage(env, editor), QStringLiteral("You have not chosen a title for your worksheet"));
        QCOMPARE(fileBytes(env, "track.txt"), kEmptyCatalogue);
    }

    // Each save names the first question with a fault; mending it moves on to the next.
    void everyFaultIsNamedInQuestionOrder()
    {
        TestEnvironment env;
        wizard &editor = openWizardFromMenu();
        const QMap<QString, QByteArray> before = multipleFolder(env);
        typeInto(editor.Text1, QStringLiteral("Sparta"));
        QCOMPARE(saveAndGetMessage(env, editor), QStringLiteral("You have not completed Question 1"));

        // Question 2 lacks answer D and question 3 has no tick: question 2 comes first.
        const WorksheetContent full = sampleWorksheet(QStringLiteral("Sparta"));
        WorksheetContent partial = full;
        partial.title.clear();
        partial.answers[7].clear();
        partial.ticks[4 * 2 + kRightAnswers[2] - 1] = false;
        typeWorksheet(editor, partial);
        QCOMPARE(saveAndGetMessage(env, editor), QStringLiteral("You have not completed Question 2"));
        typeInto(editor.Text3[7], full.answers[7]);
        QCOMPARE(saveAndGetMessage(env, editor), QStringLiteral("You have not ticked the correct answer for Question 3"));

        // Answers A and C of question 3 both ticked.
        clickTick(editor, 8);
        clickTick(editor, 10);
        QCOMPARE(saveAndGetMessage(env, editor),
                 QStringLiteral("You have ticked more than one correct answer for Question 3"));
        clickTick(editor, 8);
        clickTick(editor, 10);
        clickTick(editor, 4 * 2 + kRightAnswers[2] - 1);

        // A question text, then an answer, emptied in question 10.
        editor.Text2[9]->selectAll();
        QTest::keyClick(editor.Text2[9], Qt::Key_Backspace);
        QCOMPARE(saveAndGetMessage(env, editor), QStringLiteral("You have not completed Question 10"));
        typeInto(editor.Text2[9], full.questions[9]);
        editor.Text3[38]->selectAll();
        QTest::keyClick(editor.Text3[38], Qt::Key_Delete);
        QCOMPARE(saveAndGetMessage(env, editor), QStringLiteral("You have not completed Question 10"));
        QCOMPARE(multipleFolder(env), before); // nothing written by any refusal
        typeInto(editor.Text3[38], full.answers[38]);
        QCOMPARE(saveAndGetMessage(env, editor), kSaved);
        QCOMPARE(fileBytes(env, "Sparta.txt"), worksheetFileBytes(full));
    }

    void aBoxOfOneSpaceIsFilledAndSavedAsASpace()
    {
        TestEnvironment env;
        wizard &editor = openWizardFromMenu();
        WorksheetContent worksheet = sampleWorksheet(QStringLiteral("Spaces"));
        worksheet.answers[13] = QStringLiteral(" ");
        worksheet.questions[6] = QStringLiteral(" ");
        typeWorksheet(editor, worksheet);
        QCOMPARE(saveAndGetMessage(env, editor), kSaved);
        const QByteArray bytes = fileBytes(env, "Spaces.txt");
        QCOMPARE(bytes, worksheetFileBytes(worksheet));
        const QList<QByteArray> lines = bytes.split('\n');
        QCOMPARE(lines[2 + 7 * 3 + 2], QByteArray(" \r")); // answer B of question 4
        QCOMPARE(lines[2 + 7 * 6], QByteArray(" \r"));     // question 7
    }

    void savingWritesTheFileByteForByteAndListsIt()
    {
        TestEnvironment env;
        Module1.soundOn = 1;
        wizard &editor = openWizardFromMenu();
        const WorksheetContent worksheet = sampleWorksheet(QStringLiteral("Greek Cities"));
        typeWorksheet(editor, worksheet);
        env.sound->played.clear();
        QCOMPARE(saveAndGetMessage(env, editor), kSaved);
        QCOMPARE(env.sound->played, QStringList{"wav\\click.wav"});
        const QByteArray bytes = fileBytes(env, "Greek Cities.txt");
        QCOMPARE(bytes, worksheetFileBytes(worksheet));
        const QList<QByteArray> lines = bytes.split('\n');
        QCOMPARE(lines.size(), 73); // 72 lines, each ending CR LF
        QCOMPARE(lines[0], QByteArray("Greek Cities\r"));
        QCOMPARE(lines[2], QByteArray("Who won& Athens or Sparta?\r"));
        QCOMPARE(lines[4], QByteArray("Sparta 1\r"));
        QCOMPARE(lines[2 + 7 + 2], QByteArray("Sparta& of course\r")); // answer B of question 2
        QCOMPARE(lines[7], QByteArray("1\r"));
        QCOMPARE(fileBytes(env, "track.txt"), QByteArray(" 1 \r\nGreek Cities\r\n"));
        QCOMPARE(Module1.worksheetCount, 0); // the count read before the title was added
        // The screen stays open with everything as typed.
        QCOMPARE(topScreenName(), QStringLiteral("wizard"));
        QCOMPARE(editor.content().answers[5], QStringLiteral("Sparta, of course"));
    }

    void savingAgainRewritesTheFileAndLeavesTheCatalogueAlone()
    {
        TestEnvironment env;
        wizard &editor = openWizardFromMenu();
        WorksheetContent worksheet = sampleWorksheet(QStringLiteral("Olympia"));
        typeWorksheet(editor, worksheet);
        QCOMPARE(saveAndGetMessage(env, editor), kSaved);
        const QByteArray catalogue = fileBytes(env, "track.txt");
        QCOMPARE(catalogue, QByteArray(" 1 \r\nOlympia\r\n"));

        typeInto(editor.Text3[0], QStringLiteral(" and Attica"));
        clickTick(editor, 4 * 9 + kRightAnswers[9] - 1);
        clickTick(editor, 39);
        worksheet.answers[0] += QStringLiteral(" and Attica");
        worksheet.ticks[4 * 9 + kRightAnswers[9] - 1] = false;
        worksheet.ticks[39] = true;
        QCOMPARE(saveAndGetMessage(env, editor), kSaved);
        QCOMPARE(fileBytes(env, "Olympia.txt"), worksheetFileBytes(worksheet));
        QCOMPARE(fileBytes(env, "track.txt"), catalogue);
    }

    void exitClosesWithoutAskingAndKeepsNothing()
    {
        TestEnvironment env;
        Module1.soundOn = 1;
        wizard &editor = openWizardFromMenu();
        const QMap<QString, QByteArray> before = multipleFolder(env);
        typeWorksheet(editor, sampleWorksheet(QStringLiteral("Unsaved")));
        env.sound->playedWithTop.clear();
        clickOn(editor.Label3[0]);
        QVERIFY(!isLoaded<wizard>());
        QVERIFY(env.messages.isEmpty());
        QCOMPARE(topScreenName(), QStringLiteral("intro0"));
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@intro0"});
        QCOMPARE(multipleFolder(env), before);
        wizard &again = openWizardFromMenu();
        QVERIFY(again.Text1->text().isEmpty());
        QVERIFY(again.Text3[20]->text().isEmpty());
        QVERIFY(!again.Check1[0]->isChecked());
    }

    void theCommandsLightUpUnderThePointer()
    {
        TestEnvironment env;
        wizard &editor = openWizardFromMenu();
        QCOMPARE(editor.Label3[0]->backStyle(), BackStyle::Opaque);
        QCOMPARE(editor.Label3[1]->backStyle(), BackStyle::Opaque);
        hoverOver(&editor, QPoint(400, 590)); // bare screen between the commands
        QCOMPARE(editor.Label3[0]->backStyle(), BackStyle::Transparent);
        QCOMPARE(editor.Label3[1]->backStyle(), BackStyle::Transparent);
        hoverOver(editor.Label3[1]);
        QCOMPARE(editor.Label3[1]->backStyle(), BackStyle::Opaque);
        QCOMPARE(editor.Label3[1]->backColor(), QColor(0, 0, 0));
        hoverOver(editor.Label3[0]);
        QCOMPARE(editor.Label3[1]->backStyle(), BackStyle::Opaque); // until the background is crossed
        hoverOver(editor.Label1[0]); // a static label changes nothing
        QCOMPARE(editor.Label3[0]->backStyle(), BackStyle::Opaque);
        hoverOver(&editor, QPoint(400, 590));
        QCOMPARE(editor.Label3[0]->backStyle(), BackStyle::Transparent);
    }

    void refusedTitlesLeaveTheFolderUntouched_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("problem");
        auto row = [](const char *name, const QString &title, TitleProblem problem) {
            QTest::newRow(name) << title << int(problem);
        };
        row("comma", QStringLiteral("Athens, Sparta"), TitleProblem::Comma);
        const QString forbidden = QStringLiteral("\\/:*?\"<>|");
        for (QChar c : forbidden)
            row(qPrintable(QStringLiteral("character %1").arg(c)), QStringLiteral("Maths %1 Greeks").arg(c),
                TitleProblem::ForbiddenCharacter);
        row("leading space", QStringLiteral(" Greeks"), TitleProblem::OuterSpace);
        row("trailing space", QStringLiteral("Greeks "), TitleProblem::OuterSpace);
        row("trailing full stop", QStringLiteral("Greeks."), TitleProblem::TrailingFullStop);
        for (const char *device : {"CON", "prn", "Aux", "nul", "COM1", "com9", "LPT1", "lPt9"})
            row(device, QString::fromLatin1(device), TitleProblem::ReservedDeviceName);
        row("Greek Fighters", QStringLiteral("Greek Fighters"), TitleProblem::ProgramFileName);
        row("greek writing", QStringLiteral("greek writing"), TitleProblem::ProgramFileName);
        row("track", QStringLiteral("track"), TitleProblem::ProgramFileName);
        row("TRACK", QStringLiteral("TRACK"), TitleProblem::ProgramFileName);
    }

    void refusedTitlesLeaveTheFolderUntouched()
    {
        QFETCH(QString, title);
        QFETCH(int, problem);
        TestEnvironment env;
        writeFileBytes(env, "track.txt", " 1 \r\nOld One\r\n");
        wizard &editor = openWizardFromMenu();
        const QMap<QString, QByteArray> before = multipleFolder(env);
        typeWorksheet(editor, sampleWorksheet(title));
        QCOMPARE(editor.Text1->text(), title);
        const QString message = saveAndGetMessage(env, editor);
        QCOMPARE(message, worksheetTitleMessage(TitleProblem(problem), title));
        QVERIFY(!message.isEmpty());
        QCOMPARE(multipleFolder(env), before);
    }

    // The messages say why in words a teacher understands.
    void refusedTitleMessagesSayWhy()
    {
        TestEnvironment env;
        wizard &editor = openWizardFromMenu();
        typeWorksheet(editor, sampleWorksheet(QStringLiteral("Athens, Sparta")));
        QVERIFY(saveAndGetMessage(env, editor).contains(QStringLiteral("comma")));
        editor.Text1->clear();
        typeInto(editor.Text1, QStringLiteral("com3"));
        QVERIFY(saveAndGetMessage(env, editor).contains(QStringLiteral("\"com3\"")));
        editor.Text1->clear();
        typeInto(editor.Text1, QStringLiteral("Track"));
        QVERIFY(saveAndGetMessage(env, editor).contains(QStringLiteral("\"track\"")));
    }

    void textAWorksheetFileCannotHoldIsRefusedNamingTheBox_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("named");
        QTest::newRow("Greek in the title") << "title" << QStringLiteral("\u0391\u03b8\u03ae\u03bd\u03b1")
                                            << QStringLiteral("The title");
        QTest::newRow("Greek in a question") << "question 4" << QStringLiteral("Who was \u0394\u03b1\u03c1\u03b5\u03b9\u03bf\u03c2?")
                                             << QStringLiteral("Question 4");
        QTest::newRow("Greek in answer B of question 3") << "answer 9" << QStringLiteral("\u03b1 and \u03b2")
                                                         << QStringLiteral("Answer B of Question 3");
        QTest::newRow("a leading quote in answer D of question 10") << "answer 39" << QStringLiteral("\"Nike\" said")
                                                                    << QStringLiteral("Answer D of Question 10");
    }

    void textAWorksheetFileCannotHoldIsRefusedNamingTheBox()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, named);
        TestEnvironment env;
        wizard &editor = openWizardFromMenu();
        WorksheetContent worksheet = sampleWorksheet(QStringLiteral("Persians"));
        if (box == QLatin1String("title"))
            worksheet.title = text;
        else if (box.startsWith(QLatin1String("question")))
            worksheet.questions[box.section(' ', 1).toInt() - 1] = text;
        else
            worksheet.answers[box.section(' ', 1).toInt()] = text;
        const QMap<QString, QByteArray> before = multipleFolder(env);
        typeWorksheet(editor, worksheet);
        const QString message = saveAndGetMessage(env, editor);
        QVERIFY2(message.startsWith(named), qPrintable(message));
        QVERIFY(message != kSaved);
        QCOMPARE(multipleFolder(env), before);
        // The text stays as typed, for the teacher to change.
        QCOMPARE(editor.content().title, worksheet.title);
        QCOMPARE(editor.content().answers, worksheet.answers);
    }

    void aFullCatalogueStillWritesTheFileButSaysThereWasAProblem()
    {
        TestEnvironment env;
        QByteArray catalogue = " 1000 \r\n";
        for (int i = 1; i <= 1000; ++i)
            catalogue += "Sheet " + QByteArray::number(i) + "\r\n";
        writeFileBytes(env, "track.txt", catalogue);
        wizard &editor = openWizardFromMenu();
        const WorksheetContent worksheet = sampleWorksheet(QStringLiteral("One Too Many"));
        typeWorksheet(editor, worksheet);
        QCOMPARE(saveAndGetMessage(env, editor), QStringLiteral("There was a problem saving your worksheet"));
        QCOMPARE(fileBytes(env, "One Too Many.txt"), worksheetFileBytes(worksheet));
        QCOMPARE(fileBytes(env, "track.txt"), catalogue);
    }

    void editingAndSavingUnderANewTitleMakesASecondWorksheet()
    {
        TestEnvironment env;
        wizard &first = openWizardFromMenu();
        const WorksheetContent original = sampleWorksheet(QStringLiteral("Heroes"));
        typeWorksheet(first, original);
        QCOMPARE(saveAndGetMessage(env, first), kSaved);
        clickOn(first.Label3[0]);

        worksheets &catalogue = openCatalogueFromMenu();
        clickOn(catalogue.Check1, QPoint(8, catalogue.Check1->height() / 2));
        clickOn(catalogue.Label2[1]);
        wizard &editor = touch<wizard>();
        QCOMPARE(topScreenName(), QStringLiteral("wizard"));
        QCOMPARE(editor.content().questions, original.questions);
        QCOMPARE(editor.content().answers, original.answers);
        QCOMPARE(editor.content().ticks, original.ticks);

        editor.Text1->selectAll();
        typeInto(editor.Text1, QStringLiteral("Heroes Two"));
        typeInto(editor.Text2[1], QStringLiteral(" Think again."));
        QCOMPARE(saveAndGetMessage(env, editor), kSaved);
        WorksheetContent second = original;
        second.title = QStringLiteral("Heroes Two");
        second.questions[1] += QStringLiteral(" Think again.");
        QCOMPARE(fileBytes(env, "Heroes Two.txt"), worksheetFileBytes(second));
        QCOMPARE(fileBytes(env, "Heroes.txt"), worksheetFileBytes(original));
        QCOMPARE(fileBytes(env, "track.txt"), QByteArray(" 2 \r\nHeroes\r\nHeroes Two\r\n"));
        // The catalogue beneath is not refreshed until it is opened again.
        clickOn(editor.Label3[0]);
        QCOMPARE(topScreenName(), QStringLiteral("worksheets"));
        QVERIFY(catalogue.Label2[2]->isHidden());
    }
};

VELMORA_TEST(WizardTest)
#include "wizard_test.moc"
