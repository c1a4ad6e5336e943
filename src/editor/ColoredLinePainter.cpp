#include "editor/ColoredLinePainter.h"

#include "text/TextDirection.h"

#include <QFont>
#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>
#include <QVarLengthArray>
#include <algorithm>
#include <array>
#include <limits>

namespace {

constexpr qint8 kPlain = -1;
constexpr int kColorCount = kSyntaxKindCount + 1;  // the kinds and plain text

// The colour of each glyph of a line, in the order glyphRuns() gives them.
using GlyphKinds = QVarLengthArray<qint8, 256>;

qint8 kindAt(const QList<SyntaxSpan>& spans, qsizetype& span, int offset) {
    while (span < spans.size() && spans[span].start + spans[span].length <= offset)
        ++span;
    return span < spans.size() && spans[span].start <= offset ? qint8(spans[span].kind) : kPlain;
}

// In a line of printable ASCII every character but a tab has one glyph of its own, in the order
// of the text (a tab has none). Returns false for any other line.
bool kindsByCharacter(const QTextLine& line, const QString& text, const QList<SyntaxSpan>& spans,
                      qsizetype glyphCount, GlyphKinds& kinds) {
    kinds.clear();
    qsizetype span = 0;
    const int end = line.textStart() + line.textLength();
    for (int offset = line.textStart(); offset < end; ++offset) {
        const char16_t ch = text[offset].unicode();
        if (ch == u'\t')
            continue;
        if (ch < 0x20 || ch > 0x7e)
            return false;
        kinds.append(kindAt(spans, span, offset));
    }
    return kinds.size() == glyphCount;
}

// Elsewhere a glyph takes the colour of the character whose cursor stands where it starts.
void kindsByPosition(const QTextLine& line, const QList<SyntaxSpan>& spans,
                     const QList<QGlyphRun>& runs, GlyphKinds& kinds) {
    struct Stop {
        qreal x;
        qint8 kind;
    };
    QVarLengthArray<Stop, 32> stops{{-std::numeric_limits<qreal>::infinity(), kPlain}};
    const int lineStart = line.textStart();
    const int lineEnd = lineStart + line.textLength();
    for (const SyntaxSpan& span : spans) {
        const int start = qMax(span.start, lineStart);
        const int end = qMin(span.start + span.length, lineEnd);
        if (start < end) {
            stops.append({line.cursorToX(start), qint8(span.kind)});
            stops.append({line.cursorToX(end), kPlain});
        }
    }
    kinds.clear();
    for (const QGlyphRun& run : runs) {
        qsizetype stop = 0;
        for (const QPointF& position : run.positions()) {
            // Half a pixel of slack for rounding.
            while (stop + 1 < stops.size() && stops[stop + 1].x <= position.x() + 0.5)
                ++stop;
            kinds.append(stops[stop].kind);
        }
    }
}

}  // namespace

bool ColoredLinePainter::canDraw(const QString& text, const QFont& font) {
    if (font.underline() || font.strikeOut() || font.overline())
        return false;
    return !TextDirection::hasRightToLeft(text);
}

bool ColoredLinePainter::canDrawBackground(const QTextLayout& layout,
                                           const QTextLayout::FormatRange& range) {
    const QMap<int, QVariant> properties = range.format.properties();
    const bool backgroundOnly =
        std::all_of(properties.keyBegin(), properties.keyEnd(), [](int property) {
            return property == QTextFormat::BackgroundBrush ||
                   property >= QTextFormat::UserProperty;
        });
    const QTextLine line = layout.lineForTextPosition(range.start);
    if (!backgroundOnly || !line.isValid() || range.length <= 0)
        return false;
    // Qt widens a stretch that goes on past its line's end (the last line's break included) to
    // the line's edge.
    const bool last = line.lineNumber() == layout.lineCount() - 1;
    return range.start + range.length < line.textStart() + line.textLength() + (last ? 1 : 0);
}

void ColoredLinePainter::drawBackground(const QTextLayout& layout, const QPointF& offset,
                                        const QTextLayout::FormatRange& range, const QRectF& clip) {
    const QTextLine line = layout.lineForTextPosition(range.start);
    const QPointF origin = offset + layout.position();
    const qreal left = line.cursorToX(range.start);
    // Widened to whole pixels, as Qt draws a selection's background.
    const QRect rect = QRectF(origin.x() + left, origin.y() + line.y(),
                              line.cursorToX(range.start + range.length) - left, line.height())
                           .toAlignedRect();
    if (rect.intersects(clip.toAlignedRect()))
        m_painter.fillRect(rect, range.format.background());
}

