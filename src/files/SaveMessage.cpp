#include "files/SaveMessage.h"

#include "files/FileWriter.h"

#include <cerrno>

#include <QDir>
#include <QFileInfo>

namespace {

// The folder that refused: through a symbolic link, the target's, not the link's.
QString folderOf(const QString& path, const WriteFailure& failure) {
    return QDir::toNativeSeparators(failure.folder.isEmpty() ? QFileInfo(path).absolutePath()
                                                             : failure.folder);
}

QString plainReason(const QString& path, const WriteFailure& failure) {
    switch (failure.errorCode) {
        case ENOSPC:
            return QStringLiteral("The disk is full.");
        case EDQUOT:
            return QStringLiteral("Your share of the disk is used up.");
        case EFBIG:
            return QStringLiteral("The file would be larger than this system allows.");
        case ENOENT:
        case ENOTDIR:
            return QStringLiteral("The folder %1 no longer exists.").arg(folderOf(path, failure));
        case EISDIR:
            return QStringLiteral("There is a folder of that name.");
        case EACCES:
        case EPERM:
            if (failure.fileReadOnly)
                return QStringLiteral("The file is read-only.");
            [[fallthrough]];
        case EROFS:
            return QStringLiteral("The folder %1 is read-only.").arg(folderOf(path, failure));
    }
    return QStringLiteral("The file could not be written.");
}

}  // namespace

QString SaveMessage::forReason(const QString& path, const QString& reason) {
    return QStringLiteral("Can't save file: \n") + path + QLatin1Char('\n') + reason;
}

QString SaveMessage::forFailure(const QString& path, const WriteFailure& failure) {
    QString text = forReason(path, plainReason(path, failure));
    if (!failure.systemText.isEmpty())
        text += QStringLiteral(" (") + failure.systemText + QLatin1Char(')');
    if (!failure.keptAside.isEmpty())
        text += QStringLiteral("\nIts old content is kept in %1.")
                    .arg(QDir::toNativeSeparators(failure.keptAside));
    return text;
}
