#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

#include "document/TextFormat.h"

class QTextDocument;

// Moves a whole file between its bytes and an editor's QTextDocument without losing a byte.
//
// QTextDocument turns every line end it meets ("\r\n", "\r", "\n", U+2029, U+FDD0, U+FDD1) into
// the same block break. The file's own line end (the first one in it) is what new breaks get;
// each loaded block's user state remembers the breaks around it, so an unchanged document
// saves back to exactly the bytes it was loaded from. Block user states are therefore reserved
// for this class. Nothing here runs while the user edits.
class DocumentText {
public:
    // The encoding (UTF-8 when the bytes are valid UTF-8, else Latin-1) and the first line end.
    static TextFormat detect(const QByteArray& bytes);

    // Replaces the document's whole content with the file's text. Not undoable: the undo
    // history is cleared and the document is left unmodified.
    static TextFormat load(QTextDocument& document, const QByteArray& bytes);

    // The file's bytes for the document's text, or no value (and a message in *error) when a
    // character cannot be stored in the format's encoding.
    static std::optional<QByteArray> save(const QTextDocument& document, const TextFormat& format,
                                          QString* error = nullptr);
};
