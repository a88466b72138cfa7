// The Multiple Choice Wizard as a teacher uses it: typing key by key, ticking
// by clicks, Tab and Enter to move on, "Save Worksheet" naming the first fault
// or writing the file and the catalogue, and titles or text that no worksheet
// file could hold refused before anything is written.
#include "quiz/quizdriver.h"
#include "shell/intro0.h"
#include "common/module1.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "worksheets/contentfolder.h"
#include "worksheets/wizard.h"
#include "worksheets/wizarddriver.h"

#include <QtTest>

namespace {
const QString kSaved = QStringLiteral("Your worksheet has been saved.");

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
    // The menu opens the wizard above itself with the title box focused; each
    // kind of box takes no more than its limit; "Exit" closes it without
    // asking and keeps nothing, so it opens again empty.
    void theWizardOpensAboveTheMenuAndExitKeepsNothing()
    {
        TestEnvironment env;
        Module1.soundOn = 1;
        const QMap<QString, QByteArray> before = multipleFolder(env);
        wizard &editor = openWizardFromMenu();
        QCOMPARE(topScreenName(), QStringLiteral("wizard"));
        QVERIFY(isLoaded<intro0>());
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@wizard"});
        QCOMPARE(editor.focusWidget(), static_cast<QWidget *>(editor.Text1));
        const QStringList captions{editor.Label1[0]->caption(), editor.Label1[11]->caption(),
                                   editor.Label1[36]->caption(), editor.Label1[39]->caption(),
                                   editor.Label3[1]->caption(),  editor.Label3[0]->caption()};
        QCOMPARE(captions, (QStringList{"Multiple Choice Wizard", "Question 10", "A.", "D.", "Save Worksheet", "Exit"}));
        const QString typed = QStringLiteral("abcdefghij").repeated(8); // 80 characters
        typeInto(editor.Text1, typed);
        typeInto(editor.Text2[3], typed);
        typeInto(editor.Text3[17], typed);
        QCOMPARE(editor.Text1->text(), typed.left(25));
        QCOMPARE(editor.Text2[3]->text(), typed.left(60));
        QCOMPARE(editor.Text3[17]->text(), typed.left(30));
        clickTick(editor, 17);

        env.sound->playedWithTop.clear();
        clickOn(editor.Label3[0]);
        QVERIFY(!isLoaded<wizard>());
        QVERIFY(env.messages.isEmpty());
        QCOMPARE(topScreenName(), QStringLiteral("intro0"));
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@intro0"});
        QCOMPARE(multipleFolder(env), before);
        wizard &again = openWizardFromMenu();
        QVERIFY(again.Text1->text().isEmpty());
        for (int i = 0; i < 40; ++i)
            QVERIFY(again.Text2[i / 4]->text().isEmpty() && again.Text3[i]->text().isEmpty() && !again.Check1[i]->isChecked());
    }

    // Tab runs through the title, each question with its answers A to D, then
    // the ticks and round again. Enter moves the same way through the boxes
    // (answer D of question 5 leads to question 6 at the top of the right
    // column), stays in the last answer and changes no text.
    void tabAndEnterRunThroughEveryQuestionWithItsAnswers()
    {
        TestEnvironment env;
        wizard &editor = openWizardFromMenu();
        QList<QWidget *> boxes{editor.Text1};
        for (int q = 0; q < 10; ++q) {
            boxes << editor.Text2[q];
            for (int a = 0; a < 4; ++a)
                boxes << editor.Text3[4 * q + a];
        }
        QList<QWidget *> tabOrder = boxes;
        for (int i = 0; i < 40; ++i)
            tabOrder << editor.Check1[i];
        tabOrder << editor.Text1;
        for (int step = 1; step < tabOrder.size(); ++step) {
            QTest::keyClick(editor.focusWidget(), Qt::Key_Tab);
            QVERIFY2(editor.focusWidget() == tabOrder[step], qPrintable(QString::number(step)));
        }
        for (int i = 0; i < boxes.size(); ++i) {
            boxes[i]->setFocus();
            QTest::keyClick(boxes[i], Qt::Key_Return);
            QVERIFY2(editor.focusWidget() == boxes[std::min(i + 1, int(boxes.size()) - 1)], qPrintable(QString::number(i)));
        }
        typeInto(editor.Text3[39], QStringLiteral("Thebes"));
        QTest::keyClick(editor.Text3[39], Qt::Key_Return);
        QCOMPARE(editor.Text3[39]->text(), QStringLiteral("Thebes"));
    }

