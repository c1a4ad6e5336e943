#pragma once

#include <optional>

#include <QString>

#include "state/FindState.h"

class QTextDocument;

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
