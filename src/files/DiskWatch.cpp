#include "files/DiskWatch.h"

#include "document/DocumentWindow.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QScopedValueRollback>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

namespace {

constexpr int kSettleMs = 150;  // a writer's burst of events becomes one look
constexpr int kRetryMs = 500;   // while a modal box is open

QString absolute(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

QString folderOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

}  // namespace

// The file as a look found it: its stamp taken before its bytes, so that a change made while
// it was read shows at the next look.
struct DiskWatch::DiskRead {
    FileStamp stamp;
    QByteArray bytes;
    quint64 hash = 0;
    bool readable = false;

    static DiskRead of(const QString& path) {
        DiskRead read;
        read.stamp = FileStamp::of(path);
        QFile file(path);
        if (!read.stamp.exists || !file.open(QIODevice::ReadOnly))
            return read;
        read.bytes = file.readAll();
        read.readable = file.error() == QFileDevice::NoError;
        read.hash = contentHash(read.bytes);
        return read;
    }
};

DiskWatch::DiskWatch(QObject* parent) : QObject(parent) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &DiskWatch::checkPending);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &DiskWatch::onFileChanged);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &DiskWatch::onFolderChanged);
}

DiskWatch::Watched* DiskWatch::find(const DocumentWindow* doc) {
    const auto at = std::find_if(m_watched.begin(), m_watched.end(),
                                 [doc](const Watched& watched) { return watched.key == doc; });
    return at == m_watched.end() ? nullptr : &*at;
}

const DiskWatch::Watched* DiskWatch::find(const DocumentWindow* doc) const {
    return const_cast<DiskWatch*>(this)->find(doc);
}

bool DiskWatch::watches(const DocumentWindow* doc) const {
    return find(doc) != nullptr;
}

DiskWatch::Watched& DiskWatch::entryFor(DocumentWindow& doc) {
    if (Watched* known = find(&doc))
        return *known;
    connect(&doc, &QObject::destroyed, this, [this, key = &doc] { forget(key); });
    Watched fresh;
    fresh.key = &doc;
    fresh.doc = &doc;
    m_watched.push_back(fresh);
    return m_watched.back();
}

void DiskWatch::remember(DocumentWindow& doc, const QString& path, const FileStamp& stamp,
                         const QByteArray& bytes) {
    adopt(entryFor(doc), path, stamp, QtConcurrent::run([bytes] { return contentHash(bytes); }));
}

void DiskWatch::rememberAsFound(DocumentWindow& doc, const QString& path) {
    adopt(entryFor(doc), path, FileStamp::of(path),
          QtConcurrent::run([path] { return DiskRead::of(path).hash; }));
}

void DiskWatch::adopt(Watched& watched, const QString& path, const FileStamp& stamp,
                      const QFuture<quint64>& hash) {
    const QString before = watched.path;
    watched.path = absolute(path);
    watched.stamp = stamp;
    watched.hash = hash;
    watched.generation = ++m_generations;
    watched.reading = false;
    watched.gone = !stamp.exists;
    if (!before.isEmpty() && before != watched.path)
        disarmUnused(before);
    // A save puts a new file in the old one's place, and the system's watch stays with the old.
    if (m_watcher.files().contains(watched.path))
        m_watcher.removePath(watched.path);
    if (stamp.exists)
        arm(watched.path);
}

void DiskWatch::forget(const DocumentWindow* doc) {
    const auto at = std::find_if(m_watched.begin(), m_watched.end(),
                                 [doc](const Watched& watched) { return watched.key == doc; });
    if (at == m_watched.end())
        return;
    const QString path = at->path;
    m_watched.erase(at);
    m_due.remove(doc);
    disarmUnused(path);
}

bool DiskWatch::changedSinceKnown(DocumentWindow& doc, const QString& path) {
    Watched* watched = find(&doc);
    if (!watched || watched->path != absolute(path))
        return false;
    const FileStamp now = FileStamp::of(watched->path);
    if (!now.exists || now == watched->stamp)
        return false;
    const DiskRead read = DiskRead::of(watched->path);
    if (!read.readable || read.hash != watched->hash.result())
        return true;
    watched->stamp = read.stamp;  // touched, not changed
    return false;
}

