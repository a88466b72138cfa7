#include "wmf/textdraw.h"
#include "wmf/textcodec.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace wmf {
namespace {

// Beyond this size (in painter units) a glyph is bigger than any page.
constexpr double maxEm = 16384;
// The System font a file gets before it selects one, and for height 0: a
// 16-pixel cell.
constexpr double defaultCellPixels = 16;

// The text as it will be drawn: advances along the baseline (per UTF-16
// unit, 0 for the second half of a surrogate pair) and the glyphs'
// horizontal scale, all in target units.
struct TextLine {
    DecodedText text;
    QString shown;
    std::vector<double> advance;
    double total = 0;
    double stretch = 1;
    bool spaced = false; // placed glyph by glyph rather than as one string
};

// Advances from the record's array where it has them, else from the font.
struct Advances {
    std::vector<double> advance;
    std::vector<bool> fixed; // taken from the array
    double arrayTotal = 0, naturalTotal = 0;
    bool allFixed = true;
};

// The glyphs' font at the em size the selected font asks for; none when that
// is too small to see or too large to draw.
std::optional<QFont> glyphFont(const Playback &p, const FaceInfo &face)
{
    const Font &font = p.dc.font;
    const double cell = font.height == 0 ? defaultCellPixels * p.surface.hairline
                                         : std::abs(font.height) * std::abs(p.toTarget.y.scale);
    const double em = font.height < 0 ? cell : cell * face.emPerCell;
    if (!std::isfinite(em) || em < 0.05 || em > maxEm)
        return std::nullopt;
    QPaintDevice *device = p.surface.painter.device();
    const double dpi = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96.0;
    QFont qfont(face.family);
    qfont.setPointSizeF(em * 72.0 / dpi);
    qfont.setWeight(QFont::Weight(std::clamp(font.weight == 0 ? 400 : font.weight, 1, 1000)));
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    qfont.setStrikeOut(font.strikeOut);
    qfont.setKerning(false);
    return qfont;
}

// Horizontal scale of the glyphs: the font's own width when it asks for
// one, else the stretch between the picture and the target.
double glyphStretch(const Playback &p, const QFontMetricsF &metrics)
{
    double stretch = std::abs(p.surface.deviceToTarget.x.scale / p.surface.deviceToTarget.y.scale);
    if (p.dc.font.width != 0) {
        const double natural = metrics.averageCharWidth();
        if (natural > 0)
            stretch = std::abs(p.dc.font.width) * std::abs(p.toTarget.x.scale) / natural;
    }
    if (!std::isfinite(stretch) || stretch <= 0)
        stretch = 1;
    return std::clamp(stretch, 0.01, 100.0);
}

bool startsPair(const DecodedText &text, qsizetype i)
{
    return i + 1 < text.text.size() && text.bytesPerUnit[size_t(i + 1)] == 0;
}

Advances measureAdvances(const DecodedText &text, const TextRun &run, const QFontMetricsF &metrics, double sx)
{
    const size_t units = size_t(text.text.size());
    Advances a{std::vector<double>(units, 0.0), std::vector<bool>(units, false)};
    const std::vector<int> &dx = run.dx;
    const size_t characters = size_t(std::count_if(text.bytesPerUnit.begin(), text.bytesPerUnit.end(), [](uint8_t b) { return b > 0; }));
    const bool perCharacterDx = !dx.empty() && dx.size() == characters && characters != run.length;
    size_t byteIndex = 0, charIndex = 0;
    for (size_t i = 0; i < units; ++i) {
        const size_t n = text.bytesPerUnit[i];
        if (n == 0)
            continue; // second half of a surrogate pair: advanced with the first
        const double natural = metrics.horizontalAdvance(text.text.mid(qsizetype(i), startsPair(text, qsizetype(i)) ? 2 : 1));
        a.naturalTotal += natural;
        if (perCharacterDx) {
            a.advance[i] = dx[charIndex] * sx;
            a.fixed[i] = true;
        } else if (byteIndex + n <= dx.size()) {
            a.advance[i] = std::accumulate(dx.begin() + long(byteIndex), dx.begin() + long(byteIndex + n), 0.0) * sx;
            a.fixed[i] = true;
        } else {
            a.advance[i] = natural;
            a.allFixed = false;
        }
        if (a.fixed[i])
            a.arrayTotal += a.advance[i];
        byteIndex += n;
        ++charIndex;
    }
    return a;
}

void layOut(const Playback &p, TextLine &line, const TextRun &run, const QFontMetricsF &metrics)
{
    const double sx = std::abs(p.toTarget.x.scale);
    line.stretch = glyphStretch(p, metrics);
    Advances a = measureAdvances(line.text, run, metrics, sx);
    // A font width that would make glyphs much wider than the advances the
    // writer laid them out with (some writers put the height there) gives way
    // to the advances.
    if (p.dc.font.width != 0 && a.allFixed && !run.dx.empty() && a.naturalTotal > 0 && a.arrayTotal > 0)
        line.stretch = std::clamp(std::min(line.stretch, a.arrayTotal / a.naturalTotal), 0.01, 100.0);
    line.spaced = !run.dx.empty() || p.dc.charExtra != 0;
    line.advance = std::move(a.advance);
    for (size_t i = 0; i < line.advance.size(); ++i) {
        if (line.text.bytesPerUnit[i] == 0)
            continue;
        if (a.fixed[i])
            line.advance[i] /= line.stretch;
        else
            line.advance[i] += p.dc.charExtra * sx / line.stretch;
        line.total += line.advance[i];
    }
    // Bytes that decode to nothing printable take a blank's room.
    line.shown = line.text.text;
    line.shown.replace(QChar(QChar::ReplacementCharacter), QLatin1Char(' '));
    if (!line.spaced)
        line.total = metrics.horizontalAdvance(line.shown);
}

// Where the line starts and where its baseline lies, from the reference
// point, by the text alignment.
QPointF alignedOrigin(int textAlign, double total, const QFontMetricsF &metrics)
{
    double x0 = 0;
    const int horizontal = textAlign & TA_HORIZONTAL_MASK;
    if (horizontal == TA_CENTER)
        x0 = -total / 2;
    else if (horizontal == TA_RIGHT)
        x0 = -total;
    const int vertical = textAlign & TA_VERTICAL_MASK;
    double baseline = metrics.ascent(); // top
    if (vertical == TA_BASELINE)
        baseline = 0;
    else if (vertical == TA_BOTTOM)
        baseline = -metrics.descent();
    return {x0, baseline};
}

// TA_UPDATECP: the next text starts where this one ends.
void advancePosition(Playback &p, const TextLine &line)
{
    const double sx = std::abs(p.toTarget.x.scale);
    const double logicalWidth = sx > 0 ? line.total * line.stretch / sx : 0;
    const double direction = p.toTarget.x.scale < 0 ? -1 : 1;
    const int horizontal = p.dc.textAlign & TA_HORIZONTAL_MASK;
    if (horizontal == TA_RIGHT)
        p.dc.position.rx() -= direction * logicalWidth;
    else if (horizontal != TA_CENTER)
        p.dc.position.rx() += direction * logicalWidth;
}

void paintGlyphs(QPainter &painter, const TextLine &line, QPointF origin)
{
    if (!line.spaced) {
        painter.drawText(origin, line.shown);
        return;
    }
    double x = origin.x();
    for (qsizetype i = 0; i < line.text.text.size(); ++i) {
        if (line.text.bytesPerUnit[size_t(i)] == 0)
            continue;
        const QChar c = line.text.text.at(i);
        if (!c.isSpace() && c != QChar(QChar::ReplacementCharacter))
            painter.drawText(QPointF(x, origin.y()), line.text.text.mid(i, startsPair(line.text, i) ? 2 : 1));
        x += line.advance[size_t(i)];
    }
}

// Draws the line in an upright frame at the reference point, turned by the escapement.
void paintLine(Playback &p, QPointF reference, const TextLine &line, const QFont &font, const QFontMetricsF &metrics,
               const std::optional<QRectF> &clip)
{
    QPainter &painter = p.surface.painter;
    const QPointF origin = alignedOrigin(p.dc.textAlign, line.total, metrics);
    painter.save();
    if (clip)
        painter.setClipRect(*clip, Qt::IntersectClip);
    QTransform frame = painter.worldTransform();
    frame.translate(p.toTarget.x.map(reference.x()), p.toTarget.y.map(reference.y()));
    if (p.dc.font.escapement != 0)
        frame.rotate(-p.dc.font.escapement / 10.0);
    frame.scale(line.stretch, 1);
    painter.setWorldTransform(frame);
    if (p.dc.backgroundMode == OPAQUE)
        painter.fillRect(QRectF(origin.x(), origin.y() - metrics.ascent(), line.total, metrics.ascent() + metrics.descent()),
                         QColor(p.color(p.dc.backgroundColor)));
    painter.setFont(font);
    painter.setPen(QColor(p.color(p.dc.textColor)));
    paintGlyphs(painter, line, origin);
    painter.restore();
}

} // namespace

