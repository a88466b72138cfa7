// The Worksheets Catalogue as teachers and pupils use it: pages of 24 titles,
// every title reachable, a click that answers, edits or (after asking)
// deletes a worksheet, damaged worksheets reported, and "Exit" back to a
// freshly loaded main menu.
#include "quiz/multiple.h"
#include "quiz/quizdriver.h"
#include "quiz/welldone.h"
#include "shell/intro0.h"
#include "shell/module1.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "toolkit/twips.h"
#include "worksheets/cataloguepage.h"
#include "worksheets/wizard.h"
#include "worksheets/wizarddriver.h"
#include "worksheets/worksheets.h"

#include <QtTest>

namespace {
const QString kCorrupted = QStringLiteral("This worksheet seems to be corrupted.");

QByteArray catalogueOf(const QStringList &titles)
{
    QByteArray bytes = ' ' + QByteArray::number(titles.size()) + " \r\n";
    for (const QString &title : titles)
        bytes += title.toLatin1() + "\r\n";
    return bytes;
}

QStringList titlesNumbered(int count)
{
    QStringList titles;
    for (int i = 1; i <= count; ++i)
        titles << QStringLiteral("Worksheet %1").arg(i);
    return titles;
}

// A catalogue listing titles; each listed title gets a worksheet file unless
// it is in withoutFile.
void writeCatalogue(const TestEnvironment &env, const QStringList &titles, const QStringList &withoutFile = {})
{
    writeFileBytes(env, "track.txt", catalogueOf(titles));
    QStringList rightAnswers;
    for (int a : kRightAnswers)
        rightAnswers << QString::number(a);
    for (const QString &title : titles)
        if (!withoutFile.contains(title))
            writeQuestionFile(env, title + QStringLiteral(".txt"), title, rightAnswers);
}

// The captions of the title slots on show, slot 1 first.
QStringList shownTitles(const worksheets &catalogue)
{
    QStringList shown;
    for (int k = 1; k <= 24; ++k)
        if (!catalogue.Label2[k]->isHidden())
            shown << catalogue.Label2[k]->caption();
    return shown;
}

bool previousShown(const worksheets &catalogue) { return !catalogue.Label3[0]->isHidden(); }
bool nextShown(const worksheets &catalogue) { return !catalogue.Label3[1]->isHidden(); }

void tickEdit(worksheets &catalogue) { clickOn(catalogue.Check1, QPoint(8, catalogue.Check1->height() / 2)); }
void tickDelete(worksheets &catalogue) { clickOn(catalogue.Check2, QPoint(8, catalogue.Check2->height() / 2)); }
} // namespace

