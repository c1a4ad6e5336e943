#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QList>
#include <QStringList>

#include "recovery/RecoverableEntry.h"
#include "ui/DialogService.h"

class QLockFile;

// The journals of runs that did not end cleanly, taken over by this run until the user answers:
// each such run folder is claimed by taking its lock, which only succeeds once the process that
// held it is gone, and only for one of several runs starting together.
class OrphanedJournals {
public:
    // Claims every run folder under `root` whose run is gone; never one whose run is alive.
    explicit OrphanedJournals(const QString& root);
    // Releases the claims still held; their entries stay for a later start.
    ~OrphanedJournals();

    // Entries whose header could be read, oldest first; their texts are read when restored.
    const QList<RecoverableEntry>& entries() const { return m_entries; }
    // A sentence for every entry whose header could not be read, or that is cut short.
    const QStringList& notes() const { return m_notes; }
    bool isEmpty() const { return m_entries.isEmpty() && m_notes.isEmpty(); }
    RecoveryRequest request() const;

    // Restore: reads the text of each chosen entry, with the busy pointer showing, and calls
    // `restore` with it; the ones it reports as taken care of are deleted, the others (and those
    // not chosen) stay for the next start.
    // Unreadable entries are deleted either way; the result has a sentence for each one whose
    // text turned out unreadable only now. Discard: deletes everything. Later: deletes nothing.
    // Every claim is released.
    QStringList resolve(const RecoveryChoice& choice,
                        const std::function<bool(const RecoverableEntry&)>& restore = {});

private:
    struct Claim {
        QString folder;
        std::unique_ptr<QLockFile> lock;
    };

    void claim(const QString& folder);
    void read(const QString& folder);
    void release(const Claim& claim, const QStringList& keep);
    static bool restoreOne(RecoverableEntry kept,
                           const std::function<bool(const RecoverableEntry&)>& restore,
                           QStringList* unreadable);

    std::vector<Claim> m_claims;
    QList<RecoverableEntry> m_entries;
    QStringList m_notes;
};
