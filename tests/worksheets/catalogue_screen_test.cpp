// The Worksheets Catalogue as teachers and pupils use it: pages of 24
// titles, every title reachable, a click that answers, edits or (after
// asking) deletes a worksheet, damaged worksheets reported, every failed
// save, edit or deletion told as it is, and "Exit" back to a freshly loaded
// main menu.
#include "common/module1.h"
#include "quiz/multiple.h"
#include "quiz/welldone.h"
#include "shell/intro0.h"
#include "support/datacolumns.h"
#include "support/pupil.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "toolkit/atomicfile.h"
#include "toolkit/sharedlock.h"
#include "worksheets/wizard.h"
#include "worksheets/worksheets.h"

#include <QDir>
#include <QScopeGuard>
#include <QtTest>
#include <optional>

namespace {
enum { Previous = 0, Next = 1 };

// A catalogue listing titles, each with a worksheet file of the test set unless listed in withoutFile.
void writeCatalogue(const TestEnvironment &env, const QStringList &titles, const QStringList &withoutFile = {})
{
    writeFileBytes(env, QStringLiteral("track.txt"), catalogueBytes(titles));
    for (const QString &title : titles)
        if (!withoutFile.contains(title))
            writeQuestionFile(env, title + QStringLiteral(".txt"), title);
}

worksheets &openCatalogue() { return static_cast<worksheets &>(clickMainMenuEntry(18)); }

// The titles on show, slot 1 first, then "Page n" and which page commands show.
QStringList pageShown(const worksheets &catalogue)
{
    QStringList shown;
    for (int k = 1; k <= 24; ++k)
        if (!catalogue.Label2[k]->isHidden())
            shown << catalogue.Label2[k]->caption();
    return shown << catalogue.Label4->caption() << (catalogue.Label3[Previous]->isHidden() ? "" : "<<")
                 << (catalogue.Label3[Next]->isHidden() ? "" : ">>");
}
} // namespace

class CatalogueScreenTest : public QObject {
    Q_OBJECT
private slots:
    // The menu gives way to the catalogue. Every title of a full catalogue is
    // reached page by page, the last sixteen on a 42nd page, with a click for
    // each turn. "Exit", heard before leaving (silent with the sound off),
    // brings back a freshly loaded main menu with the sound on.
    void aThousandTitlesAreAllReachableAndTheWayBack()
    {
        TestEnvironment env;
        Module1.soundOn = 1;
        const QStringList titles = numberedTitles(1000);
        writeCatalogue(env, titles, titles);
        worksheets &catalogue = openCatalogue();
        QVERIFY(topScreenName() == QLatin1String("worksheets") && !isLoaded<intro0>());
        env.sound->played.clear();
        QStringList seen;
        for (int page = 1; page <= 42; ++page) {
            const QStringList shown = pageShown(catalogue);
            QCOMPARE(shown.mid(shown.size() - 3), (QStringList{QStringLiteral("Page %1").arg(page), page > 1 ? "<<" : "", page < 42 ? ">>" : ""}));
            seen += shown.mid(0, shown.size() - 3);
            if (page < 42)
                clickOn(catalogue.Label3[Next]);
        }
        QCOMPARE(seen, titles);
        clickOn(catalogue.Label3[Previous]);
        QCOMPARE(env.sound->played.size(), 42);
        Module1.soundOn = 0;
        clickOn(catalogue.Label2[0]);
        QVERIFY(topScreenName() == QLatin1String("intro0") && Module1.soundOn == 1 && touch<intro0>().Option1->isChecked());
        clickOn(openCatalogue().Label2[0]);
        QCOMPARE(env.sound->playedWithTop.mid(1 + 42), // after the opening click and the turns
                 QStringList(2, QStringLiteral("wav\\click.wav@worksheets")));
        QVERIFY(env.messages.isEmpty());
    }

