// The topic units described in the content, as a pupil and a teacher meet
// them: one table over every unit (each opened by its main-menu entry), a
// missing or broken description, and a worksheet bearing a unit's title.
#include "activities/dragengine.h"
#include "common/module1.h"
#include "common/questionset.h"
#include "common/unitdescription.h"
#include "quiz/multiple.h"
#include "quiz/welldone.h"
#include "shell/intro0.h"
#include "shell/teacher.h"
#include "shell/topicmenu.h"
#include "support/pupil.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "toolkit/contentpath.h"
#include "worksheets/wizard.h"
#include "worksheets/worksheets.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

namespace {
enum { MultipleChoice = 0, Labelling = 1, Exit = 2, Ordering = 3, KeyFacts = 4, Notes = 5, OlympicsEntry = 8 };

QStringList unitsInTheContent()
{
    return QDir(QStringLiteral(VELMORA_SOURCE_DIR "/content/units")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}

// Every page of a set shows its screen copy and holds its print copy.
void checkPages(TopicMenu &menu, int button, int pages)
{
    clickOn(menu.label3[button]);
    teacher &viewer = touch<teacher>();
    for (int page = 1; page <= pages; ++page) {
        QVERIFY2(!viewer.Image1->picture().isNull() && !viewer.Image2->picture().isNull(), qPrintable(viewer.Image1->picturePath()));
        clickOn(viewer.Label3[page < pages ? 2 : 1]); // "Next Page", or "Exit" after the last
    }
}

// Each label dragged into its own box, a sentence into another box of its
// column; the results offer a certificate.
void completeActivity(TopicMenu &menu, int button, const QString &screenName, bool sorting = false)
{
    clickOn(menu.label3[button]);
    QCOMPARE(topScreenName(), screenName);
    auto &activity = static_cast<DragActivity &>(*screens::topmost());
    for (int i = 0; i < activity.labelCount(); ++i)
        dragIntoBox(activity, i, !sorting ? i : i < 5 ? 4 - i : 14 - i);
    clickOn(activity.Label3[DragActivity::CheckScore]);
    QVERIFY(Module1.score == activity.labelCount() && touch<Welldone>().Label3[0]->caption() == QLatin1String("Print Certificate"));
    clickOn(touch<Welldone>().Label3[1]);
    clickOn(activity.Label3[DragActivity::Exit]);
}
} // namespace

class UnitsTest : public QObject {
    Q_OBJECT
private slots:
    void everyUnitIsComplete_data()
    {
        QTest::addColumn<QString>("slug");
        for (const QString &slug : unitsInTheContent())
            QTest::newRow(qPrintable(slug)) << slug;
    }
    // The main-menu entry of its title opens it; every page loads; its quiz
    // is ten questions of four different answers whose full marks earn a
    // certificate made out with its title; each activity scores full marks.
    void everyUnitIsComplete()
    {
        QFETCH(QString, slug);
        TestEnvironment env;
        const auto read = readUnitDescription(slug);
        const auto *problem = std::get_if<UnitProblem>(&read);
        QVERIFY2(!problem, qPrintable(problem ? problem->message : QString()));
        const UnitDescription &unit = std::get<UnitDescription>(read);
        touch<intro0>().Label2.forEach([&](int i, Label *entry) {
            if (entry->caption() == unit.title)
                clickMainMenuEntry(i);
        });
        QCOMPARE(topScreenName(), slug);
        auto &menu = static_cast<TopicMenu &>(*screens::topmost());
        QVERIFY(!menu.Image1->picture().isNull());
        checkPages(menu, KeyFacts, unit.keyFactsPages);
        checkPages(menu, Notes, unit.notesPages);

        clickOn(menu.label3[MultipleChoice]);
        QVERIFY(Module1.quizTitle == unit.title && !touch<multiple>().Picture1->picture().isNull());
        QList<int> right;
        for (int k = 1; k <= 10; ++k) {
            const QStringList answers{Module1.answerA[k], Module1.answerB[k], Module1.answerC[k], Module1.answerD[k]};
            QVERIFY2(QSet<QString>(answers.begin(), answers.end()).size() == 4 && !answers.contains(QString()), qPrintable(Module1.questionText[k]));
            right << rightAnswerChoice(Module1.correctAnswer[k]).value_or(0);
        }
        answerAll(touch<multiple>(), right);
        QVERIFY(Module1.score == 10 && touch<Welldone>().Label3[0]->caption() == QLatin1String("Print Certificate"));
        QCOMPARE(Module1.certificateSubject, unit.title);
        clickOn(touch<Welldone>().Label3[1]);

        completeActivity(menu, Labelling, slug + QStringLiteral("lab"));
        completeActivity(menu, Ordering, slug + QStringLiteral("ord"), unit.sorting);
        QVERIFY2(env.messages.isEmpty(), qPrintable(env.messages.join('\n')));
    }

