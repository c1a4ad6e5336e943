// A save that cannot be completed keeps the old file and the changed window, and its message
// names the file and says why. Runs the real save on a small disk, a read-only one and under a
// file-size limit.
#include "support/FrameFixture.h"
#include "support/SmallDisk.h"

#include "document/DocumentWindow.h"
#include "files/FileWriter.h"
#include "files/SaveMessage.h"

#include <cerrno>
#include <optional>

#include <sys/resource.h>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <QTextStream>

namespace {

constexpr char kSizeLimitChild[] = "--save-under-size-limit";
constexpr rlim_t kSizeLimit = 2048;

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Opens the file in the real frame, types a word and saves; returns the messages shown.
QStringList typeAndSave(FrameFixture& fx, const QString& path) {
    fx.start(path);
    fx.typeText(QStringLiteral("word "));
    fx.active()->action(Command::FileSave)->trigger();
    return fx.dialogs().messageTexts();
}

// The child process of the size-limit test: saves the file, grown by a word, under a limit
// smaller than its text, and prints whether the window stayed changed and what it showed.
int saveUnderSizeLimit(int argc, char** argv) {
    QApplication app(argc, argv);
    FileWriter::ignoreFileSizeSignal();
    FrameFixture fx;
    fx.start(QString::fromLocal8Bit(argv[2]));
    fx.typeText(QStringLiteral("word "));
    const rlimit limit{kSizeLimit, kSizeLimit};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        return 2;
    fx.active()->action(Command::FileSave)->trigger();
    QTextStream(stdout) << (fx.active()->isChanged() ? "changed\n" : "saved\n")
                        << fx.dialogs().messageTexts().join(QLatin1Char('\n'));
    return 0;
}

}  // namespace

class TestSaveFailures : public QObject {
    Q_OBJECT

private slots:
    void messagesNameTheFileAndSayWhy_data() {
        QTest::addColumn<int>("errorCode");
        QTest::addColumn<bool>("fileReadOnly");
        QTest::addColumn<QString>("reason");
        const QString folder = QStringLiteral("/home/ann/site");
        QTest::newRow("disk full") << ENOSPC << false << "The disk is full.";
        QTest::newRow("quota used up") << EDQUOT << false << "Your share of the disk is used up.";
        QTest::newRow("read-only file system")
            << EROFS << false << "The folder " + folder + " is read-only.";
        QTest::newRow("folder not writable")
            << EACCES << false << "The folder " + folder + " is read-only.";
        QTest::newRow("file not writable") << EACCES << true << "The file is read-only.";
        QTest::newRow("folder gone")
            << ENOENT << false << "The folder " + folder + " no longer exists.";
        QTest::newRow("file-size limit")
            << EFBIG << false << "The file would be larger than this system allows.";
        QTest::newRow("a folder of that name")
            << EISDIR << false << "There is a folder of that name.";
        QTest::newRow("anything else") << EIO << false << "The file could not be written.";
    }

    void messagesNameTheFileAndSayWhy() {
        QFETCH(int, errorCode);
        QFETCH(bool, fileReadOnly);
        QFETCH(QString, reason);
        const QString path = QStringLiteral("/home/ann/site/page.html");
        QCOMPARE(SaveMessage::forFailure(path, {errorCode, "system words", fileReadOnly}),
                 "Can't save file: \n" + path + "\n" + reason + " (system words)");
        QCOMPARE(SaveMessage::forFailure(path, {errorCode, QString(), fileReadOnly}),
                 "Can't save file: \n" + path + "\n" + reason);
    }

    void messagesNameTheFolderThatRefusedAndWhereTheOldContentWaits() {
        WriteFailure failure(EACCES, QString());
        failure.folder = QStringLiteral("/srv/site");
        failure.keptAside = QStringLiteral("/home/ann/aside/page.html.x1Y2z3");
        QCOMPARE(SaveMessage::forFailure(QStringLiteral("/home/ann/page.html"), failure),
                 "Can't save file: \n/home/ann/page.html\nThe folder /srv/site is read-only.\n"
                 "Its old content is kept in /home/ann/aside/page.html.x1Y2z3.");
    }

    void aFullDiskKeepsTheFileAndTheChanges_data() {
        // Qt buffers 16 KB of writes: texts below that used to fail only when flushed.
        QTest::addColumn<qint64>("freeBytes");
        QTest::addColumn<int>("textBytes");
        QTest::addColumn<bool>("fits");
        QTest::newRow("nothing free") << qint64(0) << 100 << false;
        QTest::newRow("8 KB free, 15,000 bytes") << qint64(8192) << 15000 << false;
        QTest::newRow("16 KB free, just over 16 KB") << qint64(16384) << 16390 << false;
        QTest::newRow("16 KB free, 12,000 bytes fit") << qint64(16384) << 12000 << true;
    }

