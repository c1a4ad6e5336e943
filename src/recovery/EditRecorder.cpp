#include "recovery/EditRecorder.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "recovery/JournalText.h"

namespace {

// Past this many new characters in one edit, reading the whole text later is cheaper than
// cutting the new part out now (a cursor's selected text costs several times a raw copy).
constexpr int kLargeEdit = 1 << 20;

int rawLength(const QTextDocument& document) {
    return document.characterCount() - 1;
}

}  // namespace

EditRecorder::EditRecorder(QTextDocument& document) : m_document(document) {
    connect(&document, &QTextDocument::contentsChange, this, &EditRecorder::record);
}

EditRecorder::EditRecorder(QTextDocument& document, const QByteArray& loadedFrom)
    : EditRecorder(document) {
    m_whole = false;
    m_fromFile = true;
    m_file = loadedFrom;
    m_length = rawLength(document);
}

void EditRecorder::requireWholeText() {
    m_whole = true;
    m_fromFile = false;
    m_file.clear();
    m_edits.clear();
}

// Qt reports some replacements (setPlainText, clear) with counts that include the document's
// closing block break; the lengths before and after tell the true number of removed characters,
// so Qt's own count of them goes unused.
void EditRecorder::record(int position, int /*charsRemoved*/, int charsAdded) {
    if (m_whole)
        return;
    const int length = rawLength(m_document);
    const int added = std::min(charsAdded, length - position);
    const int removed = m_length + added - length;
    if (position < 0 || added < 0 || removed < 0 || position + removed > m_length ||
        added > kLargeEdit) {
        requireWholeText();
        return;
    }
    m_length = length;
    if (removed == 0 && added == 0)
        return;
    QTextCursor cursor(&m_document);
    cursor.setPosition(position);
    cursor.setPosition(position + added, QTextCursor::KeepAnchor);
    m_edits.append({position, removed, cursor.selectedText()});
    widenSpan(position, removed, added);
}

// Keeps [m_spanStart, m_spanEnd] covering every position that an edit since the last take()
// touched, in the coordinates of the current text.
void EditRecorder::widenSpan(int position, int removed, int added) {
    if (m_spanStart < 0) {
        m_spanStart = position;
        m_spanEnd = position + added;
        return;
    }
    if (m_spanEnd >= position + removed)
        m_spanEnd += added - removed;
    else if (m_spanEnd > position)
        m_spanEnd = position + added;
    m_spanStart = std::min(m_spanStart, position);
    m_spanEnd = std::max(m_spanEnd, position + added);
}

void EditRecorder::readMarks(TextChanges& changes, int from, int to) const {
    const int length = rawLength(m_document);
    QTextBlock block = m_document.findBlock(std::min(from, length));
    const QTextBlock last = m_document.findBlock(std::min(to, length));
    changes.firstMarkedBlock = block.blockNumber();
    for (; block.isValid(); block = block.next()) {
        changes.marks.append(JournalText::lineEndMark(block));
        if (block == last)
            break;
    }
}

TextChanges EditRecorder::take() {
    TextChanges changes;
    if (m_whole) {
        changes.start = TextChanges::Start::FromText;
        changes.text = m_document.toRawText();
        m_length = changes.text.size();
        readMarks(changes, 0, m_length);
    } else {
        if (m_fromFile) {
            changes.start = TextChanges::Start::FromFile;
            changes.file.swap(m_file);
        }
        changes.edits.swap(m_edits);
        if (m_spanStart >= 0)
            readMarks(changes, m_spanStart, m_spanEnd);
    }
    changes.characterCount = m_document.characterCount();
    changes.blockCount = m_document.blockCount();
    m_whole = m_fromFile = false;
    m_spanStart = m_spanEnd = -1;
    return changes;
}
