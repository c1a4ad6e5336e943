#include "editor/EditorTextLayout.h"

#include <QTextDocument>
#include <QTextLayout>

EditorTextLayout::EditorTextLayout(QTextDocument* document) : QPlainTextDocumentLayout(document) {}

void EditorTextLayout::keepShapesOf(const QTextBlock& block) {
    // The line typed in before goes back to throwing its shaped text away.
    if (block == m_typedLine)
        return;
    if (m_typedLine.isValid() && m_typedLine.layout())
        m_typedLine.layout()->setCacheEnabled(false);
    m_typedLine = block;
    block.layout()->setCacheEnabled(true);
}

void EditorTextLayout::documentChanged(int from, int charsRemoved, int charsAdded) {
    const QTextBlock block = document()->findBlock(from);
    if (block == document()->findBlock(qMax(0, from + charsRemoved + charsAdded - 1)))
        keepShapesOf(block);
    QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
}

QRectF EditorTextLayout::blockBoundingRect(const QTextBlock& block) const {
    if (block.isValid() && !block.isVisible())
        return {};
    return QPlainTextDocumentLayout::blockBoundingRect(block);
}

void EditorTextLayout::visibilityChanged(const QTextBlock& first, const QTextBlock& last) {
    // Told as a change of the range, the plain layout sets each line's count of displayed lines
    // from its visibility, resizes the document and repaints the views.
    const int from = first.position();
    QPlainTextDocumentLayout::documentChanged(from, 0, last.position() + last.length() - from);
}
