#pragma once

#include <optional>

#include <QString>

class QTextDocument;

// The program-wide search state, shared by every document window.
struct FindState {
    QString text;            // what is searched for
    int matchCase = 0;       // non-zero: exact case; 0: upper-case forms compared
    int direction = 1;       // 1: down, towards the end; any other value: up
    qsizetype lastPos = 0;   // the editor's selection start just after the last search
    bool firstTime = false;  // true from opening the Find dialog until its first search
};

struct FindMatch {
    qsizetype start = 0;
    qsizetype length = 0;

    friend bool operator==(const FindMatch&, const FindMatch&) = default;
};

// The search behind Find and Find Next. Positions are the editor's: a line break is one
// position. A match lies within one line and the search never wraps around. The document's text
// is read out once per revision and kept with the document, so that searching again without an
// edit in between is one scan of text already in memory.
class FindEngine {
public:
    // Searches from the editor's selection start without changing the state.
    static std::optional<FindMatch> search(const FindState& state, const QTextDocument& document,
                                           qsizetype selectionStart);

    // Records a finished search: the editor's selection start after it, and no longer first.
    static void recordSearch(FindState& state, qsizetype selectionStartNow);

    // search() and then recordSearch(), for a caller that selects the match it gets back and
    // leaves the selection alone when there is none.
    static std::optional<FindMatch> findNext(FindState& state, const QTextDocument& document,
                                             qsizetype selectionStart);

    // The text shown when a search finds nothing.
    static QString notFoundMessage(const QString& findText);
};
