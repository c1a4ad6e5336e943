#include "files/DiskWrite.h"

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

bool DiskWrite::writeAll(int fd, const QByteArray& bytes, int* errorCode) {
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

bool DiskWrite::flushToDisk(int fd, int* errorCode) {
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

bool DiskWrite::readAll(int fd, QByteArray* bytes, int* errorCode) {
    struct stat file {};
    if (::fstat(fd, &file) == 0)
        bytes->reserve(qsizetype(file.st_size));
    char chunk[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            *errorCode = errno;
            return false;
        }
        if (got == 0)
            return true;
        bytes->append(chunk, got);
    }
}
