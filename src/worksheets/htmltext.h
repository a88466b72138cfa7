#pragma once
// Question text that a learning platform wrote as HTML ("<p>Who won?</p>"),
// as the plain text a worksheet holds.
#include <QString>

// Tags are dropped (a line or paragraph break becomes a space), character
// references (&amp; &#233; &#x3b1;) become their characters, runs of
// white space one space; the ends are trimmed.
QString htmlToPlainText(const QString &html);
