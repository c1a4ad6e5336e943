#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

#include "text/TextFormat.h"

class QTextBlock;
class QTextDocument;

// Moves a whole file between its bytes and an editor's QTextDocument without losing a byte.
//
// QTextDocument turns every line end it meets ("\r\n", "\r", "\n", U+2029, U+FDD0, U+FDD1) into
// the same block separator. The file's own line end (the first one in it) is what a separator
// stands for unless it carries a mark: every break that differs from the file's own is loaded as
// a separator whose character format has its kind as object type. Qt keeps that format with the
// separator character itself, so undo and redo restore it together with the break, and joining
// or splitting lines never moves it to another break. Qt also drops the object type from the
// format that new text and new breaks take from their neighbours (QTextCursor::insertText and
// insertBlock), so a break the user makes gets the file's own line end. Code that inserts with
// an explicit format or a document fragment must not pass a mark on (EditorBox pastes and drops
// as plain insertText for that reason), and code that sets character formats over a range must
// merge them, not replace them. Block user states and user data are left free for other uses.
class DocumentText {
public:
    // The encoding (UTF-8 when the bytes are valid UTF-8, else Latin-1) and the first line end.
    static TextFormat detect(const QByteArray& bytes);

    // Replaces the document's whole content with the file's text. Not undoable: the undo
    // history is cleared and the document is left unmodified.
    static TextFormat load(QTextDocument& document, const QByteArray& bytes);
    // The same for bytes whose format is known rather than found (text the program wrote
    // itself): decoded in the format's encoding, with the format's line end as the document's
    // own, whatever the first line end in the bytes is.
    static void load(QTextDocument& document, const QByteArray& bytes, const TextFormat& format);

    // The file's bytes for the document's text, or no value (and a message in *error) when a
    // character cannot be stored in the format's encoding.
    static std::optional<QByteArray> save(const QTextDocument& document, const TextFormat& format,
                                          QString* error = nullptr);

    // For a copy of a document's text kept outside a QTextDocument. A break's mark is 0 when it
    // stands for the document's own line end, and otherwise names the kind it had in the file.
    static int breakMark(const QTextBlock& blockAfterTheBreak);
    // False when no break of the document carries a mark; cheap, unlike looking at each break.
    static bool mayHaveMarks(const QTextDocument& document);

    class Writer;
};

// Builds a file's bytes piece by piece, as save() does for a whole document, for text kept
// elsewhere: line texts, the marked breaks between them, and stretches already encoded.
class DocumentText::Writer {
public:
    explicit Writer(const TextFormat& format, qsizetype reserve = 0);

    // Text without breaks, or no success (and *error) when the encoding cannot store it.
    bool appendText(QStringView text, QString* error);
    bool appendBreak(int mark, QString* error);
    // Text as it was decoded from a file whose own line end is `fileLineEnd`: its breaks of that
    // kind take the format's line end, the others (\r\n, \r, \n, U+2029, U+FDD0, U+FDD1) stay
    // what they are, as they would in a document loaded from that file.
    bool appendFileText(QStringView text, LineEnd fileLineEnd, QString* error);
    // Bytes already in the format, holding `breaks` breaks.
    void appendEncoded(QByteArrayView bytes, qsizetype breaks);

    QByteArray take() { return std::move(m_out); }

private:
    TextEncoding m_encoding;
    int m_ownKind;
    QByteArray m_out;
    int m_line = 1;
};
