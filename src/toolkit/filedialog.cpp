#include "toolkit/filedialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace {
FileDialogHandler &handler()
{
    static FileDialogHandler h;
    return h;
}

// The folder a file was last picked in during this run, else the documents folder.
QString &lastFolder()
{
    static QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder;
}

FileChoice showDialog(const FileRequest &request)
{
    const bool saving = request.mode == FileRequest::Mode::Save;
    QFileDialog dialog(QApplication::activeWindow(), request.caption, QDir(lastFolder()).filePath(request.suggestedName),
                       request.filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setWindowRole(QStringLiteral("filedialog")); // the window system knows it apart from screens
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().first();
    lastFolder() = QFileInfo(path).path();
    return {path, dialog.selectedNameFilter()};
}
} // namespace

FileChoice chooseFile(const FileRequest &request) { return handler() ? handler()(request) : showDialog(request); }

void setFileDialogHandler(FileDialogHandler h) { handler() = std::move(h); }
