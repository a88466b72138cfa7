// Which worksheet titles and texts can be saved as typed, and what the
// teacher is told when one cannot.
#include "testregistry.h"
#include "worksheets/storabletext.h"
#include "worksheets/worksheettitle.h"

#include <QtTest>

Q_DECLARE_METATYPE(TitleProblem)

namespace {
WorksheetContent plainWorksheet()
{
    WorksheetContent w;
    w.title = QStringLiteral("Romans");
    for (int q = 0; q < 10; ++q) {
        w.questions[q] = QStringLiteral("Who was the first emperor?");
        for (int a = 0; a < 4; ++a)
            w.answers[4 * q + a] = QStringLiteral("Augustus, of course");
    }
    return w;
}
} // namespace

class WorksheetTitleTest : public QObject {
    Q_OBJECT

private slots:
    void titlesThatCanBeSaved_data()
    {
        QTest::addColumn<QString>("title");
        for (const char *title : {"", "Romans", "Greek Fighters 2", "Greek Writing quiz", "tracks", "track.txt",
                                  "Console", "COM10", "LPT", "Nullarbor", "Aux work", "Year 4's quiz", "Caf\xc3\xa9 \xe2\x82\xac",
                                  "Quiz. Part two", "a.b.c", "50% (hard) - #1!"})
            QTest::newRow(title) << QString::fromUtf8(title);
    }
    void titlesThatCanBeSaved()
    {
        QFETCH(QString, title);
        QCOMPARE(worksheetTitleProblem(title), TitleProblem::None);
        QCOMPARE(worksheetTitleMessage(TitleProblem::None, title), QString());
    }

