#pragma once

#include <optional>

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "text/TextFormat.h"

// What an entry file's header says of the text after it.
struct JournalTextSpan {
    qint64 start = 0;  // in the file
    qint64 length = 0;
    QString sha1;

    // Empty when a text of `size` bytes may be this one, else why not.
    QString checkSize(qint64 size) const;
    // Empty when `bytes` are this text, else why not.
    QString check(const QByteArray& bytes) const;
};

// What the journal keeps of one changed document: where it belongs, how it is stored, when it
// was taken, and its text as Save would write it.
struct JournalEntry {
    QString path;       // empty for an untitled document
    QString caption;    // the window's caption, for untitled documents
    TextFormat format;  // how Save stores the document
    QDateTime taken;
    QByteArray bytes;
    // The text held a character the format's encoding cannot store, so the bytes are UTF-8.
    bool keptAsUtf8 = false;

    // The path, or the caption when there is none.
    QString displayName() const { return path.isEmpty() ? caption : path; }
    // The format the bytes are in.
    TextFormat keptFormat() const {
        return keptAsUtf8 ? TextFormat{TextEncoding::Utf8, format.lineEnd} : format;
    }

    // The entry file: a first line naming the format and its version, a second line of JSON
    // describing the entry (with the length and a SHA-1 of the bytes), then the bytes. The
    // header is those two lines.
    QByteArray header() const;
    QByteArray serialize() const { return header() + bytes; }
    // The entry in an entry file, or no value and the reason in *problem (and, when the
    // description could still be read, the document's display name in *name).
    static std::optional<JournalEntry> parse(const QByteArray& file, QString* problem,
                                             QString* name = nullptr);
    // The most a header takes: room for the longest path and caption, escaped.
    static constexpr qsizetype kLongestHeader = 64 * 1024;
    // The same from the file's first bytes only (up to kLongestHeader of them): the entry
    // without its bytes, and in *text where they are and what they must be.
    static std::optional<JournalEntry> parseHeader(const QByteArray& start, JournalTextSpan* text,
                                                   QString* problem, QString* name = nullptr);

    friend bool operator==(const JournalEntry&, const JournalEntry&) = default;
};
