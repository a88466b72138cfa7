#pragma once
// What the wizard and catalogue stories share: a teacher's worksheet typed
// into the wizard key by key and ticked by clicks, the bytes its file must
// hold, and a snapshot of the "multiple" folder to prove nothing changed.
#include "worksheets/worksheetcontent.h"

#include <QByteArray>
#include <QMap>
#include <QString>

class QLineEdit;
class TestEnvironment;
class wizard;
class worksheets;

// Ten questions whose right answers are kRightAnswers (quizdriver.h); the
// first question and one answer hold commas.
WorksheetContent sampleWorksheet(const QString &title);
// The 72 CR LF lines a worksheet file holds, built line by line.
QByteArray worksheetFileBytes(const WorksheetContent &worksheet);

// Types text with real key events; characters outside Latin-1 arrive as a
// keyboard layout delivers them, as the key's text.
void typeInto(QLineEdit *box, const QString &text);
// Types the title, every question and answer, and clicks the ticked boxes.
void typeWorksheet(wizard &editor, const WorksheetContent &worksheet);
// Clicks a tick box on its square.
void clickTick(wizard &editor, int box);
void clickSave(wizard &editor);

// Shows the main menu and opens the wizard or the catalogue from it.
wizard &openWizardFromMenu();
worksheets &openCatalogueFromMenu();

// Every file of the test's "multiple" folder with its bytes.
QMap<QString, QByteArray> multipleFolder(const TestEnvironment &env);
QByteArray fileBytes(const TestEnvironment &env, const QString &nameInMultiple);
void writeFileBytes(const TestEnvironment &env, const QString &nameInMultiple, const QByteArray &bytes);
