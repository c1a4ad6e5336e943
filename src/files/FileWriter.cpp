#include "files/FileWriter.h"

#include "files/DiskWrite.h"
#include "files/InPlaceWriter.h"

#include <cerrno>
#include <csignal>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

bool mayWrite(const QString& path) {
    return ::access(native(path).constData(), W_OK) == 0;
}

// The file a save writes: symbolic links followed to their end, which need not exist yet.
QString followLinks(const QString& path) {
    QFileInfo file(path);
    for (int depth = 0; depth < 40 && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    return file.absoluteFilePath();
}

// A new file renamed over this one would leave its other hard links with the old content; or
// it cannot be made, as the folder refuses new files while the file itself may be written.
bool mustWriteOver(const QString& target, const struct stat& old) {
    return S_ISREG(old.st_mode) &&
           (old.st_nlink > 1 || (!mayWrite(QFileInfo(target).absolutePath()) && mayWrite(target)));
}

// The new file belongs to the saver: give it the old file's owner and group, or the group
// alone, as far as the system allows (only the superuser gives files away). A change of owner
// clears the set-user-ID and set-group-ID bits, so the old mode goes back on after it.
void giveOwnerBack(int fd, const struct stat& old) {
    struct stat now {};
    if (::fstat(fd, &now) != 0 || (now.st_uid == old.st_uid && now.st_gid == old.st_gid))
        return;
    if (::fchown(fd, old.st_uid, old.st_gid) == 0 || ::fchown(fd, uid_t(-1), old.st_gid) == 0)
        ::fchmod(fd, old.st_mode & 07777);
}

// When the new file cannot even be made, the folder and the old file as they are now tell more
// than the error number, which checks before the failure may have left behind.
WriteFailure openFailure(const QString& path, int errorCode, const QString& qtText) {
    const QFileInfo file(path);
    if (!QFileInfo(file.absolutePath()).isDir())
        return WriteFailure::of(ENOENT);
    if (file.isDir())
        return WriteFailure::of(EISDIR);
    if (::access(native(file.absolutePath()).constData(), W_OK) != 0)
        return WriteFailure::of(errno);  // EACCES, or EROFS for a read-only file system
    if (file.exists() && !mayWrite(path)) {
        WriteFailure failure = WriteFailure::of(errno);
        failure.fileReadOnly = true;
        return failure;
    }
    return {errorCode, qtText};
}

// Writes a new file beside the old one and renames it over the old one.
std::optional<WriteFailure> replace(const QString& path, const QByteArray& bytes,
                                    const struct stat* old) {
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int errorCode = errno;
        return openFailure(path, errorCode, file.errorString());
    }
    int errorCode = 0;
    if (old)
        giveOwnerBack(file.handle(), *old);
    if (!DiskWrite::writeAll(file.handle(), bytes, &errorCode) ||
        !DiskWrite::flushToDisk(file.handle(), &errorCode)) {
        file.cancelWriting();  // the new file is removed and the old one is left alone
        return WriteFailure::of(errorCode);
    }
    errno = 0;
    if (!file.commit()) {
        const int commitError = errno;
        return WriteFailure{commitError, file.errorString()};
    }
    return std::nullopt;
}

}  // namespace

WriteFailure WriteFailure::of(int errorCode) {
    return {errorCode, QString::fromStdString(std::generic_category().message(errorCode))};
}

std::optional<WriteFailure> FileWriter::write(const QString& path, const QByteArray& bytes,
                                              const QString& asideFolder) {
    const QString target = followLinks(path);
    struct stat old {};
    const bool exists = ::stat(native(target).constData(), &old) == 0;
    std::optional<WriteFailure> failure;
    if (exists && mustWriteOver(target, old)) {
        failure = InPlaceWriter::write(target, bytes, asideFolder);
    } else {
        failure = replace(target, bytes, exists ? &old : nullptr);
        // A file mounted on its own (a bind mount) cannot be renamed over.
        if (failure && failure->errorCode == EBUSY && exists && S_ISREG(old.st_mode))
            failure = InPlaceWriter::write(target, bytes, asideFolder);
    }
    if (failure && failure->folder.isEmpty())
        failure->folder = QFileInfo(target).absolutePath();
    return failure;
}

QString FileWriter::defaultAsideFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/recovery/saved-aside");
}

void FileWriter::ignoreFileSizeSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}
