#include "files/FileStamp.h"

#include <sys/stat.h>
#include <QFile>
#include <QHashFunctions>

namespace {

qint64 nanoseconds(const timespec& time) {
    return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
}

// Any fixed seed but zero, which would skip the processor's fast hashing.
constexpr size_t kSeed = 0x9e3779b97f4a7c15u;

}  // namespace

FileStamp FileStamp::of(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return {};
    return {true,
            qint64(status.st_size),
            nanoseconds(status.st_mtim),
            nanoseconds(status.st_ctim),
            quint64(status.st_ino),
            quint64(status.st_dev)};
}

quint64 contentHash(QByteArrayView bytes) {
    return qHash(bytes, kSeed);
}
