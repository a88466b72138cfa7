#include "toolkit/printer.h"
#include "toolkit/picture.h"
#include "toolkit/printerdevice.h"

#include <cmath>

QColor QBColor(int index)
{
    static const QColor palette[16] = {
        {0, 0, 0},     {0, 0, 128},   {0, 128, 0},   {0, 128, 128}, {128, 0, 0},     {128, 0, 128},
        {128, 128, 0}, {192, 192, 192}, {128, 128, 128}, {0, 0, 255}, {0, 255, 0},     {0, 255, 255},
        {255, 0, 0},   {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
    };
    return index >= 0 && index < 16 ? palette[index] : palette[0];
}

QString twipsText(double value)
{
    if (value == std::floor(value) && std::abs(value) < 1e12)
        return QString::number(static_cast<long long>(value));
    QString text = QString::number(value, 'f', 2);
    while (text.endsWith('0'))
        text.chop(1);
    return text;
}

namespace {
QString point(QPointF p) { return twipsText(p.x()) + ',' + twipsText(p.y()); }
QString quoted(const QString &text) { return '"' + text + '"'; }
} // namespace

double PrinterSurface::scaleWidth()
{
    trace(QStringLiteral("ScaleWidth"));
    return printableSizeTwips().width();
}

double PrinterSurface::scaleHeight()
{
    trace(QStringLiteral("ScaleHeight"));
    return printableSizeTwips().height();
}

void PrinterSurface::setCurrentX(double x)
{
    trace(QStringLiteral("CurrentX ") + twipsText(x));
    x_ = x;
}

void PrinterSurface::setCurrentY(double y)
{
    trace(QStringLiteral("CurrentY ") + twipsText(y));
    y_ = y;
}

void PrinterSurface::setFontName(const QString &name)
{
    trace(QStringLiteral("FontName ") + name);
    font_.name = name;
}

void PrinterSurface::setFontSize(double points)
{
    trace(QStringLiteral("FontSize ") + twipsText(points));
    font_.points = points;
}

void PrinterSurface::setFontBold(bool bold)
{
    trace(QStringLiteral("FontBold ") + (bold ? QStringLiteral("True") : QStringLiteral("False")));
    font_.bold = bold;
}

void PrinterSurface::setForeColor(const QColor &colour)
{
    trace(QStringLiteral("ForeColor RGB(%1, %2, %3)").arg(colour.red()).arg(colour.green()).arg(colour.blue()));
    colour_ = colour;
}

double PrinterSurface::textWidth(const QString &text)
{
    trace(QStringLiteral("TextWidth ") + quoted(text));
    return measureTextWidth(text, font_);
}

void PrinterSurface::print(const QString &text)
{
    trace(QStringLiteral("Print ") + quoted(text) + QStringLiteral(" at ") + point({x_, y_}) + ';');
    if (!text.isEmpty())
        drawText(text, {x_, y_}, font_, colour_);
    x_ += measureTextWidth(text, font_);
}

void PrinterSurface::printLine(const QString &text)
{
    trace(QStringLiteral("Print ") + quoted(text) + QStringLiteral(" at ") + point({x_, y_}));
    if (!text.isEmpty())
        drawText(text, {x_, y_}, font_, colour_);
    x_ = 0;
    y_ += measureLineHeight(font_);
}

void PrinterSurface::setDrawWidth(int pixels)
{
    trace(QStringLiteral("DrawWidth ") + QString::number(pixels));
    drawWidth_ = pixels;
}

void PrinterSurface::line(QPointF from, QPointF to)
{
    trace(QStringLiteral("Line (") + point(from) + QStringLiteral(")-(") + point(to) + ')');
    drawLine(from, to, drawWidth_, colour_);
    x_ = to.x();
    y_ = to.y();
}

void PrinterSurface::paintPicture(const Picture &picture, QPointF at)
{
    const QSizeF size = picture.isNull() ? QSizeF(0, 0) : picture.sizeTwips();
    trace(QStringLiteral("PaintPicture ") + point(at) + QStringLiteral(" size ") + twipsText(size.width()) + 'x' +
          twipsText(size.height()));
    if (picture.isNull())
        throw PrintError("there is no picture to print");
    drawPicture(picture, QRectF(at, size));
}

void PrinterSurface::endDoc()
{
    trace(QStringLiteral("EndDoc"));
    finishDocument();
    ended_ = true;
}

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

void setPrinterFactory(PrinterFactory factory) { installedFactory() = std::move(factory); }
