// A pupil starts Velmora, meets the main menu and the topic menus, and
// leaves: the title screen over the backdrop, the common set-up, hover
// highlights, the sound switch, the start-up catalogue read and the quiz.
#include "common/colours.h"
#include "common/commonsetup.h"
#include "common/grey.h"
#include "common/module1.h"
#include "quiz/multiple.h"
#include "quiz/wrong.h"
#include "shell/guide.h"
#include "shell/intro0.h"
#include "shell/teacher.h"
#include "shell/titlefrm.h"
#include "shell/topicmenu.h"
#include "support/pupil.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "toolkit/display.h"

#include <QtTest>

namespace {
enum MenuEntry { GreekFighters = 1, GreekWriting = 5, Exit = 16 };

bool lit(const Label *button) { return button->backStyle() == BackStyle::Opaque; }

// A viewer's "Page n of m", its screen and print copies, and which page buttons work.
QStringList pageShown(const PageViewer &viewer)
{
    using namespace viewer;
    return {viewer.Label1->caption(), viewer.Image1->picturePath(), viewer.Image2->picturePath(),
            viewer.Label3[PreviousPage]->isEnabled() ? "<<" : "", viewer.Label3[NextPage]->isEnabled() ? ">>" : ""};
}
} // namespace

class ShellTest : public QObject {
    Q_OBJECT
private slots:
    // The title comes up over the backdrop; OK opens the menu with a click,
    // and the menu's "Exit" brings the title back with "Cancel", which returns
    // to the same menu, sound setting and all. "Exit" ends the program, and
    // at the very first title (no menu loaded yet) without a click.
    void theTitleScreenLeadsInAndOut()
    {
        TestEnvironment env;
        touch<Titlefrm>().showScreen();
        touch<Titlefrm>().close(); // a window close request does not bypass its own way out
        QVERIFY(touch<Grey>().isVisible() && touch<Grey>().backColor() == colours::backdrop);
        QVERIFY(topScreenName() == QLatin1String("Titlefrm") && touch<Titlefrm>().isVisible());
        pressKey(Qt::Key_Escape); // leaving is deliberate: only "Exit" itself ends the program
        clickOn(touch<Titlefrm>().Command2);
        QVERIFY(env.programEnds == 1 && env.sound->played.isEmpty());
        clickOn(touch<Titlefrm>().Command1);
        intro0 *menu = &touch<intro0>();
        QVERIFY(!isLoaded<Titlefrm>() && menu->isVisible());
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@intro0"});
        clickBox(menu->Option2); // "Sound Off"
        QCOMPARE(Module1.soundOn, 0);
        clickOn(menu->Label2[Exit]);
        QVERIFY(touch<Titlefrm>().Command1->text() == QLatin1String("Cancel") && !menu->isVisible()); // behind the backdrop
        clickOn(touch<Titlefrm>().Command1);
        QVERIFY(&touch<intro0>() == menu && menu->isVisible() && menu->Option2->isChecked());
        clickBox(menu->Option1);
        QCOMPARE(Module1.soundOn, 1);
        clickOn(menu->Label2[Exit]);
        clickOn(touch<Titlefrm>().Command2);
        QCOMPARE(env.programEnds, 2);
        QCOMPARE(env.sound->played.size(), 3);
    }

