#include "syntax/LineScanner.h"

LineScanner::LineScanner(QStringView line, QList<SyntaxSpan>* spans)
    : m_line(line), m_spans(spans), m_end(line.size()) {}

QChar LineScanner::peek(qsizetype ahead) const {
    const qsizetype at = m_pos + ahead;
    return at < m_end ? m_line[at] : QChar();
}

bool LineScanner::lookingAt(QLatin1StringView text, Qt::CaseSensitivity cs) const {
    if (m_end - m_pos < text.size())
        return false;
    return m_line.sliced(m_pos, text.size()).compare(text, cs) == 0;
}

bool LineScanner::skipPast(QLatin1StringView text) {
    const qsizetype at = m_line.first(m_end).indexOf(text, m_pos);
    if (at < 0) {
        m_pos = m_end;
        return false;
    }
    m_pos = at + text.size();
    return true;
}

void LineScanner::mark(SyntaxKind kind, qsizetype from) {
    if (!m_spans || m_pos <= from)
        return;
    const int start = int(from);
    const int length = int(m_pos - from);
    if (!m_spans->isEmpty()) {
        SyntaxSpan& last = m_spans->last();
        if (last.kind == kind && last.start + last.length == start) {
            last.length += length;
            return;
        }
    }
    m_spans->append({start, length, kind});
}
