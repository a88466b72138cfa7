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
    // A title that could not name a Windows file, or names one of the
    // program's own, is refused with a message; anything else is saved.
    void titlesAreSavedOrRefused_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<TitleProblem>("problem");
        for (const char *title : {"", "Romans", "Greek Fighters 2", "Greek Writing quiz", "tracks", "track.txt",
                                  "Console", "COM10", "LPT", "Nullarbor", "Aux work", "Year 4's quiz", "Caf\xc3\xa9 \xe2\x82\xac",
                                  "Quiz. Part two", "a.b.c", "50% (hard) - #1!"})
            QTest::addRow("saved %s", title) << QString::fromUtf8(title) << TitleProblem::None;
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
    void titlesAreSavedOrRefused()
    {
        QFETCH(QString, title);
        QFETCH(TitleProblem, problem);
        QCOMPARE(worksheetTitleProblem(title), problem);
        QCOMPARE(worksheetTitleMessage(problem, title).isEmpty(), problem == TitleProblem::None);
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

    // The first box that cannot be stored is named, the title before any
    // question; the same fault in a later box (answer D of question 10) is not.
    void theFirstBoxThatCannotBeStoredIsNamed_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString cannotKeep = QStringLiteral(" holds characters that a worksheet cannot keep: ");
        const QString retype = QStringLiteral(". Please type something else in their place.");
        const QString rome = QStringLiteral("\u03a1\u03ce\u03bc\u03b7");
        const QString alexander = QStringLiteral("\u0391\u03bb\u03ad\u03be\u03b1\u03bd\u03b4\u03c1\u03bf\u03c2");
        QTest::newRow("title") << "title" << rome << "The title" + cannotKeep + rome + retype;
        QTest::newRow("question") << "question 2" << "Who was " + alexander + "?" << "Question 3" + cannotKeep + alexander + retype;
        QTest::newRow("answer C of question 2")
            << "answer 6" << QStringLiteral("\u03b1\u03b2\u03b1 \U0001F600")
            << "Answer C of Question 2" + cannotKeep + QStringLiteral("\u03b1\u03b2\U0001F600") + retype;
        QTest::newRow("line break") << "question 9" << "two\nlines"
                                    << "Question 10 holds a line break, which a worksheet cannot keep. Please retype it.";
        QTest::newRow("leading quote") << "answer 39" << "  \"Yes\" he said"
                                       << "Answer D of Question 10 begins with a double quote (\"), which a worksheet "
                                          "cannot keep there. Please put a word before it or leave it out.";
    }
    void theFirstBoxThatCannotBeStoredIsNamed()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        WorksheetContent w = plainWorksheet();
        const int index = box.section(' ', 1).toInt();
        if (box == QLatin1String("title"))
            w.title = text;
        else if (box.startsWith(QLatin1String("question")))
            w.questions[index] = text;
        else
            w.answers[index] = text;
        if (box != QLatin1String("answer 39"))
            w.answers[39] += QStringLiteral("\u03a9");
        const auto problem = firstTextNotStorable(w);
        QVERIFY(problem);
        QTEST(textNotStorableMessage(*problem), "message");
    }
};

VELMORA_TEST(WorksheetTitleTest)
#include "worksheettitletest.moc"
