#include "recovery/JournalFiles.h"

#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

namespace {

QByteArray nativeName(const QString& path) {
    return QFile::encodeName(path);
}

bool isUsersOwn(const struct stat& info) {
    return info.st_uid == ::geteuid();
}

// Makes the folder and the missing ones above it: 0, or the error number. Folders above may be
// links (a user who keeps their data on another disk), so they are followed.
int makeFolders(const QString& path) {
    if (QFileInfo(path).isDir())
        return 0;
    const QString parent = QFileInfo(path).path();
    if (parent != path) {
        if (const int error = makeFolders(parent))
            return error;
    }
    if (::mkdir(nativeName(path).constData(), 0700) == 0)
        return 0;
    const int error = errno;
    if (error != EEXIST)
        return error;
    return QFileInfo(path).isDir() ? 0 : ENOTDIR;
}

}  // namespace

JournalFiles::Found JournalFiles::find(const QString& path) {
    struct stat info {};
    if (::lstat(nativeName(path).constData(), &info) != 0)
        return {errno == ENOENT ? Kind::Missing : Kind::Other, 0};
    if (!isUsersOwn(info))
        return {Kind::Other, 0};
    if (S_ISREG(info.st_mode))
        return {Kind::File, qint64(info.st_size)};
    return {S_ISDIR(info.st_mode) ? Kind::Folder : Kind::Other, 0};
}

bool JournalFiles::openFile(QFile& file, const QString& path, QString* problem) {
    // Not blocking: opening a pipe for reading would otherwise wait for a writer.
    const int fd =
        ::open(nativeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *problem = reason(errno);
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || !isUsersOwn(info)) {
        ::close(fd);
        *problem = QStringLiteral("it is not a file of its own");
        return false;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *problem = file.errorString();
        return false;
    }
    return true;
}

void JournalFiles::removeUnlessFolder(const QString& path) {
    struct stat info {};
    if (::lstat(nativeName(path).constData(), &info) == 0 && !S_ISDIR(info.st_mode))
        ::unlink(nativeName(path).constData());
}

QString JournalFiles::makePrivateFolder(const QString& path) {
    if (const int error = makeFolders(path))
        return reason(error);
    QFile::setPermissions(path,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return {};
}

QString JournalFiles::reason(int errorCode) {
    return QString::fromStdString(std::generic_category().message(errorCode));
}
