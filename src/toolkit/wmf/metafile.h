#pragma once
// A Windows Metafile read from bytes that come from outside: parsed once,
// bounds-checked, then drawn any number of times onto any QPainter (screen,
// image or printer) at any scale.
#include <QByteArray>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <memory>
#include <optional>

class QPainter;

namespace wmf {

struct ParsedMetafile; // records and header, private to the renderer

class Metafile {
public:
    // Parses a metafile; returns nullopt with a reason when the bytes are not
    // a metafile at all. A file that breaks off part-way still parses: drawing
    // stops at the first record that does not fit.
    static std::optional<Metafile> parse(const QByteArray &bytes, QString *error = nullptr);

    // The picture's own size in twips (1/1440 inch).
    QSizeF sizeTwips() const;

    // Draws the whole picture scaled into target (in the painter's coordinates).
    void render(QPainter &painter, const QRectF &target) const;

private:
    std::shared_ptr<const ParsedMetafile> data_;
};

} // namespace wmf
