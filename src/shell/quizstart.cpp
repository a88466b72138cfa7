#include "shell/quizstart.h"

#include "common/questionset.h"
#include "toolkit/messagebox.h"
#include "worksheets/questionloader.h"

namespace {
QString missingQuestionFileMessage(const QString &relativePath)
{
    return QStringLiteral("The quiz cannot start: its question file %1 is missing or cannot be read.").arg(relativePath);
}

QString incompleteQuestionFileMessage(const QString &relativePath)
{
    return QStringLiteral("The quiz cannot start: its question file %1 does not hold ten complete questions.")
        .arg(relativePath);
}

QString noRightAnswerMessage(int question)
{
    return QStringLiteral("The quiz cannot start: question %1 does not say which of its four answers is right.")
        .arg(question);
}
} // namespace

bool loadQuizQuestions(const QString &relativePath)
{
    switch (loadQuestionFile(relativePath)) {
    case QuestionFileLoad::Loaded:
        return true;
    case QuestionFileLoad::CannotOpen:
        messageBox(missingQuestionFileMessage(relativePath));
        return false;
    case QuestionFileLoad::Incomplete:
        messageBox(incompleteQuestionFileMessage(relativePath));
        return false;
    }
    return false;
}

bool quizSetCanBeAnswered()
{
    if (const auto question = firstQuestionWithoutRightAnswer()) {
        messageBox(noRightAnswerMessage(*question));
        return false;
    }
    return true;
}