void drawText(Playback &p, const TextRun &run)
{
    const bool updateCP = p.dc.textAlign & TA_UPDATECP;
    const QPointF reference = updateCP ? p.dc.position : run.reference;
    const QRectF rect = run.rect ? p.toTarget.mapRect(*run.rect) : QRectF();
    if (!p.prepareClip())
        return;
    p.surface.setComposition(QPainter::CompositionMode_SourceOver);
    // The opaque rectangle is filled even when there is no text.
    if (run.rect && (run.options & ETO_OPAQUE))
        p.surface.painter.fillRect(rect, QColor(p.color(p.dc.backgroundColor)));
    if (run.length == 0 || !run.bytes)
        return;
    TextLine line;
    line.text = decodeText(run.bytes, run.length, p.dc.font.charset, p.dc.font.symbol);
    const std::optional<QFont> font = glyphFont(p, p.faces.info(p.dc.font));
    if (!font)
        return;
    const QFontMetricsF metrics(*font, p.surface.painter.device());
    layOut(p, line, run, metrics);
    if (updateCP)
        advancePosition(p, line);
    const bool clipped = run.rect && (run.options & ETO_CLIPPED);
    paintLine(p, reference, line, *font, metrics, clipped ? std::optional<QRectF>(rect) : std::nullopt);
}

} // namespace wmf