class CatalogueScreenTest : public QObject {
    Q_OBJECT
private slots:
    void theMenuOpensTheCatalogueAndCloses()
    {
        TestEnvironment env;
        writeCatalogue(env, {QStringLiteral("Alpha")});
        worksheets &catalogue = openCatalogueFromMenu();
        QCOMPARE(topScreenName(), QStringLiteral("worksheets"));
        QVERIFY(!isLoaded<intro0>());
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@worksheets"});
        QCOMPARE(catalogue.Label1->caption(), QStringLiteral("Worksheets Catalogue"));
        QCOMPARE(catalogue.backColor(), QColor(39, 63, 137));
        QCOMPARE(catalogue.Check1->text(), QStringLiteral("Edit Worksheet"));
        QCOMPARE(catalogue.Check2->text(), QStringLiteral("Delete Worksheet"));
        QCOMPARE(catalogue.Check1->palette().color(QPalette::Window), QColor(0, 78, 152));
        QCOMPARE(catalogue.Check2->palette().color(QPalette::Window), QColor(0, 78, 152));
        QCOMPARE(catalogue.Check2->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(!catalogue.Check1->isChecked());
        QVERIFY(!catalogue.Check2->isChecked());
        QCOMPARE(Module1.cataloguePage, 0);
        QCOMPARE(twips::geometryOf(catalogue.Label2[1]), QRectF(120, 720, 5715, 375));
        QCOMPARE(twips::geometryOf(catalogue.Label2[12]), QRectF(120, 720 + 600 * 11, 5715, 375));
        QCOMPARE(twips::geometryOf(catalogue.Label2[13]), QRectF(6120, 720, 5715, 375));
        QCOMPARE(twips::geometryOf(catalogue.Label2[24]), QRectF(6120, 720 + 600 * 11, 5715, 375));
        QCOMPARE(twips::geometryOf(catalogue.Label2[0]), QRectF(10560, 7920, 1245, 495));
        QCOMPARE(twips::geometryOf(catalogue.Label4), QRectF(120, 7920, 1995, 495));
        QCOMPARE(twips::geometryOf(catalogue.Label3[0]), QRectF(2640, 7920, 3195, 495));
        QCOMPARE(twips::geometryOf(catalogue.Label3[1]), QRectF(6000, 7920, 3195, 495));
        QCOMPARE(catalogue.Label4->foreColor(), QColor(0, 0, 255));
        QCOMPARE(catalogue.Label4->backColor(), QColor(255, 255, 255));
    }

    void anEmptyCatalogueShowsNoTitlesAndNoPageCommands()
    {
        TestEnvironment env; // the shipped catalogue holds the count 0
        worksheets &catalogue = openCatalogueFromMenu();
        QVERIFY(shownTitles(catalogue).isEmpty());
        QVERIFY(!previousShown(catalogue));
        QVERIFY(!nextShown(catalogue));
        QCOMPARE(catalogue.Label4->caption(), QStringLiteral("Page 1"));
    }

    void aMissingOrShortCatalogueShowsWhatItCanWithoutAMessage()
    {
        TestEnvironment env;
        QFile::remove(env.multipleDir() + QStringLiteral("/track.txt"));
        worksheets &catalogue = openCatalogueFromMenu();
        QVERIFY(shownTitles(catalogue).isEmpty());
        clickOn(catalogue.Label2[0]);

        writeFileBytes(env, "track.txt", " 3 \r\nFirst\r\nSecond\r\n");
        worksheets &again = openCatalogueFromMenu();
        QCOMPARE(shownTitles(again).mid(0, 2), (QStringList{"First", "Second"}));
        QVERIFY(env.messages.isEmpty());
    }

    void twentyFourTitlesFillOnePageDownTheLeftColumnFirst()
    {
        TestEnvironment env;
        writeCatalogue(env, titlesNumbered(24));
        worksheets &catalogue = openCatalogueFromMenu();
        QCOMPARE(shownTitles(catalogue), titlesNumbered(24));
        QCOMPARE(catalogue.Label2[12]->caption(), QStringLiteral("Worksheet 12"));
        QCOMPARE(catalogue.Label2[13]->caption(), QStringLiteral("Worksheet 13")); // top of the right column
        QVERIFY(!nextShown(catalogue));
        QVERIFY(!previousShown(catalogue));
    }

    void theTwentyFifthTitleIsAloneOnPageTwo()
    {
        TestEnvironment env;
        Module1.soundOn = 1;
        writeCatalogue(env, titlesNumbered(25), titlesNumbered(25));
        worksheets &catalogue = openCatalogueFromMenu();
        QCOMPARE(shownTitles(catalogue), titlesNumbered(24));
        QVERIFY(nextShown(catalogue));
        QVERIFY(!previousShown(catalogue));
        env.sound->played.clear();

        clickOn(catalogue.Label3[1]);
        QCOMPARE(Module1.cataloguePage, 1);
        QCOMPARE(shownTitles(catalogue), QStringList{"Worksheet 25"});
        QVERIFY(!catalogue.Label2[1]->isHidden());
        QCOMPARE(catalogue.Label4->caption(), QStringLiteral("Page 2"));
        QVERIFY(previousShown(catalogue));
        QVERIFY(!nextShown(catalogue));

        clickOn(catalogue.Label3[0]);
        QCOMPARE(Module1.cataloguePage, 0);
        QCOMPARE(shownTitles(catalogue), titlesNumbered(24));
        QCOMPARE(catalogue.Label4->caption(), QStringLiteral("Page 1"));
        QVERIFY(!previousShown(catalogue));
        QVERIFY(nextShown(catalogue));
        QCOMPARE(env.sound->played, (QStringList{"wav\\click.wav", "wav\\click.wav"}));
    }

    // Every one of a full catalogue's titles can be reached, the last
    // sixteen on a 42nd page.
    void aThousandTitlesAreAllReachablePageByPage()
    {
        TestEnvironment env;
        const QStringList titles = titlesNumbered(1000);
        writeCatalogue(env, titles, titles);
        worksheets &catalogue = openCatalogueFromMenu();
        QStringList seen = shownTitles(catalogue);
        int pages = 1;
        while (nextShown(catalogue) && pages < 100) {
            clickOn(catalogue.Label3[1]);
            ++pages;
            QCOMPARE(catalogue.Label4->caption(), QStringLiteral("Page %1").arg(pages));
            QVERIFY(previousShown(catalogue));
            seen += shownTitles(catalogue);
        }
        QCOMPARE(pages, 42);
        QCOMPARE(seen, titles);
        QCOMPARE(shownTitles(catalogue).size(), 16);
    }

    void pageRules_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<bool>("previous");
        QTest::addColumn<bool>("next");
        QTest::addColumn<QString>("label");
        QTest::newRow("empty") << 0 << 0 << 1 << 0 << false << false << "Page 1";
        QTest::newRow("24 on page 1") << 0 << 24 << 1 << 24 << false << false << "Page 1";
        QTest::newRow("25 on page 1") << 0 << 25 << 1 << 24 << false << true << "Page 1";
        QTest::newRow("25 on page 2") << 1 << 25 << 25 << 25 << true << false << "Page 2";
        QTest::newRow("48 on page 2") << 1 << 48 << 25 << 48 << true << false << "Page 2";
        QTest::newRow("page 41 of 1000") << 40 << 1000 << 961 << 984 << true << true << "Page 41";
        QTest::newRow("page 42 of 1000") << 41 << 1000 << 985 << 1000 << true << false << "Page 42";
        QTest::newRow("emptied last page") << 1 << 24 << 25 << 24 << true << false << "Page 2";
    }

