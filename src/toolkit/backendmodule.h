#pragma once
// Backends the first screen does not need (printing, sound, speech) live in small
// libraries of their own, loaded on first use, so that starting the program
// maps none of the libraries behind them. A module lies beside the program
// (as in the build folder) or in the program's private library folder once
// installed. Each exposes plain entry points declared in a toolkit header
// (printjob.h, pcmplayer.h, speechvoice.h), which is all it shares with the toolkit.
#include <QFunctionPointer>
#include <QString>
#include <QStringList>

// Why a module's entry point could not be had.
struct ModuleFailure {
    QString reason;       // as the system tells it
    QStringList lookedIn; // the folders searched, when none of them holds the module at all
};

// The entry point `symbol` of the module `name` ("velmora-print"), loading
// the module the first time; null, saying why in failure, when the module
// or its entry point cannot be found. Safe to call from any thread.
QFunctionPointer moduleEntry(const QString &name, const char *symbol, ModuleFailure *failure = nullptr);

// Replaces the folders searched for modules, in order (tests); an empty list
// restores the default. A module already loaded stays loaded.
void setModuleFolders(const QStringList &folders);
