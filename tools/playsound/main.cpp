// Plays one content sound through the real sound component and waits, so the
// end-to-end sound test can capture what reaches the audio server.
//   playsound "wav\click.wav" [milliseconds to wait, default 1500]
#include "toolkit/sound.h"

#include <QCoreApplication>
#include <QTimer>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const int waitMs = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 1500;
    const QString sound = QString::fromLocal8Bit(argv[1]);
    soundOutput().play(sound);
    QTimer::singleShot(waitMs, &app, &QCoreApplication::quit);
    const int status = QCoreApplication::exec();
    setSoundOutput(nullptr);
    return status;
}
