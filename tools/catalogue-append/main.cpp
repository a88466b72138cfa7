// Adds numbered titles to the catalogue in a content folder, one
// trackworksheets call each, with a short random pause between them; used to
// check that programs saving into one shared folder never lose a title.
//
// Usage: catalogue-append CONTENT_ROOT PREFIX COUNT
// Adds PREFIX + " 1" to PREFIX + " COUNT". Exit status 0 when every title
// was added, 1 when any call failed, 2 on bad arguments.
#include "toolkit/contentpath.h"
#include "worksheets/trackworksheets.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QThread>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool countOk = false;
    const int count = args.size() == 4 ? args[3].toInt(&countOk) : 0;
    if (!countOk || count < 0) {
        std::fprintf(stderr, "usage: catalogue-append CONTENT_ROOT PREFIX COUNT\n");
        return 2;
    }
    setContentRoot(args[1]);
    int failures = 0;
    for (int i = 1; i <= count; ++i) {
        const QString title = args[2] + QLatin1Char(' ') + QString::number(i);
        if (trackworksheets(title) != TrackOutcome::Added) {
            std::fprintf(stderr, "not added: %s\n", qPrintable(title));
            ++failures;
        }
        QThread::msleep(QRandomGenerator::global()->bounded(4));
    }
    return failures == 0 ? 0 : 1;
}
