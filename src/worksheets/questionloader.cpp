#include "worksheets/questionloader.h"

#include "common/module1.h"
#include "toolkit/contentpath.h"
#include "toolkit/seqfile.h"
#include "worksheets/questionfield.h"
#include "worksheets/worksheetfolder.h"

#include <optional>

void loadQuestionSet(SeqFileReader &file)
{
    Module1.quizTitle = decodeQuestionField(file.readField());
    file.readField(); // separator line
    for (int k = 1; k <= questionsPerSet; ++k) {
        Module1.questionText[k] = decodeQuestionField(file.readField());
        Module1.answerA[k] = decodeQuestionField(file.readField());
        Module1.answerB[k] = decodeQuestionField(file.readField());
        Module1.answerC[k] = decodeQuestionField(file.readField());
        Module1.answerD[k] = decodeQuestionField(file.readField());
        Module1.correctAnswer[k] = file.readField(); // as read, checked by its users
        file.readField(); // separator line
    }
}

namespace {
QuestionFileLoad loadFromPath(const QString &absolutePath)
{
    std::optional<SeqFileReader> file;
    try {
        file.emplace(absolutePath);
    } catch (const SeqFileError &) {
        return QuestionFileLoad::CannotOpen;
    }
    try {
        loadQuestionSet(*file);
    } catch (const SeqFileError &) {
        return QuestionFileLoad::Incomplete; // the reader closes the channel as it goes
    }
    file->close();
    return QuestionFileLoad::Loaded;
}
} // namespace

QuestionFileLoad loadQuestionFile(const QString &relativePath)
{
    return loadFromPath(resolveContentPath(relativePath));
}

// A worksheet's title is the one its catalogue lists, as the teacher typed
// it: the file's title line stores each comma as "&", so it cannot tell a
// typed "&" ("Fish & Chips") from a comma.
QuestionFileLoad loadWorksheetQuestions(const QString &title)
{
    const QuestionFileLoad load = loadFromPath(WorksheetFolder::chosen().worksheetFile(title));
    if (load == QuestionFileLoad::Loaded)
        Module1.quizTitle = title;
    return load;
}
