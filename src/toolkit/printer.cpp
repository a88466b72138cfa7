#include "toolkit/printer.h"
#include "toolkit/picture.h"
#include "toolkit/printerdevice.h"


QColor QBColor(int index)
{
    static const QColor palette[16] = {
        {0, 0, 0},     {0, 0, 128},   {0, 128, 0},   {0, 128, 128}, {128, 0, 0},     {128, 0, 128},
        {128, 128, 0}, {192, 192, 192}, {128, 128, 128}, {0, 0, 255}, {0, 255, 0},     {0, 255, 255},
        {255, 0, 0},   {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
    };
    return index >= 0 && index < 16 ? palette[index] : palette[0];
}

double PrinterSurface::scaleWidth() { return printableSizeTwips().width(); }
double PrinterSurface::scaleHeight() { return printableSizeTwips().height(); }
void PrinterSurface::setCurrentX(double x) { x_ = x; }
void PrinterSurface::setFontName(const QString &name) { font_.name = name; }
void PrinterSurface::setFontSize(double points) { font_.points = points; }
void PrinterSurface::setFontBold(bool bold) { font_.bold = bold; }
void PrinterSurface::setFontUnderline(bool underline) { font_.underline = underline; }
void PrinterSurface::setForeColor(const QColor &colour) { colour_ = colour; }
void PrinterSurface::setDrawWidth(int pixels) { drawWidth_ = pixels; }
double PrinterSurface::textWidth(const QString &text) { return measureTextWidth(text, font_); }

void PrinterSurface::print(const QString &text)
{
    if (!text.isEmpty())
        drawText(text, {x_, y_}, font_, colour_);
    x_ += measureTextWidth(text, font_);
}

void PrinterSurface::printLine(const QString &text)
{
    if (!text.isEmpty())
        drawText(text, {x_, y_}, font_, colour_);
    x_ = 0;
    y_ += measureLineHeight(font_);
}

void PrinterSurface::line(QPointF from, QPointF to)
{
    drawLine(from, to, drawWidth_, colour_);
    x_ = to.x();
    y_ = to.y();
}

void PrinterSurface::paintPicture(const Picture &picture, QPointF at)
{
    if (picture.isNull())
        throw PrintError("there is no picture to print");
    drawPicture(picture, QRectF(at, picture.sizeTwips()));
}

void PrinterSurface::endDoc() { finishDocument(); }

namespace {
PrinterFactory &installedFactory()
{
    static PrinterFactory factory;
    return factory;
}
} // namespace

std::unique_ptr<PrinterSurface> openPrinter()
{
    const PrinterFactory &factory = installedFactory();
    std::unique_ptr<PrinterSurface> surface = factory ? factory() : openDefaultPrinter();
    if (!surface)
        throw PrintError("no printer");
    return surface;
}

void preparePrinter()
{
    if (!installedFactory())
        prepareDefaultPrinter();
}

void setPrinterFactory(PrinterFactory factory) { installedFactory() = std::move(factory); }
