#pragma once

#include "editor/SyntaxKind.h"

#include <QList>
#include <QStringView>

// A read position in one line for the lexers, and the spans they find. A limit can hide the end
// of the line, so that a style sheet or script lexer stops where its element's end tag begins.
class LineScanner {
public:
    // `spans` may be null when only the state at the end of the line is wanted.
    LineScanner(QStringView line, QList<SyntaxSpan>* spans);

    qsizetype pos() const { return m_pos; }
    bool atEnd() const { return m_pos >= m_end; }
    // The character `ahead` places from here, or a null character past the limit. A line may
    // hold null characters of its own: ask atEnd() where the line ends.
    QChar peek(qsizetype ahead = 0) const;
    bool lookingAt(QLatin1StringView text, Qt::CaseSensitivity cs = Qt::CaseSensitive) const;
    void advance(qsizetype count = 1) { m_pos = qMin(m_pos + count, m_end); }
    void moveToEnd() { m_pos = m_end; }
    // Moves past the next `text` before the limit, or to the limit; true when it was found.
    bool skipPast(QLatin1StringView text);
    // Moves past characters while `accept` says so.
    template <typename Predicate>
    void skipWhile(Predicate accept) {
        while (m_pos < m_end && accept(m_line[m_pos]))
            ++m_pos;
    }

    // The text from `from` to here.
    QStringView textFrom(qsizetype from) const { return m_line.sliced(from, m_pos - from); }
    // Records the characters from `from` to here as `kind`; joins a span of the same kind that
    // ends at `from`.
    void mark(SyntaxKind kind, qsizetype from);

    // Hides the line from `end` on; clearLimit() shows it again.
    void limitTo(qsizetype end) { m_end = qMin(end, m_line.size()); }
    void clearLimit() { m_end = m_line.size(); }
    QStringView line() const { return m_line; }
    // The text from here to the limit.
    QStringView rest() const { return m_line.sliced(m_pos, m_end - m_pos); }

private:
    QStringView m_line;
    QList<SyntaxSpan>* m_spans;
    qsizetype m_pos = 0;
    qsizetype m_end;
};
