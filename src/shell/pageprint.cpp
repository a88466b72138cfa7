#include "shell/pageprint.h"
#include "toolkit/messagebox.h"
#include "toolkit/picture.h"
#include "toolkit/printer.h"

namespace {
constexpr double kPageMargin = 1000;
}

void printPagePicture(const Picture &page)
{
    try {
        const auto printer = openPrinter();
        printer->printLine(QString()); // an empty line starts the job
        printer->paintPicture(page, {kPageMargin, kPageMargin});
        printer->endDoc();
    } catch (const PrintError &) {
        messageBox(QStringLiteral("There was a problem printing to your printer."));
    }
}
