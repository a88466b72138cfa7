// libFuzzer target for the metafile reader and renderer: parse any bytes,
// then draw them onto a small raster image (where raster operations apply)
// and into a QPicture (a device without them, like a printer).
#include "wmf/wmf.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <cstddef>
#include <cstdint>

// Fontconfig keeps the patterns Qt asks it for until the process ends; those
// are not leaks of the code under test.
extern "C" const char *__lsan_default_suppressions() { return "leak:libfontconfig\n"; }

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: libFuzzer exits through exit(), after Qt's own
    // globals are gone, and tearing the application down then crashes.
    new QGuiApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<wmf::Metafile> metafile = wmf::Metafile::parse(bytes);
    if (!metafile)
        return 0;
    (void)metafile->sizeTwips();

    QImage image(48, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        metafile->render(painter, QRectF(2, 3, 44, 33));
    }
    QPicture picture;
    {
        QPainter painter(&picture);
        metafile->render(painter, QRectF(0, 0, 30, 20));
    }
    return 0;
}