    // Editing fills the wizard above the catalogue, an older catalogue's
    // title with a comma included (its file keeps commas as "&"); saved under
    // a new title, the worksheet becomes a second one and the first stays. A
    // title with "&" is the title as typed everywhere after: in the quiz
    // heading (under the main menu's name and picture), in the wizard when
    // editing, and saved again under the same title, replacing its file.
    void editingFillsTheWizard()
    {
        TestEnvironment env;
        const QString sparta = QStringLiteral("Athens, Sparta");
        writeCatalogue(env, {sparta}, {sparta});
        writeQuestionFile(env, sparta + ".txt", QStringLiteral("Athens& Sparta"));
        const QByteArray original = fileBytes(env, sparta + ".txt");
        worksheets &catalogue = openCatalogue();
        clickBox(catalogue.Check1);
        clickOn(catalogue.Label2[1]);
        wizard &editor = touch<wizard>();
        QCOMPARE(topScreenName(), QStringLiteral("wizard"));
        QCOMPARE((QStringList{editor.Text1->text(), editor.Text2[9]->text(), editor.Text3[38]->text()}),
                 (QStringList{sparta, testQuestion(10), "Answer 10C"}));
        for (int i = 0; i < 40; ++i)
            QCOMPARE(editor.Check1[i]->isChecked(), i % 4 == kRightAnswers[i / 4] - 1);
        editor.Text1->selectAll();
        typeInto(editor.Text1, QStringLiteral("Fish & Chips"));
        clickOn(editor.Label3[1]);
        QCOMPARE(fileBytes(env, QStringLiteral("Fish & Chips.txt")), "Fish & Chips" + original.mid(sparta.size()));
        QCOMPARE(fileBytes(env, sparta + ".txt"), original);
        QCOMPARE(fileBytes(env, QStringLiteral("track.txt")), catalogueBytes({sparta, "Fish & Chips"}));
        clickOn(editor.Label3[0]);
        clickOn(catalogue.Label2[0]);
        clickOn(openCatalogue().Label2[2]);
        multiple &quiz = touch<multiple>();
        QCOMPARE((QStringList{quiz.Label5->caption(), quiz.Label6->caption()}), (QStringList{"Velmora", "Fish & Chips"}));
        QCOMPARE(quiz.Picture1->picture().raster(), touch<intro0>().Image1->picture().raster());
        clickOn(touch<multiple>().Label3[2]); // the quiz's "Exit"
        clickBox(touch<worksheets>().Check1);
        clickOn(touch<worksheets>().Label2[2]);
        QCOMPARE(touch<wizard>().Text1->text(), QStringLiteral("Fish & Chips"));
        typeInto(touch<wizard>().Text2[0], QStringLiteral(", again"));
        clickOn(touch<wizard>().Label3[1]);
        QCOMPARE(env.messages.last(), QStringLiteral("Your worksheet has been saved."));
        QCOMPARE(fileBytes(env, QStringLiteral("Fish & Chips.txt")),
                 "Fish & Chips" + original.mid(sparta.size()).replace("text 1\r", "text 1& again\r"));
        QCOMPARE(fileBytes(env, QStringLiteral("track.txt")), catalogueBytes({sparta, "Fish & Chips"}));
    }

    // A worksheet that cannot be loaded, names no right answer for a
    // question, or whose catalogue title reaches out of the worksheet folder
    // to a file elsewhere is reported in either mode and opens nothing, yet
    // its title can still be deleted.
    void aDamagedWorksheetIsReportedAndCanStillBeDeleted()
    {
        const struct { QString title, file; int lines; QString thirdRightAnswer; } rows[] = { // lines 0: no file
            {"Broken", "Broken.txt", 0, "3"}, {"Broken", "Broken.txt", 71, "3"}, // missing; last separator line missing
            {"Broken", "Broken.txt", 72, "x"}, {"..\\notes", "../notes.txt", 72, "3"}}; // no right answer 3; a file elsewhere
        for (const auto &[title, file, lines, thirdRightAnswer] : rows) {
            TestEnvironment env;
            writeCatalogue(env, {QStringLiteral("Alpha"), title}, {title});
            writeQuestionFile(env, file, QStringLiteral("Broken"), {"1", "2", thirdRightAnswer}, lines);
            const QMap<QString, QByteArray> before = env.multipleFolder();
            worksheets &catalogue = openCatalogue();
            clickOn(catalogue.Label2[2]);
            clickBox(catalogue.Check1);
            clickOn(catalogue.Label2[2]);
            QCOMPARE(env.messages, QStringList(2, QStringLiteral("This worksheet seems to be corrupted.")));
            QVERIFY(!isLoaded<multiple>() && !isLoaded<wizard>() && env.multipleFolder() == before);
            clickBox(catalogue.Check2);
            clickOn(catalogue.Label2[2]);
            QCOMPARE(fileBytes(env, QStringLiteral("track.txt")), catalogueBytes({"Alpha"}));
        }
    }

