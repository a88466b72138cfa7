#include "worksheets/worksheetimport.h"

#include "toolkit/boundedfile.h"
#include "worksheets/aikenformat.h"
#include "worksheets/giftformat.h"
#include "worksheets/storabletext.h"

#include <QFileInfo>

namespace {
using Kind = ForeignQuestion::Kind;
// Far larger than any bank of questions a teacher moves; a larger file is not read at all.
constexpr qint64 kLargestFile = 1 << 20;
// A message lists this many skipped questions at most.
constexpr int kSkippedListed = 20;

QString kindProblem(const ForeignQuestion &question)
{
    switch (question.kind) {
    case Kind::MultipleChoice:
        return {};
    case Kind::TrueFalse:
        return QStringLiteral("it is a true/false question");
    case Kind::ShortAnswer:
        return QStringLiteral("it is a short-answer question");
    case Kind::Matching:
        return QStringLiteral("it is a matching question");
    case Kind::Numerical:
        return QStringLiteral("it is a numerical question");
    case Kind::Essay:
        return QStringLiteral("it is an essay question");
    case Kind::Description:
        return QStringLiteral("it is a description, not a question");
    case Kind::Malformed:
        break;
    }
    return question.problem;
}

// "1 answer", "3 answers".
QString counted(qsizetype n, const QString &thing)
{
    return QStringLiteral("%1 ").arg(n) + thing + (n == 1 ? QString() : QStringLiteral("s"));
}

QString answerName(int a) { return QStringLiteral("answer %1").arg(QChar(u'A' + a)); }

// Why one text cannot go into its box: empty, not kept by a worksheet file, or too long.
std::optional<QString> textProblem(const QString &text, int answer)
{
    const QString name = answer < 0 ? QStringLiteral("its question") : answerName(answer);
    const int longest = answer < 0 ? questionBoxLength : answerBoxLength;
    if (text.isEmpty())
        return name + QStringLiteral(" is empty");
    if (const auto notStorable = textNotStorable(text, WizardBox::Question, 0)) {
        switch (notStorable->reason) {
        case TextNotStorable::Reason::OutsideCodePage:
            return name + QStringLiteral(" holds characters a worksheet cannot keep: ") + notStorable->characters;
        case TextNotStorable::Reason::LineBreak:
            return name + QStringLiteral(" holds a line break");
        case TextNotStorable::Reason::LeadingQuote:
            return name + QStringLiteral(" begins with a double quote");
        }
    }
    if (text.size() > longest)
        return name + QStringLiteral(" is longer than %1 characters").arg(longest);
    return std::nullopt;
}

// The questions of the file's lines in the format that finds more of them
// (GIFT when both find as many): GIFT questions with their braces whole,
// Aiken questions with their ANSWER line. Where neither finds one, GIFT
// questions whose braces are broken are still GIFT, to be named as such.
QList<ForeignQuestion> readEitherFormat(const QStringList &lines)
{
    const QList<ForeignQuestion> gift = readGift(lines), aiken = readAiken(lines);
    auto count = [](const QList<ForeignQuestion> &questions, auto counts) {
        return std::count_if(questions.begin(), questions.end(), counts);
    };
    const auto giftQuestions = count(gift, [](const ForeignQuestion &q) { return q.kind != Kind::Description && q.kind != Kind::Malformed; });
    const auto aikenQuestions = count(aiken, [](const ForeignQuestion &q) { return q.kind == Kind::MultipleChoice; });
    if (aikenQuestions > giftQuestions)
        return aiken;
    if (giftQuestions > 0 || count(gift, [](const ForeignQuestion &q) { return q.kind == Kind::Malformed; }) > 0)
        return gift;
    return {};
}

void fillQuestion(WorksheetContent &worksheet, int q, const ForeignQuestion &question)
{
    worksheet.questions[q] = question.text;
    for (int a = 0; a < answersPerQuestion; ++a) {
        worksheet.answers[answersPerQuestion * q + a] = question.answers[a];
        worksheet.ticks[answersPerQuestion * q + a] = question.credits[a] >= 100;
    }
}

QString titleFor(const QString &category, const QString &fileName)
{
    const QString title = category.isEmpty() ? QFileInfo(fileName).completeBaseName() : category;
    return title.left(titleBoxLength).trimmed();
}
} // namespace

