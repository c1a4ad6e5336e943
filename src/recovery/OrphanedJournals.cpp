#include "recovery/OrphanedJournals.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include "recovery/JournalStore.h"

OrphanedJournals::OrphanedJournals(const QString& root) {
    const QFileInfoList folders =
        QDir(root).entryInfoList({QStringLiteral("run-*")}, QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo& folder : folders)
        claim(folder.absoluteFilePath());
    std::sort(m_entries.begin(), m_entries.end(),
              [](const RecoverableEntry& a, const RecoverableEntry& b) {
                  return a.entry.taken < b.entry.taken;
              });
}

OrphanedJournals::~OrphanedJournals() = default;

void OrphanedJournals::claim(const QString& folder) {
    auto lock = std::make_unique<QLockFile>(JournalStore::lockFileOf(folder));
    lock->setStaleLockTime(0);  // only a lock whose process is gone counts as stale
    if (!lock->tryLock(0))
        return;
    const qsizetype before = m_entries.size() + m_notes.size();
    read(folder);
    m_claims.push_back({folder, std::move(lock)});
    // A folder with nothing to offer (a run that died before its first entry) goes at once.
    if (m_entries.size() + m_notes.size() == before) {
        release(m_claims.back(), {});
        m_claims.pop_back();
    }
}

void OrphanedJournals::read(const QString& folder) {
    const QFileInfoList files =
        QDir(folder).entryInfoList({u'*' + JournalStore::entrySuffix()}, QDir::Files);
    for (const QFileInfo& info : files) {
        QFile file(info.absoluteFilePath());
        QString problem;
        QString name = info.absoluteFilePath();
        std::optional<JournalEntry> entry;
        if (file.open(QIODevice::ReadOnly))
            entry = JournalEntry::parse(file.readAll(), &problem, &name);
        else
            problem = file.errorString();
        if (entry)
            m_entries.append({info.absoluteFilePath(), *entry});
        else
            m_notes.append(QStringLiteral("%1 could not be recovered: %2.").arg(name, problem));
    }
}

RecoveryRequest OrphanedJournals::request() const {
    RecoveryRequest request;
    for (const RecoverableEntry& kept : m_entries)
        request.items.append({kept.entry.displayName(), kept.entry.taken});
    request.notes = m_notes;
    return request;
}

void OrphanedJournals::resolve(RecoveryAnswer answer,
                               const std::function<bool(const RecoverableEntry&)>& restore) {
    QStringList keep;
    for (const RecoverableEntry& kept : m_entries) {
        const bool done = answer == RecoveryAnswer::Discard ||
                          (answer == RecoveryAnswer::Restore && restore && restore(kept));
        if (!done)
            keep.append(kept.file);
    }
    for (const Claim& claim : m_claims) {
        if (answer == RecoveryAnswer::Later)
            claim.lock->unlock();
        else
            release(claim, keep);
    }
    m_claims.clear();
    m_entries.clear();
    m_notes.clear();
}

// Deletes the folder's files except `keep`, then the folder when it is empty, and only then the
// lock: a run scanning meanwhile finds the folder still locked, or no folder at all.
void OrphanedJournals::release(const Claim& claim, const QStringList& keep) {
    QDir folder(claim.folder);
    for (const QFileInfo& info : folder.entryInfoList(QDir::Files | QDir::Hidden)) {
        if (!keep.contains(info.absoluteFilePath()))
            QFile::remove(info.absoluteFilePath());
    }
    QDir().rmdir(claim.folder);
    claim.lock->unlock();
}
