#include "tags/TextEditBuffer.h"

#include "tags/ScriptApplier.h"

#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTextDocument>

// Edits go inside a QTextDocument edit block so the script is one undo step. Line moves must
// happen outside one: while a block is open, QTextCursor ignores the wrapped layout and moves by
// paragraphs. So each run of edits opens the block (joining the step already begun) and each
// move closes it; the layout of the edited lines is brought up to date when the block closes.

TextEditBuffer::TextEditBuffer(QPlainTextEdit* editor, UndoStep step)
    : m_editor(editor),
      m_cursor(editor->textCursor()),
      m_steps(*editor->document()),
      m_step(step) {}

TextEditBuffer::~TextEditBuffer() {
    finish();
}

ScriptOutcome TextEditBuffer::typeScript(QPlainTextEdit* editor, const QString& script,
                                         UndoStep step) {
    TextEditBuffer buffer(editor, step);
    ScriptApplier applier(buffer);
    applier.apply(script);
    buffer.finish();
    return applier.outcome();
}

void TextEditBuffer::finish() {
    if (m_finished)
        return;
    m_finished = true;
    closeEdit();
    m_editor->setTextCursor(m_cursor);
    m_editor->ensureCursorVisible();
}

int TextEditBuffer::length() const {
    // The document always holds one more character than its text: the final block's end.
    return m_cursor.document()->characterCount() - 1;
}

void TextEditBuffer::insertText(const QString& text) {
    if (text.isEmpty() && !hasSelection())
        return;
    openEdit();
    const int from = m_cursor.selectionStart();
    const int removed = m_cursor.selectionEnd() - from;
    m_cursor.insertText(text);
    m_steps.noteEdit(from, removed, text);
}

bool TextEditBuffer::move(Move move, bool extendSelection) {
    // Within the edit, so the paragraph is not laid out again for each step.
    if (const std::optional<int> target = stepWithoutLayout(move, extendSelection)) {
        if (*target == position())
            return false;
        m_cursor.setPosition(*target);
        return true;
    }
    closeEdit();
    // Left or Right without Shift puts the caret at that edge of a selection.
    if (!extendSelection && hasSelection() && (move == Move::Left || move == Move::Right)) {
        m_cursor.setPosition(move == Move::Left ? m_cursor.selectionStart()
                                                : m_cursor.selectionEnd());
        return true;
    }
    return moveThroughLayout(move, extendSelection);
}

bool TextEditBuffer::moveThroughLayout(Move move, bool extendSelection) {
    const auto mode = extendSelection ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor;
    switch (move) {
        case Move::Left:
            return moveByLayout(QTextCursor::Left, mode, 1);
        case Move::Right:
            return moveByLayout(QTextCursor::Right, mode, 1);
        case Move::LineStart:
            return moveByLayout(QTextCursor::StartOfLine, mode, 1);
        case Move::LineEnd:
            return moveByLayout(QTextCursor::EndOfLine, mode, 1);
        case Move::LineUp:
            // As the editor's Shift+Up: selecting up from the first line selects to the start.
            return moveByLayout(QTextCursor::Up, mode, 1) ||
                   (extendSelection && moveByLayout(QTextCursor::Start, mode, 1));
        case Move::LineDown:
            return moveByLayout(QTextCursor::Down, mode, 1) ||
                   (extendSelection && moveByLayout(QTextCursor::End, mode, 1));
        case Move::PageUp:
            return moveByLayout(QTextCursor::Up, mode, pageLineCount());
        case Move::PageDown:
            return moveByLayout(QTextCursor::Down, mode, pageLineCount());
        case Move::DocumentStart:
            return moveByLayout(QTextCursor::Start, mode, 1);
        case Move::DocumentEnd:
            return moveByLayout(QTextCursor::End, mode, 1);
    }
    return false;
}

// QTextCursor stops at the first step it cannot take and keeps the steps it took.
bool TextEditBuffer::moveByLayout(QTextCursor::MoveOperation operation, QTextCursor::MoveMode mode,
                                  int count) {
    const int oldPosition = m_cursor.position();
    const int oldAnchor = m_cursor.anchor();
    m_cursor.movePosition(operation, mode, count);
    return m_cursor.position() != oldPosition || m_cursor.anchor() != oldAnchor;
}

// As many lines as the viewport shows, as the editor's own Page keys move.
int TextEditBuffer::pageLineCount() const {
    const int lineHeight = std::max(1, QFontMetrics(m_editor->font()).lineSpacing());
    return std::max(1, m_editor->viewport()->height() / lineHeight);
}

std::optional<int> TextEditBuffer::stepWithoutLayout(Move move, bool extendSelection) {
    if (extendSelection || hasSelection())
        return std::nullopt;
    if (move == Move::Left)
        return m_steps.left(position());
    if (move == Move::Right)
        return m_steps.right(position());
    return std::nullopt;
}

bool TextEditBuffer::deleteForward() {
    if (!hasSelection() && position() >= length())
        return false;
    openEdit();
    const int lengthBefore = length();
    const int at = position();
    if (const std::optional<int> end = hasSelection() ? std::nullopt : m_steps.deleteEnd(at)) {
        // What deleteChar() does, less its look at the layout: the caret stays, the rest goes.
        m_cursor.setPosition(*end);
        m_cursor.setPosition(at, QTextCursor::KeepAnchor);
        m_cursor.removeSelectedText();
    } else {
        m_cursor.deleteChar();
    }
    noteRemoval(lengthBefore);
    return true;
}

bool TextEditBuffer::deleteBackward() {
    if (!hasSelection() && position() == 0)
        return false;
    openEdit();
    const int lengthBefore = length();
    m_cursor.deletePreviousChar();
    noteRemoval(lengthBefore);
    return true;
}

// After a removal the caret stands where the removed text began.
void TextEditBuffer::noteRemoval(int lengthBefore) {
    m_steps.noteEdit(position(), lengthBefore - length(), {});
}

void TextEditBuffer::selectAll() {
    closeEdit();
    m_cursor.select(QTextCursor::Document);
}

void TextEditBuffer::cut() {
    if (!hasSelection())
        return;
    copy();
    openEdit();
    const int lengthBefore = length();
    m_cursor.removeSelectedText();
    noteRemoval(lengthBefore);
}

void TextEditBuffer::copy() {
    if (!hasSelection())
        return;
    // Block separators come back as U+2029; the clipboard gets plain line feeds.
    QString text = m_cursor.selectedText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    QGuiApplication::clipboard()->setText(text);
}

void TextEditBuffer::paste() {
    QString text = QGuiApplication::clipboard()->text();
    if (text.isEmpty())
        return;
    // QTextCursor would make two line breaks of a CR LF pair.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    insertText(text);
}

void TextEditBuffer::openEdit() {
    if (m_editOpen)
        return;
    // Only after this script has edited is the previous undo step certainly its own.
    if (m_edited || m_step == UndoStep::JoinPrevious)
        m_cursor.joinPreviousEditBlock();
    else
        m_cursor.beginEditBlock();
    m_editOpen = true;
    m_edited = true;
}

void TextEditBuffer::closeEdit() {
    if (!m_editOpen)
        return;
    m_cursor.endEditBlock();
    m_editOpen = false;
}
