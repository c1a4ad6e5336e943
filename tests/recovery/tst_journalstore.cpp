#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "recovery/JournalEntry.h"
#include "recovery/JournalStore.h"
#include "recovery/OrphanedJournals.h"
#include "support/FileBytes.h"

namespace {

JournalEntry entryWith(const QByteArray& bytes, const TextFormat& format = {},
                       const QString& path = QStringLiteral("/site/index.html")) {
    return {path, QStringLiteral("Untitled 3"), format,
            QDateTime::fromString(QStringLiteral("2024-05-06T07:08:09.123Z"), Qt::ISODateWithMs),
            bytes};
}

// Leaves a run folder as a crashed run does: its entries written, its lock naming a process that
// is gone. The writing run is a child process that ends without cleaning up.
void leaveRunOfDeadProcess(const QString& root, const JournalEntry& entry) {
    const pid_t child = fork();
    if (child == 0) {
        JournalStore store(root);
        _exit(store.write(QStringLiteral("document-1"), entry, nullptr) ? 0 : 1);
    }
    int status = -1;
    waitpid(child, &status, 0);
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// The entry with its text, read from its file.
JournalEntry withText(RecoverableEntry kept) {
    QString problem;
    kept.readText(&problem);
    return kept.entry;
}

QStringList rootListing(const QString& root) {
    return QDir(root).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// A folder's names and the bytes of its regular files; nothing else is opened.
QMap<QString, QByteArray> contentsOf(const QString& folder) {
    QMap<QString, QByteArray> contents;
    const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QFileInfo& info : QDir(folder).entryInfoList(all)) {
        QFile file(info.filePath());
        contents[info.fileName()] =
            info.isFile() && file.open(QIODevice::ReadOnly) ? file.readAll() : "(no file)";
    }
    return contents;
}

// What a start finds in the recovery folder, discarded at once, in a child process that is
// ended if it hangs: the number of entries offered, or -1.
int offeredAtStart(const QString& root) {
    const pid_t child = fork();
    if (child == 0) {
        alarm(10);
        OrphanedJournals orphans(root);
        const int offered = int(orphans.entries().size());
        orphans.resolve({RecoveryAnswer::Discard});
        _exit(offered);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// What a crash, a script or another user might leave in the recovery folder.
enum class Craft { LinkedRunFolder, LinkedEntry, PipeLock, LinkedLock, ForeignRunFolder };

}  // namespace

class TestJournalStore : public QObject {
    Q_OBJECT

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }
    void entriesComeBackByteForByte_data();
    void entriesComeBackByteForByte();
    void damagedEntriesAreSkippedWithANote_data();
    void damagedEntriesAreSkippedWithANote();
    void aLeftoverTemporaryFileDoesNotSpoilTheEntry();
    void aLiveRunKeepsItsEntries();
    void aGoneRunIsOfferedToOneClaimerOnly();
    void answersDecideWhatStays();
    void nothingOutsideTheJournalIsTouched_data();
    void nothingOutsideTheJournalIsTouched();

private:
    QString root() const { return m_dir->path(); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestJournalStore::entriesComeBackByteForByte_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<LineEnd>("lineEnd");
    QTest::addColumn<QString>("path");
    QTest::newRow("utf-8, lf") << QByteArray("<p>\xc3\xa9t\xc3\xa9</p>\n") << TextEncoding::Utf8
                               << LineEnd::Lf << QStringLiteral("/a.html");
    QTest::newRow("latin-1, crlf")
        << QByteArray("caf\xe9\r\nna\xefve\r\n\r\n") << TextEncoding::Latin1 << LineEnd::CrLf
        << QStringLiteral("/odd\nname \xc3\xa9.htm");
    QTest::newRow("untitled, cr, no final break")
        << QByteArray("a\rb\0c", 5) << TextEncoding::Utf8 << LineEnd::Cr << QString();
    QTest::newRow("empty") << QByteArray() << TextEncoding::Utf8 << LineEnd::Lf << QString();
}

void TestJournalStore::entriesComeBackByteForByte() {
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, encoding);
    QFETCH(LineEnd, lineEnd);
    QFETCH(QString, path);
    const JournalEntry written = entryWith(bytes, {encoding, lineEnd}, path);
    {
        JournalStore store(root());
        QVERIFY(store.write(QStringLiteral("document-1"), written, nullptr));
    }
    OrphanedJournals orphans(root());
    QCOMPARE(orphans.notes(), QStringList());
    QCOMPARE(orphans.entries().size(), 1);
    QCOMPARE(withText(orphans.entries().first()), written);
}

// A damaged text is found when it is restored: listing reads no more than the headers, whatever
// they claim.
void TestJournalStore::damagedEntriesAreSkippedWithANote_data() {
    QTest::addColumn<int>("resizeBy");  // bytes cut from the end (negative) or zeros added
    QTest::addColumn<QByteArray>("replace");
    QTest::addColumn<QByteArray>("with");
    QTest::addColumn<QString>("note");
    QTest::addColumn<bool>("onRestore");  // the note comes when restoring, not when listing
    const QString damaged = QStringLiteral("its text is damaged");
    QTest::newRow("cut short") << -3 << QByteArray() << QByteArray()
                               << QStringLiteral(
                                      "/site/index.html could not be recovered: it is "
                                      "cut short.")
                               << false;
    QTest::newRow("text damaged") << 0 << QByteArray("hello") << QByteArray("jello") << damaged
                                  << true;
    QTest::newRow("bytes added") << 0 << QByteArray("world") << QByteArray("world!") << damaged
                                 << false;
    QTest::newRow("50 MB, damaged") << (50 << 20) << QByteArray("\"length\":11")
                                    << QByteArray("\"length\":52428811") << damaged << true;
    QTest::newRow("claims a huge length")
        << 0 << QByteArray("\"length\":11") << QByteArray("\"length\":9000000000000000")
        << QStringLiteral("it is cut short") << false;
    QTest::newRow("description damaged") << 0 << QByteArray("\"sha1\"") << QByteArray("{")
                                         << QStringLiteral("its description is damaged") << false;
    QTest::newRow("other version") << 0 << QByteArray("RECOVERY 1") << QByteArray("RECOVERY 7")
                                   << QStringLiteral("another version of Pagelark") << false;
    QTest::newRow("not an entry") << 0 << QByteArray("PAGELARK") << QByteArray("<html>")
                                  << QStringLiteral("it is not a recovery entry") << false;
}

void TestJournalStore::damagedEntriesAreSkippedWithANote() {
    QFETCH(int, resizeBy);
    QFETCH(QByteArray, replace);
    QFETCH(QByteArray, with);
    QFETCH(QString, note);
    QFETCH(bool, onRestore);
    QString damagedFile;
    {
        JournalStore store(root());
        QVERIFY(store.write(QStringLiteral("document-1"), entryWith("hello\nworld"), nullptr));
        QVERIFY(store.write(QStringLiteral("document-2"), entryWith("sound"), nullptr));
        damagedFile = store.folder() + QStringLiteral("/document-1.entry");
    }
    QFile file(damagedFile);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll().replace(replace, with);
    file.resize(0);
    file.write(bytes);
    QVERIFY(file.resize(bytes.size() + resizeBy));  // zeros added take no room on the disk
    file.close();

    OrphanedJournals orphans(root());
    QCOMPARE(orphans.request().notes, orphans.notes());
    QStringList notes = orphans.notes();
    QCOMPARE(notes.isEmpty(), onRestore);
    QStringList restored;
    notes += orphans.resolve({RecoveryAnswer::Restore}, [&](const RecoverableEntry& kept) {
        restored.append(QString::fromLatin1(kept.entry.bytes));
        return true;
    });
    QCOMPARE(restored, QStringList{QStringLiteral("sound")});
    QCOMPARE(notes.size(), 1);
    QVERIFY2(notes.first().contains(note), qPrintable(notes.first()));
}

// QSaveFile writes beside the entry and renames over it; a run killed meanwhile leaves the
// temporary file, which must neither hide nor replace the entry.
void TestJournalStore::aLeftoverTemporaryFileDoesNotSpoilTheEntry() {
    const JournalEntry whole = entryWith("the whole text");
    {
        JournalStore store(root());
        QVERIFY(store.write(QStringLiteral("document-1"), whole, nullptr));
        QFile temporary(store.folder() + QStringLiteral("/document-1.entry.Ab12Cd"));
        QVERIFY(temporary.open(QIODevice::WriteOnly));
        temporary.write(entryWith("the whole text and more").serialize().left(40));
    }
    OrphanedJournals orphans(root());
    QCOMPARE(orphans.notes(), QStringList());
    QCOMPARE(orphans.entries().size(), 1);
    QCOMPARE(withText(orphans.entries().first()), whole);
}

// A second Pagelark sees the first one's lock as live and leaves its entries alone, however long
// the first one has been running.
void TestJournalStore::aLiveRunKeepsItsEntries() {
    JournalStore live(root());
    QVERIFY2(live.isOpen(), qPrintable(live.problem()));
    QVERIFY(live.write(QStringLiteral("document-1"), entryWith("mine"), nullptr));
    QFile lock(JournalStore::lockFileOf(live.folder()));
    QVERIFY(lock.open(QIODevice::ReadWrite));
    QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                             QFileDevice::FileModificationTime));
    lock.close();
    QVERIFY(OrphanedJournals(root()).isEmpty());
    OrphanedJournals(root()).resolve({RecoveryAnswer::Discard});
    QCOMPARE(live.names(), QStringList{QStringLiteral("document-1")});
}

