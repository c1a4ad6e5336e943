#include "recovery/JournalStore.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUuid>

#include "recovery/JournalEntry.h"
#include "recovery/JournalFiles.h"

namespace {

constexpr QFileDevice::Permissions kOwnerOnly =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

}  // namespace

JournalStore::JournalStore(const QString& root) : m_root(root) {
    m_folder = root + QStringLiteral("/run-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (!makePrivateFolder(root)) {
        m_problem = QStringLiteral("The folder %1 cannot be made.").arg(root);
        return;
    }
    // The lock comes before the folder, so that no other run ever sees the folder unlocked.
    m_lock = std::make_unique<QLockFile>(lockFileOf(m_folder));
    m_lock->setStaleLockTime(0);  // held for the whole run: stale only when its process is gone
    if (!m_lock->tryLock(0)) {
        m_problem = QStringLiteral("The lock file %1 cannot be made.").arg(m_lock->fileName());
        return;
    }
    if (!makePrivateFolder(m_folder)) {
        m_problem = QStringLiteral("The folder %1 cannot be made.").arg(m_folder);
        return;
    }
    m_open = true;
}

JournalStore::~JournalStore() = default;

bool JournalStore::makePrivateFolder(const QString& path) {
    if (!QDir().mkpath(path))
        return false;
    QFile::setPermissions(path, kOwnerOnly);
    return true;
}

QString JournalStore::defaultRoot() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery");
}

bool JournalStore::write(const QString& name, const JournalEntry& entry, QString* error) const {
    QSaveFile file(pathOf(name));
    // The header and the text go in separately: joined, they would copy the whole text again.
    const QByteArray header = entry.header();
    const bool written = file.open(QIODevice::WriteOnly) && file.write(header) == header.size() &&
                         file.write(entry.bytes) == entry.bytes.size();
    // A full disk shows in commit(), not in write(); commit's message is the one that says why.
    if (file.commit() && written)
        return true;
    if (error)
        *error = file.errorString();
    return false;
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
