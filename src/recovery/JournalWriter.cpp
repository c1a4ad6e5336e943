#include "recovery/JournalWriter.h"

#include "recovery/JournalStore.h"
#include "recovery/TextReplica.h"

JournalWriter::JournalWriter(const JournalStore& store) : m_store(store) {}

JournalWriter::~JournalWriter() = default;

bool JournalWriter::catchUp(const QString& name, const TextChanges& changes) {
    std::unique_ptr<TextReplica>& replica = m_replicas[name];
    if (!replica)
        replica = std::make_unique<TextReplica>();
    if (replica->apply(changes))
        return true;
    emit lostTrack(name);
    return false;
}

void JournalWriter::update(const QString& name, const TextChanges& changes) {
    catchUp(name, changes);
}

// A text that its own encoding cannot hold (a Latin-1 file that got a Greek letter) is kept as
// UTF-8: the journal is there to keep what was typed, and Save reports the problem itself.
bool JournalWriter::encode(const QString& name, JournalEntry& entry) {
    const TextReplica& text = *m_replicas.at(name);
    QString error;
    std::optional<QByteArray> bytes = text.encode(entry.format, &error);
    entry.keptAsUtf8 = !bytes && entry.format.encoding != TextEncoding::Utf8;
    if (entry.keptAsUtf8)
        bytes = text.encode(entry.keptFormat(), &error);
    if (!bytes) {
        fail(name, entry, error);
        return false;
    }
    entry.bytes = std::move(*bytes);
    return true;
}

void JournalWriter::write(const QString& name, const TextChanges& changes, JournalEntry entry) {
    if (!catchUp(name, changes) || !encode(name, entry))
        return;
    if (QString error; !m_store.write(name, entry, &error))
        fail(name, entry, error);
    else
        emit written(name);
}

void JournalWriter::fail(const QString& name, const JournalEntry& entry, const QString& reason) {
    const QString clause = reason.endsWith(u'.') ? reason.chopped(1) : reason;
    emit failed(name, QStringLiteral("The recovery copy of %1 cannot be written in %2: %3.")
                          .arg(entry.displayName(), m_store.folder(), clause));
}

void JournalWriter::remove(const QString& name) {
    m_store.remove(name);
}

void JournalWriter::forget(const QString& name) {
    m_replicas.erase(name);
}

void JournalWriter::forgetAll() {
    m_replicas.clear();
}
