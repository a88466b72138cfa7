#pragma once
// Question files end a field at a comma, so text fields are stored with every
// "," as "&" and read back with every "&" as ",". There is no escape: an "&"
// a teacher typed comes back as a comma.
#include <QString>

QString encodeQuestionField(const QString &text);
QString decodeQuestionField(const QString &field);
