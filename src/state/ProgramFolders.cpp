#include "state/ProgramFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString kReadme = QStringLiteral("readme.txt");
const QString kUserMenuFile = QStringLiteral("userdef.dat");

}  // namespace

QString ProgramFolders::installedDataFolder(const QString& executableFolder) {
    return QDir::cleanPath(executableFolder + QStringLiteral("/../share/pagelark"));
}

ProgramFolders ProgramFolders::resolve(const QString& executableFolder,
                                       const QString& userDataFolder) {
    if (QFileInfo::exists(QDir(executableFolder).filePath(kReadme)))
        return {executableFolder, executableFolder};
    const QString data = installedDataFolder(executableFolder);
    seedUserMenuFile(data, userDataFolder);
    return {data, userDataFolder};
}

bool ProgramFolders::seedUserMenuFile(const QString& shippedFolder, const QString& userFolder) {
    const QString target = QDir(userFolder).filePath(kUserMenuFile);
    if (QFileInfo::exists(target))
        return true;
    QFile shipped(QDir(shippedFolder).filePath(kUserMenuFile));
    if (!shipped.open(QIODevice::ReadOnly) || !QDir().mkpath(userFolder))
        return false;
    QSaveFile copy(target);
    return copy.open(QIODevice::WriteOnly) && copy.write(shipped.readAll()) >= 0 && copy.commit();
}