void DiskWatch::checkSoon(DocumentWindow* doc) {
    if (!doc || !find(doc))
        return;
    m_due.insert(doc);
    if (!m_timer.isActive())
        m_timer.start(0);
}

void DiskWatch::checkAllSoon() {
    for (const Watched& watched : m_watched)
        m_due.insert(watched.key);
    if (!m_due.isEmpty() && !m_timer.isActive())
        m_timer.start(0);
}

void DiskWatch::onFileChanged(const QString& path) {
    for (const Watched& watched : m_watched) {
        if (watched.path == path)
            m_due.insert(watched.key);
    }
    m_timer.start(kSettleMs);
}

void DiskWatch::onFolderChanged(const QString& folder) {
    bool awaited = false;
    for (const Watched& watched : m_watched) {
        if (watched.gone && folderOf(watched.path) == folder) {
            m_due.insert(watched.key);
            awaited = true;
        }
    }
    if (awaited)
        m_timer.start(kSettleMs);
    else
        m_watcher.removePath(folder);
}

bool DiskWatch::mustWait() const {
    // A question asked while another box is open would stack on it; the look comes again.
    return m_telling || QApplication::activeModalWidget();
}

void DiskWatch::checkPending() {
    if (mustWait()) {
        m_timer.start(kRetryMs);
        return;
    }
    const QSet<const DocumentWindow*> due = std::exchange(m_due, {});
    for (const DocumentWindow* doc : due)
        check(doc);
}

void DiskWatch::check(const DocumentWindow* doc) {
    Watched* watched = find(doc);
    if (!watched || !watched->doc)
        return;
    const FileStamp now = FileStamp::of(watched->path);
    if (!now.exists)
        return noteGone(*watched);
    watched->gone = false;
    arm(watched->path);
    if (now != watched->stamp && !watched->reading)
        startRead(*watched);
}

void DiskWatch::noteGone(Watched& watched) {
    if (watched.gone)
        return;
    watched.gone = true;
    // Its folder tells when a file of that name comes back.
    const QString folder = folderOf(watched.path);
    if (QFileInfo(folder).isDir() && !m_watcher.directories().contains(folder))
        m_watcher.addPath(folder);
    const QPointer<DocumentWindow> doc = watched.doc;
    const QString path = watched.path;
    QScopedValueRollback<bool> telling(m_telling, true);
    emit vanished(*doc, path);
}

void DiskWatch::startRead(Watched& watched) {
    watched.reading = true;
    auto* reading = new QFutureWatcher<DiskRead>(this);
    connect(reading, &QFutureWatcherBase::finished, this,
            [this, reading, doc = watched.doc, generation = watched.generation] {
                reading->deleteLater();
                finishRead(doc, generation, reading->result());
            });
    reading->setFuture(QtConcurrent::run(&DiskRead::of, watched.path));
}

void DiskWatch::finishRead(const QPointer<DocumentWindow>& doc, quint64 generation,
                           const DiskRead& read) {
    Watched* watched = find(doc.data());
    // Closed, saved or read afresh meanwhile: what was read is no longer news.
    if (!doc || !watched || watched->generation != generation)
        return;
    watched->reading = false;
    if (!read.readable)
        return;  // the next look tries again
    if (read.hash == watched->hash.result()) {
        watched->stamp = read.stamp;  // touched, or written with the same bytes
        return;
    }
    if (mustWait()) {
        m_due.insert(doc.data());
        m_timer.start(kRetryMs);
        return;
    }
    const QString path = watched->path;
    QScopedValueRollback<bool> telling(m_telling, true);
    emit changedOnDisk(*doc, path, read.stamp, read.bytes);
}

void DiskWatch::arm(const QString& path) {
    if (!m_watcher.files().contains(path))
        m_watcher.addPath(path);
}

void DiskWatch::disarmUnused(const QString& path) {
    const bool used = std::any_of(m_watched.begin(), m_watched.end(),
                                  [&path](const Watched& watched) { return watched.path == path; });
    if (!used && m_watcher.files().contains(path))
        m_watcher.removePath(path);
}
