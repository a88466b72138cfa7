// The rules a worksheet must meet before it is saved, and what the teacher
// is told: the wizard's completeness checks in the order a teacher meets
// them, titles no Windows folder or catalogue could hold, and text a
// worksheet file cannot keep.
#include "support/pupil.h"
#include "testregistry.h"
#include "worksheets/storabletext.h"
#include "worksheets/wizardchecks.h"
#include "worksheets/worksheettitle.h"

#include <QtTest>

Q_DECLARE_METATYPE(TitleProblem)

class WorksheetRulesTest : public QObject {
    Q_OBJECT
private slots:
    // The first fault is named: the title before any question, a question's
    // text and answers before its ticks; a box of spaces counts as filled.
    void theFirstFaultIsNamed()
    {
        const QList<std::pair<std::function<void(WorksheetContent &)>, QString>> rows{
            {[](WorksheetContent &w) { w.questions[6] = w.answers[13] = QStringLiteral(" "); }, QString()},
            {[](WorksheetContent &w) { w.title.clear(); w.questions[0].clear(); }, "You have not chosen a title for your worksheet"},
            {[](WorksheetContent &w) { w.answers[7].clear(); w.ticks[10] = false; }, "You have not completed Question 2"},
            {[](WorksheetContent &w) { w.ticks[10] = false; }, "You have not ticked the correct answer for Question 3"},
            {[](WorksheetContent &w) { w.ticks[8] = true; }, "You have ticked more than one correct answer for Question 3"},
            {[](WorksheetContent &w) { w.answers[38].clear(); }, "You have not completed Question 10"}};
        for (const auto &[fault, message] : rows) {
            WorksheetContent worksheet = sampleWorksheet(QStringLiteral("Sparta"));
            fault(worksheet);
            QCOMPARE(firstWorksheetFault(worksheet), message);
        }
    }

    // A title that could not name a Windows file, or names one of the
    // program's own, is refused with a message; anything else can be saved.
    void titlesAreSavedOrRefused_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<TitleProblem>("problem");
        for (const char *title : {"Greek Fighters 2", "tracks", "track.txt", "Console", "COM10", "LPT", "Aux work",
                                  "Caf\xc3\xa9 \xe2\x82\xac", "Quiz. Part two", "50% (hard) - #1!"})
            QTest::addRow("saved %s", title) << QString::fromUtf8(title) << TitleProblem::None;
        QTest::newRow("comma") << "Athens, Sparta" << TitleProblem::Comma;
        for (const char *c : {"\\", "/", ":", "*", "?", "\"", "<", ">", "|"})
            QTest::addRow("character %s", c) << QStringLiteral("Quiz %1 one").arg(QLatin1String(c)) << TitleProblem::ForbiddenCharacter;
        QTest::newRow("tab") << "Quiz\tone" << TitleProblem::ControlCharacter;
        for (const char *spaced : {" Romans", "Romans ", "   "})
            QTest::addRow("space '%s'", spaced) << QString::fromLatin1(spaced) << TitleProblem::OuterSpace;
        QTest::newRow("full stop") << "Romans." << TitleProblem::TrailingFullStop;
        for (const char *device : {"CON", "prn", "Aux", "NUL", "com9", "LPT0", "CON.txt", "Con .x", "CONIN$", "COM\xc2\xb9"})
            QTest::addRow("device %s", device) << QString::fromUtf8(device) << TitleProblem::ReservedDeviceName;
        for (const char *name : {"greek fighters", "GREEK WRITING", "Track"})
            QTest::addRow("program file %s", name) << QString::fromLatin1(name) << TitleProblem::ProgramFileName;
    }
    void titlesAreSavedOrRefused()
    {
        QFETCH(QString, title);
        QFETCH(TitleProblem, problem);
        QCOMPARE(worksheetTitleProblem(title), problem);
        QCOMPARE(worksheetTitleMessage(problem, title).isEmpty(), problem == TitleProblem::None); // each kind says why
    }

    // Text that reads back as typed passes; the first box in tab order
    // whose text cannot be kept is named with the reason, not a later one.
    void textAWorksheetCannotKeepIsNamed()
    {
        WorksheetContent w = sampleWorksheet(QStringLiteral("Caf\u00e9"));
        w.answers[8] = QStringLiteral("He said \"no\" \u2013 \u20ac5 & more");
        QCOMPARE(firstTextNotStorable(w), std::nullopt);
        w.answers[39] = QStringLiteral("  \"Yes\" he said");
        QCOMPARE(textNotStorableMessage(*firstTextNotStorable(w)),
                 QStringLiteral("Answer D of Question 10 begins with a double quote (\"), which a worksheet cannot keep "
                                "there. Please put a word before it or leave it out."));
        w.questions[9] = QStringLiteral("two\nlines");
        QCOMPARE(textNotStorableMessage(*firstTextNotStorable(w)),
                 QStringLiteral("Question 10 holds a line break, which a worksheet cannot keep. Please retype it."));
    }
};

VELMORA_TEST(WorksheetRulesTest)
#include "worksheetrules_test.moc"
