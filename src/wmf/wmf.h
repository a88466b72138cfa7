#pragma once
// The metafile library's public face: a Windows Metafile read from bytes
// that come from outside, parsed once and bounds-checked, then drawn any
// number of times onto any QPainter (screen, image or printer) at any scale.
// Everything else in this folder is private to the library.
#include <QByteArray>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

class QPainter;

namespace wmf {

struct ParsedMetafile; // records and header, private to the library

class Metafile {
public:
    // Parses a metafile; returns nullopt with a reason when the bytes are not
    // a metafile at all. A file that breaks off part-way still parses: drawing
    // stops at the first record that does not fit.
    static std::optional<Metafile> parse(const QByteArray &bytes, QString *error = nullptr);

    // The picture's own size in twips (1/1440 inch).
    QSizeF sizeTwips() const;

    // Whether drawing needs fonts, which need a GUI application; shapes and
    // bitmaps draw without one.
    bool drawsText() const;

    // Draws the whole picture scaled into target (in the painter's coordinates).
    void render(QPainter &painter, const QRectF &target) const;

private:
    std::shared_ptr<const ParsedMetafile> data_;
};

// The installed family that draws a Windows face name ("Tahoma", "Times New
// Roman"): the face itself when installed, else a stand-in with similar
// metrics. Symbol text is already Unicode, so it needs a face with Greek
// letters and maths signs. Programs that draw their own text in Windows faces
// use it too, so that their text and the pictures' agree.
QString familyForFace(const QString &face, bool symbol);

// The Unicode character for an Adobe Symbol code (0 where it has none).
char16_t symbolToUnicode(uint8_t code);

// Text in a Windows code page, by number (1252 Western European, 1253 Greek,
// 932 Japanese, 437 the PC's own, 10000 Mac Roman...), through the system's
// converter: ICU where Qt has it, the Windows API on Windows, so that files
// written on either read the same on both. Metafile text is decoded so, and
// programs that keep text in a code page use it too.
bool hasCodePage(int codePage);
// Bytes that are no character of the code page become U+FFFD.
QString decodeCodePage(int codePage, QByteArrayView bytes);
// Nothing when the code page lacks a character of the text (no look-alikes).
std::optional<QByteArray> encodeCodePage(int codePage, QStringView text);

} // namespace wmf
