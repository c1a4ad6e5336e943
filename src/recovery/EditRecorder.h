#pragma once

#include <QFutureWatcher>
#include <QObject>

#include "recovery/TextChanges.h"

class QTextDocument;

// Follows one document's edits as they happen, so that a copy of it elsewhere can be brought up
// to date without reading the whole text again. Each edit costs in proportion to its own size,
// and so does take(), except when the copy has to start from the whole text: the first take()
// of a recorder made without the document's file bytes, the one after an edit that replaced
// most of the text, and the one after requireWholeText().
class EditRecorder : public QObject {
    Q_OBJECT

public:
    // Starts from the whole text at the first take().
    explicit EditRecorder(QTextDocument& document);
    // Starts from the bytes the document was just loaded from (DocumentText::load), in their
    // format, kept until the first take(); empty bytes stand for a new, empty document. Large
    // files are kept packed once the program has had a moment to show them.
    EditRecorder(QTextDocument& document, const QByteArray& loadedFrom, const TextFormat& format);

    // The changes since the last call; the copy must have applied every earlier result.
    TextChanges take();
    bool hasChanges() const { return m_whole || m_fromFile || !m_edits.isEmpty(); }
    // The copy lost track: the next take() hands over the whole text.
    void requireWholeText();
    // The file's bytes wait packed (a large file, a moment after it was loaded).
    bool holdsPackedFile() const { return m_filePacked; }

private:
    void record(int position, int charsRemoved, int charsAdded);
    QList<MarkedBreak> marksIn(int from, int to) const;
    void packFile();
    void takePackedFile();

    QTextDocument& m_document;
    bool m_whole = true;
    bool m_fromFile = false;
    QByteArray m_file;
    TextFormat m_fileFormat;
    bool m_filePacked = false;
    QFutureWatcher<QByteArray> m_packing;
    QList<TextEdit> m_edits;
    int m_length = 0;  // raw text length as the recorded edits leave it
};
