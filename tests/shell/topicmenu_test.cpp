// The two topic menus as a pupil meets them: opened from the main menu, their
// buttons and pictures, hovering, the quiz and the way back.
#include "quiz/multiple.h"
#include "quiz/quizdriver.h"
#include "shell/topicmenu.h"
#include "shell/intro0.h"
#include "common/module1.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "worksheets/wizarddriver.h"

#include <QFile>
#include <QtTest>

namespace {
// Opens a topic menu the way a pupil does: from the main menu.
TopicMenu &openFromMainMenu(const QString &unit)
{
    intro0 &menu = touch<intro0>();
    menu.showScreen();
    clickOn(menu.Label2[unit == QLatin1String("fighters") ? 1 : 5]);
    if (unit == QLatin1String("fighters"))
        return touch<fighters>();
    return touch<writing>();
}

void units()
{
    QTest::addColumn<QString>("unit");
    QTest::addRow("fighters") << "fighters";
    QTest::addRow("writing") << "writing";
}

QString questionFileOf(const QString &unit)
{
    return unit == QLatin1String("fighters") ? QStringLiteral("Greek Fighters.txt") : QStringLiteral("Greek Writing.txt");
}

// Writes the test set for a unit with question 7's right-answer entry as
// given, keeping only its first `lines` lines (72 is the whole file).
void writeTestSet(const TestEnvironment &env, const QString &unit, const QString &title,
                  const QString &seventh = QString::number(kRightAnswers[6]), int lines = 72)
{
    QStringList answers;
    for (int a : kRightAnswers)
        answers << QString::number(a);
    answers[6] = seventh;
    writeQuestionFile(env, questionFileOf(unit), title, answers);
    const QList<QByteArray> all = fileBytes(env, questionFileOf(unit)).split('\n');
    writeFileBytes(env, questionFileOf(unit), all.mid(0, lines).join('\n') + '\n');
}
} // namespace

class TopicMenuTest : public QObject {
    Q_OBJECT
private slots:
    void theMainMenuOpensEachUnitOverItselfAndExitReturns_data() { units(); }
    void theMainMenuOpensEachUnitOverItselfAndExitReturns()
    {
        QFETCH(QString, unit);
        TestEnvironment env;
        TopicMenu &menu = openFromMainMenu(unit);
        QCOMPARE(topScreenName(), unit);
        QVERIFY(touch<intro0>().isVisible());
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@" + unit});
        QCOMPARE(menu.Label1->caption(), unit == "fighters" ? QStringLiteral("Greek Fighters") : QStringLiteral("Greek Writing"));
        const QStringList buttons{"Multiple Choice", "Labelling Activity", "Exit",
                                  "Ordering Activity", "Key Facts", "Teacher's Notes"};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(menu.label3[i]->caption(), buttons[i]);
        QCOMPARE(menu.Image1->picturePath(),
                 unit == "fighters" ? QStringLiteral("Images\\SPARTAN ARMY.jpg") : QStringLiteral("Images\\horse5.jpg"));
        // The picture lies behind the title and every button.
        QCOMPARE(menu.childAt(menu.label3[0]->geometry().center()), static_cast<QWidget *>(menu.label3[0]));
        QCOMPARE(menu.childAt(menu.label3[4]->geometry().center()), static_cast<QWidget *>(menu.label3[4]));
        // Exit goes back to the main menu and unloads.
        env.sound->playedWithTop.clear();
        clickOn(menu.label3[2]);
        QCOMPARE(topScreenName(), QStringLiteral("intro0"));
        QVERIFY(!isLoaded<fighters>() && !isLoaded<writing>());
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@intro0"});
    }

