#include "editor/EditorTextLayout.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

EditorTextLayout::EditorTextLayout(QTextDocument* document)
    : QPlainTextDocumentLayout(document), m_typedLine(document) {
    // At the line's start: text put in there belongs to the line.
    m_typedLine.setKeepPositionOnInsert(true);
}

void EditorTextLayout::keepShapesOf(const QTextBlock& block) {
    const QTextBlock typed = m_typedLine.block();
    if (typed == block && block.layout()->cacheEnabled())
        return;
    // The line typed in before goes back to throwing its shaped text away.
    if (typed.isValid() && typed.layout())
        typed.layout()->setCacheEnabled(false);
    m_typedLine.setPosition(block.position());
    block.layout()->setCacheEnabled(true);
}

void EditorTextLayout::documentChanged(int from, int charsRemoved, int charsAdded) {
    const QTextBlock block = document()->findBlock(from);
    if (block == document()->findBlock(qMax(0, from + charsRemoved + charsAdded - 1)))
        keepShapesOf(block);
    QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
}