    // Each save names the first fault, the title before any question; mending
    // it moves on to the next, and nothing is written until there is none.
    // Then the file holds commas as "&" and a box of one space as a space, and
    // saving again after an edit rewrites it and leaves the catalogue alone.
    void everyFaultIsNamedInOrderThenTheWorksheetIsSaved()
    {
        TestEnvironment env;
        Module1.soundOn = 1;
        wizard &editor = openWizardFromMenu();
        const QMap<QString, QByteArray> before = multipleFolder(env);
        env.sound->playedWithTop.clear();
        QCOMPARE(saveAndGetMessage(env, editor), QStringLiteral("You have not chosen a title for your worksheet"));
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@wizard"});
        typeInto(editor.Text1, QStringLiteral("Sparta"));
        QCOMPARE(saveAndGetMessage(env, editor), QStringLiteral("You have not completed Question 1"));

        // Question 2 lacks answer D and question 3 has no tick: question 2 comes first.
        WorksheetContent full = sampleWorksheet(QStringLiteral("Sparta"));
        full.questions[6] = full.answers[13] = QStringLiteral(" ");
        WorksheetContent partial = full;
        partial.title.clear();
        partial.answers[7].clear();
        partial.ticks[4 * 2 + kRightAnswers[2] - 1] = false;
        typeWorksheet(editor, partial);
        QCOMPARE(saveAndGetMessage(env, editor), QStringLiteral("You have not completed Question 2"));
        typeInto(editor.Text3[7], full.answers[7]);
        QCOMPARE(saveAndGetMessage(env, editor), QStringLiteral("You have not ticked the correct answer for Question 3"));
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
        QCOMPARE(multipleFolder(env), before);
        typeInto(editor.Text3[38], full.answers[38]);
        QCOMPARE(saveAndGetMessage(env, editor), kSaved);

        const QByteArray bytes = fileBytes(env, "Sparta.txt");
        QCOMPARE(bytes, worksheetFileBytes(full));
        const QList<QByteArray> lines = bytes.split('\n');
        QCOMPARE(lines[2 + 7 + 2], QByteArray("Sparta& of course\r")); // answer B of question 2
        QCOMPARE(lines[2 + 7 * 3 + 2], QByteArray(" \r"));           // answer B of question 4
        QCOMPARE(lines[2 + 7 * 6], QByteArray(" \r"));               // question 7
        const QByteArray catalogue(" 1 \r\nSparta\r\n");
        QCOMPARE(fileBytes(env, "track.txt"), catalogue);
        QCOMPARE(topScreenName(), QStringLiteral("wizard")); // open with everything as typed

        typeInto(editor.Text3[0], QStringLiteral(" and Attica"));
        clickTick(editor, 4 * 9 + kRightAnswers[9] - 1);
        clickTick(editor, 39);
        full.answers[0] += QStringLiteral(" and Attica");
        full.ticks[4 * 9 + kRightAnswers[9] - 1] = false;
        full.ticks[39] = true;
        QCOMPARE(saveAndGetMessage(env, editor), kSaved);
        QCOMPARE(fileBytes(env, "Sparta.txt"), worksheetFileBytes(full));
        QCOMPARE(fileBytes(env, "track.txt"), catalogue);
    }

    // "Save Worksheet" and "Exit" light up under the pointer until it crosses
    // the bare screen.
    void theCommandsLightUpUnderThePointer()
    {
        TestEnvironment env;
        wizard &editor = openWizardFromMenu();
        auto lit = [&editor](int k) { return editor.Label3[k]->backStyle() == BackStyle::Opaque; };
        hoverOver(&editor, QPoint(400, 590)); // between the commands
        QVERIFY(!lit(0) && !lit(1));
        hoverOver(editor.Label3[1]);
        hoverOver(editor.Label3[0]);
        QVERIFY(lit(0) && lit(1));
        QCOMPARE(editor.Label3[1]->backColor(), QColor(0, 0, 0));
        hoverOver(&editor, QPoint(400, 590));
        QVERIFY(!lit(0) && !lit(1));
    }

