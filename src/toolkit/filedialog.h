#pragma once
// Every file a user picks goes through one function, so tests can answer
// it instead of the desktop's file dialog, which would block them.
#include <QString>
#include <QStringList>
#include <functional>

struct FileRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString caption;
    QString suggestedName; // Save: the name offered, in the user's documents folder
    QStringList filters;   // "GIFT files (*.gift *.txt)", the first one chosen at first
};

struct FileChoice {
    QString path;   // empty: the user cancelled
    QString filter; // the filter chosen when the file was picked
};

using FileDialogHandler = std::function<FileChoice(const FileRequest &request)>;

// Shows the desktop's own file dialog (the platform's where it has one),
// over the active window; Save asks before replacing a file.
FileChoice chooseFile(const FileRequest &request);
// Replaces how files are chosen; an empty handler restores the dialog.
void setFileDialogHandler(FileDialogHandler handler);
