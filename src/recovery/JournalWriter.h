#pragma once

#include <map>
#include <memory>

#include <QObject>

#include "recovery/JournalEntry.h"
#include "recovery/TextChanges.h"

class JournalStore;
class TextReplica;

// A RecoveryJournal's work away from the user-interface thread: it keeps a copy of every
// followed document up to date, encodes the copy as Save would and writes its entry. Its
// functions run on its own thread, in the order they were asked for.
class JournalWriter : public QObject {
    Q_OBJECT

public:
    explicit JournalWriter(const JournalStore& store);
    ~JournalWriter() override;

    // Brings the named copy up to date.
    void update(const QString& name, const TextChanges& changes);
    // Brings it up to date and writes its entry, described by `entry` (whose bytes it fills).
    void write(const QString& name, const TextChanges& changes, JournalEntry entry);
    void remove(const QString& name);
    // Drops the copy (the document was closed); its entry, if any, stays.
    void forget(const QString& name);
    void forgetAll();

signals:
    // The named entry could not be written: `message` says for which document, and why.
    void failed(const QString& name, const QString& message);
    void written(const QString& name);
    // The copy no longer matches its document: the next changes must start afresh.
    void lostTrack(const QString& name);

private:
    bool catchUp(const QString& name, const TextChanges& changes);
    bool encode(const QString& name, JournalEntry& entry);
    void fail(const QString& name, const JournalEntry& entry, const QString& reason);

    const JournalStore& m_store;
    std::map<QString, std::unique_ptr<TextReplica>> m_replicas;
};
