#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

#include "document/TextFormat.h"

class QTextBlock;
class QTextDocument;

// Everything the journal relies on about how DocumentText turns a document into a file's bytes
// and back: where it keeps each block's line-end bookkeeping, and its save and load. The journal
// copies that bookkeeping block by block to a copy of the document, so that the copy saves to the
// same bytes as the original would.
class JournalText {
public:
    // The block's line-end bookkeeping, as one number.
    static int lineEndMark(const QTextBlock& block);
    static void setLineEndMark(QTextBlock& block, int mark);

    // The bytes Save would write for the document, or no value (and *error) when a character
    // cannot be stored in the format's encoding.
    static std::optional<QByteArray> encode(const QTextDocument& document, const TextFormat& format,
                                            QString* error);

    // Loads journaled bytes into a document as opening them from a file would; the format found.
    static TextFormat restore(QTextDocument& document, const QByteArray& bytes);
};
