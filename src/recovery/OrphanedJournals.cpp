#include "recovery/OrphanedJournals.h"

#include <algorithm>
#include <optional>

#include <QDir>
#include <QLockFile>

#include "recovery/JournalFiles.h"
#include "recovery/JournalStore.h"
#include "ui/BusyCursor.h"

namespace {

// More than any lock file holds (a process number, the program's and the machine's names).
constexpr qint64 kLargestLock = 4096;

QString noteFor(const QString& name, const QString& problem) {
    return QStringLiteral("%1 could not be recovered: %2.").arg(name, problem);
}

QStringList namesIn(const QString& folder, const QStringList& patterns = {}) {
    const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    return QDir(folder).entryList(patterns, all, QDir::Name);
}

}  // namespace

// Only real folders of the user's are looked into: through a link, the files of whatever it
// points to would be read, and deleted once answered.
OrphanedJournals::OrphanedJournals(const QString& root) {
    for (const QString& name : namesIn(root, {QStringLiteral("run-*")})) {
        const QString folder = root + u'/' + name;
        if (JournalFiles::find(folder).kind == JournalFiles::Kind::Folder)
            claim(folder);
    }
    std::sort(m_entries.begin(), m_entries.end(),
              [](const RecoverableEntry& a, const RecoverableEntry& b) {
                  return a.entry.taken < b.entry.taken;
              });
}

OrphanedJournals::~OrphanedJournals() = default;

void OrphanedJournals::claim(const QString& folder) {
    // A lock it cannot take, QLockFile reads: through a link, from a pipe that never answers, or
    // all of a file that is no lock at all. Such a folder is left alone.
    const JournalFiles::Found lockFile = JournalFiles::find(JournalStore::lockFileOf(folder));
    if (lockFile.kind != JournalFiles::Kind::Missing &&
        (lockFile.kind != JournalFiles::Kind::File || lockFile.size > kLargestLock))
        return;
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

// Entries that are links, pipes or other users' files are passed over, and go with the folder.
void OrphanedJournals::read(const QString& folder) {
    for (const QString& fileName : namesIn(folder, {u'*' + JournalStore::entrySuffix()})) {
        const QString path = folder + u'/' + fileName;
        if (!JournalFiles::isFile(path))
            continue;
        QString problem;
        QString name = path;
        if (std::optional<RecoverableEntry> kept =
                RecoverableEntry::readHeader(path, &problem, &name))
            m_entries.append(std::move(*kept));
        else
            m_notes.append(noteFor(name, problem));
    }
}

RecoveryRequest OrphanedJournals::request() const {
    RecoveryRequest request;
    for (const RecoverableEntry& kept : m_entries)
        request.items.append({kept.entry.displayName(), kept.entry.taken});
    request.notes = m_notes;
    return request;
}

QStringList OrphanedJournals::resolve(const RecoveryChoice& choice,
                                      const std::function<bool(const RecoverableEntry&)>& restore) {
    const RecoveryAnswer answer = choice.answer;
    QStringList keep;
    QStringList unreadable;
    std::optional<BusyCursor> busy;
    if (answer == RecoveryAnswer::Restore && restore)
        busy.emplace();
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        const RecoverableEntry& kept = m_entries.at(i);
        const bool done = answer == RecoveryAnswer::Discard ||
                          (busy && choice.restores(i) && restoreOne(kept, restore, &unreadable));
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
    return unreadable;
}

// One text at a time is read, and dropped once restored (or kept only by what restored it).
bool OrphanedJournals::restoreOne(RecoverableEntry kept,
                                  const std::function<bool(const RecoverableEntry&)>& restore,
                                  QStringList* unreadable) {
    if (QString problem; !kept.readText(&problem)) {
        unreadable->append(noteFor(kept.entry.displayName(), problem));
        return true;
    }
    return restore(kept);
}

// Deletes what the folder holds except `keep` and folders, then the folder when it is empty, and
// only then the lock: a run scanning meanwhile finds the folder still locked, or no folder at all.
void OrphanedJournals::release(const Claim& claim, const QStringList& keep) {
    for (const QString& name : namesIn(claim.folder)) {
        const QString path = claim.folder + u'/' + name;
        if (!keep.contains(path))
            JournalFiles::removeUnlessFolder(path);
    }
    QDir().rmdir(claim.folder);
    claim.lock->unlock();
}
