#include "files/InPlaceWriter.h"

#include "files/DiskWrite.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

// An open file, closed when it goes.
class OpenFile {
public:
    explicit OpenFile(const QString& path)
        : m_fd(::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC)) {}
    ~OpenFile() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

// Puts `bytes` over the file from its start, cuts off what lies beyond them, and flushes.
bool writeOver(int fd, const QByteArray& bytes, int* errorCode) {
    if (::lseek(fd, 0, SEEK_SET) != 0) {
        *errorCode = errno;
        return false;
    }
    if (!DiskWrite::writeAll(fd, bytes, errorCode))
        return false;
    while (::ftruncate(fd, off_t(bytes.size())) != 0) {
        if (errno != EINTR) {
            *errorCode = errno;
            return false;
        }
    }
    return DiskWrite::flushToDisk(fd, errorCode);
}

bool copyAside(QTemporaryFile& copy, const QByteArray& bytes, int* errorCode) {
    errno = 0;
    if (!copy.open()) {
        *errorCode = errno != 0 ? errno : EIO;
        return false;
    }
    return DiskWrite::writeAll(copy.handle(), bytes, errorCode) &&
           DiskWrite::flushToDisk(copy.handle(), errorCode);
}

}  // namespace

std::optional<WriteFailure> InPlaceWriter::write(const QString& path, const QByteArray& bytes,
                                                 const QString& asideFolder) {
    const OpenFile file(path);
    if (file.fd() < 0) {
        WriteFailure failure = WriteFailure::of(errno);
        failure.fileReadOnly = failure.errorCode == EACCES;
        return failure;
    }
    QByteArray old;
    int errorCode = 0;
    if (!DiskWrite::readAll(file.fd(), &old, &errorCode))
        return WriteFailure::of(errorCode);
    // The copy may hold anybody's file: QTemporaryFile makes it readable by the saver only.
    QDir().mkpath(asideFolder);
    QTemporaryFile aside(asideFolder + QLatin1Char('/') + QFileInfo(path).fileName() +
                         QStringLiteral(".XXXXXX"));
    if (!copyAside(aside, old, &errorCode)) {
        WriteFailure failure = WriteFailure::of(errorCode);
        failure.folder = asideFolder;
        return failure;
    }
    if (writeOver(file.fd(), bytes, &errorCode))
        return std::nullopt;  // the copy goes with `aside`
    WriteFailure failure = WriteFailure::of(errorCode);
    // The old content took its room on the disk before, so it fits again.
    int restoreError = 0;
    if (!writeOver(file.fd(), old, &restoreError)) {
        aside.setAutoRemove(false);
        failure.keptAside = aside.fileName();
    }
    return failure;
}
