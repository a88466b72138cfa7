// The committed content folder must be exactly what content-src makes: this
// runs content-src/check-reproducible.sh, which regenerates every picture,
// page, sound, logo frame and question file into a temporary folder and
// compares them byte for byte. Where the generating tools are not installed
// the script says so and the story is skipped; in the sanitizer build it is
// skipped too, since regenerating runs none of the program's code and the
// normal build's test run has already done it (it takes about a minute).
#include "testregistry.h"

#include <QProcess>
#include <QtTest>

class ContentReproducible : public QObject {
    Q_OBJECT
private slots:
    void committedContentIsWhatTheScriptsMake()
    {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("sanitizer build: the content is regenerated once, by the normal build's tests");
#endif
        QProcess check;
        check.setProcessChannelMode(QProcess::MergedChannels);
        check.start(QStringLiteral("bash"),
                    {QStringLiteral(VELMORA_SOURCE_DIR "/content-src/check-reproducible.sh")});
        QVERIFY(check.waitForStarted());
        QVERIFY(check.waitForFinished(540'000));
        const QString report = QString::fromUtf8(check.readAll());
        if (check.exitCode() == 77)
            QSKIP(qPrintable(report.trimmed()));
        QVERIFY2(check.exitCode() == 0, qPrintable(report));
    }
};

VELMORA_TEST(ContentReproducible)
#include "contentreproducible.moc"