    void aFullDiskKeepsTheFileAndTheChanges() {
        QFETCH(qint64, freeBytes);
        QFETCH(int, textBytes);
        QFETCH(bool, fits);
        SmallDisk disk;
        if (!disk.mounted())
            QSKIP("a small file system cannot be mounted here");
        const QString path = disk.path(QStringLiteral("page.html"));
        const QByteArray old(textBytes - 5, 'o');
        QVERIFY(writeFile(path, old));
        QVERIFY(disk.fillLeaving(freeBytes));

        FrameFixture fx;
        const QStringList shown = typeAndSave(fx, path);
        if (fits) {
            QCOMPARE(shown, QStringList());
            QCOMPARE(readAll(path), "word " + old);
            QVERIFY(!fx.active()->isChanged());
            return;
        }
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].startsWith("Can't save file: \n" + path + "\nThe disk is full. ("),
                 qPrintable(shown[0]));
        QCOMPARE(readAll(path), old);
        QVERIFY(fx.active()->isChanged());
        QCOMPARE(QDir(disk.path(".")).entryList(QDir::Files), QStringList({"filler", "page.html"}));
    }

    void aReadOnlyDiskIsNamed() {
        SmallDisk disk;
        if (!disk.mounted())
            QSKIP("a small file system cannot be mounted here");
        const QString path = disk.path(QStringLiteral("page.html"));
        QVERIFY(writeFile(path, "old"));
        QVERIFY(disk.makeReadOnly());
        FrameFixture fx;
        const QStringList shown = typeAndSave(fx, path);
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].startsWith("Can't save file: \n" + path + "\nThe folder " +
                                     QFileInfo(path).absolutePath() + " is read-only. ("),
                 qPrintable(shown[0]));
        QCOMPARE(readAll(path), QByteArray("old"));
        QVERIFY(fx.active()->isChanged());
    }

    void aRefusedSaveThroughALinkNamesTheTargetsFolder_data() {
        QTest::addColumn<bool>("readOnlyDisk");
        QTest::addColumn<QString>("reason");
        QTest::newRow("its folder is gone") << false << "no longer exists.";
        QTest::newRow("its disk is read-only") << true << "is read-only.";
    }

    void aRefusedSaveThroughALinkNamesTheTargetsFolder() {
        // The link lies in a folder that could be written.
        QFETCH(bool, readOnlyDisk);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        std::optional<SmallDisk> disk;
        if (readOnlyDisk && !disk.emplace().mounted())
            QSKIP("a small file system cannot be mounted here");
        const QString folder = readOnlyDisk ? disk->path(".") : dir.filePath("gone");
        const QString link = dir.filePath("link.html");
        QVERIFY(QFile::link(QDir(folder).absoluteFilePath("page.html"), link));
        QVERIFY(!readOnlyDisk ||
                (writeFile(disk->path("page.html"), "old") && disk->makeReadOnly()));

        const auto failure = FileWriter::write(link, "new", dir.filePath("aside"));
        QVERIFY(failure);
        const QString shown = SaveMessage::forFailure(link, *failure);
        QVERIFY2(shown.startsWith("Can't save file: \n" + link + "\nThe folder " +
                                  QDir(folder).absolutePath() + " " + reason),
                 qPrintable(shown));
        QVERIFY(QFileInfo(link).isSymLink());
    }

    void aFileSizeLimitFailsTheSaveInsteadOfEndingTheProgram() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("page.html"));
        const QByteArray old(2 * kSizeLimit, 'o');
        QVERIFY(writeFile(path, old));
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {kSizeLimitChild, path});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        const QString shown = QString::fromLocal8Bit(child.readAllStandardOutput());
        QVERIFY2(shown.startsWith("changed\nCan't save file: \n" + path +
                                  "\nThe file would be larger than this system allows. ("),
                 qPrintable(shown));
        QCOMPARE(readAll(path), old);
    }
};

int main(int argc, char** argv) {
    if (argc == 3 && qstrcmp(argv[1], kSizeLimitChild) == 0)
        return saveUnderSizeLimit(argc, argv);
    QApplication app(argc, argv);
    TestSaveFailures test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_savefailures.moc"
