// Placeholder until the renderer lands: nothing parses.
#include "toolkit/wmf/metafile.h"

namespace wmf {
struct ParsedMetafile {};
std::optional<Metafile> Metafile::parse(const QByteArray &, QString *error)
{
    if (error)
        *error = QStringLiteral("metafiles are not supported yet");
    return std::nullopt;
}
QSizeF Metafile::sizeTwips() const { return {}; }
void Metafile::render(QPainter &, const QRectF &) const {}
} // namespace wmf
