#pragma once

#include <memory>

#include <QString>
#include <QStringList>

class QLockFile;
struct JournalEntry;

// This run's part of the recovery folder: a folder of its own holding one entry file per changed
// document, and beside it a lock file that this run holds for as long as it lives. A run that
// ends cleanly leaves neither behind; one that does not leaves both, and the lock then names a
// process that is gone, which is how a later run tells its entries from a live run's.
//
// Writes and removals may run on another thread than the one that made the store.
class JournalStore {
public:
    // Makes and locks a new run folder under `root`; see isOpen().
    explicit JournalStore(const QString& root);
    // Releases the lock; entries still written stay for a later run to offer.
    ~JournalStore();

    bool isOpen() const { return m_open; }
    // Why the store is not open: a sentence naming what could not be made, and the reason.
    QString problem() const { return m_problem; }
    QString root() const { return m_root; }
    QString folder() const { return m_folder; }

    // Replaces the named entry in one step: a crash while writing leaves the old entry whole.
    // False, and the system's reason in *error, when it cannot.
    bool write(const QString& name, const JournalEntry& entry, QString* error) const;
    void remove(const QString& name) const;
    // Moves an entry file of another run into this folder under `name`, if it is a regular file
    // of the user's own.
    bool adopt(const QString& file, const QString& name) const;
    // The names of the entries written so far.
    QStringList names() const;
    // The clean end of a run: every entry, the folder and the lock go.
    void close();

    // The program's recovery folder, in the user's local application data.
    static QString defaultRoot();
    // Layout shared with OrphanedJournals.
    static QString lockFileOf(const QString& runFolder) {
        return runFolder + QStringLiteral(".lock");
    }
    static QString entrySuffix() { return QStringLiteral(".entry"); }

private:
    QString pathOf(const QString& name) const { return m_folder + u'/' + name + entrySuffix(); }
    bool makeFolder(const QString& path, const QString& sentence);
    bool lock();

    QString m_root;
    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    bool m_open = false;
    QString m_problem;
};
