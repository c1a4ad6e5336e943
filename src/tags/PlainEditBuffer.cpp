#include "tags/PlainEditBuffer.h"

namespace {

// Text from a clipboard may carry any line-end style; the buffer only knows '\n'.
QString withLineFeeds(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

}  // namespace

PlainEditBuffer::PlainEditBuffer(const QString& text, int pageLines)
    : m_text(text),
      m_position(int(text.size())),
      m_anchor(int(text.size())),
      m_pageLines(std::max(1, pageLines)) {}

QString PlainEditBuffer::selectedText() const {
    return m_text.mid(selectionStart(), selectionEnd() - selectionStart());
}

void PlainEditBuffer::setSelection(int anchor, int position) {
    m_anchor = std::clamp(anchor, 0, length());
    m_position = std::clamp(position, 0, length());
    m_goalColumn = -1;
}

void PlainEditBuffer::insertText(const QString& text) {
    removeSelection();
    m_text.insert(m_position, text);
    m_position += int(text.size());
    m_anchor = m_position;
    m_goalColumn = -1;
}

bool PlainEditBuffer::move(Move move, bool extendSelection) {
    const bool vertical = move == Move::LineUp || move == Move::LineDown || move == Move::PageUp ||
                          move == Move::PageDown;
    if (!vertical)
        m_goalColumn = -1;
    const int target = targetOf(move, extendSelection);
    if (target < 0)
        return false;
    const int oldPosition = m_position;
    const int oldAnchor = m_anchor;
    m_position = target;
    if (!extendSelection)
        m_anchor = target;
    return m_position != oldPosition || m_anchor != oldAnchor;
}

// Where the caret goes, or -1 when a vertical move finds no line to go to: then the editor
// leaves caret and selection untouched.
int PlainEditBuffer::targetOf(Move move, bool extendSelection) {
    const bool collapse = !extendSelection && hasSelection();
    switch (move) {
        case Move::Left:
            return collapse ? selectionStart() : previousPosition(m_position);
        case Move::Right:
            return collapse ? selectionEnd() : nextPosition(m_position);
        case Move::LineStart:
            return lineStart(m_position);
        case Move::LineEnd:
            return lineEnd(m_position);
        case Move::LineUp:
            // As the editor's Shift+Up: selecting up from the first line selects to the start.
            if (const int target = verticalTarget(-1); target >= 0 || !extendSelection)
                return target;
            return 0;
        case Move::LineDown:
            if (const int target = verticalTarget(1); target >= 0 || !extendSelection)
                return target;
            return length();
        case Move::PageUp:
            return verticalTarget(-m_pageLines);
        case Move::PageDown:
            return verticalTarget(m_pageLines);
        case Move::DocumentStart:
            return 0;
        case Move::DocumentEnd:
            return length();
    }
    return m_position;
}

// Moves up to |lines| lines up (negative) or down, keeping the goal column.
int PlainEditBuffer::verticalTarget(int lines) {
    int start = lineStart(m_position);
    if (m_goalColumn < 0)
        m_goalColumn = m_position - start;
    int moved = 0;
    for (; lines < 0 && start > 0; ++lines, ++moved)
        start = lineStart(start - 1);
    for (; lines > 0; --lines, ++moved) {
        const int end = lineEnd(start);
        if (end >= length())
            break;
        start = end + 1;
    }
    if (moved == 0)
        return -1;
    int target = std::min(start + m_goalColumn, lineEnd(start));
    if (target > 0 && target < length() && m_text[target].isLowSurrogate() &&
        m_text[target - 1].isHighSurrogate())
        --target;
    return target;
}

bool PlainEditBuffer::deleteForward() {
    m_goalColumn = -1;
    if (hasSelection()) {
        removeSelection();
        return true;
    }
    if (m_position >= length())
        return false;
    m_text.remove(m_position, nextPosition(m_position) - m_position);
    return true;
}

bool PlainEditBuffer::deleteBackward() {
    m_goalColumn = -1;
    if (hasSelection()) {
        removeSelection();
        return true;
    }
    if (m_position == 0)
        return false;
    const int from = previousPosition(m_position);
    m_text.remove(from, m_position - from);
    m_position = m_anchor = from;
    return true;
}

void PlainEditBuffer::selectAll() {
    m_anchor = 0;
    m_position = length();
    m_goalColumn = -1;
}

void PlainEditBuffer::cut() {
    if (!hasSelection())
        return;
    copy();
    removeSelection();
}

void PlainEditBuffer::copy() {
    if (hasSelection())
        m_clipboard = selectedText();
}

void PlainEditBuffer::paste() {
    if (!m_clipboard.isEmpty())
        insertText(withLineFeeds(m_clipboard));
}

int PlainEditBuffer::lineStart(int pos) const {
    const qsizetype lf = pos > 0 ? m_text.lastIndexOf(u'\n', pos - 1) : -1;
    return int(lf + 1);
}

int PlainEditBuffer::lineEnd(int pos) const {
    const qsizetype lf = m_text.indexOf(u'\n', pos);
    return lf < 0 ? length() : int(lf);
}

// One character back or forward; a surrogate pair is one character.
int PlainEditBuffer::previousPosition(int pos) const {
    if (pos <= 0)
        return 0;
    --pos;
    if (pos > 0 && m_text[pos].isLowSurrogate() && m_text[pos - 1].isHighSurrogate())
        --pos;
    return pos;
}

int PlainEditBuffer::nextPosition(int pos) const {
    if (pos >= length())
        return length();
    ++pos;
    if (pos < length() && m_text[pos].isLowSurrogate() && m_text[pos - 1].isHighSurrogate())
        ++pos;
    return pos;
}

void PlainEditBuffer::removeSelection() {
    const int start = selectionStart();
    m_text.remove(start, selectionEnd() - start);
    m_position = m_anchor = start;
}