void ColoredLinePainter::draw(const QTextLayout& layout, const QString& text, const QPointF& offset,
                              const QList<SyntaxSpan>& spans, const QRectF& clip) {
    const QPointF origin = offset + layout.position();
    const QPen plain = m_painter.pen();
    GlyphKinds kinds;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        const qreal top = origin.y() + line.y();
        if (top > clip.bottom() || top + line.height() < clip.top())
            continue;
        const QList<QGlyphRun> runs = line.glyphRuns();
        qsizetype glyphCount = 0;
        for (const QGlyphRun& run : runs)
            glyphCount += run.glyphIndexes().size();
        if (!kindsByCharacter(line, text, spans, glyphCount, kinds))
            kindsByPosition(line, spans, runs, kinds);
        const qint8* runKinds = kinds.constData();
        for (const QGlyphRun& run : runs) {
            drawByColor(run, runKinds, origin, plain);
            runKinds += run.glyphIndexes().size();
        }
    }
    m_painter.setPen(plain);
    if (!layout.cacheEnabled())
        dropShapes(layout);
}

void ColoredLinePainter::drawThroughLayout(const QTextLayout& layout, const QString& text,
                                           const QFont& font, const QPointF& offset,
                                           const QList<SyntaxSpan>& spans,
                                           const QList<QTextLayout::FormatRange>& selections,
                                           const QRectF& clip) {
    QList<QTextLayout::FormatRange> colors;
    colors.reserve(spans.size());
    for (const SyntaxSpan& span : spans) {
        colors.append({span.start, span.length, {}});
        colors.last().format.setForeground(m_palette[int(span.kind)]);
    }
    QTextLayout colored(text, font);
    colored.setTextOption(layout.textOption());
    colored.setFormats(colors);
    colored.beginLayout();
    for (int i = 0; i < layout.lineCount(); ++i) {
        QTextLine line = colored.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(layout.lineAt(i).width());
        line.setPosition(layout.lineAt(i).position());
    }
    colored.endLayout();
    colored.setPosition(layout.position());
    colored.draw(&m_painter, offset, selections, clip);
}

// One draw per colour: a glyph run places each glyph itself, so the glyphs of one colour need
// not stand together.
void ColoredLinePainter::drawByColor(const QGlyphRun& run, const qint8* kinds,
                                     const QPointF& origin, const QPen& plain) {
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    std::array<qsizetype, kColorCount + 1> starts{};
    for (qsizetype i = 0; i < glyphs.size(); ++i)
        ++starts[kinds[i] + 2];
    for (int color = 1; color <= kColorCount; ++color)
        starts[color] += starts[color - 1];
    QVarLengthArray<quint32, 256> sortedGlyphs(glyphs.size());
    QVarLengthArray<QPointF, 256> sortedPositions(glyphs.size());
    std::array<qsizetype, kColorCount + 1> next = starts;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        const qsizetype at = next[kinds[i] + 1]++;
        sortedGlyphs[at] = glyphs[i];
        sortedPositions[at] = positions[i];
    }
    QGlyphRun part = run;
    for (int color = 0; color < kColorCount; ++color) {
        const qsizetype count = starts[color + 1] - starts[color];
        if (count == 0)
            continue;
        part.setRawData(sortedGlyphs.constData() + starts[color],
                        sortedPositions.constData() + starts[color], int(count));
        m_painter.setPen(color == 0 ? plain : QPen(m_palette[color - 1]));
        m_painter.drawGlyphRun(origin, part);
    }
}

// Reading a layout's glyphs shapes its text and keeps the shapes; Qt's own drawing lets them go
// unless the layout caches them. A draw outside every line lets them go the same way, so that
// the lines scrolled past do not pile up their shapes.
void ColoredLinePainter::dropShapes(const QTextLayout& layout) {
    const QRectF nowhere(0, -1e9, 1, 1);
    layout.draw(&m_painter, QPointF(), {}, nowhere);
}
