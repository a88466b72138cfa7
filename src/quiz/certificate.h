#pragma once
// The certificate a pupil earns with a full score, printed from the results
// screen's "Print Certificate" button on the default printer: two banners of
// "Well Done", the title, the subject, the pupil's name and score, inside
// five nested frames with three inner ones.
#include <QString>

// Prints the certificate for a pupil's score out of the maximum, then says
// "Your certificate is now printing.". Any printing failure stops it at once
// with "There was a problem printing to your printer." and the page is
// dropped; anything else escapes to the caller.
void printCertificate(const QString &subject, const QString &pupilName, int score, int maximum);

// The size in points of the subject line: 28 when the subject is wider than a
// quarter of the printable width, otherwise 36.
double certificateSubjectPoints(double subjectWidthTwips, double printableWidthTwips);
