#include "quiz/quizdriver.h"

#include "quiz/multiple.h"
#include "shell/topicmenu.h"
#include "support/testenv.h"

#include <QFile>
#include <QtTest>

const QList<int> kRightAnswers = {1, 2, 3, 4, 2, 3, 4, 1, 3, 2};

QString testQuestion(int k) { return QStringLiteral("Question text %1").arg(k); }

void writeQuestionFile(const TestEnvironment &env, const QString &fileName, const QString &title,
                       const QStringList &rightAnswers)
{
    QByteArray bytes;
    auto line = [&bytes](const QString &text) { bytes += text.toLatin1() + "\r\n"; };
    line(title);
    line(QStringLiteral(" "));
    for (int k = 1; k <= 10; ++k) {
        line(testQuestion(k));
        for (const char *letter : {"A", "B", "C", "D"})
            line(QStringLiteral("Answer %1%2").arg(k).arg(QLatin1String(letter)));
        line(rightAnswers.value(k - 1));
        line(QStringLiteral(" "));
    }
    QFile file(env.multipleDir() + '/' + fileName);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

void writeFightersQuestions(const TestEnvironment &env, const QString &title)
{
    QStringList answers;
    for (int a : kRightAnswers)
        answers << QString::number(a);
    writeQuestionFile(env, QStringLiteral("Greek Fighters.txt"), title, answers);
}

multiple &openFightersQuiz()
{
    fighters &menu = touch<fighters>();
    menu.showScreen();
    clickOn(menu.label3[0]);
    return touch<multiple>();
}

void chooseAnswer(multiple &quiz, int choice)
{
    QWidget *button = quiz.Option1[choice];
    clickOn(button, QPoint(8, button->height() / 2));
}

void clickNext(multiple &quiz) { clickOn(quiz.Label3[1]); }

void answerAll(multiple &quiz, const QList<int> &choices)
{
    for (int choice : choices) {
        if (choice != 0)
            chooseAnswer(quiz, choice);
        clickNext(quiz);
    }
}

QList<int> choicesWrongAt(const QList<int> &wrongQuestions)
{
    QList<int> choices = kRightAnswers;
    for (int q : wrongQuestions)
        choices[q - 1] = choices[q - 1] % 4 + 1; // the next answer round is always wrong
    return choices;
}
