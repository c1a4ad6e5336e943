#pragma once

#include "document/DocumentText.h"

class QTextBlock;
class QTextDocument;
struct JournalEntry;

// Everything the journal relies on about how DocumentText turns a document into a file's bytes
// and back: the marks of the breaks that are not the document's own line end, the writer that
// encodes text kept outside a QTextDocument as Save would, and loading in a known format.
class JournalText {
public:
    using Writer = DocumentText::Writer;

    // The mark of the break before the block (0: the document's own line end).
    static int breakMark(const QTextBlock& blockAfterTheBreak);
    static bool mayHaveMarks(const QTextDocument& document);

    // Loads an entry's bytes into a document in the format they were kept in, and returns the
    // format the document saves in.
    static TextFormat restore(QTextDocument& document, const JournalEntry& entry);
};
