#include "state/ProgramFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

}  // namespace

class TestProgramFolders : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void theBuildFolderServesForEverything() {
        const QString build = m_dir.filePath("build/src");
        write(build + "/readme.txt", "read me");
        const auto folders = ProgramFolders::resolve(build, m_dir.filePath("user"));
        QCOMPARE(folders.readmeFolder, build);
        QCOMPARE(folders.userMenuFolder, build);
        QVERIFY(!QFile::exists(m_dir.filePath("user/userdef.dat")));
    }

    void anInstalledProgramReadsItsDataFolderAndSeedsTheUsersFile() {
        const QString prefix = m_dir.filePath("usr");
        write(prefix + "/share/pagelark/readme.txt", "read me");
        write(prefix + "/share/pagelark/userdef.dat", "<b></b>{left 4}\n");
        const QString user = m_dir.filePath("home/.local/share/Pagelark");
        const auto folders = ProgramFolders::resolve(prefix + "/bin", user);
        QCOMPARE(folders.readmeFolder, prefix + "/share/pagelark");
        QCOMPARE(folders.userMenuFolder, user);
        QCOMPARE(read(user + "/userdef.dat"), QByteArray("<b></b>{left 4}\n"));
    }

    void theUsersOwnFileIsNeverOverwritten() {
        const QString prefix = m_dir.filePath("opt");
        write(prefix + "/share/pagelark/userdef.dat", "shipped\n");
        const QString user = m_dir.filePath("mine");
        write(user + "/userdef.dat", "my own\n");
        ProgramFolders::resolve(prefix + "/bin", user);
        QCOMPARE(read(user + "/userdef.dat"), QByteArray("my own\n"));
    }

    void aReadOnlyDataFolderIsOnlyRead() {
        const QString prefix = m_dir.filePath("ro");
        write(prefix + "/share/pagelark/userdef.dat", "shipped\n");
        QFile::setPermissions(prefix + "/share/pagelark", QFile::ReadOwner | QFile::ExeOwner);
        const QString user = m_dir.filePath("ro-user");
        const auto folders = ProgramFolders::resolve(prefix + "/bin", user);
        QFile::setPermissions(prefix + "/share/pagelark",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(folders.userMenuFolder, user);
        QCOMPARE(read(user + "/userdef.dat"), QByteArray("shipped\n"));
        QCOMPARE(QDir(prefix + "/share/pagelark").entryList(QDir::Files),
                 QStringList{"userdef.dat"});
    }

    void nothingToSeedLeavesTheUserFolderAlone() {
        QVERIFY(!ProgramFolders::seedUserMenuFile(m_dir.filePath("none"), m_dir.filePath("u2")));
        QVERIFY(!QFile::exists(m_dir.filePath("u2/userdef.dat")));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestProgramFolders)
#include "tst_programfolders.moc"
