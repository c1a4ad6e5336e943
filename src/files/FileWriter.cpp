#include "files/FileWriter.h"

#include <cerrno>
#include <csignal>
#include <system_error>

#include <unistd.h>
#include <QFileInfo>
#include <QSaveFile>

namespace {

WriteFailure failureOf(int errorCode) {
    return {errorCode, QString::fromStdString(std::generic_category().message(errorCode)), false};
}

// Each write goes straight to the system, so that its error number is known exactly; a short
// write is followed by another until the system refuses.
bool writeAll(int fd, const QByteArray& bytes, int* errorCode) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            *errorCode = written < 0 ? errno : EIO;
            return false;
        }
        done += written;
    }
    return true;
}

// Some file systems report a full disk or a failed device only when the data is flushed.
bool flushToDisk(int fd, int* errorCode) {
    while (::fsync(fd) != 0) {
        if (errno == EINTR)
            continue;
        if (errno == EINVAL || errno == ENOTSUP)
            return true;  // the file system keeps nothing to flush
        *errorCode = errno;
        return false;
    }
    return true;
}

// When the new file cannot even be made, the folder and the old file as they are now tell more
// than the error number, which checks before the failure may have left behind.
WriteFailure openFailure(const QString& path, int errorCode, const QString& qtText) {
    const QFileInfo file(path);
    if (!QFileInfo(file.absolutePath()).isDir())
        return failureOf(ENOENT);
    if (file.isDir())
        return failureOf(EISDIR);
    if (::access(QFile::encodeName(file.absolutePath()).constData(), W_OK) != 0)
        return failureOf(errno);  // EACCES, or EROFS for a read-only file system
    if (file.exists() && ::access(QFile::encodeName(path).constData(), W_OK) != 0) {
        WriteFailure failure = failureOf(errno);
        failure.fileReadOnly = true;
        return failure;
    }
    return {errorCode, qtText, false};
}

}  // namespace

std::optional<WriteFailure> FileWriter::write(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int errorCode = errno;
        return openFailure(path, errorCode, file.errorString());
    }
    int errorCode = 0;
    if (!writeAll(file.handle(), bytes, &errorCode) || !flushToDisk(file.handle(), &errorCode)) {
        file.cancelWriting();  // the new file is removed and the old one is left alone
        return failureOf(errorCode);
    }
    errno = 0;
    if (!file.commit()) {
        const int commitError = errno;
        return WriteFailure{commitError, file.errorString(), false};
    }
    return std::nullopt;
}

void FileWriter::ignoreFileSizeSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}
