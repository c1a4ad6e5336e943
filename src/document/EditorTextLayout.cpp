#include "document/EditorTextLayout.h"

#include <QSignalBlocker>
#include <QTextDocument>

EditorTextLayout::EditorTextLayout(QTextDocument* document) : QPlainTextDocumentLayout(document) {}

void EditorTextLayout::setLineFormats(const QTextBlock& block,
                                      const QList<QTextLayout::FormatRange>& formats) {
    keepHeight(block);
    block.layout()->setFormats(formats);
    if (m_inEditHook)
        return;  // the edit's own report lays the line out and redraws it
    // Settles Qt's report of the new formats now, as a change of this one line; left pending,
    // the next edit would carry it. The line is about to be painted: no redraw is asked for.
    m_settling = block;
    const QSignalBlocker quiet(this);
    document()->markContentsDirty(block.position(), 1);
    m_settling = QTextBlock();
}

void EditorTextLayout::keepShapesOf(const QTextBlock& block) {
    // A layout throws its shaped text away once laid out, so the editor shapes the line again to
    // draw it and again to place the caret. The line being typed in keeps it; the one typed in
    // before goes back to throwing it away.
    if (block == m_typedLine)
        return;
    if (m_typedLine.isValid() && m_typedLine.layout())
        m_typedLine.layout()->setCacheEnabled(false);
    m_typedLine = block;
    block.layout()->setCacheEnabled(true);
}

void EditorTextLayout::keepHeight(const QTextBlock& block) {
    // A line that was never laid out has no height to keep: the change then lays it out and,
    // its old height being unknown, redraws everything, as the plain layout would.
    m_keptRect = block.layout()->lineCount() > 0
                     ? QPlainTextDocumentLayout::blockBoundingRect(block)
                     : QRectF();
    m_keptBlock = block;
}

QRectF EditorTextLayout::blockBoundingRect(const QTextBlock& block) const {
    if (m_keptBlock.isValid() && block == m_keptBlock) {
        m_keptBlock = QTextBlock();  // asked once, for the height before the change
        return m_keptRect;
    }
    return QPlainTextDocumentLayout::blockBoundingRect(block);
}

void EditorTextLayout::documentChanged(int from, int charsRemoved, int charsAdded) {
    if (m_settling.isValid()) {
        // New formats of one line only: reported as such, not as the whole line's text removed
        // and added again (which reaches into the lines below).
        QPlainTextDocumentLayout::documentChanged(m_settling.position(), 0, 1);
    } else {
        const QTextBlock block = document()->findBlock(from);
        if (block == document()->findBlock(qMax(0, from + charsRemoved + charsAdded - 1))) {
            keepShapesOf(block);
            if (m_editHook) {
                m_inEditHook = true;
                m_editHook(block);
                m_inEditHook = false;
            }
        }
        QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
    }
    m_keptBlock = QTextBlock();
}
