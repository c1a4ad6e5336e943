#include "recovery/RecoveryJournal.h"

#include <algorithm>

#include <QDateTime>
#include <QElapsedTimer>
#include <QTextDocument>
#include <QTimer>

#include "recovery/EditRecorder.h"
#include "recovery/JournalEntry.h"
#include "recovery/JournalWriter.h"
#include "recovery/OrphanedJournals.h"

// One document the journal follows: its entry's name and description, its edit recorder (made
// when its text is first taken) and its pending write.
struct RecoveryJournal::Followed {
    ~Followed() { QObject::disconnect(watch); }

    QTextDocument* document = nullptr;
    QString name;
    JournalEntry description;
    std::unique_ptr<EditRecorder> recorder;
    QTimer timer;
    QElapsedTimer unwrittenSince;   // invalid when nothing waits
    bool unsaved = false;           // edited since it was last saved: its entry must stay
    QMetaObject::Connection watch;  // forgets the document when it is destroyed
};

RecoveryJournal::RecoveryJournal(const QString& root, QObject* parent)
    : QObject(parent), m_root(root) {}

// The run's folder, its lock and the journal's thread are made when the first entry is written
// or taken over: a run that changes nothing leaves nothing behind, and starting costs nothing.
bool RecoveryJournal::open() {
    // Once the writer works on a store, that store stays (finish() closes it for good).
    if (m_writer)
        return m_store->isOpen();
    m_store = std::make_unique<JournalStore>(m_root);
    if (!m_store->isOpen()) {
        noteFailure(QString(), m_store->problem());
        return false;
    }
    m_writer = std::make_unique<JournalWriter>(*m_store);
    m_writer->moveToThread(&m_thread);
    m_thread.setObjectName(QStringLiteral("recovery journal"));
    m_thread.start(QThread::LowPriority);
    connect(m_writer.get(), &JournalWriter::failed, this, &RecoveryJournal::noteFailure);
    // A write that works shows that the folder works as well.
    connect(m_writer.get(), &JournalWriter::written, this, [this](const QString& name) {
        clearFailures({name, QString()});
    });
    connect(m_writer.get(), &JournalWriter::lostTrack, this, [this](const QString& name) {
        if (Followed* entry = followed(name); entry && entry->recorder) {
            entry->recorder->requireWholeText();
            noteEdited(*entry->document);
        }
    });
    return true;
}

QStringList RecoveryJournal::entries() const {
    return m_store ? m_store->names() : QStringList();
}

QString RecoveryJournal::folder() const {
    return m_store ? m_store->folder() : QString();
}

RecoveryJournal::~RecoveryJournal() {
    m_documents.clear();
    stopThread();
}

// Runs the job on the journal's thread, after every job posted before it.
template <typename Job>
void RecoveryJournal::post(Job job) {
    if (m_writer)
        QMetaObject::invokeMethod(m_writer.get(), std::move(job), Qt::QueuedConnection);
}

