#include "wmf/player.h"
#include "wmf/recordhandlers.h"

#include <array>
#include <initializer_list>

namespace wmf {
namespace {

using HandlerTable = std::array<const RecordHandler *, 256>;

// A record's low byte is its GDI function's index, unique among the records,
// so it finds the handler; the whole function number must still match.
const HandlerTable &handlerTable()
{
    static const HandlerTable table = [] {
        HandlerTable t{};
        for (std::span<const RecordHandler> family :
             {stateRecords(), objectRecords(), shapeRecords(), textRecords(), blitRecords(), clipRecords()})
            for (const RecordHandler &handler : family)
                t[handler.function & 0xFF] = &handler;
        return t;
    }();
    return table;
}

} // namespace

Player::Player(const ParsedMetafile &metafile, QPainter &painter, const QRectF &target)
    : playback_(metafile, painter, target)
{
}

void Player::play()
{
    if (!playback_.surface.usable())
        return;
    playback_.surface.begin();
    const HandlerTable &handlers = handlerTable();
    for (const Record &r : playback_.metafile.records) {
        // Escapes, comments and the records no device shows draw nothing.
        const RecordHandler *handler = handlers[r.function & 0xFF];
        if (!handler || handler->function != r.function)
            continue;
        if (handler->endsIconMask)
            flushPendingMask(playback_);
        handler->play(playback_, r, playback_.metafile.params(r));
    }
    flushPendingMask(playback_);
    playback_.surface.end();
}

} // namespace wmf
