#pragma once
// Loads a ten-question set into the shared question arrays of Module1:
// quizTitle, questionText, answerA to answerD and correctAnswer (slots 1-10).
#include <QString>

class SeqFileReader;

// Reads the 72 fields of a question file from a file already open on the
// channel. Nothing is cleared first and there is no handling of its own: a
// SeqFileError (a short file) reaches the caller, and every slot filled before
// it holds the new value while the rest keep the previous set's.
void loadQuestionSet(SeqFileReader &file);

enum class QuestionFileLoad {
    Loaded,
    CannotOpen, // missing or unreadable: nothing changed
    Incomplete, // ended early: some slots new, the rest as before
};

// The callers' shape: open the file, load it, close it again, whatever happens.
// relativePath is a content path such as "multiple\Greek Fighters.txt".
QuestionFileLoad loadQuestionFile(const QString &relativePath);
// A teacher's worksheet: "multiple/" + title + ".txt"; once loaded,
// quizTitle is title itself.
QuestionFileLoad loadWorksheetQuestions(const QString &title);
