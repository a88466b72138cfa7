#pragma once
// Worksheet work from the command line, for a school's IT staff: no window
// and no display needed, the same worksheet folder, rules, locks and
// messages as the program's own save, the messages printed (what went
// wrong on standard error); exit status 0 only when all of it was done.
//   velmora --import FILE [--title TITLE]
//   velmora --export TITLE FILE [--format gift|aiken]
//   velmora --export-all FOLDER [--format gift|aiken]
#include <QCommandLineParser>

// Adds the worksheet options to the program's own.
void describeWorksheetOptions(QCommandLineParser &options);
// Whether the parsed command line asks for worksheet work (any of its options).
bool asksForWorksheetWork(const QCommandLineParser &options);
// Does the work asked for and prints what happened; returns the exit
// status: 0 done, 1 not (or not all) done, 2 a command line that asks for
// nothing it can do.
int runWorksheetCommand(const QCommandLineParser &options);