// The run's process is gone: its entries are offered, and while one starting run holds them,
// another starting at the same time gets none.
void TestJournalStore::aGoneRunIsOfferedToOneClaimerOnly() {
    leaveRunOfDeadProcess(root(), entryWith("typed before the crash"));
    OrphanedJournals first(root());
    OrphanedJournals second(root());
    QCOMPARE(first.entries().size(), 1);
    QCOMPARE(withText(first.entries().first()).bytes, QByteArray("typed before the crash"));
    QVERIFY(second.isEmpty());
    QCOMPARE(first.request().items, (QList<RecoveryItem>{{QStringLiteral("/site/index.html"),
                                                          first.entries().first().entry.taken}}));
}

void TestJournalStore::answersDecideWhatStays() {
    {
        JournalStore crashed(root());
        crashed.write(QStringLiteral("document-1"), entryWith("restored"), nullptr);
        crashed.write(QStringLiteral("document-2"), entryWith("not restored"), nullptr);
        crashed.write(QStringLiteral("document-3"), entryWith("damaged"), nullptr);
        QFile::resize(crashed.folder() + QStringLiteral("/document-3.entry"), 20);
    }
    OrphanedJournals(root()).resolve({RecoveryAnswer::Later});
    OrphanedJournals offered(root());
    QCOMPARE(offered.entries().size(), 2);
    QCOMPARE(offered.notes().size(), 1);
    offered.resolve({RecoveryAnswer::Restore},
                    [](const RecoverableEntry& kept) { return kept.entry.bytes == "restored"; });
    OrphanedJournals left(root());
    QCOMPARE(left.notes(), QStringList());
    QCOMPARE(left.entries().size(), 1);
    QCOMPARE(withText(left.entries().first()).bytes, QByteArray("not restored"));
    left.resolve({RecoveryAnswer::Discard});
    QCOMPARE(rootListing(root()), QStringList());
}

