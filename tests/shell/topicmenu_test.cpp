// The two topic menus as a pupil meets them: opened from the main menu, their
// buttons and pictures, hovering, the quiz and the way back.
#include "quiz/multiple.h"
#include "quiz/quizdriver.h"
#include "quiz/quizstart.h"
#include "shell/fighters.h"
#include "shell/intro0.h"
#include "shell/module1.h"
#include "shell/writing.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "toolkit/twips.h"

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

void writeTestSet(const TestEnvironment &env, const QString &unit, const QString &title)
{
    QStringList answers;
    for (int a : kRightAnswers)
        answers << QString::number(a);
    writeQuestionFile(env, questionFileOf(unit), title, answers);
}

// Keeps only the first n lines of a question file.
void cutQuestionFile(const TestEnvironment &env, const QString &unit, int lines)
{
    QFile file(env.multipleDir() + '/' + questionFileOf(unit));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> all = file.readAll().split('\n');
    file.close();
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (int i = 0; i < lines; ++i)
        file.write(all[i] + '\n');
}
} // namespace

class TopicMenuTest : public QObject {
    Q_OBJECT
private slots:
    void theMainMenuOpensEachUnitOverItself_data() { units(); }
    void theMainMenuOpensEachUnitOverItself()
    {
        QFETCH(QString, unit);
        TestEnvironment env;
        TopicMenu &menu = openFromMainMenu(unit);
        QCOMPARE(topScreenName(), unit);
        QVERIFY(touch<intro0>().isVisible());
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@" + unit});
        QCOMPARE(menu.backColor(), QColor(39, 63, 137));
        QCOMPARE(menu.clientSizeTwips(), QSizeF(12000, 9000));
        QCOMPARE(menu.Label1->caption(), unit == "fighters" ? QStringLiteral("Greek Fighters") : QStringLiteral("Greek Writing"));
        QCOMPARE(twips::geometryOf(menu.Label1), QRectF(240, 0, 6000, 900));
        QCOMPARE(menu.Label1->fontSpec().name, QStringLiteral("Times New Roman"));
        QCOMPARE(menu.Label1->fontSpec().points, 27.75);
        QCOMPARE(menu.label3.size(), 6);
        const QList<std::pair<QString, QRectF>> buttons = {
            {"Multiple Choice", {120, 7920, 3195, 495}},    {"Labelling Activity", {3600, 7920, 3195, 495}},
            {"Exit", {10560, 7920, 1245, 495}},             {"Ordering Activity", {7080, 7920, 3195, 495}},
            {"Key Facts", {6360, 120, 1995, 495}},          {"Teacher's Notes", {8640, 120, 3195, 495}},
        };
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(menu.label3[i]->caption(), buttons[i].first);
            QCOMPARE(twips::geometryOf(menu.label3[i]), buttons[i].second);
            QCOMPARE(menu.label3[i]->objectName(), QStringLiteral("label3(%1)").arg(i));
        }
        if (unit == "fighters") {
            QCOMPARE(menu.Image1->picturePath(), QStringLiteral("Images\\SPARTAN ARMY.jpg"));
            QCOMPARE(twips::geometryOf(menu.Image1), QRectF(0, -120, 12000, 9150));
        } else {
            QCOMPARE(menu.Image1->picturePath(), QStringLiteral("Images\\horse5.jpg"));
            QCOMPARE(twips::geometryOf(menu.Image1), QRectF(2520, -480, 5940, 8850));
        }
        // The picture lies behind the title and every button.
        QCOMPARE(menu.childAt(menu.label3[0]->geometry().center()), static_cast<QWidget *>(menu.label3[0]));
        QCOMPARE(menu.childAt(menu.label3[4]->geometry().center()), static_cast<QWidget *>(menu.label3[4]));
    }

    void exitGoesBackToTheMainMenuAndUnloads_data() { units(); }
    void exitGoesBackToTheMainMenuAndUnloads()
    {
        QFETCH(QString, unit);
        TestEnvironment env;
        TopicMenu &menu = openFromMainMenu(unit);
        env.sound->playedWithTop.clear();
        clickOn(menu.label3[2]);
        QCOMPARE(topScreenName(), QStringLiteral("intro0"));
        QVERIFY(!isLoaded<fighters>() && !isLoaded<writing>());
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@intro0"});
    }

    void buttonsStayLitUntilThePointerCrossesTheBackground()
    {
        TestEnvironment env;
        TopicMenu &menu = openFromMainMenu("writing");
        hoverOver(menu.label3[0]);
        hoverOver(menu.label3[4]);
        QCOMPARE(menu.label3[0]->backStyle(), BackStyle::Opaque);
        QCOMPARE(menu.label3[4]->backStyle(), BackStyle::Opaque);
        hoverOver(menu.Image1); // the writing picture has no handler
        QCOMPARE(menu.label3[4]->backStyle(), BackStyle::Opaque);
        hoverOver(&menu, QPoint(60, 300)); // left of the picture
        menu.label3.forEach([](int, Label *b) { QCOMPARE(b->backStyle(), BackStyle::Transparent); });
    }

    void theFightersPictureCountsAsBackground()
    {
        TestEnvironment env;
        TopicMenu &menu = openFromMainMenu("fighters");
        hoverOver(menu.label3[3]);
        QCOMPARE(menu.label3[3]->backStyle(), BackStyle::Opaque);
        hoverOver(menu.Image1, QPoint(400, 300));
        QCOMPARE(menu.label3[3]->backStyle(), BackStyle::Transparent);
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

    void aMissingQuestionFileIsReportedAndTheMenuStays_data() { units(); }
    void aMissingQuestionFileIsReportedAndTheMenuStays()
    {
        QFETCH(QString, unit);
        TestEnvironment env;
        QFile::remove(env.multipleDir() + '/' + questionFileOf(unit));
        TopicMenu &menu = openFromMainMenu(unit);
        env.sound->playedWithTop.clear();
        clickOn(menu.label3[0]);
        QCOMPARE(env.messages, QStringList{missingQuestionFileMessage("multiple\\" + questionFileOf(unit))});
        QVERIFY(!isLoaded<multiple>());
        QCOMPARE(topScreenName(), unit);
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@" + unit});
    }

    void aShortQuestionFileIsReportedAndTheMenuStays()
    {
        TestEnvironment env;
        writeTestSet(env, "fighters", QStringLiteral("Short"));
        cutQuestionFile(env, "fighters", 70);
        TopicMenu &menu = openFromMainMenu("fighters");
        clickOn(menu.label3[0]);
        QCOMPARE(env.messages, QStringList{incompleteQuestionFileMessage("multiple\\Greek Fighters.txt")});
        QVERIFY(!isLoaded<multiple>());
        QCOMPARE(topScreenName(), QStringLiteral("fighters"));
    }

    void aSetWithoutARightAnswerIsRefused_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addRow("empty") << "";
        QTest::addRow("five, the hidden choice") << "5";
        QTest::addRow("zero") << "0";
        QTest::addRow("a letter") << "B";
    }
    void aSetWithoutARightAnswerIsRefused()
    {
        QFETCH(QString, entry);
        TestEnvironment env;
        QStringList answers;
        for (int a : kRightAnswers)
            answers << QString::number(a);
        answers[6] = entry;
        writeQuestionFile(env, QStringLiteral("Greek Writing.txt"), QStringLiteral("Broken"), answers);
        TopicMenu &menu = openFromMainMenu("writing");
        clickOn(menu.label3[0]);
        QCOMPARE(env.messages, QStringList{noRightAnswerMessage(7)});
        QVERIFY(!isLoaded<multiple>());
        QCOMPARE(topScreenName(), QStringLiteral("writing"));
    }

    void theOtherButtonsClickToo_data() { units(); }
    void theOtherButtonsClickToo()
    {
        QFETCH(QString, unit);
        TestEnvironment env;
        TopicMenu &menu = openFromMainMenu(unit);
        env.sound->played.clear();
        for (int i : {1, 3, 4, 5})
            clickOn(menu.label3[i]);
        QCOMPARE(env.sound->played, QStringList(4, "wav\\click.wav"));
    }
};

VELMORA_TEST(TopicMenuTest)
#include "topicmenu_test.moc"
