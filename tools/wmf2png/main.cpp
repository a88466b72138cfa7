// wmf2png [--scale S] in.wmf out.png [in2.wmf out2.png ...]
// Renders Windows Metafiles on white at the picture's own size (15 twips to
// the pixel) times S, with the same renderer the program uses on screen.
#include "toolkit/headless.h"
#include "wmf/wmf.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLibraryInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <memory>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: wmf2png [--scale S] in.wmf out.png [in2.wmf out2.png ...]\n");
    return 2;
}

constexpr double twipsPerPixel = 15.0;
constexpr double maxSide = 16384; // pixels

// Text needs Qt's font database and so a GUI application with its platform
// plugin; shapes and bitmaps do not. Starting it only for pictures with text
// keeps a one-picture run short.
struct GuiSession {
    int argc = 1;
    char name[8] = "wmf2png";
    char *argv[2] = {name, nullptr};
    QTemporaryDir runtimeDir; // keeps Qt quiet outside a desktop session
    std::unique_ptr<QGuiApplication> app;

    void ensure()
    {
        if (app || QCoreApplication::instance())
            return;
        prepareHeadlessRun(runtimeDir);
        QCoreApplication::setLibraryPaths({QLibraryInfo::path(QLibraryInfo::PluginsPath)});
        app = std::make_unique<QGuiApplication>(argc, argv);
        QCoreApplication::setLibraryPaths({});
    }
};

bool convert(const QString &input, const QString &output, double scale, GuiSession &gui)
{
    QFile in(input);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "wmf2png: cannot read %s\n", qPrintable(input));
        return false;
    }
    const QByteArray bytes = in.readAll();
    QString error;
    const std::optional<wmf::Metafile> metafile = wmf::Metafile::parse(bytes, &error);
    if (!metafile) {
        std::fprintf(stderr, "wmf2png: %s: %s\n", qPrintable(input), qPrintable(error));
        return false;
    }
    const QSizeF twips = metafile->sizeTwips();
    const double width = std::round(twips.width() / twipsPerPixel * scale);
    const double height = std::round(twips.height() / twipsPerPixel * scale);
    if (!(width >= 1 && height >= 1) || width > maxSide || height > maxSide) {
        std::fprintf(stderr, "wmf2png: %s: picture size %gx%g pixels is out of range\n", qPrintable(input), width, height);
        return false;
    }
    if (metafile->drawsText())
        gui.ensure();
    QImage image(int(width), int(height), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    metafile->render(painter, QRectF(0, 0, width, height));
    painter.end();

    QImageWriter writer(output, "png");
    writer.setQuality(80); // a fast zlib level; the files stay small
    if (!writer.write(image)) {
        std::fprintf(stderr, "wmf2png: cannot write %s: %s\n", qPrintable(output), qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    double scale = 1.0;
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--scale") && i + 1 < argc) {
            bool ok = false;
            scale = QString::fromLocal8Bit(argv[++i]).toDouble(&ok);
            if (!ok || !(scale > 0) || scale > 100)
                return usage();
        } else {
            files << arg;
        }
    }
    if (files.isEmpty() || files.size() % 2 != 0)
        return usage();
    // PNG is built in; looking through the image plugins would only cost time.
    QCoreApplication::setLibraryPaths({});

    GuiSession gui;
    int failures = 0;
    for (qsizetype i = 0; i < files.size(); i += 2)
        failures += convert(files[i], files[i + 1], scale, gui) ? 0 : 1;
    return failures == 0 ? 0 : 1;
}
