#pragma once

#include <optional>
#include <vector>

#include <QByteArray>
#include <QString>

#include "recovery/JournalText.h"
#include "recovery/TextChanges.h"

// A place between characters in the bytes a document was loaded from: the bytes before it, and
// the document's characters and breaks they hold.
struct FilePlace {
    qsizetype bytes = 0;
    qsizetype length = 0;
    qsizetype breaks = 0;
};

// A copy of a document's text, kept up to date from an EditRecorder's changes, that can be
// encoded away from the user-interface thread. It holds the bytes the document was loaded from
// and the text put in since, as a list of stretches of either: what was never edited stays in
// the file's bytes, so the copy takes little more memory than the file, and encoding it in the
// file's own format copies those stretches as they are.
class TextReplica {
public:
    // Applies the changes; false when the copy no longer matches the document (or had lost track
    // before and the changes start from the copy), and then it waits for changes that start
    // afresh.
    bool apply(const TextChanges& changes);

    // The bytes Save would write for the document in `format`, or no value (and *error) when a
    // character cannot be stored in it.
    std::optional<QByteArray> encode(const TextFormat& format, QString* error) const;
    // The text, each break of the document a line feed (text from the file keeps its own).
    QString text() const;
    // The memory the copy's text takes, in bytes.
    qsizetype heldBytes() const;

private:
    // A stretch of the text, in the file's bytes or in the added text.
    struct Piece {
        bool added = false;
        qsizetype start = 0;   // in bytes of the file, or characters of the added text
        qsizetype size = 0;    // likewise
        qsizetype length = 0;  // characters of the document's raw text
        qsizetype breaks = 0;
        FilePlace from;  // a stretch of the file: where it starts in the file
    };
    static Piece addedPiece(qsizetype start, qsizetype length, qsizetype breaks) {
        return {true, start, length, length, breaks, {}};
    }

    void startFromFile(const QByteArray& bytes, const TextFormat& format);
    void startFromText(const QString& text, const QList<MarkedBreak>& marks);
    bool replace(const TextEdit& edit);
    std::size_t splitAt(qsizetype position);
    std::size_t splitPiece(std::size_t index, qsizetype offset);
    std::size_t splitFilePiece(std::size_t index, qsizetype offset);
    Piece addText(QStringView text, const QList<MarkedBreak>& marks);
    void insertPiece(std::size_t index, const Piece& piece);
    void joinAt(std::size_t index);
    void compactAddedText();
    bool encodeAdded(JournalText::Writer& writer, const Piece& piece, QString* error) const;
    QByteArrayView fileBytes(const Piece& piece) const;
    qsizetype total(qsizetype Piece::*field) const;

    QByteArray m_file;
    TextFormat m_fileFormat;
    std::vector<FilePlace> m_fileMarks;  // places every few kilobytes through the file, in order
    QString m_added;
    QList<MarkedBreak> m_addedMarks;  // by position in m_added, ascending
    std::vector<Piece> m_pieces;
    bool m_inStep = false;
};