// A run folder whose run is gone (no lock), holding one entry, and beside the journal a folder of
// the user's with an entry, a hidden file and a pipe: nothing there is read, written or deleted,
// and a start never waits.
void TestJournalStore::nothingOutsideTheJournalIsTouched_data() {
    QTest::addColumn<Craft>("craft");
    QTest::addColumn<int>("offered");
    QTest::newRow("run folder links elsewhere") << Craft::LinkedRunFolder << 0;
    QTest::newRow("entry links elsewhere") << Craft::LinkedEntry << 1;
    QTest::newRow("lock is a pipe") << Craft::PipeLock << 0;
    QTest::newRow("lock links to a pipe") << Craft::LinkedLock << 0;
    QTest::newRow("run folder of another user") << Craft::ForeignRunFolder << 0;
}

void TestJournalStore::nothingOutsideTheJournalIsTouched() {
    QFETCH(Craft, craft);
    QFETCH(int, offered);
    QTemporaryDir outside;
    const QByteArray entry = entryWith("elsewhere").serialize();
    QVERIFY(writeFile(outside.filePath(QStringLiteral("document-1.entry")), entry));
    QVERIFY(writeFile(outside.filePath(QStringLiteral(".hidden")), "hidden"));
    QVERIFY(mkfifo(QFile::encodeName(outside.filePath(QStringLiteral("pipe"))), 0600) == 0);
    const QMap<QString, QByteArray> before = contentsOf(outside.path());

    const QString run = root() + QStringLiteral("/run-crafted");
    const QString lock = JournalStore::lockFileOf(run);
    if (craft == Craft::LinkedRunFolder) {
        QVERIFY(QFile::link(outside.path(), run));
    } else {
        QVERIFY(QDir().mkdir(run));
        QVERIFY(
            writeFile(run + QStringLiteral("/document-1.entry"), entryWith("kept").serialize()));
    }
    const QString linkedEntry = run + QStringLiteral("/document-2.entry");
    if (craft == Craft::LinkedEntry) {
        QVERIFY(QFile::link(outside.filePath(QStringLiteral("document-1.entry")), linkedEntry));
        // Taken over through the link, the entry would have the next write land elsewhere.
        JournalStore store(root());
        QVERIFY(!store.adopt(linkedEntry, QStringLiteral("document-1")));
        QVERIFY(store.write(QStringLiteral("document-1"), entryWith("journal"), nullptr));
        store.close();
    }
    if (craft == Craft::PipeLock)
        QVERIFY(mkfifo(QFile::encodeName(lock), 0600) == 0);
    if (craft == Craft::LinkedLock)
        QVERIFY(QFile::link(outside.filePath(QStringLiteral("pipe")), lock));
    if (craft == Craft::ForeignRunFolder && chown(QFile::encodeName(run), 65534, 65534) != 0)
        QSKIP("Giving a folder to another user needs the right to");

    QCOMPARE(offeredAtStart(root()), offered);
    QCOMPARE(contentsOf(outside.path()), before);
}

QTEST_MAIN(TestJournalStore)
#include "tst_journalstore.moc"
