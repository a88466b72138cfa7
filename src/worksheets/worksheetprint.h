#pragma once
// Prints the question set loaded in the quiz screen as a paper worksheet on
// the default printer: a header line, the subject and title, then every
// question with its four answers in two columns (the right answers are not
// printed). Started by the quiz screen's "Print Worksheet" button.
#include <QString>

class multiple;

// Reads the subject (Label5) and title (Label6) from the quiz screen and the
// questions from the shared question set, prints, then says "Your worksheet
// is now printing."; a printing failure says "There was a problem printing to
// your printer." instead and the page is dropped.
void Printpage(const multiple &quiz);

// The header line: the product title and the publisher, 57 spaces apart.
QString worksheetHeaderLine();
