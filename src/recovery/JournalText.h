#pragma once

#include "text/DocumentText.h"

class QTextBlock;
class QTextDocument;

// Everything the journal relies on about how DocumentText turns a document into a file's bytes
// and back: the marks of the breaks that are not the document's own line end, and the writer
// that encodes text kept outside a QTextDocument as Save would.
class JournalText {
public:
    using Writer = DocumentText::Writer;

    // The mark of the break before the block (0: the document's own line end).
    static int breakMark(const QTextBlock& blockAfterTheBreak);
    static bool mayHaveMarks(const QTextDocument& document);
};