    // Every content screen is 12000 x 9000 twips in the middle of the display
    // where it fits; where panels leave less room it shrinks to fit beside
    // them, keeping its shape; asked to fill the display it grows.
    void theCommonSetUpFitsEveryScreen_data()
    {
        QTest::addColumn<QSize>("display");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<bool>("fill");
        QTest::addColumn<QRect>("placed");
        QTest::addRow("fits") << QSize(1280, 1024) << QRect() << false << QRect(240, 212, 800, 600);
        QTest::addRow("fits above a panel") << QSize(1024, 768) << QRect(0, 0, 1024, 728) << false << QRect(112, 84, 800, 600);
        QTest::addRow("netbook, panel below") << QSize(1024, 600) << QRect(0, 0, 1024, 560) << false << QRect(139, 0, 747, 560);
        QTest::addRow("netbook, panel above") << QSize(1024, 600) << QRect(0, 40, 1024, 560) << false << QRect(139, 40, 747, 560);
        QTest::addRow("small projector") << QSize(640, 480) << QRect() << false << QRect(0, 0, 640, 480);
        QTest::addRow("whiteboard") << QSize(1920, 1080) << QRect(0, 0, 1920, 1040) << true << QRect(267, 0, 1387, 1040);
        QTest::addRow("whiteboard, wide panel") << QSize(1280, 1024) << QRect(200, 0, 1080, 1024) << true << QRect(200, 107, 1080, 810);
    }
    void theCommonSetUpFitsEveryScreen()
    {
        QFETCH(QSize, display);
        QFETCH(QRect, available);
        QFETCH(bool, fill);
        QFETCH(QRect, placed);
        TestEnvironment env;
        setDisplayOverride(display, available);
        fitContentScreens(fill);
        QCOMPARE(QRect(touch<Wrong>().pos(), touch<Wrong>().size()), placed);
        QVERIFY(touch<Wrong>().backColor() == colours::screenBack && !QApplication::overrideCursor());
    }

    // Main-menu entries stay lit until the pointer crosses the background;
    // a further unit's entry lights up like the rest. A moment after
    // loading, the menu reads the catalogue once. Each unit opens over the
    // main menu with its title and picture (lying under the buttons); a move
    // over the fighters' picture counts as the background. "Exit" unloads the
    // unit and clicks over the main menu.
    void theMenus()
    {
        TestEnvironment env;
        writeFileBytes(env, QStringLiteral("track.txt"), catalogueBytes({"Vases", "Triremes"}));
        intro0 &menu = touch<intro0>();
        menu.showScreen();
        for (int entry : {GreekFighters, GreekWriting})
            hoverOver(menu.Label2[entry]);
        hoverOver(menu.Image1);
        QVERIFY(lit(menu.Label2[GreekFighters]) && lit(menu.Label2[GreekWriting]));
        hoverOver(menu.Label2[7]);
        QVERIFY(lit(menu.Label2[GreekFighters]) && lit(menu.Label2[7]));
        hoverOver(&menu, QPoint(2, 300)); // the background
        QVERIFY(!lit(menu.Label2[GreekFighters]) && !lit(menu.Label2[7]));
        QTRY_COMPARE(Module1.worksheetCount, 2);
        QVERIFY(Module1.worksheetTitles[2] == QStringLiteral("Triremes") && !menu.Timer1->isEnabled());
        for (const auto &[entry, unit, title] : {std::tuple{GreekFighters, "fighters", "Greek Fighters"},
                                                 {GreekWriting, "writing", "Greek Writing"}}) {
            TopicMenu &topic = static_cast<TopicMenu &>(clickMainMenuEntry(entry));
            QCOMPARE(env.sound->playedWithTop.last(), QStringLiteral("wav\\click.wav@") + unit);
            QVERIFY(menu.isVisible() && topic.Label1->caption() == QLatin1String(title));
            QCOMPARE(topic.childAt(topic.label3[0]->geometry().center()), static_cast<QWidget *>(topic.label3[0]));
            hoverOver(topic.label3[4]);
            hoverOver(topic.Image1, QPoint(topic.Image1->width() / 2, 300));
            QCOMPARE(lit(topic.label3[4]), entry == GreekWriting);
            clickOn(topic.label3[2]);
            QVERIFY(!isLoaded<fighters>() && !isLoaded<writing>());
            QCOMPARE(env.sound->playedWithTop.last(), QStringLiteral("wav\\click.wav@intro0"));
        }
    }

