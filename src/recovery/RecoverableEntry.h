#pragma once

#include <optional>

#include "recovery/JournalEntry.h"

// An entry left by a run that did not end cleanly: its file and what its header says. Its text is
// read only when asked for, so that listing entries costs the same however long their texts are.
struct RecoverableEntry {
    QString file;
    JournalEntry entry;  // without its bytes until readText()
    JournalTextSpan text;

    // The entry file at `path` (a regular file of the user's own) as its header describes it, or
    // no value and the reason in *problem (and, when the description could still be read, the
    // document's display name in *name).
    static std::optional<RecoverableEntry> readHeader(const QString& path, QString* problem,
                                                      QString* name);
    // Reads the text into entry.bytes; false, and the reason in *problem, when it cannot be read
    // or is not the text the header describes.
    bool readText(QString* problem);
};
