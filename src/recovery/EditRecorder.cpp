#include "recovery/EditRecorder.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QtConcurrent>
#include <utility>

#include "recovery/JournalText.h"

namespace {

// A file's bytes wait for the first change packed when there are this many of them: an unchanged
// page then costs a fraction of its size, not a second copy of it beside the editor's text.
constexpr qsizetype kPackFrom = 256 * 1024;
// Packing waits until the page is shown, so that it never competes with opening it.
constexpr int kPackDelayMs = 1000;

int rawLength(const QTextDocument& document) {
    return document.characterCount() - 1;
}

}  // namespace

EditRecorder::EditRecorder(QTextDocument& document) : m_document(document) {
    connect(&document, &QTextDocument::contentsChange, this, &EditRecorder::record);
}

EditRecorder::EditRecorder(QTextDocument& document, const QByteArray& loadedFrom,
                           const TextFormat& format)
    : EditRecorder(document) {
    m_whole = false;
    m_fromFile = true;
    m_file = loadedFrom;
    m_fileFormat = format;
    m_length = rawLength(document);
    if (m_file.size() >= kPackFrom)
        QTimer::singleShot(kPackDelayMs, this, &EditRecorder::packFile);
}

void EditRecorder::packFile() {
    if (!m_fromFile || m_filePacked)
        return;
    connect(&m_packing, &QFutureWatcher<QByteArray>::finished, this, &EditRecorder::takePackedFile);
    // The fastest level: HTML still packs to about a fifth, in a fraction of the time.
    m_packing.setFuture(QtConcurrent::run([bytes = m_file] { return qCompress(bytes, 1); }));
}

// The packed bytes stand in for the file's once done, unless the file's bytes were handed over
// or given up meanwhile.
void EditRecorder::takePackedFile() {
    const QByteArray packed = m_packing.result();
    if (!m_fromFile || m_filePacked || packed.isEmpty())
        return;
    m_file = packed;
    m_filePacked = true;
}

void EditRecorder::requireWholeText() {
    m_whole = true;
    m_fromFile = false;
    m_file.clear();
    m_filePacked = false;
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
    // An edit that put in most of the text is cheaper to take as the whole text than to cut
    // out (a cursor's selected text costs several times a raw copy).
    if (position < 0 || added < 0 || removed < 0 || position + removed > m_length ||
        added > length / 2 + 4096) {
        requireWholeText();
        return;
    }
    m_length = length;
    if (removed == 0 && added == 0)
        return;
    QTextCursor cursor(&m_document);
    cursor.setPosition(position);
    cursor.setPosition(position + added, QTextCursor::KeepAnchor);
    TextEdit edit{position, removed, cursor.selectedText(), {}};
    if (edit.text.contains(QChar::ParagraphSeparator))
        edit.marks = marksIn(position, position + added);
    m_edits.append(std::move(edit));
}

// The marked breaks among the characters [from, to), by their position from `from`. A break is
// the separator that ends a block, so its mark is that of the block after it.
QList<MarkedBreak> EditRecorder::marksIn(int from, int to) const {
    QList<MarkedBreak> marks;
    if (from == to || !JournalText::mayHaveMarks(m_document))
        return marks;
    for (QTextBlock block = m_document.findBlock(from).next();
         block.isValid() && block.position() <= to; block = block.next()) {
        if (const int mark = JournalText::breakMark(block))
            marks.append({block.position() - 1 - from, mark});
    }
    return marks;
}

TextChanges EditRecorder::take() {
    TextChanges changes;
    if (m_whole) {
        changes.start = TextChanges::Start::FromText;
        changes.text = m_document.toRawText();
        m_length = int(changes.text.size());
        changes.textMarks = marksIn(0, m_length);
    } else {
        if (m_fromFile) {
            changes.start = TextChanges::Start::FromFile;
            changes.file.swap(m_file);
            changes.filePacked = std::exchange(m_filePacked, false);
            changes.fileFormat = m_fileFormat;
        }
        changes.edits.swap(m_edits);
    }
    changes.characterCount = m_document.characterCount();
    changes.blockCount = m_document.blockCount();
    m_whole = m_fromFile = false;
    return changes;
}
