#include "support/SmallDisk.h"

#include <sys/mount.h>
#include <sys/statvfs.h>
#include <QFile>

SmallDisk::SmallDisk(qint64 bytes) {
    const QByteArray options = "size=" + QByteArray::number(bytes);
    m_mounted = m_dir.isValid() && ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(),
                                           "tmpfs", MS_NOSUID | MS_NODEV, options.constData()) == 0;
}

SmallDisk::~SmallDisk() {
    // A lazy unmount takes the files mounted on the disk with it.
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

qint64 SmallDisk::freeBytes() const {
    struct statvfs disk {};
    if (::statvfs(QFile::encodeName(m_dir.path()).constData(), &disk) != 0)
        return -1;
    return qint64(disk.f_bavail) * qint64(disk.f_frsize);
}

bool SmallDisk::fillLeaving(qint64 bytes) {
    const qint64 filler = freeBytes() - bytes;
    QFile file(path(QStringLiteral("filler")));
    if (filler < 0 || !file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray zeros(filler, '\0');
    return file.write(zeros) == filler && file.flush() && freeBytes() == bytes;
}

bool SmallDisk::makeReadOnly() {
    return ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs",
                   MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr) == 0;
}

bool SmallDisk::mountFileOver(const QString& name, const QString& source) {
    QFile file(path(name));
    return file.open(QIODevice::WriteOnly) &&
           ::mount(QFile::encodeName(source).constData(),
                   QFile::encodeName(file.fileName()).constData(), nullptr, MS_BIND, nullptr) == 0;
}