std::optional<QString> whyQuestionDoesNotFit(const ForeignQuestion &question)
{
    if (question.kind != Kind::MultipleChoice)
        return kindProblem(question);
    const auto rights = std::count_if(question.credits.begin(), question.credits.end(), [](double c) { return c >= 100; });
    if (std::any_of(question.credits.begin(), question.credits.end(), [](double c) { return c > 0 && c < 100; }))
        return QStringLiteral("it gives part of the marks for some answers");
    if (question.answers.size() != answersPerQuestion)
        return QStringLiteral("it has ") + counted(question.answers.size(), QStringLiteral("answer"))
            + QStringLiteral(", not four");
    if (rights != 1)
        return rights == 0 ? QStringLiteral("it has no right answer") : QStringLiteral("it has %1 right answers").arg(rights);
    if (auto problem = textProblem(question.text, -1))
        return problem;
    for (int a = 0; a < answersPerQuestion; ++a)
        if (auto problem = textProblem(question.answers[a], a))
            return problem;
    return std::nullopt;
}

WorksheetImport importQuestions(const QByteArray &bytes, const QString &fileName)
{
    WorksheetImport import;
    const std::optional<QStringList> lines = textFileLines(bytes);
    import.outcome = !lines ? WorksheetImport::Outcome::NotText : WorksheetImport::Outcome::Read;
    if (lines && lines->join(QString()).trimmed().isEmpty())
        import.outcome = WorksheetImport::Outcome::Empty;
    const QList<ForeignQuestion> questions = import.outcome == WorksheetImport::Outcome::Read ? readEitherFormat(*lines)
                                                                                            : QList<ForeignQuestion>();
    if (import.outcome == WorksheetImport::Outcome::Read && questions.isEmpty())
        import.outcome = WorksheetImport::Outcome::NoQuestions;
    QString category;
    for (const ForeignQuestion &question : questions) {
        if (const auto problem = whyQuestionDoesNotFit(question)) {
            import.skipped << SkippedQuestion{question.line, *problem};
        } else if (import.filled == questionsPerSet) {
            ++import.moreFitting;
        } else {
            if (import.filled == 0)
                category = question.category;
            fillQuestion(import.worksheet, import.filled++, question);
        }
    }
    import.worksheet.title = titleFor(category, fileName);
    return import;
}

WorksheetImport importQuestionFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return {};
    if (info.size() > kLargestFile) {
        WorksheetImport tooLarge;
        tooLarge.outcome = WorksheetImport::Outcome::TooLarge;
        return tooLarge;
    }
    const std::optional<QByteArray> bytes = readWholeFile(path, kLargestFile);
    if (!bytes)
        return {};
    return importQuestions(*bytes, info.fileName());
}

QString skippedQuestionsText(const WorksheetImport &import)
{
    if (import.skipped.isEmpty())
        return {};
    QString text = QStringLiteral("These questions could not be used:");
    for (int i = 0; i < std::min<qsizetype>(import.skipped.size(), kSkippedListed); ++i)
        text += QStringLiteral("\nLine %1: %2.").arg(import.skipped[i].line).arg(import.skipped[i].reason);
    if (import.skipped.size() > kSkippedListed)
        text += QStringLiteral("\nand %1 more.").arg(import.skipped.size() - kSkippedListed);
    return text;
}

QString importMessage(const WorksheetImport &import, const QString &fileName)
{
    switch (import.outcome) {
    case WorksheetImport::Outcome::Read:
        break;
    case WorksheetImport::Outcome::CannotOpen:
        return QStringLiteral("Velmora could not open ") + fileName + QStringLiteral(".");
    case WorksheetImport::Outcome::TooLarge:
        return fileName + QStringLiteral(" is too large to be a file of questions.");
    case WorksheetImport::Outcome::Empty:
        return fileName + QStringLiteral(" is empty.");
    case WorksheetImport::Outcome::NotText:
        return fileName + QStringLiteral(" is not a text file in UTF-8, as GIFT and Aiken files are.");
    case WorksheetImport::Outcome::NoQuestions:
        return fileName + QStringLiteral(" holds no GIFT or Aiken questions.");
    }
    if (import.filled == 0)
        return QStringLiteral("None of the questions in ") + fileName + QStringLiteral(" can go into a worksheet.\n\n")
            + skippedQuestionsText(import);
    QString text = QStringLiteral("The Multiple Choice Wizard now holds ")
        + counted(import.filled, QStringLiteral("question")) + QStringLiteral(" from ") + fileName
        + QStringLiteral(". Please check them, then save the worksheet.");
    if (import.filled == questionsPerSet - 1)
        text += QStringLiteral(" Question 10 is still to be written.");
    else if (import.filled < questionsPerSet)
        text += QStringLiteral(" Questions %1 to 10 are still to be written.").arg(import.filled + 1);
    if (import.moreFitting > 0)
        text += QStringLiteral("\n\nThe file holds ") + counted(import.moreFitting, QStringLiteral("more question"))
            + QStringLiteral(" that could be used, but a worksheet holds ten.");
    if (!import.skipped.isEmpty())
        text += QStringLiteral("\n\n") + skippedQuestionsText(import);
    return text;
}