    void pageRules()
    {
        QFETCH(int, page);
        QFETCH(int, count);
        const CataloguePageView view = cataloguePageView(page, count);
        QTEST(view.firstTitle, "first");
        QTEST(view.lastTitle, "last");
        QTEST(view.previousShown, "previous");
        QTEST(view.nextShown, "next");
        QTEST(view.pageLabel, "label");
    }

    void theTwoTickBoxesExcludeEachOther()
    {
        TestEnvironment env;
        worksheets &catalogue = openCatalogueFromMenu();
        tickEdit(catalogue);
        QVERIFY(catalogue.Check1->isChecked());
        tickDelete(catalogue);
        QVERIFY(catalogue.Check2->isChecked());
        QVERIFY(!catalogue.Check1->isChecked());
        tickEdit(catalogue);
        QVERIFY(catalogue.Check1->isChecked());
        QVERIFY(!catalogue.Check2->isChecked());
        tickEdit(catalogue); // unticking changes nothing else
        QVERIFY(!catalogue.Check1->isChecked());
        QVERIFY(!catalogue.Check2->isChecked());
    }

    void titlesAndExitLightUpUnderThePointerButThePageCommandsDoNot()
    {
        TestEnvironment env;
        writeCatalogue(env, titlesNumbered(30), titlesNumbered(30));
        worksheets &catalogue = openCatalogueFromMenu();
        catalogue.Label2.forEach([](int, Label *l) { QCOMPARE(l->backStyle(), BackStyle::Opaque); });
        hoverOver(&catalogue, QPoint(400, 80)); // between the columns and rows of titles
        catalogue.Label2.forEach([](int, Label *l) { QCOMPARE(l->backStyle(), BackStyle::Transparent); });
        QCOMPARE(catalogue.Label3[1]->backStyle(), BackStyle::Opaque);
        hoverOver(catalogue.Label2[3]);
        hoverOver(catalogue.Label2[0]);
        QCOMPARE(catalogue.Label2[3]->backStyle(), BackStyle::Opaque);
        QCOMPARE(catalogue.Label2[0]->backStyle(), BackStyle::Opaque);
        QCOMPARE(catalogue.Label2[0]->backColor(), QColor(0, 0, 0));
        QCOMPARE(catalogue.Label2[3]->foreColor(), QColor(255, 255, 0));
        hoverOver(&catalogue, QPoint(400, 80)); // between the columns and rows of titles
        QCOMPARE(catalogue.Label2[3]->backStyle(), BackStyle::Transparent);
        QCOMPARE(catalogue.Label2[0]->backStyle(), BackStyle::Transparent);
        QCOMPARE(catalogue.Label3[1]->backStyle(), BackStyle::Opaque);
    }

