#pragma once

#include <QList>
#include <QTextCursor>
#include <optional>

class QTextDocument;

// The stops of one inserted text while the user moves between them. The text's ends and the
// stops are QTextCursors, so they follow every edit of the document. The session is told of each
// edit and ends at the first one that reaches outside the inserted text. Needs no widget.
class StopSession {
public:
    bool isActive() const { return m_active; }
    // Starts over the text from `start` to `end`; `stops` are document positions in ascending
    // order within it, the last being `end`. Typing at either end of the text leaves the end
    // where it is, so what is typed after the last stop is outside the text.
    void begin(QTextDocument* document, int start, int end, const QList<int>& stops);
    // Ends the session but keeps its cursors: an edit that ends it may be reported while
    // QTextDocument::clear() holds the document's cursors aside, and a cursor released then
    // would be put back dangling.
    void end();
    // Lets an ended session's cursors go, so later edits need not move them. Only outside an edit.
    void release();

    int textStart() const { return m_start.position(); }
    int textEnd() const { return m_end.position(); }
    // True while `position` lies in the inserted text, its two ends included.
    bool covers(int position) const;
    QList<int> stops() const;
    // The nearest stop after (before) `position`, if there is one.
    std::optional<int> stopAfter(int position) const;
    std::optional<int> stopBefore(int position) const;

    // An edit as QTextDocument::contentsChange reports it: `removed` characters at `position`
    // replaced by others. Ends the session when the edit reaches outside the text or when nothing
    // of the text is left.
    void noteEdit(int position, int removed);

private:
    QTextCursor m_start;
    QTextCursor m_end;
    QList<QTextCursor> m_stops;
    bool m_active = false;
    // The text's ends as they were before the edit that is being reported: the cursors have
    // followed it already by then.
    int m_startBefore = 0;
    int m_endBefore = 0;
};
