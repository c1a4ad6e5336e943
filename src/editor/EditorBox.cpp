#include "editor/EditorBox.h"

#include "editor/ColoredLinePainter.h"
#include "editor/EditorTextLayout.h"

#include <QAction>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

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
    QPlainTextEdit::keyPressEvent(event);
    emit keyPressHandled(event);
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

// The editor's own painting, line by line as QPlainTextEdit paints, except that each line is
// drawn in its colours.
void EditorBox::paintEvent(QPaintEvent* event) {
    if (!m_lineColors) {
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
    for (; block.isValid() && offset.y() <= viewport()->height(); block = block.next()) {
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
    const QList<SyntaxSpan>* spans = m_lineColors->spansOf(block);
    const QString text = block.text();
    const QFont font = document()->defaultFont();
    ColoredLinePainter colored(painter, m_lineColors->palette());
    // Text being composed in an input method is not part of the block's text yet.
    if (!spans || !layout->preeditAreaText().isEmpty())
        layout->draw(&painter, offset, selections, clip);
    else if (selections.isEmpty() && ColoredLinePainter::canDraw(text, font))
        colored.draw(*layout, text, offset, *spans, clip);
    else
        colored.drawThroughLayout(*layout, text, font, offset, *spans, selections, clip);

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