    void answeringOpensTheQuizWithTheMainMenusPictureAndTitle()
    {
        TestEnvironment env;
        writeCatalogue(env, {QStringLiteral("Alpha"), QStringLiteral("Marathon Quiz")});
        worksheets &catalogue = openCatalogueFromMenu();
        env.sound->playedWithTop.clear();
        clickOn(catalogue.Label2[2]);
        QCOMPARE(topScreenName(), QStringLiteral("multiple"));
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@worksheets"}); // before the quiz opens
        QVERIFY(isLoaded<worksheets>());
        QVERIFY(isLoaded<intro0>());
        QVERIFY(!touch<intro0>().isVisible()); // loaded to read its picture and title, not shown
        multiple &quiz = touch<multiple>();
        QCOMPARE(quiz.Label5->caption(), QStringLiteral("Velmora"));
        QCOMPARE(quiz.Label6->caption(), QStringLiteral("Marathon Quiz"));
        QCOMPARE(quiz.Label2->caption(), testQuestion(1));
        const QImage menuPicture = touch<intro0>().Image1->picture().raster();
        QVERIFY(!menuPicture.isNull());
        QCOMPARE(quiz.Picture1->picture().raster(), menuPicture);
        // The large picture reaches under "Print Worksheet", which keeps its
        // black box there even after the pointer has passed over the screen.
        QVERIFY(quiz.Picture1->geometry().intersects(quiz.Label3[3]->geometry()));
        hoverOver(&quiz, QPoint(20, 580));
        QCOMPARE(quiz.Label3[3]->backStyle(), BackStyle::Opaque);

        // The printed worksheet carries the menu's title as its subject.
        clickOn(quiz.Label3[3]);
        QVERIFY(env.printer->operations.contains(QStringLiteral("TextWidth \"Velmora\"")));
        QVERIFY(env.printer->operations.contains(QStringLiteral("TextWidth \"Marathon Quiz\"")));

        answerAll(quiz, kRightAnswers);
        QCOMPARE(Module1.score, 10);
        QCOMPARE(Module1.certificateSubject, QStringLiteral("Velmora"));
        QCOMPARE(topScreenName(), QStringLiteral("Welldone"));
        QVERIFY(isLoaded<worksheets>()); // still beneath the results
    }

    void editingOpensTheWizardFilledAboveTheCatalogue()
    {
        TestEnvironment env;
        writeCatalogue(env, {QStringLiteral("Alpha")});
        worksheets &catalogue = openCatalogueFromMenu();
        tickEdit(catalogue);
        clickOn(catalogue.Label2[1]);
        QCOMPARE(topScreenName(), QStringLiteral("wizard"));
        QVERIFY(isLoaded<worksheets>());
        wizard &editor = touch<wizard>();
        QCOMPARE(editor.Text1->text(), QStringLiteral("Alpha"));
        for (int q = 0; q < 10; ++q) {
            QCOMPARE(editor.Text2[q]->text(), testQuestion(q + 1));
            for (int a = 0; a < 4; ++a) {
                QCOMPARE(editor.Text3[4 * q + a]->text(), QStringLiteral("Answer %1%2").arg(q + 1).arg(QChar('A' + a)));
                QCOMPARE(editor.Check1[4 * q + a]->isChecked(), a == kRightAnswers[q] - 1);
            }
        }
        QCOMPARE(editor.focusWidget(), static_cast<QWidget *>(editor.Text1));
        clickOn(editor.Label3[0]);
        QCOMPARE(topScreenName(), QStringLiteral("worksheets"));
    }

