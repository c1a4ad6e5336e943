#pragma once

#include <memory>
#include <unordered_map>

#include <QObject>
#include <QThread>

#include "recovery/JournalStore.h"

class EditRecorder;
class JournalWriter;
class QTextDocument;
struct JournalEntry;
struct RecoverableEntry;
struct TextFormat;

// Keeps every changed document's text in this run's recovery folder, so that a crash, a killed
// session or a power cut loses at most the last few seconds of typing.
//
// The program tells it what happens to each document (edited, saved, closed). An edited document
// is written within `latest` of its first unwritten edit, and `quiet` after its last one. Taking
// the text on this thread costs in proportion to what changed; encoding and writing happen on
// the journal's own thread. Everything here runs on the user-interface thread.
//
// A write that fails (a full disk, a folder that cannot be made) is tried again `retry` later,
// and on the next edit, for as long as it fails; lastFailure() says why meanwhile.
class RecoveryJournal : public QObject {
    Q_OBJECT

public:
    // This run's part of the journal, under `root` (see JournalStore::defaultRoot()).
    explicit RecoveryJournal(const QString& root, QObject* parent = nullptr);
    // Stops the journal's thread. Entries stay unless finish() ran: they are offered at the
    // next start.
    ~RecoveryJournal() override;

    // Makes this run's folder and its lock, unless done before. False when they could not be
    // made (writeFailed says why); the next write tries again.
    bool open();
    // The folder that holds every run's part: where what runs that ended uncleanly left is.
    QString root() const { return m_root; }
    // This run's folder (empty until opened), and the names of the entries written there.
    QString folder() const;
    QStringList entries() const;

    void setDelays(int quietMs, int latestMs, int retryMs = 10000);
    // Why a document has no up-to-date recovery copy, or this run's folder cannot be made: the
    // latest such sentence still standing, or empty when every write since has worked.
    QString lastFailure() const;

    // Where the document belongs and how Save stores it; kept with each entry.
    void describe(QTextDocument& document, const QString& path, const QString& caption,
                  const TextFormat& format);
    // The document was just filled from `bytes`, in `format`, by DocumentText::load (or made new
    // and empty, with no bytes). The journal follows its edits from here and builds its copy from
    // these bytes (shared, not copied), so it never needs to read the whole text.
    void noteLoaded(QTextDocument& document, const QByteArray& bytes, const TextFormat& format);
    // The document changed: its entry is rewritten soon.
    void noteEdited(QTextDocument& document);
    // The document was saved: its entry goes (the journal keeps following its edits).
    void noteSaved(QTextDocument& document);
    // The document was closed: its entry goes and the journal stops following it.
    void noteClosed(QTextDocument& document);
    // The document was just restored from an orphaned entry (DocumentText::load in the entry's
    // kept format): the entry becomes this document's own, described as it was, and its edits
    // are followed from here. False when the entry could not be moved here.
    bool adopt(QTextDocument& document, const RecoverableEntry& kept);

    // Writes every document with unwritten edits now and waits until that is done.
    void flush();
    // The clean end of a run: every entry, the folder and the lock go.
    void finish();

signals:
    // lastFailure() changed to `message`: a sentence that names what could not be written or
    // made, and why.
    void writeFailed(const QString& message);
    // Every failure has been made good (each such document written since, saved or closed):
    // lastFailure() is empty again.
    void writeRecovered();

private:
    struct Followed;

    Followed& follow(QTextDocument& document);
    Followed* followed(const QString& name);
    void writeNow(QTextDocument* document);
    void retryLater(const QString& name);
    void noteFailure(const QString& name, const QString& message);
    void clearFailures(const QStringList& names);
    void stopThread();
    template <typename Job>
    void post(Job job);

    QString m_root;
    std::unique_ptr<JournalStore> m_store;
    QThread m_thread;
    std::unique_ptr<JournalWriter> m_writer;
    std::unordered_map<QTextDocument*, std::unique_ptr<Followed>> m_documents;
    int m_quietMs = 1500;
    int m_latestMs = 4000;
    int m_retryMs = 10000;
    // Entry names whose last write failed ("" for this run's folder), oldest first, with why.
    QList<std::pair<QString, QString>> m_failures;
    int m_nextNumber = 1;
};
