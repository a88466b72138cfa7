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
                       const QStringList &rightAnswers, int lines)
{
    QStringList all{title, QStringLiteral(" ")};
    for (int k = 1; k <= 10; ++k) {
        all << testQuestion(k);
        for (const char *letter : {"A", "B", "C", "D"})
            all << QStringLiteral("Answer %1").arg(k) + QLatin1String(letter);
        all << rightAnswers.value(k - 1, QString::number(kRightAnswers[k - 1])) << QStringLiteral(" ");
    }
    while (all.size() < lines)
        all << QStringLiteral("more,fields");
    writeFileBytes(env, fileName, lines == 0 ? QByteArray() : all.mid(0, lines).join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
}

Screen &clickMainMenuEntry(int entry)
{
    touch<intro0>().showScreen();
    clickOn(touch<intro0>().Label2[entry]);
    return *screens::topmost();
}

Screen &clickTopicMenuButton(const QString &unit, int button)
{
    TopicMenu &menu = unit == QLatin1String("fighters") ? static_cast<TopicMenu &>(touch<fighters>()) : touch<writing>();
    menu.showScreen();
    clickOn(menu.label3[button]);
    return *screens::topmost();
}

multiple &openFightersQuiz() { return static_cast<multiple &>(clickTopicMenuButton(QStringLiteral("fighters"), 0)); }

void answerAll(multiple &quiz, const QList<int> &choices)
{
    for (int choice : choices) {
        if (choice != 0)
            clickBox(quiz.Option1[choice]);
        clickOn(quiz.Label3[1]);
    }
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

void typeInto(QWidget *box, const QString &text)
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
            clickBox(editor.Check1[i]);
}

void dragLabelTo(Label *label, double left, double top)
{
    const QPointF start(label->left(), label->top());
    const QPointF middle = QPointF(label->width(), label->height()) / (2 * twips::fromPixels(1));
    QTest::mousePress(label, Qt::LeftButton, {}, middle.toPoint());
    // The engine centres the label on the pointer, given relative to the label as it stands on the screen.
    for (int step = 1; step <= 4; ++step) {
        const QPointF corner = start + (QPointF(left, top) - start) * step / 4;
        moveWithButtons(label, corner / twips::fromPixels(1) + middle - label->pos(), Qt::LeftButton);
    }
    QTest::mouseRelease(label, Qt::LeftButton, {}, middle.toPoint());
}

void dragIntoBox(DragActivity &screen, int labelIndex, int boxIndex)
{
    dragLabelTo(screen.Label2[labelIndex], screen.Label1[boxIndex]->left(), screen.Label1[boxIndex]->top());
}

namespace {
// A screen just shown gets the keyboard from the window system a moment later.
QWidget *keyTarget()
{
    Screen *top = screens::topmost();
    if (!top)
        return nullptr;
    (void)QTest::qWaitFor([top] { return top->focusWidget() != nullptr; }, 200);
    return top->focusWidget() ? top->focusWidget() : top;
}
} // namespace

void pressKey(int key, Qt::KeyboardModifiers modifiers) { QTest::keyClick(keyTarget(), Qt::Key(key), modifiers); }

void typeKeys(const QString &text) { typeInto(keyTarget(), text); }

void tabTo(QWidget *control, int thenPress)
{
    for (int tabs = 0; tabs < 100 && keyTarget() != control; ++tabs)
        pressKey(Qt::Key_Tab);
    QVERIFY2(keyTarget() == control, qPrintable(control->objectName() + " is out of Tab's reach"));
    if (thenPress)
        pressKey(thenPress);
}

void saveWorksheetByKeys(const WorksheetContent &worksheet)
{
    typeKeys(worksheet.title);
    pressKey(Qt::Key_Return);
    for (int q = 0; q < 10; ++q) {
        for (const QString &text : QStringList{worksheet.questions[q]} + QStringList(worksheet.answers.begin() + 4 * q, worksheet.answers.begin() + 4 * q + 4)) {
            typeKeys(text);
            pressKey(Qt::Key_Return); // stays in the last box
        }
    }
    for (int i = 0; i < 40; ++i) {
        pressKey(Qt::Key_Tab);
        if (worksheet.ticks[i])
            pressKey(Qt::Key_Space);
    }
    tabTo(touch<wizard>().Label3[1], Qt::Key_Return);
}