    // "Multiple Choice" reads the question file afresh each time; a set that
    // cannot be answered is reported and the menu stays, clicking as usual.
    void multipleChoice_data()
    {
        QTest::addColumn<int>("lines"); // of the question file; 0: no file
        QTest::addColumn<QString>("seventhRightAnswer");
        QTest::addColumn<QString>("message");
        const QString start = QStringLiteral("The quiz cannot start: ");
        QTest::addRow("a whole set") << 72 << "4" << QString();
        QTest::addRow("no file") << 0 << "4" << start + "its question file multiple\\Greek Writing.txt is missing or cannot be read.";
        QTest::addRow("cut short") << 70 << "4" << start + "its question file multiple\\Greek Writing.txt does not hold ten complete questions.";
        QTest::addRow("no right answer") << 72 << "5" << start + "question 7 does not say which of its four answers is right.";
    }
    void multipleChoice()
    {
        QFETCH(int, lines);
        QFETCH(QString, seventhRightAnswer);
        TestEnvironment env;
        writeQuestionFile(env, QStringLiteral("Greek Writing.txt"), QStringLiteral("First& set"),
                          {"1", "2", "3", "4", "2", "3", seventhRightAnswer}, lines);
        TopicMenu &menu = static_cast<TopicMenu &>(clickMainMenuEntry(GreekWriting));
        clickOn(menu.label3[0]);
        QFETCH(QString, message);
        QCOMPARE(env.messages.join('|'), message);
        QCOMPARE(env.sound->playedWithTop.last(), QStringLiteral("wav\\click.wav@") + topScreenName());
        if (!message.isEmpty()) {
            QVERIFY(!isLoaded<multiple>());
            return;
        }
        QCOMPARE((QStringList{touch<multiple>().Label6->caption(), touch<multiple>().Label5->caption(),
                              touch<multiple>().Picture1->picturePath()}),
                 (QStringList{"First, set", "Velmora", "images\\horsesm.jpg"}));
        clickOn(touch<multiple>().Label3[2]);
        writeQuestionFile(env, QStringLiteral("Greek Writing.txt"), QStringLiteral("Second set"));
        clickOn(menu.label3[0]);
        QCOMPARE(touch<multiple>().Label6->caption(), QStringLiteral("Second set"));
    }

    // The notes are one page without page controls; the key facts page
    // forward and back and "Print" prints the page shown from its own print
    // copy (here a picture of a known size), an inch in from the corner at its
    // own size, saying nothing; the guide runs through five pages. No viewer clicks.
    void theViewersPageThroughAndPrint()
    {
        using namespace viewer;
        TestEnvironment env;
        env.emptyFolder(QStringLiteral("wmf2"));
        QImage copy(20, 10, QImage::Format_RGB32);
        copy.fill(Qt::white);
        QVERIFY(copy.save(env.contentDir() + "/wmf2/key fightersb.wmf", "PNG"));
        clickMainMenuEntry(GreekFighters);
        clickOn(touch<fighters>().label3[5]); // "Teacher's Notes"
        QVERIFY(!touch<teacher>().Label1->isVisible() && !touch<teacher>().Label3[NextPage]->isVisible());
        clickOn(touch<teacher>().Label3[viewer::Exit]);
        clickOn(touch<fighters>().label3[4]); // "Key Facts"
        teacher &facts = touch<teacher>();
        QCOMPARE(pageShown(facts), (QStringList{"Page 1 of 2", "wmf\\key fightersa.wmf", "wmf2\\key fightersa.wmf", "", ">>"}));
        clickOn(facts.Label3[NextPage]);
        QCOMPARE(pageShown(facts), (QStringList{"Page 2 of 2", "wmf\\key fightersb.wmf", "wmf2\\key fightersb.wmf", "<<", ""}));
        clickOn(facts.Label3[Print]);
        QCOMPARE(env.printer->pages, QList<QStringList>{{"picture 1000,1000 300x150"}});
        clickOn(facts.Label3[PreviousPage]);
        QCOMPARE(pageShown(facts).mid(3), (QStringList{"", ">>"}));
        clickOn(facts.Label3[viewer::Exit]);
        guide &pages = static_cast<guide &>(clickMainMenuEntry(20));
        for (int page = 1; page <= 5; ++page)
            clickOn(pages.Label3[NextPage]);
        QCOMPARE(pageShown(pages), (QStringList{"Page 5 of 5", "wmf\\guide5.wmf", "wmf2\\guide5.wmf", "<<", ""}));
        for (int page = 1; page <= 4; ++page)
            clickOn(pages.Label3[PreviousPage]);
        QCOMPARE(pageShown(pages).mid(0, 2), (QStringList{"Page 1 of 5", "wmf\\guide1.wmf"}));
        QVERIFY(env.sound->played.size() == 4 && env.messages.isEmpty()); // the menus' clicks only
    }
};

VELMORA_TEST(ShellTest)
#include "shell_test.moc"
