#pragma once
// Prints the question set loaded in the shared question arrays as a paper
// worksheet on the default printer: a header line, the subject and title,
// then every question with its four answers in two columns (the right
// answers are not printed). The quiz screen's "Print Worksheet" runs it.
#include <QString>

// Prints, then says "Your worksheet is now printing."; a printing failure
// says "There was a problem printing to your printer." instead and the page
// is dropped.
void printWorksheet(const QString &subject, const QString &title);
// The same page for the teacher: "Answer Key" under the title, and each
// question's right answer in bold and underlined. Says "Your answer key is
// now printing." (or the printing problem).
void printAnswerKey(const QString &subject, const QString &title);
