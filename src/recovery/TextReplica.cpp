#include "recovery/TextReplica.h"

#include <QTextBlock>
#include <QTextCursor>

#include "recovery/JournalText.h"

TextReplica::TextReplica() {
    // The copy only follows; an undo history would grow with every edit for nothing.
    m_document.setUndoRedoEnabled(false);
}

bool TextReplica::apply(const TextChanges& changes) {
    switch (changes.start) {
        case TextChanges::Start::FromText:
            m_document.setPlainText(changes.text);
            m_inStep = true;
            break;
        case TextChanges::Start::FromFile:
            JournalText::restore(m_document, changes.file);
            m_inStep = true;
            break;
        case TextChanges::Start::FromCopy:
            break;
    }
    if (!m_inStep)
        return false;
    bool fits = true;
    for (const TextEdit& edit : changes.edits)
        fits = fits && replace(edit);
    m_inStep = fits && copyMarks(changes) &&
               m_document.characterCount() == changes.characterCount &&
               m_document.blockCount() == changes.blockCount;
    return m_inStep;
}

bool TextReplica::replace(const TextEdit& edit) {
    if (edit.position < 0 || edit.removed < 0 ||
        edit.position + edit.removed >= m_document.characterCount())
        return false;
    QTextCursor cursor(&m_document);
    cursor.setPosition(edit.position);
    cursor.setPosition(edit.position + edit.removed, QTextCursor::KeepAnchor);
    // Like the editor's own insertion, this turns every U+2029 into a block break.
    if (edit.text.isEmpty())
        cursor.removeSelectedText();
    else
        cursor.insertText(edit.text);
    return true;
}

bool TextReplica::copyMarks(const TextChanges& changes) {
    QTextBlock block = m_document.findBlockByNumber(changes.firstMarkedBlock);
    for (const int mark : changes.marks) {
        if (!block.isValid())
            return false;
        JournalText::setLineEndMark(block, mark);
        block = block.next();
    }
    return true;
}