    // A title no Windows folder or catalogue could hold is refused, saying
    // why, before anything is written (every kind is listed in WorksheetTitleTest).
    void refusedTitlesAreExplainedAndLeaveTheFolderUntouched_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        const QString characters = QStringLiteral("A worksheet title cannot contain any of these characters: "
                                                  "\\ / : * ? \" < > |");
        const QString ownFile = QStringLiteral(" is the name of one of Velmora's own files, so a worksheet cannot be "
                                               "called that. Please choose another title.");
        QTest::newRow("comma") << "Athens, Sparta"
                               << "A worksheet title cannot contain a comma. Please change the title.";
        QTest::newRow("question mark") << "Maths ? Greeks" << characters;
        QTest::newRow("leading space") << " Greeks" << "A worksheet title cannot begin or end with a space.";
        QTest::newRow("trailing full stop") << "Greeks." << "A worksheet title cannot end with a full stop.";
        QTest::newRow("device") << "com3"
                                << "Windows keeps the name \"com3\" for itself, so a worksheet cannot be called that. "
                                   "Please choose another title.";
        QTest::newRow("topic file") << "greek writing" << "\"Greek Writing\"" + ownFile;
        QTest::newRow("catalogue file") << "TRACK" << "\"track\"" + ownFile;
    }
    void refusedTitlesAreExplainedAndLeaveTheFolderUntouched()
    {
        QFETCH(QString, title);
        TestEnvironment env;
        writeFileBytes(env, "track.txt", " 1 \r\nOld One\r\n");
        wizard &editor = openWizardFromMenu();
        const QMap<QString, QByteArray> before = multipleFolder(env);
        typeWorksheet(editor, sampleWorksheet(title));
        QCOMPARE(editor.Text1->text(), title);
        QTEST(saveAndGetMessage(env, editor), "message");
        QCOMPARE(multipleFolder(env), before);
    }

    void textAWorksheetFileCannotHoldIsRefusedNamingTheBox_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("named");
        QTest::newRow("Greek title") << "title" << QStringLiteral("\u0391\u03b8\u03ae\u03bd\u03b1") << "The title";
        QTest::newRow("Greek answer") << "answer 9" << QStringLiteral("\u03b1 and \u03b2") << "Answer B of Question 3";
        QTest::newRow("leading quote") << "answer 39" << "\"Nike\" said" << "Answer D of Question 10";
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
        else
            worksheet.answers[box.section(' ', 1).toInt()] = text;
        const QMap<QString, QByteArray> before = multipleFolder(env);
        typeWorksheet(editor, worksheet);
        const QString message = saveAndGetMessage(env, editor);
        QVERIFY2(message.startsWith(named + QStringLiteral(" ")), qPrintable(message));
        QCOMPARE(multipleFolder(env), before);
        // The text stays as typed, for the teacher to change.
        QCOMPARE(editor.content().title, worksheet.title);
        QCOMPARE(editor.content().answers, worksheet.answers);
    }

    void aFullCatalogueStillWritesTheFileButSaysThereWasAProblem()
    {
        TestEnvironment env;
        const QByteArray catalogue = catalogueBytes(numberedTitles(1000));
        writeFileBytes(env, "track.txt", catalogue);
        wizard &editor = openWizardFromMenu();
        const WorksheetContent worksheet = sampleWorksheet(QStringLiteral("One Too Many"));
        typeWorksheet(editor, worksheet);
        QCOMPARE(saveAndGetMessage(env, editor), QStringLiteral("There was a problem saving your worksheet"));
        QCOMPARE(fileBytes(env, "One Too Many.txt"), worksheetFileBytes(worksheet));
        QCOMPARE(fileBytes(env, "track.txt"), catalogue);
    }
};

VELMORA_TEST(WizardTest)
#include "wizard_test.moc"
