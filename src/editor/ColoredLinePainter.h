#pragma once

#include "editor/SyntaxKind.h"

#include <QColor>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QTextLayout>

class QGlyphRun;
class QFont;
class QPainter;
class QPen;

// Draws a laid-out line of text with its syntax colours. The colours are not part of the
// layout: a layout with colours is split into a run per colour that Qt shapes, lays out and
// draws on its own, which costs each key in a coloured line about a third more than in a
// plain one. Here the line stays one run, is laid out as plain text, and its glyphs are drawn
// colour by colour.
class ColoredLinePainter {
public:
    ColoredLinePainter(QPainter& painter, const SyntaxPalette& palette)
        : m_painter(painter), m_palette(palette) {}

    // Whether draw() can colour this text in this font: its glyphs must run left to right in the
    // order of the characters, and the font must draw no lines through or under them (each
    // colour's line would run under the others'). Other lines are left to drawThroughLayout().
    static bool canDraw(const QString& text, const QFont& font);

    // Whether drawBackground() paints `range` over `layout` as Qt's own drawing would: it only
    // lays a background under its text (the matching tags' marks do) and stays within one line.
    // Then the line need not go through drawThroughLayout().
    static bool canDrawBackground(const QTextLayout& layout, const QTextLayout::FormatRange& range);
    // Fills the background of `range` in `layout` at `offset`.
    void drawBackground(const QTextLayout& layout, const QPointF& offset,
                        const QTextLayout::FormatRange& range, const QRectF& clip);

    // Draws `layout` of `text` at `offset` (as QTextLayout::draw does), `spans` in their colours
    // and the rest in the painter's pen, skipping lines outside `clip`.
    void draw(const QTextLayout& layout, const QString& text, const QPointF& offset,
              const QList<SyntaxSpan>& spans, const QRectF& clip);

    // Draws as draw() does, through Qt's own text drawing: for what draw() leaves to Qt (right to
    // left text) and for lines with `selections` over them that change more than the background.
    // The line is laid out again with its colours, as `layout` was laid out with `font`, so it
    // costs a layout each time.
    void drawThroughLayout(const QTextLayout& layout, const QString& text, const QFont& font,
                           const QPointF& offset, const QList<SyntaxSpan>& spans,
                           const QList<QTextLayout::FormatRange>& selections, const QRectF& clip);

private:
    void drawByColor(const QGlyphRun& run, const qint8* kinds, const QPointF& origin,
                     const QPen& plain);
    void dropShapes(const QTextLayout& layout);

    QPainter& m_painter;
    const SyntaxPalette& m_palette;
};

class QTextBlock;

// Where the editor finds the colours of the lines it paints.
class LineColors {
public:
    // The coloured stretches of a line about to be painted, in the order of the text; null when
    // the line has none.
    virtual const QList<SyntaxSpan>* spansOf(const QTextBlock& block) = 0;
    virtual const SyntaxPalette& palette() const = 0;

protected:
    ~LineColors() = default;
};
