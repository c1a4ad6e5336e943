// A save changes the file's content and nothing else about it: its other hard links, its owner
// and group, the symbolic link it was saved through, a file mounted on its own. Where the file
// is written over rather than replaced, its old content waits aside until the new content is
// on the disk, and is gone once it is.
#include "support/SmallDisk.h"

#include "files/FileWriter.h"

#include <optional>

#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

enum class Setup { PlainFile, HardLinked, OtherOwner, SymbolicLink, LinkToReadOnlyFolder, Mounted };

constexpr uid_t kNobody = 65534;
const QByteArray kOld = "<p>old text</p>\n";
// Every byte value, line ends of each kind and a NUL: the file gets exactly these.
const QByteArray kNew = [] {
    QByteArray bytes("<p>new</p>\r\n\r\n");
    for (int b = 255; b >= 0; --b)
        bytes += char(b);
    return bytes;
}();

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool makeLink(const QString& target, const QString& name, bool symbolic) {
    const QByteArray from = QFile::encodeName(target), to = QFile::encodeName(name);
    return (symbolic ? ::symlink(from.constData(), to.constData())
                     : ::link(from.constData(), to.constData())) == 0;
}

// The file a row saves to, and every name that must show the new content afterwards.
struct Place {
    QString saveTo;
    QStringList names;
};

// Makes the row's file in `dir` (on `disk` where it needs one) holding kOld; nothing when this
// system cannot make it.
std::optional<Place> make(Setup setup, const QTemporaryDir& dir, std::optional<SmallDisk>& disk) {
    const QString page = dir.filePath("page.html"), other = dir.filePath("other.html");
    if (!writeFile(page, kOld))
        return std::nullopt;
    switch (setup) {
        case Setup::PlainFile:
            return Place{page, {page}};
        case Setup::HardLinked:
            return makeLink(page, other, false) ? std::optional(Place{page, {page, other}})
                                                : std::nullopt;
        case Setup::OtherOwner:
            return ::chown(QFile::encodeName(page).constData(), kNobody, kNobody) == 0
                       ? std::optional(Place{page, {page}})
                       : std::nullopt;
        case Setup::SymbolicLink:
            return makeLink("page.html", other, true) ? std::optional(Place{other, {other, page}})
                                                      : std::nullopt;
        case Setup::LinkToReadOnlyFolder:
        case Setup::Mounted:
            break;
    }
    disk.emplace();
    const QString onDisk = disk->path("page.html");
    if (!disk->mounted() || !disk->mountFileOver("page.html", page))
        return std::nullopt;
    if (setup == Setup::Mounted)
        return Place{onDisk, {onDisk, page}};
    if (!disk->makeReadOnly() || !makeLink(onDisk, other, true))
        return std::nullopt;
    return Place{other, {other, onDisk, page}};
}

// What a save must leave as it was.
struct Identity {
    bool symbolicLink;
    uid_t owner;
    gid_t group;
    nlink_t links;

    static Identity of(const QString& path) {
        struct stat name {
        }, file{};
        const QByteArray native = QFile::encodeName(path);
        ::lstat(native.constData(), &name);
        ::stat(native.constData(), &file);
        return {S_ISLNK(name.st_mode), file.st_uid, file.st_gid, file.st_nlink};
    }
    bool operator==(const Identity&) const = default;
};

}  // namespace

Q_DECLARE_METATYPE(Setup)

class TestSaveKeepsFile : public QObject {
    Q_OBJECT

private slots:
    void aSaveChangesTheContentOnly_data() {
        QTest::addColumn<Setup>("setup");
        QTest::newRow("a plain file") << Setup::PlainFile;
        QTest::newRow("a file with a second hard link") << Setup::HardLinked;
        QTest::newRow("another user's file") << Setup::OtherOwner;
        QTest::newRow("through a symbolic link") << Setup::SymbolicLink;
        QTest::newRow("through a link to a writable file in a read-only folder")
            << Setup::LinkToReadOnlyFolder;
        QTest::newRow("a file mounted on its own") << Setup::Mounted;
    }

    void aSaveChangesTheContentOnly() {
        QFETCH(Setup, setup);
        QTemporaryDir dir, aside;
        std::optional<SmallDisk> disk;
        const std::optional<Place> place = make(setup, dir, disk);
        if (!place)
            QSKIP("this system cannot make the file (mounting and giving files away need root)");
        const Identity before = Identity::of(place->saveTo);

        const auto failure = FileWriter::write(place->saveTo, kNew, aside.path());
        QVERIFY2(!failure, qPrintable(failure ? failure->systemText : QString()));
        for (const QString& name : place->names)
            QVERIFY2(readAll(name) == kNew, qPrintable(name));
        QVERIFY(Identity::of(place->saveTo) == before);
        QCOMPARE(QDir(aside.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void aFailedWriteOverKeepsTheOldContent() {
        // A hard-linked file is written over; a full disk stops the write half-way.
        SmallDisk disk;
        if (!disk.mounted())
            QSKIP("a small file system cannot be mounted here");
        QTemporaryDir aside;
        const QString page = disk.path("page.html"), other = disk.path("other.html");
        QVERIFY(writeFile(page, kOld) && makeLink(page, other, false));
        QVERIFY(disk.fillLeaving(4096));

        const auto failure = FileWriter::write(page, QByteArray(3 * 4096, 'n'), aside.path());
        QVERIFY(failure);
        QCOMPARE(failure->errorCode, ENOSPC);
        QCOMPARE(failure->keptAside, QString());
        QCOMPARE(readAll(page), kOld);
        QCOMPARE(readAll(other), kOld);
        QCOMPARE(QDir(aside.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestSaveKeepsFile)
#include "tst_savekeepsfile.moc"