    // A missing or broken description is told, naming the file, when its
    // entry is clicked, not before; the main menu goes on working.
    void aBrokenDescriptionIsToldAndTheMenuStays_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QString file = QStringLiteral("The unit cannot open: its description units\\olympics\\unit.txt ");
        QTest::newRow("missing") << QByteArray() << file + "is missing or cannot be read.";
        QTest::newRow("off the screen") << QByteArray("velmora-unit\t1\nmenu\t0\t0\t90000\t6960\n")
                                        << file + "is damaged (line 2: \"90000\" is not a place on the screen).";
        QTest::newRow("no labels") << QByteArray("velmora-unit\t1\ntitle\tT\npages\t2\t1\nmenu\t1\t1\t9\t9\nlabelling\t1\t1\t9\t9\tLabel it.\n")
                                   << file + "is damaged (the labelling activity needs 5 to 8 labels).";
    }
    void aBrokenDescriptionIsToldAndTheMenuStays()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        TestEnvironment env;
        env.emptyFolder(QStringLiteral("units"));
        writeBytes(env.contentDir() + QStringLiteral("/units/olympics/unit.txt"), bytes);
        touch<intro0>().showScreen();
        QTest::qWait(50);
        QVERIFY(env.messages.isEmpty());
        clickMainMenuEntry(OlympicsEntry);
        QCOMPARE(env.messages, QStringList{message});
        QCOMPARE(clickMainMenuEntry(1).screenName(), QStringLiteral("fighters"));
    }

    // A teacher's worksheet titled "The Olympic Games" in a build folder
    // outlives the content copied over it again, and is listed, answered,
    // edited and deleted byte for byte, while the unit reads its own quiz.
    void aWorksheetTitledLikeAUnitKeepsToItself()
    {
        TestEnvironment env;
        const QString title = QStringLiteral("The Olympic Games");
        QTemporaryDir build;
        const QString worksheetFile = build.filePath(QStringLiteral("multiple/The Olympic Games.txt"));
        const QString catalogueFile = build.filePath(QStringLiteral("multiple/track.txt"));
        writeQuestionFile(env, title + QStringLiteral(".txt"), title);
        const QByteArray worksheet = fileBytes(env, title + QStringLiteral(".txt")), listed = catalogueBytes({"Heroes", title});
        writeBytes(worksheetFile, worksheet);
        writeBytes(catalogueFile, listed);
        QProcess copy; // as every build copies the content beside the program
        copy.start(QStringLiteral("cmake"), {"-DSRC=" VELMORA_SOURCE_DIR "/content", "-DDST=" + build.path(), "-P",
                                             VELMORA_SOURCE_DIR "/cmake/CopyContent.cmake"});
        if (!copy.waitForFinished(300000) || copy.exitCode() != 0)
            QSKIP("cmake cannot copy the content here");
        QVERIFY(readBytes(worksheetFile) == worksheet && readBytes(catalogueFile) == listed);
        const QByteArray unitQuiz = readBytes(build.filePath(QStringLiteral("units/olympics/questions.txt")));
        setContentRoot(build.path());

        auto *catalogue = &static_cast<worksheets &>(clickMainMenuEntry(18));
        QCOMPARE(catalogue->Label2[2]->caption(), title);
        clickOn(catalogue->Label2[2]);
        QCOMPARE(Module1.questionText[1], testQuestion(1));
        clickOn(touch<multiple>().Label3[2]);
        clickBox(catalogue->Check1);
        clickOn(catalogue->Label2[2]);
        clickOn(touch<wizard>().Label3[1]); // saved as it was
        QVERIFY(env.messages == QStringList{"Your worksheet has been saved."} && readBytes(worksheetFile) == worksheet);
        clickOn(catalogue->Label2[0]);

        auto &unit = static_cast<TopicMenu &>(clickMainMenuEntry(OlympicsEntry));
        clickOn(unit.label3[MultipleChoice]);
        QVERIFY(Module1.quizTitle == title && Module1.questionText[1] != testQuestion(1));
        clickOn(touch<multiple>().Label3[2]);
        clickOn(unit.label3[Exit]);

        catalogue = &static_cast<worksheets &>(clickMainMenuEntry(18));
        clickBox(catalogue->Check2);
        env.answers = {MsgResult::Ok};
        clickOn(catalogue->Label2[2]);
        QVERIFY(readBytes(catalogueFile) == catalogueBytes({"Heroes"}) && readBytes(worksheetFile) == worksheet);
        QCOMPARE(readBytes(build.filePath(QStringLiteral("units/olympics/questions.txt"))), unitQuiz);
    }
};

VELMORA_TEST(UnitsTest)
#include "units_test.moc"
