// Plays one content sound through the real sound component and waits, so the
// end-to-end sound test can capture what reaches the audio server.
//   playsound "wav\click.wav" [milliseconds to wait, default 1500]
#include "toolkit/qtsoundoutput.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const int waitMs = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 1500;
    QtSoundOutput output;
    output.play(QString::fromLocal8Bit(argv[1]));
    QTimer::singleShot(waitMs, &app, &QCoreApplication::quit);
    return QCoreApplication::exec();
}