    void editingAWorksheetWithoutARightAnswerReportsItAndOpensNothing()
    {
        TestEnvironment env;
        writeCatalogue(env, {QStringLiteral("Broken")}, {QStringLiteral("Broken")});
        QStringList rightAnswers{"1", "2", "x", "4", "1", "2", "3", "4", "1", "2"};
        writeQuestionFile(env, QStringLiteral("Broken.txt"), QStringLiteral("Broken"), rightAnswers);
        worksheets &catalogue = openCatalogueFromMenu();
        tickEdit(catalogue);
        clickOn(catalogue.Label2[1]);
        QCOMPARE(env.messages, QStringList{kCorrupted});
        QVERIFY(!isLoaded<wizard>());
        tickEdit(catalogue); // answer mode refuses it too: nobody could score question 3
        env.messages.clear();
        clickOn(catalogue.Label2[1]);
        QCOMPARE(env.messages, QStringList{kCorrupted});
        QVERIFY(!isLoaded<multiple>());
    }

    void aTitleWhoseFileIsMissingIsCorruptedInEveryModeAndNeverAsks()
    {
        TestEnvironment env;
        writeCatalogue(env, {QStringLiteral("Alpha"), QStringLiteral("Gone")}, {QStringLiteral("Gone")});
        const QByteArray catalogueFile = fileBytes(env, "track.txt");
        worksheets &catalogue = openCatalogueFromMenu();
        env.answers = {MsgResult::Ok, MsgResult::Ok};

        clickOn(catalogue.Label2[2]); // answer
        QCOMPARE(env.messages, QStringList{kCorrupted});
        QVERIFY(!isLoaded<multiple>());
        tickEdit(catalogue);
        clickOn(catalogue.Label2[2]);
        QCOMPARE(env.messages, (QStringList{kCorrupted, kCorrupted}));
        QVERIFY(!isLoaded<wizard>());
        tickDelete(catalogue);
        clickOn(catalogue.Label2[2]);
        QCOMPARE(env.messages, (QStringList{kCorrupted, kCorrupted, kCorrupted}));
        QCOMPARE(env.answers.size(), size_t(2)); // no question was asked
        QCOMPARE(fileBytes(env, "track.txt"), catalogueFile);
        QCOMPARE(shownTitles(catalogue), (QStringList{"Alpha", "Gone"}));
        QCOMPARE(topScreenName(), QStringLiteral("worksheets"));
    }

    void aShortWorksheetFileIsCorruptedToo()
    {
        TestEnvironment env;
        writeCatalogue(env, {QStringLiteral("Short")});
        const QByteArray full = fileBytes(env, "Short.txt");
        writeFileBytes(env, "Short.txt", full.left(full.size() - 5)); // the last separator line is missing
        worksheets &catalogue = openCatalogueFromMenu();
        clickOn(catalogue.Label2[1]);
        QCOMPARE(env.messages, QStringList{kCorrupted});
        QVERIFY(!isLoaded<multiple>());
    }

