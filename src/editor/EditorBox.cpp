#include "editor/EditorBox.h"

#include "editor/AutoIndent.h"
#include "editor/ColoredLinePainter.h"
#include "editor/EditorAppearance.h"
#include "editor/EditorTextLayout.h"
#include "editor/FoldedLines.h"
#include "editor/LineFolding.h"

#include <QAction>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

EditorBox::EditorBox(QWidget* parent) : QPlainTextEdit(parent) {
    auto* text = new QTextDocument(this);
    text->setDocumentLayout(new EditorTextLayout(text));
    setDocument(text);
    m_hiddenCursor = QTextCursor(text);
    setLineWrapMode(WidgetWidth);
    viewport()->setMouseTracking(true);
}

void EditorBox::switchBox() {
    const QTextCursor shown = textCursor();
    setLineWrapMode(wraps() ? NoWrap : WidgetWidth);
    if (m_hiddenCursor.document() != document())
        m_hiddenCursor = QTextCursor(document());
    setTextCursor(m_hiddenCursor);
    m_hiddenCursor = shown;
}

qint64 EditorBox::documentLength(int lineEndLength) const {
    const QTextDocument* doc = document();
    const qint64 lineBreaks = doc->blockCount() - 1;
    return doc->characterCount() - 1 + lineBreaks * (lineEndLength - 1);
}

qint64 EditorBox::selectionLength(int lineEndLength) const {
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return 0;
    const QTextDocument* doc = document();
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    const qint64 lineBreaks =
        doc->findBlock(end).blockNumber() - doc->findBlock(start).blockNumber();
    return end - start + lineBreaks * (lineEndLength - 1);
}

QRectF EditorBox::shownRect(const QTextBlock& block) const {
    return blockBoundingGeometry(block).translated(contentOffset());
}

void EditorBox::routeKey(const QKeySequence& keys, QAction* command) {
    m_keyRoutes.append({keys, command});
}

QAction* EditorBox::routedCommand(const QKeyEvent* event) const {
    // The keypad's Del is the same key as the main block's.
    const QKeySequence pressed(
        QKeyCombination(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key())));
    for (const KeyRoute& route : m_keyRoutes) {
        if (route.keys == pressed && route.command && route.command->isEnabled())
            return route.command;
    }
    return nullptr;
}

bool EditorBox::event(QEvent* event) {
    // Claiming the key here keeps both the editor's own shortcut handling and the menu's
    // shortcut from seeing it; the key press then arrives in keyPressEvent.
    if (event->type() == QEvent::ShortcutOverride &&
        routedCommand(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QPlainTextEdit::event(event);
}

void EditorBox::keyPressEvent(QKeyEvent* event) {
    if (QAction* command = routedCommand(event)) {
        command->trigger();
        event->accept();
        return;
    }
    if (!breakLineIndented(event))
        QPlainTextEdit::keyPressEvent(event);
    emit keyPressHandled(event);
}

bool EditorBox::breakLineIndented(QKeyEvent* event) {
    if (!m_autoIndent || isReadOnly() || !event->matches(QKeySequence::InsertParagraphSeparator))
        return false;
    QTextCursor cursor = textCursor();
    if (!AutoIndent::breakLine(cursor))
        return false;  // nothing to keep: the editor's own Enter
    setTextCursor(cursor);
    ensureCursorVisible();
    event->accept();
    return true;
}

void EditorBox::keyReleaseEvent(QKeyEvent* event) {
    QPlainTextEdit::keyReleaseEvent(event);
    emit keyReleased();
}

void EditorBox::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    emit mouseReleased();
}

void EditorBox::mouseMoveEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseMoveEvent(event);
    emit mouseMoved();
}

void EditorBox::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    emit focusReceived();
}

void EditorBox::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText())
        return;
    QTextCursor cursor = textCursor();
    cursor.insertText(source->text());
    setTextCursor(cursor);
    ensureCursorVisible();
}

void EditorBox::setLineColors(LineColors* colors) {
    m_lineColors = colors;
    viewport()->update();
}

void EditorBox::setCurrentLineShown(bool shown) {
    if (shown == m_currentLineShown)
        return;
    m_currentLineShown = shown;
    if (shown) {
        connect(this, &QPlainTextEdit::cursorPositionChanged, this, &EditorBox::followCaretLine);
        m_caretLine = textCursor().blockNumber();
        updateLine(m_caretLine);
    } else {
        disconnect(this, &QPlainTextEdit::cursorPositionChanged, this, &EditorBox::followCaretLine);
        updateLine(m_caretLine);
        m_caretLine = -1;
    }
}

QColor EditorBox::currentLineColor() const {
    const QPalette& colors = palette();
    return EditorAppearance::blend(colors.color(QPalette::Base), colors.color(QPalette::Text),
                                   0.08);
}

void EditorBox::followCaretLine() {
    const int line = textCursor().blockNumber();
    if (line == m_caretLine)
        return;
    updateLine(m_caretLine);
    updateLine(line);
    m_caretLine = line;
}

void EditorBox::updateLine(int blockNumber) {
    const QTextBlock block = document()->findBlockByNumber(blockNumber);
    if (!block.isValid())
        return;
    viewport()->update(lineBand(block));
}

