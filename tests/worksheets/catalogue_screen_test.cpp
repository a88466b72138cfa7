// The Worksheets Catalogue as teachers and pupils use it: pages of 24 titles,
// every title reachable, a click that answers, edits or (after asking)
// deletes a worksheet, damaged worksheets reported, and "Exit" back to a
// freshly loaded main menu.
#include "quiz/multiple.h"
#include "quiz/quizdriver.h"
#include "quiz/welldone.h"
#include "shell/intro0.h"
#include "common/module1.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "toolkit/twips.h"
#include "worksheets/contentfolder.h"
#include "worksheets/wizard.h"
#include "worksheets/wizarddriver.h"
#include "worksheets/worksheets.h"

#include <QtTest>

namespace {
const QString kCorrupted = QStringLiteral("This worksheet seems to be corrupted.");

// A catalogue listing titles; each listed title gets a worksheet file of the
// quiz test set unless it is in withoutFile.
void writeCatalogue(const TestEnvironment &env, const QStringList &titles, const QStringList &withoutFile = {})
{
    writeFileBytes(env, "track.txt", catalogueBytes(titles));
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
    // The menu gives way to the catalogue. With no catalogue file there is
    // nothing to list and no page command; one shorter than its count shows
    // what it can; neither brings a message.
    void theMenuOpensTheCatalogueInPlaceOfItself()
    {
        TestEnvironment env;
        QFile::remove(env.multipleDir() + QStringLiteral("/track.txt"));
        worksheets &catalogue = openCatalogueFromMenu();
        QCOMPARE(topScreenName(), QStringLiteral("worksheets"));
        QVERIFY(!isLoaded<intro0>());
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@worksheets"});
        const QStringList captions{catalogue.Label1->caption(), catalogue.Check1->text(), catalogue.Check2->text(),
                                   catalogue.Label4->caption()};
        QCOMPARE(captions, (QStringList{"Worksheets Catalogue", "Edit Worksheet", "Delete Worksheet", "Page 1"}));
        QCOMPARE(catalogue.Check2->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        // Slot 13 heads the right-hand column, level with slot 1.
        QCOMPARE(twips::geometryOf(catalogue.Label2[13]), QRectF(6120, 720, 5715, 375));
        QVERIFY(shownTitles(catalogue).isEmpty());
        QVERIFY(!previousShown(catalogue) && !nextShown(catalogue));
        clickOn(catalogue.Label2[0]);

        writeFileBytes(env, "track.txt", " 3 \r\nFirst\r\nSecond\r\n");
        QCOMPARE(shownTitles(openCatalogueFromMenu()).mid(0, 2), (QStringList{"First", "Second"}));
        QVERIFY(env.messages.isEmpty());
    }

    // Every one of a full catalogue's titles can be reached page by page, the
    // last sixteen on a 42nd page, and "Previous" leads back to the first.
    void aThousandTitlesAreAllReachablePageByPage()
    {
        TestEnvironment env;
        Module1.soundOn = 1;
        const QStringList titles = numberedTitles(1000);
        writeCatalogue(env, titles, titles);
        worksheets &catalogue = openCatalogueFromMenu();
        QVERIFY(!previousShown(catalogue));
        env.sound->played.clear();
        QStringList seen = shownTitles(catalogue);
        int page = 1;
        while (nextShown(catalogue) && page < 100) {
            clickOn(catalogue.Label3[1]);
            ++page;
            QCOMPARE(catalogue.Label4->caption(), QStringLiteral("Page %1").arg(page));
            QVERIFY(previousShown(catalogue));
            seen += shownTitles(catalogue);
        }
        QCOMPARE(page, 42);
        QCOMPARE(seen, titles);
        QCOMPARE(shownTitles(catalogue).size(), 16);
        while (previousShown(catalogue) && page > 0) {
            clickOn(catalogue.Label3[0]);
            --page;
            QCOMPARE(catalogue.Label4->caption(), QStringLiteral("Page %1").arg(page));
            QVERIFY(nextShown(catalogue));
            QCOMPARE(shownTitles(catalogue), titles.mid(24 * (page - 1), 24));
        }
        QCOMPARE(page, 1);
        QCOMPARE(env.sound->played, QStringList(82, QStringLiteral("wav\\click.wav")));
    }

    void theTwoTickBoxesExcludeEachOther()
    {
        TestEnvironment env;
        worksheets &catalogue = openCatalogueFromMenu();
        auto ticks = [&catalogue] { return QList<bool>{catalogue.Check1->isChecked(), catalogue.Check2->isChecked()}; };
        tickEdit(catalogue);
        QCOMPARE(ticks(), (QList<bool>{true, false}));
        tickDelete(catalogue);
        QCOMPARE(ticks(), (QList<bool>{false, true}));
        tickEdit(catalogue);
        QCOMPARE(ticks(), (QList<bool>{true, false}));
        tickEdit(catalogue); // unticking changes nothing else
        QCOMPARE(ticks(), (QList<bool>{false, false}));
    }

    // Titles and "Exit" light up under the pointer until it crosses the bare
    // screen; the page commands never change.
    void titlesAndExitLightUpUnderThePointerButThePageCommandsDoNot()
    {
        TestEnvironment env;
        writeCatalogue(env, numberedTitles(30), numberedTitles(30));
        worksheets &catalogue = openCatalogueFromMenu();
        auto lit = [&catalogue](Label *label) { return label->backStyle() == BackStyle::Opaque; };
        hoverOver(&catalogue, QPoint(400, 80)); // between the columns and rows of titles
        for (int k = 0; k <= 24; ++k)
            QVERIFY(!lit(catalogue.Label2[k]));
        hoverOver(catalogue.Label2[3]);
        hoverOver(catalogue.Label2[0]);
        QVERIFY(lit(catalogue.Label2[3]) && lit(catalogue.Label2[0]));
        QCOMPARE(catalogue.Label2[3]->foreColor(), QColor(255, 255, 0));
        hoverOver(&catalogue, QPoint(400, 80));
        QVERIFY(!lit(catalogue.Label2[3]) && !lit(catalogue.Label2[0]));
        QVERIFY(lit(catalogue.Label3[1])); // "Next"
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
        QCOMPARE(Module1.certificateSubject, QStringLiteral("Velmora"));
        QCOMPARE(topScreenName(), QStringLiteral("Welldone"));
        QVERIFY(isLoaded<worksheets>()); // still beneath the results
    }

    // Editing fills the wizard above the catalogue from the worksheet file;
    // saving under a new title makes a second worksheet and keeps the first.
    void editingFillsTheWizardAndANewTitleMakesASecondWorksheet()
    {
        TestEnvironment env;
        writeCatalogue(env, {QStringLiteral("Heroes")});
        const QByteArray original = fileBytes(env, "Heroes.txt");
        worksheets &catalogue = openCatalogueFromMenu();
        tickEdit(catalogue);
        clickOn(catalogue.Label2[1]);
        QCOMPARE(topScreenName(), QStringLiteral("wizard"));
        QVERIFY(isLoaded<worksheets>());
        wizard &editor = touch<wizard>();
        QCOMPARE(editor.focusWidget(), static_cast<QWidget *>(editor.Text1));
        QCOMPARE(editor.Text1->text(), QStringLiteral("Heroes"));
        QCOMPARE(editor.Text2[9]->text(), testQuestion(10));
        QCOMPARE(editor.Text3[38]->text(), QStringLiteral("Answer 10C"));
        for (int i = 0; i < 40; ++i)
            QCOMPARE(editor.Check1[i]->isChecked(), i % 4 == kRightAnswers[i / 4] - 1);

        // Saved under a new title with one question changed, the new file is
        // the old one with those two lines changed.
        editor.Text1->selectAll();
        typeInto(editor.Text1, QStringLiteral("Heroes Two"));
        typeInto(editor.Text2[1], QStringLiteral(" Think again."));
        clickSave(editor);
        QCOMPARE(env.messages, QStringList{"Your worksheet has been saved."});
        QByteArray expected = "Heroes Two" + original.mid(6);
        expected.replace("Question text 2\r\n", "Question text 2 Think again.\r\n");
        QCOMPARE(fileBytes(env, "Heroes Two.txt"), expected);
        QCOMPARE(fileBytes(env, "Heroes.txt"), original);
        QCOMPARE(fileBytes(env, "track.txt"), catalogueBytes({"Heroes", "Heroes Two"}));
        // The catalogue beneath is not refreshed until it is opened again.
        clickOn(editor.Label3[0]);
        QCOMPARE(topScreenName(), QStringLiteral("worksheets"));
        QVERIFY(catalogue.Label2[2]->isHidden());
    }

    // A worksheet that cannot be loaded, or names no right answer for a
    // question, is reported and opens nothing, yet the teacher can still
    // delete its title.
    void aDamagedWorksheetIsReportedAndCanStillBeDeleted_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("missing file") << "missing";
        QTest::newRow("last separator line missing") << "short";
        QTest::newRow("right answer of question 3 not 1 to 4") << "x";
    }
    void aDamagedWorksheetIsReportedAndCanStillBeDeleted()
    {
        QFETCH(QString, damage);
        TestEnvironment env;
        writeCatalogue(env, {QStringLiteral("Alpha"), QStringLiteral("Broken")});
        if (damage == QLatin1String("missing"))
            QVERIFY(QFile::remove(env.multipleDir() + QStringLiteral("/Broken.txt")));
        else if (damage == QLatin1String("short"))
            writeFileBytes(env, "Broken.txt", fileBytes(env, "Broken.txt").chopped(3));
        else
            writeQuestionFile(env, QStringLiteral("Broken.txt"), QStringLiteral("Broken"),
                              {"1", "2", "x", "4", "1", "2", "3", "4", "1", "2"});
        const QMap<QString, QByteArray> before = multipleFolder(env);
        worksheets &catalogue = openCatalogueFromMenu();
        clickOn(catalogue.Label2[2]); // answer
        tickEdit(catalogue);
        clickOn(catalogue.Label2[2]);
        QCOMPARE(env.messages, QStringList(2, kCorrupted));
        QVERIFY(!isLoaded<multiple>() && !isLoaded<wizard>());
        QCOMPARE(multipleFolder(env), before);
        QCOMPARE(topScreenName(), QStringLiteral("worksheets"));

        env.answers = {MsgResult::Ok};
        tickDelete(catalogue);
        clickOn(catalogue.Label2[2]);
        QCOMPARE(env.messages.size(), 3);
        QCOMPARE(env.messages.last(), QStringLiteral("Are you sure that you want to delete the worksheet Broken?"));
        QCOMPARE(fileBytes(env, "track.txt"), catalogueBytes({"Alpha"}));
        QCOMPARE(shownTitles(catalogue), QStringList{"Alpha"});
        QCOMPARE(topScreenName(), QStringLiteral("worksheets"));
    }

    void deletingAsksAndRemovesTheTitleOnlyOnOk()
    {
        TestEnvironment env;
        Module1.soundOn = 1;
        writeCatalogue(env, {QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma")});
        const QMap<QString, QByteArray> before = multipleFolder(env);
        worksheets &catalogue = openCatalogueFromMenu();
        tickDelete(catalogue);
        env.answers = {MsgResult::Cancel, MsgResult::Ok};
        const QString question = QStringLiteral("Are you sure that you want to delete the worksheet Beta?");
        clickOn(catalogue.Label2[2]);
        QCOMPARE(env.messages, QStringList{question});
        QCOMPARE(multipleFolder(env), before);
        QCOMPARE(shownTitles(catalogue), (QStringList{"Alpha", "Beta", "Gamma"}));

        env.sound->played.clear();
        clickOn(catalogue.Label2[2]);
        QCOMPARE(env.messages, (QStringList{question, question}));
        QCOMPARE(fileBytes(env, "track.txt"), catalogueBytes({"Alpha", "Gamma"}));
        QCOMPARE(fileBytes(env, "Beta.txt"), before.value("Beta.txt")); // the worksheet's own file stays
        QCOMPARE(multipleFolder(env).keys(), before.keys());               // and no lock file is left
        QCOMPARE(Module1.worksheetCount, 2);
        QCOMPARE(shownTitles(catalogue), (QStringList{"Alpha", "Gamma"}));
        QCOMPARE(env.sound->played, QStringList{"wav\\click.wav"});
        QVERIFY(catalogue.Check2->isChecked()); // still in delete mode
    }

    // Deleting closes up the page on show and leaves the page commands as
    // they were: the 25th title comes up onto page 1, then alone on page 2
    // its deletion leaves that page empty, and exactly 24 titles need no "Next".
    void deletingClosesUpThePageOnShow()
    {
        TestEnvironment env;
        writeCatalogue(env, numberedTitles(26), numberedTitles(25).mid(1));
        worksheets &catalogue = openCatalogueFromMenu();
        tickDelete(catalogue);
        clickOn(catalogue.Label2[1]);
        QCOMPARE(shownTitles(catalogue), numberedTitles(25).mid(1));
        QVERIFY(nextShown(catalogue) && !previousShown(catalogue));
        QCOMPARE(catalogue.Label4->caption(), QStringLiteral("Page 1"));

        clickOn(catalogue.Label3[1]);
        QCOMPARE(shownTitles(catalogue), QStringList{"T26"});
        QVERIFY(!catalogue.Label2[1]->isHidden());
        clickOn(catalogue.Label2[1]);
        QCOMPARE(fileBytes(env, "track.txt"), catalogueBytes(numberedTitles(25).mid(1)));
        QVERIFY(shownTitles(catalogue).isEmpty());
        QCOMPARE(catalogue.Label4->caption(), QStringLiteral("Page 2"));
        QVERIFY(previousShown(catalogue) && !nextShown(catalogue));

        clickOn(catalogue.Label3[0]);
        QCOMPARE(shownTitles(catalogue), numberedTitles(25).mid(1));
        QVERIFY(!nextShown(catalogue) && !previousShown(catalogue));
    }

    void exitBringsBackAFreshMainMenuWithSoundOn()
    {
        TestEnvironment env;
        intro0 &menu = touch<intro0>();
        menu.showScreen();
        clickOn(menu.Option2, QPoint(8, menu.Option2->height() / 2)); // "Sound Off"
        clickOn(menu.Label2[18]);
        clickOn(touch<worksheets>().Label2[0]);
        QVERIFY(env.sound->played.isEmpty()); // the sound was off until the menu came back
        QVERIFY(!isLoaded<worksheets>());
        QCOMPARE(topScreenName(), QStringLiteral("intro0"));
        QCOMPARE(Module1.soundOn, std::optional<int>(1));
        QVERIFY(touch<intro0>().Option1->isChecked());

        worksheets &again = openCatalogueFromMenu();
        env.sound->playedWithTop.clear();
        clickOn(again.Label2[0]);
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@worksheets"}); // before leaving
    }
};

VELMORA_TEST(CatalogueScreenTest)
#include "catalogue_screen_test.moc"
