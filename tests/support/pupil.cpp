#include "support/pupil.h"

#include "activities/dragengine.h"
#include "quiz/multiple.h"
#include "shell/intro0.h"
#include "shell/topicmenu.h"
#include "support/testenv.h"
#include "toolkit/twips.h"
#include "worksheets/wizard.h"

#include <QtTest>

const QList<int> kRightAnswers = {1, 2, 3, 4, 2, 3, 4, 1, 3, 2};

QString testQuestion(int k) { return QStringLiteral("Question text %1").arg(k); }

void writeQuestionFile(const TestEnvironment &env, const QString &fileName, const QString &title,
                       const QStringList &rightAnswers)
{
    QStringList lines{title, QStringLiteral(" ")};
    for (int k = 1; k <= 10; ++k) {
        lines << testQuestion(k);
        for (const char *letter : {"A", "B", "C", "D"})
            lines << QStringLiteral("Answer %1").arg(k) + QLatin1String(letter);
        lines << rightAnswers.value(k - 1, QString::number(kRightAnswers[k - 1])) << QStringLiteral(" ");
    }
    writeFileBytes(env, fileName, lines.join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
}

Screen &clickMainMenuEntry(int entry)
{
    touch<intro0>().showScreen();
    clickOn(touch<intro0>().Label2[entry]);
    return *screens::topmost();
}

multiple &openFightersQuiz()
{
    touch<fighters>().showScreen();
    clickOn(touch<fighters>().label3[0]);
    return touch<multiple>();
}

void chooseAnswer(multiple &quiz, int choice) { clickOn(quiz.Option1[choice], QPoint(8, quiz.Option1[choice]->height() / 2)); }

void answerAll(multiple &quiz, const QList<int> &choices)
{
    for (int choice : choices) {
        if (choice != 0)
            chooseAnswer(quiz, choice);
        clickOn(quiz.Label3[1]);
    }
}

QList<int> choicesWrongAt(const QList<int> &wrongQuestions)
{
    QList<int> choices = kRightAnswers;
    for (int q : wrongQuestions)
        choices[q - 1] = choices[q - 1] % 4 + 1; // the next answer round is always wrong
    return choices;
}

WorksheetContent sampleWorksheet(const QString &title)
{
    WorksheetContent worksheet{title, {}, {}, {}};
    for (int i = 0; i < 40; ++i) {
        worksheet.questions[i / 4] = testQuestion(i / 4 + 1);
        worksheet.answers[i] = QStringLiteral("Answer %1").arg(i / 4 + 1) + QChar(u'A' + i % 4);
        worksheet.ticks[i] = i % 4 == kRightAnswers[i / 4] - 1;
    }
    worksheet.questions[0] = QStringLiteral("Who won, Athens or Sparta?");
    worksheet.answers[5] = QStringLiteral("Sparta, of course");
    return worksheet;
}

void typeInto(QLineEdit *box, const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(box, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void typeWorksheet(wizard &editor, const WorksheetContent &worksheet)
{
    typeInto(editor.Text1, worksheet.title);
    for (int q = 0; q < 10; ++q) {
        typeInto(editor.Text2[q], worksheet.questions[q]);
        for (int a = 0; a < 4; ++a)
            typeInto(editor.Text3[4 * q + a], worksheet.answers[4 * q + a]);
    }
    for (int i = 0; i < 40; ++i)
        if (worksheet.ticks[i])
            clickTick(editor, i);
}

void clickTick(wizard &editor, int box) { clickOn(editor.Check1[box], QPoint(6, editor.Check1[box]->height() / 2)); }

void dragLabelTo(Label *label, double left, double top)
{
    const QPointF start = cornerOf(label);
    const QPointF middle = QPointF(label->width(), label->height()) / (2 * twips::fromPixels(1));
    pressOn(label, middle);
    // The engine centres the label on the pointer, given relative to the label as it stands.
    for (int step = 1; step <= 4; ++step) {
        const QPointF corner = start + (QPointF(left, top) - start) * step / 4;
        moveWithButtons(label, (corner - cornerOf(label)) / twips::fromPixels(1) + middle, Qt::LeftButton);
    }
    releaseOn(label, middle);
}

void dragIntoBox(DragActivity &screen, int labelIndex, int boxIndex)
{
    dragLabelTo(screen.Label2[labelIndex], screen.Label1[boxIndex]->left(), screen.Label1[boxIndex]->top());
}

QPointF cornerOf(const Label *label) { return QPointF(label->left(), label->top()); }