QRect EditorBox::lineBand(const QTextBlock& block) const {
    const QRect line = shownRect(block).toAlignedRect();
    return QRect(0, line.top(), viewport()->width(), line.height());
}

void EditorBox::paintCurrentLine(const QRect& clip) {
    const QTextBlock block = textCursor().block();
    if (!block.isVisible())
        return;
    const QRect band = lineBand(block) & clip;
    if (band.isEmpty())
        return;
    QPainter painter(viewport());
    painter.fillRect(band, currentLineColor());
}

// The editor's own painting, line by line as QPlainTextEdit paints, except that each line is
// drawn in its colours. The current line's background goes under the text either way.
void EditorBox::paintEvent(QPaintEvent* event) {
    if (m_currentLineShown)
        paintCurrentLine(event->rect());
    // The plain editor's painting walks every hidden line between the first shown one and the
    // bottom of the window: over a long fold, that costs more than the lines shown.
    if (!m_lineColors && !(m_lineFolding && m_lineFolding->mayHaveFolds())) {
        QPlainTextEdit::paintEvent(event);
        return;
    }
    QPainter painter(viewport());
    QPointF offset = contentOffset();
    QRect clip = event->rect();
    const qreal textWidth = document()->documentLayout()->documentSize().width();
    // The right margin stays clear of selections that run to the end of a line.
    const int right = offset.x() + qMax(qreal(viewport()->width()), textWidth) -
                      document()->documentMargin() + cursorWidth();
    clip.setRight(qMin(clip.right(), right));
    painter.setBrushOrigin(offset);
    painter.setClipRect(clip);
    const QAbstractTextDocumentLayout::PaintContext context = getPaintContext();
    painter.setPen(context.palette.text().color());
    QTextBlock block = firstVisibleBlock();
    // Folded lines take no room: the loop steps over them in one go.
    for (; block.isValid() && offset.y() <= viewport()->height();
         block = FoldedLines::nextShown(block)) {
        const QRectF rect = blockBoundingRect(block).translated(offset);
        if (block.isVisible() && rect.bottom() >= clip.top() && rect.top() <= clip.bottom())
            paintBlock(painter, block, offset, context, clip);
        offset.ry() += rect.height();
    }
    if (backgroundVisible() && !block.isValid() && offset.y() <= clip.bottom() &&
        (centerOnScroll() || verticalScrollBar()->maximum() == verticalScrollBar()->minimum()))
        painter.fillRect(QRect(QPoint(clip.left(), int(offset.y())), clip.bottomRight()),
                         palette().window());
}

void EditorBox::paintBlock(QPainter& painter, const QTextBlock& block, const QPointF& offset,
                           const QAbstractTextDocumentLayout::PaintContext& context,
                           const QRectF& clip) {
    QTextLayout* layout = block.layout();
    const QList<QTextLayout::FormatRange> selections = selectionsIn(block, context.selections);
    const QList<SyntaxSpan>* spans = m_lineColors ? m_lineColors->spansOf(block) : nullptr;
    const QString text = block.text();
    const QFont font = document()->defaultFont();
    // Text being composed in an input method is not part of the block's text yet.
    if (!spans || !layout->preeditAreaText().isEmpty()) {
        layout->draw(&painter, offset, selections, clip);
        paintCaret(painter, block, offset, context);
        return;
    }
    ColoredLinePainter colored(painter, m_lineColors->palette());
    const auto backgroundOnly = [layout](const QTextLayout::FormatRange& selection) {
        return ColoredLinePainter::canDrawBackground(*layout, selection);
    };
    if (std::all_of(selections.cbegin(), selections.cend(), backgroundOnly) &&
        ColoredLinePainter::canDraw(text, font)) {
        for (const QTextLayout::FormatRange& selection : selections)
            colored.drawBackground(*layout, offset, selection, clip);
        colored.draw(*layout, text, offset, *spans, clip);
    } else
        colored.drawThroughLayout(*layout, text, font, offset, *spans, selections, clip);
    paintCaret(painter, block, offset, context);
}

void EditorBox::paintCaret(QPainter& painter, const QTextBlock& block, const QPointF& offset,
                           const QAbstractTextDocumentLayout::PaintContext& context) {
    QTextLayout* layout = block.layout();
    if (isReadOnly() && !(textInteractionFlags() & Qt::TextSelectableByKeyboard))
        return;
    // Below -1 the caret stands in the text being composed, counted from its end.
    int caret = context.cursorPosition;
    if (caret < -1 && !layout->preeditAreaText().isEmpty())
        caret = layout->preeditAreaPosition() - (caret + 2);
    else if (caret >= block.position() && caret < block.position() + block.length())
        caret -= block.position();
    else
        return;
    layout->drawCursor(&painter, offset, caret, cursorWidth());
}

QList<QTextLayout::FormatRange> EditorBox::selectionsIn(
    const QTextBlock& block, const QList<QAbstractTextDocumentLayout::Selection>& selections) {
    const int blockStart = block.position();
    const int blockEnd = blockStart + block.length();
    QList<QTextLayout::FormatRange> ranges;
    for (const QAbstractTextDocumentLayout::Selection& selection : selections) {
        const int start = selection.cursor.selectionStart();
        const int end = selection.cursor.selectionEnd();
        if (start < blockEnd && end > blockStart && end > start)
            ranges.append({start - blockStart, end - start, selection.format});
    }
    return ranges;
}