    void deletingAsksAndRemovesTheTitleOnOk()
    {
        TestEnvironment env;
        Module1.soundOn = 1;
        writeCatalogue(env, {QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma")});
        const QByteArray betaFile = fileBytes(env, "Beta.txt");
        worksheets &catalogue = openCatalogueFromMenu();
        tickDelete(catalogue);
        env.sound->played.clear();
        env.answers = {MsgResult::Ok};
        clickOn(catalogue.Label2[2]);
        QCOMPARE(env.messages, QStringList{"Are you sure that you want to delete the worksheet Beta?"});
        QCOMPARE(fileBytes(env, "track.txt"), QByteArray(" 2 \r\nAlpha\r\nGamma\r\n"));
        QCOMPARE(fileBytes(env, "Beta.txt"), betaFile); // the worksheet's own file stays
        QCOMPARE(Module1.worksheetCount, 2);
        QCOMPARE(Module1.selectedWorksheet, QStringLiteral("Beta"));
        QCOMPARE(shownTitles(catalogue), (QStringList{"Alpha", "Gamma"}));
        QVERIFY(catalogue.Label2[3]->isHidden());
        QCOMPARE(env.sound->played, QStringList{"wav\\click.wav"});
        QVERIFY(catalogue.Check2->isChecked()); // still in delete mode
        QVERIFY(!QFile::exists(env.multipleDir() + QStringLiteral("/track.txt.lock")));
    }

    void cancelLeavesTheCatalogueAsItWas()
    {
        TestEnvironment env;
        writeCatalogue(env, {QStringLiteral("Alpha"), QStringLiteral("Beta")});
        const QMap<QString, QByteArray> before = multipleFolder(env);
        worksheets &catalogue = openCatalogueFromMenu();
        tickDelete(catalogue);
        env.answers = {MsgResult::Cancel};
        clickOn(catalogue.Label2[1]);
        QCOMPARE(env.messages, QStringList{"Are you sure that you want to delete the worksheet Alpha?"});
        QCOMPARE(multipleFolder(env), before);
        QCOMPARE(shownTitles(catalogue), (QStringList{"Alpha", "Beta"}));
        QCOMPARE(Module1.worksheetCount, 2);
    }

    void deletingTheOnlyTitleOfTheLastPageLeavesThatPageEmpty()
    {
        TestEnvironment env;
        const QStringList titles = titlesNumbered(25);
        writeCatalogue(env, titles);
        worksheets &catalogue = openCatalogueFromMenu();
        clickOn(catalogue.Label3[1]);
        tickDelete(catalogue);
        clickOn(catalogue.Label2[1]);
        QCOMPARE(fileBytes(env, "track.txt"), catalogueOf(titlesNumbered(24)));
        QVERIFY(shownTitles(catalogue).isEmpty());
        QCOMPARE(catalogue.Label4->caption(), QStringLiteral("Page 2"));
        QVERIFY(previousShown(catalogue));
        QVERIFY(!nextShown(catalogue));
        clickOn(catalogue.Label3[0]);
        QCOMPARE(shownTitles(catalogue), titlesNumbered(24));
        QVERIFY(!nextShown(catalogue));
    }

    void deletingOnAFirstPageBringsTheNextTitleUp()
    {
        TestEnvironment env;
        writeCatalogue(env, titlesNumbered(26), titlesNumbered(26).mid(1));
        worksheets &catalogue = openCatalogueFromMenu();
        tickDelete(catalogue);
        clickOn(catalogue.Label2[1]);
        QCOMPARE(shownTitles(catalogue), titlesNumbered(25).mid(1));
        QVERIFY(nextShown(catalogue)); // page commands unchanged
        QCOMPARE(catalogue.Label4->caption(), QStringLiteral("Page 1"));
    }

    void exitBringsBackAFreshMainMenuWithSoundOn()
    {
        TestEnvironment env;
        intro0 &menu = touch<intro0>();
        menu.showScreen();
        clickOn(menu.Option2, QPoint(8, menu.Option2->height() / 2)); // "Sound Off"
        clickOn(menu.Label2[18]);
        worksheets &catalogue = touch<worksheets>();
        clickOn(catalogue.Label2[0]);
        QVERIFY(env.sound->played.isEmpty()); // the sound was off until the menu came back
        QVERIFY(!isLoaded<worksheets>());
        QCOMPARE(topScreenName(), QStringLiteral("intro0"));
        QCOMPARE(Module1.soundOn, std::optional<int>(1));
        QVERIFY(touch<intro0>().Option1->isChecked());

        worksheets &again = openCatalogueFromMenu();
        env.sound->playedWithTop.clear();
        clickOn(again.Label2[0]);
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@worksheets"}); // before leaving
        QCOMPARE(topScreenName(), QStringLiteral("intro0"));
    }
};

VELMORA_TEST(CatalogueScreenTest)
#include "catalogue_screen_test.moc"
