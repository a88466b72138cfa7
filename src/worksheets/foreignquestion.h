#pragma once
// A question as a GIFT or Aiken file gives it, before anything decides
// whether it fits a worksheet (worksheetimport.h), and the text of those files.
#include "worksheets/worksheetcontent.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

struct ForeignQuestion {
    enum class Kind { MultipleChoice, TrueFalse, ShortAnswer, Matching, Numerical, Essay, Description, Malformed };
    int line = 0;          // the line it begins on, counted from 1
    Kind kind = Kind::MultipleChoice;
    QString problem;       // Malformed: what is wrong with it, for the teacher
    QString category;      // GIFT: the last part of the category it is in
    QString text;
    QStringList answers;   // in the file's order
    QList<double> credits; // per answer, the percentage of the marks it gives (100 for the right one)
};

// The lines of a GIFT or Aiken file: UTF-8, with or without a byte-order
// mark, lines ending in CR LF, LF or CR. Nothing when the bytes are not
// UTF-8 text (a NUL byte, or a sequence UTF-8 does not allow).
std::optional<QStringList> textFileLines(const QByteArray &bytes);
// Lines as written: UTF-8 without a byte-order mark, each ending CR LF.
QByteArray textFileBytes(const QStringList &lines);

// A worksheet's text as GIFT and Aiken carry it: without the spaces at its
// ends, which both formats drop (the quiz shows none of them either).
QString carriedText(const QString &text);
// Each question and answer of a worksheet in tab order, with what a teacher
// calls it ("Question 3", "Answer B of Question 3"), as carried.
void forEachCarriedText(const WorksheetContent &worksheet,
                        const std::function<void(const QString &name, const QString &text, bool isAnswer)> &visit);
