#include "recovery/JournalStore.h"

#include <cerrno>

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUuid>

#include "recovery/JournalEntry.h"
#include "recovery/JournalFiles.h"

namespace {

// Writes all of `bytes` straight to the system, so that a failure's error number is its own: 0,
// or that number.
int writeAll(int fd, QByteArrayView bytes) {
    while (!bytes.isEmpty()) {
        const ssize_t written = ::write(fd, bytes.data(), size_t(bytes.size()));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        bytes = bytes.sliced(written);
    }
    return 0;
}

bool fail(QString* error, const QString& reason) {
    if (error)
        *error = reason.isEmpty() ? QStringLiteral("the system gave no reason") : reason;
    return false;
}

}  // namespace

JournalStore::JournalStore(const QString& root) : m_root(root) {
    m_folder = root + QStringLiteral("/run-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    // The lock comes before the folder, so that no other run ever sees the folder unlocked.
    m_open = makeFolder(root, QStringLiteral("The recovery folder %1 cannot be made: %2.")) &&
             lock() &&
             makeFolder(m_folder, QStringLiteral("No folder can be made in the recovery folder "
                                                 "%1: %2."));
}

JournalStore::~JournalStore() = default;

// The sentences name the recovery folder, not this run's part of it, which differs each time.
bool JournalStore::makeFolder(const QString& path, const QString& sentence) {
    const QString reason = JournalFiles::makePrivateFolder(path);
    if (!reason.isEmpty())
        m_problem = sentence.arg(m_root, reason);
    return reason.isEmpty();
}

bool JournalStore::lock() {
    m_lock = std::make_unique<QLockFile>(lockFileOf(m_folder));
    m_lock->setStaleLockTime(0);  // held for the whole run: stale only when its process is gone
    errno = 0;
    if (m_lock->tryLock(0))
        return true;
    // QLockFile tells only the kind of failure; the error number it leaves says what happened.
    const int errorCode = errno;
    const bool told = errorCode != 0 && errorCode != EEXIST;
    const QString reason = told ? JournalFiles::reason(errorCode)
                           : m_lock->error() == QLockFile::PermissionError
                               ? JournalFiles::reason(EACCES)
                               : QStringLiteral("the disk may be full");
    m_problem = QStringLiteral("No lock file can be made in the recovery folder %1: %2.")
                    .arg(m_root, reason);
    return false;
}

QString JournalStore::defaultRoot() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery");
}

// The header and the text go in separately: joined, they would copy the whole text again.
bool JournalStore::write(const QString& name, const JournalEntry& entry, QString* error) const {
    QSaveFile file(pathOf(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(error, file.errorString());
    for (const QByteArray& part : {entry.header(), entry.bytes}) {
        if (const int errorCode = writeAll(file.handle(), part))
            return fail(error, JournalFiles::reason(errorCode));
    }
    return file.commit() || fail(error, file.errorString());
}

void JournalStore::remove(const QString& name) const {
    QFile::remove(pathOf(name));
}

// A link would be moved as it is, and the next write would go to what it points to.
bool JournalStore::adopt(const QString& file, const QString& name) const {
    if (!JournalFiles::isFile(file))
        return false;
    const QString target = pathOf(name);
    QFile::remove(target);
    // Within one folder tree this is a rename; QFile falls back to a copy across file systems.
    return QFile::rename(file, target);
}

QStringList JournalStore::names() const {
    QStringList names;
    const QStringList files =
        QDir(m_folder).entryList({u'*' + entrySuffix()}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        names.append(file.chopped(entrySuffix().size()));
    return names;
}

void JournalStore::close() {
    if (!m_open)
        return;
    QDir(m_folder).removeRecursively();
    m_lock->unlock();
    m_open = false;
}