    // Buttons stay lit until the pointer crosses the background; the writing
    // picture has no handler, the fighters picture counts as background.
    void buttonsStayLitUntilThePointerCrossesTheBackground()
    {
        TestEnvironment env;
        TopicMenu &menu = openFromMainMenu("writing");
        hoverOver(menu.label3[0]);
        hoverOver(menu.label3[4]);
        QCOMPARE(menu.label3[0]->backStyle(), BackStyle::Opaque);
        QCOMPARE(menu.label3[4]->backStyle(), BackStyle::Opaque);
        hoverOver(menu.Image1);
        QCOMPARE(menu.label3[4]->backStyle(), BackStyle::Opaque);
        hoverOver(&menu, QPoint(60, 300)); // left of the picture
        menu.label3.forEach([](int, Label *b) { QCOMPARE(b->backStyle(), BackStyle::Transparent); });
        TopicMenu &fightersMenu = openFromMainMenu("fighters");
        hoverOver(fightersMenu.label3[3]);
        QCOMPARE(fightersMenu.label3[3]->backStyle(), BackStyle::Opaque);
        hoverOver(fightersMenu.Image1, QPoint(400, 300));
        QCOMPARE(fightersMenu.label3[3]->backStyle(), BackStyle::Transparent);
    }

    void multipleChoiceLoadsTheUnitsQuestionsEveryTime_data() { units(); }
    void multipleChoiceLoadsTheUnitsQuestionsEveryTime()
    {
        QFETCH(QString, unit);
        TestEnvironment env;
        writeTestSet(env, unit, QStringLiteral("First& set")); // stored with its comma encoded
        TopicMenu &menu = openFromMainMenu(unit);
        clickOn(menu.label3[0]);
        multiple &quiz = touch<multiple>();
        QCOMPARE(topScreenName(), QStringLiteral("multiple"));
        QVERIFY(menu.isVisible());
        QCOMPARE(Module1.quizTitle, QStringLiteral("First, set"));
        QCOMPARE(quiz.Label6->caption(), QStringLiteral("First, set"));
        QCOMPARE(quiz.Label5->caption(), QStringLiteral("Velmora"));
        QCOMPARE(quiz.Picture1->picturePath(),
                 unit == "fighters" ? QStringLiteral("images\\SPARTAN ARMY2.jpg") : QStringLiteral("images\\horsesm.jpg"));
        QCOMPARE(Module1.correctAnswer[10], QString::number(kRightAnswers[9]));
        clickOn(quiz.Label3[2]);
        QCOMPARE(topScreenName(), unit);

        writeTestSet(env, unit, QStringLiteral("Second set"));
        clickOn(menu.label3[0]);
        QCOMPARE(Module1.quizTitle, QStringLiteral("Second set"));
        QCOMPARE(touch<multiple>().Label6->caption(), QStringLiteral("Second set"));
    }

    void aBadQuestionFileIsReportedAndTheMenuStays_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<int>("lines"); // 0: no file at all
        QTest::addColumn<QString>("seventh");
        QTest::addColumn<QString>("message");
        const QString missing = "The quiz cannot start: its question file multiple\\%1 is missing or cannot be read.";
        const QString noRight = "The quiz cannot start: question 7 does not say which of its four answers is right.";
        QTest::addRow("fighters, no file") << "fighters" << 0 << "4" << missing.arg("Greek Fighters.txt");
        QTest::addRow("writing, no file") << "writing" << 0 << "4" << missing.arg("Greek Writing.txt");
        QTest::addRow("cut short") << "fighters" << 70 << "4"
                                   << "The quiz cannot start: its question file multiple\\Greek Fighters.txt "
                                      "does not hold ten complete questions.";
        QTest::addRow("right answer empty") << "writing" << 72 << "" << noRight;
        QTest::addRow("right answer five, the hidden choice") << "writing" << 72 << "5" << noRight;
        QTest::addRow("right answer zero") << "writing" << 72 << "0" << noRight;
        QTest::addRow("right answer a letter") << "writing" << 72 << "B" << noRight;
    }
    void aBadQuestionFileIsReportedAndTheMenuStays()
    {
        QFETCH(QString, unit);
        QFETCH(int, lines);
        QFETCH(QString, seventh);
        QFETCH(QString, message);
        TestEnvironment env;
        if (lines == 0)
            QFile::remove(env.multipleDir() + '/' + questionFileOf(unit));
        else
            writeTestSet(env, unit, QStringLiteral("Broken"), seventh, lines);
        TopicMenu &menu = openFromMainMenu(unit);
        env.sound->playedWithTop.clear();
        clickOn(menu.label3[0]);
        QCOMPARE(env.messages, QStringList{message});
        QVERIFY(!isLoaded<multiple>());
        QCOMPARE(topScreenName(), unit);
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@" + unit});
    }
};

VELMORA_TEST(TopicMenuTest)
#include "topicmenu_test.moc"
