// The renderer against real metafiles: every public corpus file renders at
// its own size and at twice that, every crash sample is survived, and the
// renderings look like the reference pictures where those are trustworthy.
#include "testregistry.h"
#include "wmf/wmf.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <algorithm>
#include <cmath>

namespace {

QString corpusDir() { return QStringLiteral(VELMORA_SHARED_DIR "/wmf-corpus"); }

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QImage renderAtScale(const wmf::Metafile &metafile, double scale, QColor background = Qt::white)
{
    const QSizeF twips = metafile.sizeTwips();
    const QSize size(qRound(twips.width() / 15 * scale), qRound(twips.height() / 15 * scale));
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    metafile.render(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

// The references have their white margins trimmed; ours are trimmed alike.
QImage trimmed(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        int first = -1, last = -1;
        for (int x = 0; x < image.width(); ++x) {
            if (qRed(row[x]) < 245 || qGreen(row[x]) < 245 || qBlue(row[x]) < 245) {
                if (first < 0)
                    first = x;
                last = x;
            }
        }
        if (first >= 0)
            box |= QRect(first, y, last - first + 1, 1);
    }
    return box.isValid() ? image.copy(box) : QImage();
}

// Similarity of two pictures' content: both trimmed, averaged down to a
// grid of at most 32 x 32, compared channel by channel. 1 is identical; a picture
// against its own upside-down copy or another picture scores far lower
// (see referenceThresholdSeparatesDifferentPictures).
double similarity(const QImage &ours, const QImage &reference)
{
    const QImage a = trimmed(ours.convertToFormat(QImage::Format_RGB32));
    const QImage b = trimmed(reference.convertToFormat(QImage::Format_RGB32));
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull() ? 1.0 : 0.0;
    // Each cell averages at least 2 x 2 pixels of the smaller picture, or
    // tiny pictures would be compared on how they were resampled.
    const QSize grid(std::max(1, std::min({32, a.width() / 2, b.width() / 2})),
                     std::max(1, std::min({32, a.height() / 2, b.height() / 2})));
    const QImage sa = a.scaled(grid, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage sb = b.scaled(grid, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double difference = 0;
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x) {
            const QRgb p = sa.pixel(x, y), q = sb.pixel(x, y);
            difference += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    double score = 1.0 - difference / (grid.width() * grid.height() * 3 * 255.0);
    // A frame of another shape is a fault the grid would hide.
    const double aspect = std::abs(std::log((double(a.width()) / a.height()) / (double(b.width()) / b.height())));
    if (aspect > 0.15)
        score -= aspect;
    return score;
}

// Reference pictures that are not to be trusted, per the corpus notes and
// what these files hold (see the renderer's notes for each).
const QStringList untrustedReferences = {
    "ppt95-picture",            // drawn as a blank strip
    "xls-thumbnail-cyrillic",   // solid black
    "xlsx-thumbnail-tnpp",      // solid black
    "poi-empty-polygon-close",  // white on white
    "wmf2svg-fulltest",         // no trustworthy reference
    "ppt-ooo-linux-thumbnail",  // no trustworthy reference
    "mathtype-appsmfcc-example", // lays the equations out with a gap that is not in the file
    "vb-visual-ip-config",      // ignores the file's window and draws outside the frame
    "tika-testWMF",             // draws the embedded EMF copy, smoothing a bitmap GDI enlarges by repeating pixels
};

// Renderings of the other files score 0.94 to 1.00 against their
// references; upside-down renderings and other files' references score 0.82
// and below. The threshold sits between the two.
constexpr double similarityThreshold = 0.90;

QStringList publicFiles()
{
    return QDir(corpusDir() + "/public").entryList({"*.wmf"}, QDir::Files, QDir::Name);
}

} // namespace

class WmfCorpusTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(publicFiles().size() >= 50, qPrintable(corpusDir())); }

    void publicFilesRender_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString &f : publicFiles())
            QTest::addRow("%s", qPrintable(f)) << f;
    }
    void publicFilesRender()
    {
        QFETCH(QString, file);
        QString error;
        const std::optional<wmf::Metafile> metafile = wmf::Metafile::parse(readFile(corpusDir() + "/public/" + file), &error);
        QVERIFY2(metafile, qPrintable(error));
        const QSizeF twips = metafile->sizeTwips();
        QVERIFY(twips.width() >= 15 && twips.height() >= 15);
        // This one draws white on white: it shows on a coloured background.
        const bool whiteOnWhite = file == "poi-empty-polygon-close.wmf";
        const QColor background = whiteOnWhite ? QColor(0, 128, 0) : QColor(Qt::white);
        for (double scale : {1.0, 2.0}) {
            const QImage image = renderAtScale(*metafile, scale, background);
            QCOMPARE(image.size(), QSize(qRound(twips.width() / 15 * scale), qRound(twips.height() / 15 * scale)));
            QImage blank(image.size(), image.format());
            blank.fill(background);
            QVERIFY2(image != blank, "nothing was drawn");
        }
    }

    void malformedFilesAreSurvived_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString &f : QDir(corpusDir() + "/malformed").entryList({"*.wmf"}, QDir::Files, QDir::Name))
            QTest::addRow("%s", qPrintable(f)) << corpusDir() + "/malformed/" + f;
        const QString regressions = QStringLiteral(VELMORA_SOURCE_DIR "/tests/wmf/data");
        for (const QString &f : QDir(regressions).entryList({"*.wmf"}, QDir::Files, QDir::Name))
            QTest::addRow("%s", qPrintable(f)) << regressions + "/" + f;
    }
    void malformedFilesAreSurvived()
    {
        QFETCH(QString, path);
        const QByteArray bytes = readFile(path);
        QVERIFY(!bytes.isEmpty());
        // Either refused, or drawn as far as it goes; never a crash or a hang.
        if (const std::optional<wmf::Metafile> metafile = wmf::Metafile::parse(bytes)) {
            QImage image(200, 150, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            metafile->render(painter, QRectF(0, 0, 200, 150));
        }
    }

    void looksLikeTheReference_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &f : publicFiles()) {
            const QString name = f.chopped(4);
            if (!untrustedReferences.contains(name))
                QTest::addRow("%s", qPrintable(name)) << name;
        }
    }
    void looksLikeTheReference()
    {
        QFETCH(QString, name);
        const std::optional<wmf::Metafile> metafile = wmf::Metafile::parse(readFile(corpusDir() + "/public/" + name + ".wmf"));
        QVERIFY(metafile);
        const QImage reference(corpusDir() + "/reference/" + name + ".png");
        QVERIFY(!reference.isNull());
        const double score = similarity(renderAtScale(*metafile, 1.0), reference);
        qInfo("%s similarity %.3f", qPrintable(name), score);
        QVERIFY2(score >= similarityThreshold, qPrintable(QString::number(score)));
    }

    // The threshold means something: a rendering turned upside down, or a
    // rendering compared with another file's reference, falls below it.
    void referenceThresholdSeparatesDifferentPictures()
    {
        const QStringList names = {"poi-santa", "imagemagick-clock", "msclipart-2doorvan", "ppt-clipart-38256",
                                   "check2check-transaction-check", "triogen-logo-black"};
        for (qsizetype i = 0; i < names.size(); ++i) {
            const std::optional<wmf::Metafile> metafile = wmf::Metafile::parse(readFile(corpusDir() + "/public/" + names[i] + ".wmf"));
            QVERIFY(metafile);
            const QImage ours = renderAtScale(*metafile, 1.0);
            const QImage reference(corpusDir() + "/reference/" + names[i] + ".png");
            const QImage other(corpusDir() + "/reference/" + names[(i + 1) % names.size()] + ".png");
            const double flipped = similarity(ours.mirrored(false, true), reference);
            const double mismatched = similarity(ours, other);
            qInfo("%s upside down %.3f, against another reference %.3f", qPrintable(names[i]), flipped, mismatched);
            QVERIFY(flipped < similarityThreshold);
            QVERIFY(mismatched < similarityThreshold);
        }
    }
};

VELMORA_TEST(WmfCorpusTest)
#include "wmfcorpus_test.moc"
