#include "toolkit/wmf/metafile.h"
#include "toolkit/wmf/parsedmetafile.h"
#include "toolkit/wmf/player.h"

#include <QPainter>

namespace wmf {

std::optional<Metafile> Metafile::parse(const QByteArray &bytes, QString *error)
{
    std::shared_ptr<ParsedMetafile> parsed = parseMetafileBytes(bytes, error);
    if (!parsed)
        return std::nullopt;
    Metafile metafile;
    metafile.data_ = std::move(parsed);
    return metafile;
}

QSizeF Metafile::sizeTwips() const
{
    return data_ ? data_->frame.twips() : QSizeF();
}

void Metafile::render(QPainter &painter, const QRectF &target) const
{
    if (!data_ || !painter.isActive() || !target.isValid() || target.isEmpty())
        return;
    Player(*data_, painter, target).play();
}

} // namespace wmf
