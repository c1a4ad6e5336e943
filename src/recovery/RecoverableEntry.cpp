#include "recovery/RecoverableEntry.h"

#include <QFile>

#include "recovery/JournalFiles.h"

std::optional<RecoverableEntry> RecoverableEntry::readHeader(const QString& path, QString* problem,
                                                             QString* name) {
    QFile file;
    if (!JournalFiles::openFile(file, path, problem))
        return std::nullopt;
    RecoverableEntry kept{path, {}, {}};
    std::optional<JournalEntry> entry = JournalEntry::parseHeader(
        file.read(JournalEntry::kLongestHeader), &kept.text, problem, name);
    if (!entry)
        return std::nullopt;
    // A length the file cannot hold is caught here, before anything is made ready for it.
    *problem = kept.text.checkSize(file.size() - kept.text.start);
    if (!problem->isEmpty())
        return std::nullopt;
    kept.entry = std::move(*entry);
    return kept;
}

bool RecoverableEntry::readText(QString* problem) {
    QFile opened;
    if (!JournalFiles::openFile(opened, file, problem))
        return false;
    // The file may have changed since its header was read.
    *problem = text.checkSize(opened.size() - text.start);
    if (problem->isEmpty() && !opened.seek(text.start))
        *problem = opened.errorString();
    if (!problem->isEmpty())
        return false;
    QByteArray bytes = opened.read(text.length);
    *problem = text.check(bytes);
    if (!problem->isEmpty())
        return false;
    entry.bytes = std::move(bytes);
    return true;
}