void RecoveryJournal::stopThread() {
    if (!m_thread.isRunning())
        return;
    JournalWriter* writer = m_writer.get();
    QMetaObject::invokeMethod(
        writer, [writer] { writer->forgetAll(); }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

void RecoveryJournal::setDelays(int quietMs, int latestMs, int retryMs) {
    m_quietMs = quietMs;
    m_latestMs = latestMs;
    m_retryMs = retryMs;
}

QString RecoveryJournal::lastFailure() const {
    return m_failures.isEmpty() ? QString() : m_failures.last().second;
}

void RecoveryJournal::noteFailure(const QString& name, const QString& message) {
    // A document saved or closed while its write was on its way needs no entry.
    if (const Followed* entry = followed(name); !name.isEmpty() && !(entry && entry->unsaved))
        return;
    const QString before = lastFailure();
    m_failures.removeIf([&](const auto& failure) { return failure.first == name; });
    m_failures.append({name, message});
    retryLater(name);
    if (message != before)
        emit writeFailed(message);
}

void RecoveryJournal::clearFailures(const QStringList& names) {
    const QString before = lastFailure();
    const auto named = [&](const auto& failure) { return names.contains(failure.first); };
    if (m_failures.removeIf(named) == 0)
        return;
    if (m_failures.isEmpty())
        emit writeRecovered();
    else if (lastFailure() != before)
        emit writeFailed(lastFailure());
}

// The text is written again after the retry delay even if nothing changes meanwhile; an edit
// brings the write forward as usual.
void RecoveryJournal::retryLater(const QString& name) {
    Followed* entry = followed(name);
    if (!entry || entry->timer.isActive())
        return;
    entry->unwrittenSince.start();
    entry->timer.start(m_retryMs);
}

RecoveryJournal::Followed& RecoveryJournal::follow(QTextDocument& document) {
    std::unique_ptr<Followed>& entry = m_documents[&document];
    if (entry)
        return *entry;
    entry = std::make_unique<Followed>();
    entry->document = &document;
    entry->name = QStringLiteral("document-%1").arg(m_nextNumber++);
    entry->description.caption = QStringLiteral("Untitled");
    entry->timer.setSingleShot(true);
    QTextDocument* text = &document;
    connect(&entry->timer, &QTimer::timeout, this, [this, text] { writeNow(text); });
    entry->watch = connect(&document, &QObject::destroyed, this, [this, text] {
        const QString name = m_documents.at(text)->name;
        m_documents.erase(text);
        post([writer = m_writer.get(), name] { writer->forget(name); });
        clearFailures({name});
    });
    return *entry;
}

RecoveryJournal::Followed* RecoveryJournal::followed(const QString& name) {
    for (auto& [document, entry] : m_documents) {
        if (entry->name == name)
            return entry.get();
    }
    return nullptr;
}

void RecoveryJournal::describe(QTextDocument& document, const QString& path, const QString& caption,
                               const TextFormat& format) {
    JournalEntry& description = follow(document).description;
    description.path = path;
    description.caption = caption;
    description.format = format;
}

void RecoveryJournal::noteLoaded(QTextDocument& document, const QByteArray& bytes,
                                 const TextFormat& format) {
    follow(document).recorder = std::make_unique<EditRecorder>(document, bytes, format);
}

void RecoveryJournal::noteEdited(QTextDocument& document) {
    Followed& entry = follow(document);
    entry.unsaved = true;
    if (!entry.unwrittenSince.isValid())
        entry.unwrittenSince.start();
    const qint64 untilLatest = m_latestMs - entry.unwrittenSince.elapsed();
    entry.timer.start(int(std::clamp<qint64>(untilLatest, 0, m_quietMs)));
}

void RecoveryJournal::writeNow(QTextDocument* document) {
    Followed& entry = *m_documents.at(document);
    entry.timer.stop();
    entry.unwrittenSince.invalidate();
    if (!open()) {
        retryLater(entry.name);
        return;
    }
    if (!entry.recorder)
        entry.recorder = std::make_unique<EditRecorder>(*document);
    JournalEntry description = entry.description;
    description.taken = QDateTime::currentDateTime();
    post([writer = m_writer.get(), name = entry.name, changes = entry.recorder->take(),
          description]() mutable { writer->write(name, changes, std::move(description)); });
}

void RecoveryJournal::noteSaved(QTextDocument& document) {
    const auto found = m_documents.find(&document);
    if (found == m_documents.end())
        return;
    Followed& entry = *found->second;
    entry.unsaved = false;
    entry.timer.stop();
    entry.unwrittenSince.invalidate();
    // The copy still follows the text, for the next edit after this save.
    if (m_writer && entry.recorder && entry.recorder->hasChanges()) {
        post([writer = m_writer.get(), name = entry.name, changes = entry.recorder->take()] {
            writer->update(name, changes);
        });
    }
    post([writer = m_writer.get(), name = entry.name] { writer->remove(name); });
    clearFailures({entry.name});
}

void RecoveryJournal::noteClosed(QTextDocument& document) {
    const auto found = m_documents.find(&document);
    if (found == m_documents.end())
        return;
    const QString name = found->second->name;
    post([writer = m_writer.get(), name] {
        writer->remove(name);
        writer->forget(name);
    });
    m_documents.erase(found);
    clearFailures({name});
}

bool RecoveryJournal::adopt(QTextDocument& document, const RecoverableEntry& kept) {
    if (!open())
        return false;
    Followed& entry = follow(document);
    entry.unsaved = true;
    entry.description = kept.entry;
    entry.description.bytes.clear();
    entry.recorder =
        std::make_unique<EditRecorder>(document, kept.entry.bytes, kept.entry.keptFormat());
    return m_store->adopt(kept.file, entry.name);
}

void RecoveryJournal::flush() {
    for (auto& [document, entry] : m_documents) {
        if (entry->unwrittenSince.isValid())
            writeNow(document);
    }
    if (m_writer)
        QMetaObject::invokeMethod(
            m_writer.get(), [] {}, Qt::BlockingQueuedConnection);
}

void RecoveryJournal::finish() {
    m_documents.clear();
    stopThread();
    if (m_store)
        m_store->close();
}