    void titlesThatAreRefused_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<TitleProblem>("problem");
        QTest::newRow("comma") << "Athens, Sparta" << TitleProblem::Comma;
        for (const char *c : {"\\", "/", ":", "*", "?", "\"", "<", ">", "|"})
            QTest::addRow("character %s", c) << QStringLiteral("Quiz %1 one").arg(QLatin1String(c))
                                             << TitleProblem::ForbiddenCharacter;
        QTest::newRow("tab") << "Quiz\tone" << TitleProblem::ControlCharacter;
        QTest::newRow("leading space") << " Romans" << TitleProblem::OuterSpace;
        QTest::newRow("trailing space") << "Romans " << TitleProblem::OuterSpace;
        QTest::newRow("only spaces") << "   " << TitleProblem::OuterSpace;
        QTest::newRow("full stop") << "Romans." << TitleProblem::TrailingFullStop;
        QTest::newRow("only dots") << "..." << TitleProblem::TrailingFullStop;
        for (const char *device : {"CON", "con", "Prn", "aux", "NUL", "COM1", "com9", "LPT1", "lpt9", "COM0", "CON.txt",
                                   "nul.quiz", "Con .x", "CONIN$"})
            QTest::addRow("device %s", device) << QString::fromLatin1(device) << TitleProblem::ReservedDeviceName;
        QTest::newRow("device with superscript") << QStringLiteral("COM\u00b9") << TitleProblem::ReservedDeviceName;
        for (const char *name : {"Greek Fighters", "greek fighters", "GREEK WRITING", "Greek Writing", "track", "Track"})
            QTest::addRow("program file %s", name) << QString::fromLatin1(name) << TitleProblem::ProgramFileName;
    }
    void titlesThatAreRefused()
    {
        QFETCH(QString, title);
        QFETCH(TitleProblem, problem);
        QCOMPARE(worksheetTitleProblem(title), problem);
        QVERIFY(!worksheetTitleMessage(problem, title).isEmpty());
    }

    void theTeacherIsToldWhy()
    {
        QCOMPARE(worksheetTitleMessage(TitleProblem::Comma, "a,b"),
                 QStringLiteral("A worksheet title cannot contain a comma. Please change the title."));
        QCOMPARE(worksheetTitleMessage(TitleProblem::ForbiddenCharacter, "a?"),
                 QStringLiteral("A worksheet title cannot contain any of these characters: \\ / : * ? \" < > |"));
        QCOMPARE(worksheetTitleMessage(TitleProblem::ReservedDeviceName, "Con.quiz"),
                 QStringLiteral("Windows keeps the name \"Con\" for itself, so a worksheet cannot be called that. "
                                "Please choose another title."));
        QCOMPARE(worksheetTitleMessage(TitleProblem::ProgramFileName, "greek WRITING"),
                 QStringLiteral("\"Greek Writing\" is the name of one of Velmora's own files, so a worksheet cannot "
                                "be called that. Please choose another title."));
    }

    void storableTextPasses()
    {
        WorksheetContent w = plainWorksheet();
        w.title = QStringLiteral("Caf\u00e9");
        w.questions[4] = QStringLiteral("\u201cKnow thyself\u201d \u2013 who said it? \u20ac5 & more");
        w.answers[7] = QStringLiteral(" ");
        w.answers[8] = QStringLiteral("He said \"no\"");
        QCOMPARE(firstTextNotStorable(w), std::nullopt);
    }

    void theFirstBoxThatCannotBeStoredIsNamed_data()
    {
        QTest::addColumn<int>("questionBox");  // -1: none
        QTest::addColumn<int>("answerBox");    // -1: none
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("question") << 2 << -1 << QStringLiteral("Who was \u0391\u03bb\u03ad\u03be\u03b1\u03bd\u03b4\u03c1\u03bf\u03c2?")
                                  << QStringLiteral("Question 3 holds characters that a worksheet cannot keep: "
                                                    "\u0391\u03bb\u03ad\u03be\u03b1\u03bd\u03b4\u03c1\u03bf\u03c2. "
                                                    "Please type something else in their place.");
        QTest::newRow("answer C of question 2") << -1 << 6 << QStringLiteral("\u03b1\u03b2\u03b1 \U0001F600")
                                                << QStringLiteral("Answer C of Question 2 holds characters that a "
                                                                  "worksheet cannot keep: \u03b1\u03b2\U0001F600. "
                                                                  "Please type something else in their place.");
        QTest::newRow("line break") << 9 << -1 << QStringLiteral("two\nlines")
                                    << QStringLiteral("Question 10 holds a line break, which a worksheet cannot keep. "
                                                      "Please retype it.");
        QTest::newRow("leading quote") << -1 << 39 << QStringLiteral("  \"Yes\" he said")
                                       << QStringLiteral("Answer D of Question 10 begins with a double quote (\"), "
                                                         "which a worksheet cannot keep there. Please put a word "
                                                         "before it or leave it out.");
    }
    void theFirstBoxThatCannotBeStoredIsNamed()
    {
        QFETCH(int, questionBox);
        QFETCH(int, answerBox);
        QFETCH(QString, text);
        QFETCH(QString, message);
        WorksheetContent w = plainWorksheet();
        if (questionBox >= 0)
            w.questions[questionBox] = text;
        else
            w.answers[answerBox] = text;
        // A later box with the same fault is not the one named.
        if (answerBox != 39)
            w.answers[39] += QStringLiteral("\u03a9");
        const auto problem = firstTextNotStorable(w);
        QVERIFY(problem);
        QCOMPARE(problem->box, questionBox >= 0 ? WizardBox::Question : WizardBox::Answer);
        QCOMPARE(problem->index, questionBox >= 0 ? questionBox : answerBox);
        QCOMPARE(textNotStorableMessage(*problem), message);
    }

    void theTitleIsCheckedFirst()
    {
        WorksheetContent w = plainWorksheet();
        w.title = QStringLiteral("\u03a1\u03ce\u03bc\u03b7");
        w.questions[0] = QStringLiteral("\u03a9");
        const auto problem = firstTextNotStorable(w);
        QVERIFY(problem);
        QCOMPARE(problem->box, WizardBox::Title);
        QCOMPARE(textNotStorableMessage(*problem),
                 QStringLiteral("The title holds characters that a worksheet cannot keep: \u03a1\u03ce\u03bc\u03b7. "
                                "Please type something else in their place."));
    }
};

VELMORA_TEST(WorksheetTitleTest)
#include "worksheettitletest.moc"
