#pragma once

#include "files/FileStamp.h"

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QFuture>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <vector>

class DocumentWindow;

// Watches the files of the open documents for changes made by other programs (a checkout, a
// build step, another editor). Each document's file is remembered as it was last read or
// written: its stamp, and a hash of its bytes computed off the user-interface thread. When the
// system reports a change, or a window is activated (for file systems that report nothing), the
// stamp is looked at again; only a new stamp has the file read, off that thread, and only bytes
// that differ from those remembered count as a change. Saves are remembered as they are
// written, so they never count, even when they replace the file with a new one.
class DiskWatch : public QObject {
    Q_OBJECT
public:
    explicit DiskWatch(QObject* parent = nullptr);

    // `doc` now holds `bytes`, just read from or written to `path`, whose stamp was `stamp`
    // (taken before reading, or after writing).
    void remember(DocumentWindow& doc, const QString& path, const FileStamp& stamp,
                  const QByteArray& bytes);
    // `doc` holds a text of its own for `path`: the file as it is now counts as known (read off
    // the user-interface thread).
    void rememberAsFound(DocumentWindow& doc, const QString& path);
    // Stops watching the file of `doc` (it also stops when the window goes).
    void forget(const DocumentWindow* doc);
    bool watches(const DocumentWindow* doc) const;

    // Whether `path`, which Save is about to write for `doc`, holds bytes other than those `doc`
    // last read or wrote there. Reads the file only when its stamp is new. A missing file, or
    // another file than the document's, has nothing to lose.
    bool changedSinceKnown(DocumentWindow& doc, const QString& path);

    // Looks at the file of `doc`, or of every document, once the event loop is free and no
    // modal box is open.
    void checkSoon(DocumentWindow* doc);
    void checkAllSoon();
    // Looks at once at what is due (for tests and benchmarks; the timer does it otherwise).
    void checkPending();

signals:
    // The file holds `bytes` now (stamped `stamp`), not those `doc` last read or wrote. Until
    // remember() takes them, each later look finds the change again.
    void changedOnDisk(DocumentWindow& doc, const QString& path, const FileStamp& stamp,
                       const QByteArray& bytes);
    // The file is gone: deleted, moved or renamed away. Told once until it is there again.
    void vanished(DocumentWindow& doc, const QString& path);

private:
    struct Watched {
        const DocumentWindow* key = nullptr;  // still known while the window is being destroyed
        QPointer<DocumentWindow> doc;
        QString path;  // absolute
        FileStamp stamp;
        QFuture<quint64> hash;
        quint64 generation = 0;  // which remember() the stamp and hash come from
        bool reading = false;
        bool gone = false;
    };
    struct DiskRead;

    Watched* find(const DocumentWindow* doc);
    const Watched* find(const DocumentWindow* doc) const;
    Watched& entryFor(DocumentWindow& doc);
    void adopt(Watched& watched, const QString& path, const FileStamp& stamp,
               const QFuture<quint64>& hash);
    void onFileChanged(const QString& path);
    void onFolderChanged(const QString& folder);
    void check(const DocumentWindow* doc);
    void noteGone(Watched& watched);
    void startRead(Watched& watched);
    void finishRead(const QPointer<DocumentWindow>& doc, quint64 generation, const DiskRead& read);
    void arm(const QString& path);
    void disarmUnused(const QString& path);
    bool mustWait() const;

    QFileSystemWatcher m_watcher;
    std::vector<Watched> m_watched;
    QSet<const DocumentWindow*> m_due;
    QTimer m_timer;
    quint64 m_generations = 0;
    bool m_telling = false;  // a signal's receiver is at work
};