    // Each way a save, an edit (a listed worksheet saved again) or a deletion
    // can fail is told as it is, naming the folder, and leaves every file as
    // it was: the catalogue locked by another copy of Velmora, damaged,
    // unreadable, or missing (a save makes it anew), or
    // a file that cannot be put in place because the folder may not be
    // written, its disk is full or another program holds the file open (the
    // rename failing as the system would). A file held open for a moment only
    // is replaced after a few tries.
    void everyFailureSaysWhyAndKeepsTheFolder_data()
    {
        // reason empty: it works
        columns<QString, QString, QString>("action", "cause", "reason");
        const QString ask = QStringLiteral(" Please ask whoever looks after this computer to check it.");
        const QList<std::pair<QString, QString>> causes{
            {"locked", "Another copy of Velmora is changing the Worksheet Catalogue in the worksheet folder F just now. "
                       "Please try again in a moment."},
            {"damaged", "The list of worksheets, track.txt in the worksheet folder F, seems to be damaged." + ask},
            {"missing", "The list of worksheets, track.txt, is missing from the worksheet folder F." + ask},
            {"unreadable", "The list of worksheets, track.txt in the worksheet folder F, cannot be read." + ask},
            {"not allowed", "Velmora is not allowed to write in the worksheet folder F." + ask},
            {"full", "The disk that holds the worksheet folder F is full."},
            {"in use", "Another program has a file of the worksheet folder F open. Please close it, then try again."},
            {"in use for a moment", ""}};
        for (const char *action : {"save", "edit", "delete"})
            for (const auto &[cause, reason] : causes)
                QTest::addRow("%s, %s", action, qPrintable(cause)) << action << cause
                                                                  << (cause == "missing" && *action != 'd' ? "" : reason); // made anew
    }
    void everyFailureSaysWhyAndKeepsTheFolder()
    {
        QFETCH(QString, action);
        QFETCH(QString, cause);
        QFETCH(QString, reason);
        TestEnvironment env;
        writeCatalogue(env, {QStringLiteral("Heroes")});
        worksheets *catalogue = action == QLatin1String("save") ? nullptr : &openCatalogue();
        if (!catalogue)
            typeWorksheet(static_cast<wizard &>(clickMainMenuEntry(17)), sampleWorksheet(QStringLiteral("Villains")));
        else
            clickBox(action == QLatin1String("edit") ? catalogue->Check1 : catalogue->Check2);
        if (action == QLatin1String("edit"))
            clickOn(catalogue->Label2[1]);
        const QMap<QString, QByteArray> catalogueNow{{"damaged", " 2 \r\nHeroes\r\n"}, {"missing", {}}, {"unreadable", {}}};
        if (catalogueNow.contains(cause))
            writeFileBytes(env, QStringLiteral("track.txt"), catalogueNow[cause]);
        QVERIFY(cause != QLatin1String("unreadable") || QDir(env.multipleDir()).mkdir(QStringLiteral("track.txt")));
        std::optional<SharedLock> held;
        if (cause == QLatin1String("locked"))
            held.emplace(env.multipleDir() + QStringLiteral("/track.txt.lock"));
        SharedLock::setWaitLimit(500);
        const QMap<QString, FileProblem> failing{{"not allowed", FileProblem::NotAllowed}, {"full", FileProblem::DiskFull},
                                                 {"in use", FileProblem::InUse}, {"in use for a moment", FileProblem::InUse}};
        int failures = cause.endsWith(QLatin1String("moment")) ? 3 : 1000;
        if (failing.contains(cause))
            setRenameOverStep([&](const QString &temporary, const QString &target) {
                return failures-- > 0 ? failing[cause] : platformRenameOver(temporary, target);
            });
        const auto restore = qScopeGuard([] { setRenameOverStep({}); SharedLock::setWaitLimit(0); });
        QMap<QString, QByteArray> before = env.multipleFolder();
        const QString beating = held ? QStringLiteral("track.txt.lock") : QString(); // its holder's beats change it
        before.remove(beating);
        clickOn(catalogue && !isLoaded<wizard>() ? catalogue->Label2[1] : touch<wizard>().Label3[1]);
        const bool deleting = action == QLatin1String("delete");
        if (reason.isEmpty()) {
            QCOMPARE(env.messages.last(), deleting ? "Are you sure that you want to delete the worksheet Heroes?" : "Your worksheet has been saved.");
            return;
        }
        const QString said = deleting ? "The worksheet Heroes has not been deleted." : "There was a problem saving your worksheet";
        QCOMPARE(env.messages.last(), said + "\n\n" + reason.replace(QStringLiteral("folder F"), "folder " + env.multipleDir()));
        QMap<QString, QByteArray> after = env.multipleFolder();
        after.remove(beating);
        QCOMPARE(after, before);
    }

    // Delete asks first: Cancel keeps the title, OK removes it from the file
    // (the worksheet's own file stays) and closes up the page on show, whose
    // label and commands stay as they were until the next page turn.
    void deletingAsksAndClosesUpThePage()
    {
        TestEnvironment env;
        writeCatalogue(env, numberedTitles(26), numberedTitles(26).mid(1));
        const QByteArray worksheetT1 = fileBytes(env, QStringLiteral("T1.txt"));
        worksheets &catalogue = openCatalogue();
        clickBox(catalogue.Check2);
        env.answers = {MsgResult::Cancel, MsgResult::Ok};
        clickOn(catalogue.Label2[1]);
        QCOMPARE(fileBytes(env, QStringLiteral("track.txt")), catalogueBytes(numberedTitles(26)));
        clickOn(catalogue.Label2[1]);
        QCOMPARE(env.messages, QStringList(2, QStringLiteral("Are you sure that you want to delete the worksheet T1?")));
        QCOMPARE(fileBytes(env, QStringLiteral("T1.txt")), worksheetT1);
        QCOMPARE(pageShown(catalogue), numberedTitles(25).mid(1) << "Page 1" << "" << ">>");
        clickOn(catalogue.Label3[Next]);
        clickOn(catalogue.Label2[1]); // T26, alone on page 2
        QCOMPARE(pageShown(catalogue), (QStringList{"Page 2", "<<", ""}));
        clickOn(catalogue.Label3[Previous]);
        QCOMPARE(pageShown(catalogue), numberedTitles(25).mid(1) << "Page 1" << "" << "");
        QCOMPARE(env.multipleFolder().keys().filter(QStringLiteral("track")), QStringList{"track.txt"}); // no lock left
    }
};

VELMORA_TEST(CatalogueScreenTest)
#include "catalogue_screen_test.moc"
