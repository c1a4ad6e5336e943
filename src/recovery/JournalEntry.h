#pragma once

#include <optional>

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "text/TextFormat.h"

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

    friend bool operator==(const JournalEntry&, const JournalEntry&) = default;
};
