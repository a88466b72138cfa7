#include "wmf/wmf.h"
#include "wmf/parsedmetafile.h"
#include "wmf/player.h"

#include <QPainter>
#include <algorithm>

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

bool Metafile::drawsText() const
{
    return data_ && std::any_of(data_->records.begin(), data_->records.end(), [](const Record &r) {
               return r.function == META_TEXTOUT || r.function == META_EXTTEXTOUT;
           });
}

void Metafile::render(QPainter &painter, const QRectF &target) const
{
    if (!data_ || !painter.isActive() || !target.isValid() || target.isEmpty())
        return;
    Player(*data_, painter, target).play();
}

} // namespace wmf
