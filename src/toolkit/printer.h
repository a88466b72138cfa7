#pragma once
// The printer as classroom programs drive it: one page laid out in twips from
// the top-left corner of the printable area, with a text cursor that printing
// moves along the line or down by one line of the current font, a current
// font and colour, lines with a pen width in device pixels, pictures at their
// own size, and the end of the document that hands the page to the printer.
//
// Every failure (no default printer, the job refused, a drawing error) is a
// PrintError. A surface destroyed before endDoc() abandons its page: nothing
// half-drawn ever reaches the printer.
#include "toolkit/fonts.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <stdexcept>

class Picture;

class PrintError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The program's printing module is not where it was looked for (a copy of
// the program made without it).
class PrintModuleMissing : public PrintError {
public:
    PrintModuleMissing(const QString &name, const QStringList &folders)
        : PrintError(name.toStdString() + " is missing"), module(name), lookedIn(folders)
    {
    }
    QString module;
    QStringList lookedIn;
};

// Colour n (0 to 15) of the 16-colour palette: 0 black, 1 navy, 9 light blue,
// 12 light red, 15 white. Other numbers give black.
QColor QBColor(int index);

class PrinterSurface {
public:
    virtual ~PrinterSurface() = default;
    PrinterSurface(const PrinterSurface &) = delete;
    PrinterSurface &operator=(const PrinterSurface &) = delete;

    // Printable width and height in twips.
    double scaleWidth();
    double scaleHeight();

    // The text cursor's place across the page in twips; the next text's
    // left edge goes here.
    void setCurrentX(double x);

    void setFontName(const QString &name);
    void setFontSize(double points);
    void setFontBold(bool bold);
    void setFontUnderline(bool underline);
    void setForeColor(const QColor &colour);
    // Width in twips of text in the current font.
    double textWidth(const QString &text);

    // Prints text at the cursor and leaves the cursor at its end, on the line.
    void print(const QString &text);
    // Prints text at the cursor, then starts a new line: x back to 0 and y
    // down by the line height of the current font.
    void printLine(const QString &text);
    // A single space with a line end.
    void blankLine() { printLine(QStringLiteral(" ")); }

    // Pen width of lines, in device pixels.
    void setDrawWidth(int pixels);
    // A straight line in the current colour; the cursor moves to its end.
    void line(QPointF from, QPointF to);
    // The picture with its top-left corner at `at`, at its own size. An empty
    // picture cannot be printed.
    void paintPicture(const Picture &picture, QPointF at);

    // Ends the document: the page goes to the printer.
    void endDoc();

protected:
    PrinterSurface() = default;

    virtual QSizeF printableSizeTwips() = 0;
    virtual double measureTextWidth(const QString &text, const FontDesign &font) = 0;
    virtual double measureLineHeight(const FontDesign &font) = 0;
    virtual void drawText(const QString &text, QPointF topLeft, const FontDesign &font, const QColor &colour) = 0;
    virtual void drawLine(QPointF from, QPointF to, int widthPixels, const QColor &colour) = 0;
    virtual void drawPicture(const Picture &picture, const QRectF &targetTwips) = 0;
    virtual void finishDocument() = 0;

private:
    double x_ = 0;
    double y_ = 0;
    FontDesign font_{QStringLiteral("Arial"), 10};
    QColor colour_ = Qt::black;
    int drawWidth_ = 1;
};

using PrinterFactory = std::function<std::unique_ptr<PrinterSurface>()>;

// Opens a print job on the default printer with no dialog (or on whatever a
// test has put in its place). Throws PrintError when there is none.
std::unique_ptr<PrinterSurface> openPrinter();
// Loads the printing part, on the calling (user-interface) thread, before a
// job is opened away from it. Throws PrintModuleMissing when it is missing,
// PrintError when it cannot be loaded.
void preparePrinter();
// Replaces where print jobs go; an empty factory restores the default printer.
void setPrinterFactory(PrinterFactory factory);
