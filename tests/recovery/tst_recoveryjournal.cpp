#include <QDir>
#include <QFile>
#include <QPlainTextDocumentLayout>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

#include "recovery/EditRecorder.h"
#include "recovery/JournalEntry.h"
#include "recovery/JournalText.h"
#include "recovery/OrphanedJournals.h"
#include "recovery/RecoveryJournal.h"
#include "recovery/TextReplica.h"
#include "support/SmallDisk.h"
#include "text/DocumentText.h"

namespace {

// The document an editor holds: plain-text layout, as in QPlainTextEdit.
class EditorDocument : public QTextDocument {
public:
    EditorDocument() { setDocumentLayout(new QPlainTextDocumentLayout(this)); }
};

// The entry the journal holds for its only document, read back from disk.
std::optional<JournalEntry> onlyEntry(const RecoveryJournal& journal) {
    const QStringList names = journal.entries();
    if (names.size() != 1)
        return std::nullopt;
    QFile file(journal.folder() + u'/' + names.first() + QStringLiteral(".entry"));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return JournalEntry::parse(file.readAll(), nullptr);
}

QByteArray savedBytes(const QTextDocument& document, const TextFormat& format) {
    return DocumentText::save(document, format).value_or("<refused>");
}

// One random edit of the kinds a user makes: typing (with line breaks), deleting a stretch that
// may cross breaks, a script that edits two places in one step, undo and redo.
void editAtRandom(QTextDocument& document, QRandomGenerator& random) {
    static const QStringList pieces{QStringLiteral("a"),
                                    QStringLiteral("\n"),
                                    QStringLiteral("<p>\nx"),
                                    QStringLiteral("\u00e9"),
                                    QStringLiteral("\r\n"),
                                    QStringLiteral("\U0001F600"),
                                    QString()};
    const int length = document.characterCount() - 1;
    QTextCursor cursor(&document);
    cursor.setPosition(random.bounded(length + 1));
    switch (random.bounded(6)) {
        case 3:
            cursor.beginEditBlock();
            cursor.insertText(QStringLiteral("<b>"));
            cursor.movePosition(QTextCursor::End);
            cursor.insertText(QStringLiteral("</b>\n"));
            cursor.endEditBlock();
            break;
        case 0:
            document.undo();
            break;
        case 1:
            document.redo();
            break;
        case 2:
            cursor.setPosition(std::min(length, cursor.position() + random.bounded(4)),
                               QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
            break;
        default:
            cursor.insertText(pieces.at(random.bounded(pieces.size())));
    }
}

enum class Fault { FolderBlocked, DiskFullAtStart, DiskFullWhileWriting };

}  // namespace

class TestRecoveryJournal : public QObject {
    Q_OBJECT

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }
    void entriesMatchWhatSaveWouldWrite_data();
    void entriesMatchWhatSaveWouldWrite();
    void textItsEncodingCannotHoldIsKeptAsUtf8();
    void aLargePasteTakenBackLeavesTheEntryExact();
    void aLargeFileWaitsPackedAndComesBackByteForByte();
    void keysFarIntoALargeFileLandWhereTheyWereTyped();
    void editsAreWrittenAfterAPauseOrAtTheLatestDelay();
    void saveAndCloseRemoveTheEntryAndACleanEndLeavesNothing();
    void anUncleanEndLeavesEntriesThatANewRunAdopts();
    void aFailureIsExplainedRetriedAndMadeGood_data();
    void aFailureIsExplainedRetriedAndMadeGood();

private:
    QString root() const { return m_dir->path(); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

// The journal follows the text through edits, undo and reloads, and keeps exactly the bytes
// Save would write: line ends of every kind, where they were.
void TestRecoveryJournal::entriesMatchWhatSaveWouldWrite_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("toldTheBytes");  // noteLoaded(), or the whole text read at first
    QTest::addColumn<quint32>("seed");
    const QByteArray mixed(
        "a\r\nb\nc\rd\r\n\xe2\x80\xa9"
        "e\n");
    QTest::newRow("untitled") << QByteArray() << true << 1u;
    QTest::newRow("crlf") << QByteArray("<html>\r\n<body>\r\n</body>\r\n") << false << 2u;
    QTest::newRow("mixed line ends, read") << mixed << false << 3u;
    QTest::newRow("mixed line ends, told") << mixed << true << 4u;
    QTest::newRow("latin-1") << QByteArray("caf\xe9\r\nna\xefve\n\r\n") << true << 5u;
    QTest::newRow("surrogate pairs")
        << QByteArray("\xf0\x9f\x98\x80\r\n\xf0\x9f\x98\x81x\n") << true << 6u;
}

void TestRecoveryJournal::entriesMatchWhatSaveWouldWrite() {
    QFETCH(QByteArray, file);
    QFETCH(bool, toldTheBytes);
    QFETCH(quint32, seed);
    EditorDocument document;
    const TextFormat format = DocumentText::load(document, file);
    RecoveryJournal journal(root());
    if (toldTheBytes)
        journal.noteLoaded(document, file, format);
    journal.describe(document, QStringLiteral("/site/page.html"), QStringLiteral("page.html"),
                     format);
    QRandomGenerator random(seed);
    for (int round = 0; round < 30; ++round) {
        for (int edit = random.bounded(1, 8); edit > 0; --edit)
            editAtRandom(document, random);
        if (round == 15)  // a reload while followed: marks are set after Qt reports the change
            DocumentText::load(document, "x\ny\r\nz\r");
        journal.noteEdited(document);
        journal.flush();
        // Half a surrogate pair cannot be saved, nor kept; undo or redo may bring its other half.
        const QByteArray expected = savedBytes(document, format);
        if (expected == "<refused>")
            continue;
        const std::optional<JournalEntry> entry = onlyEntry(journal);
        QVERIFY(entry);
        QCOMPARE(entry->bytes, expected);
        QCOMPARE(entry->path, QStringLiteral("/site/page.html"));
    }
}

void TestRecoveryJournal::textItsEncodingCannotHoldIsKeptAsUtf8() {
    EditorDocument document;
    const QByteArray file("caf\xe9\r\nx\ny");
    const TextFormat latin1 = DocumentText::load(document, file);
    RecoveryJournal journal(root());
    journal.noteLoaded(document, file, latin1);
    journal.describe(document, QString(), QStringLiteral("Untitled"), latin1);
    QTextCursor(&document).insertText(QStringLiteral("\u03bb"));
    journal.noteEdited(document);
    journal.flush();
    const std::optional<JournalEntry> entry = onlyEntry(journal);
    QVERIFY(entry);
    QCOMPARE(entry->format, latin1);
    QVERIFY(entry->keptAsUtf8);
    QCOMPARE(entry->bytes, QByteArray("\xce\xbb"
                                      "caf\xc3\xa9\r\nx\ny"));
}

// A paste of most of the text is taken whole; taking it back leaves the journal's copy mostly
// unused text, which it drops, keeping the marked line ends that remain.
void TestRecoveryJournal::aLargePasteTakenBackLeavesTheEntryExact() {
    EditorDocument document;
    const QByteArray file("a\r\nb\nc\r\n");
    const TextFormat format = DocumentText::load(document, file);
    RecoveryJournal journal(root());
    journal.noteLoaded(document, file, format);
    journal.describe(document, QString(), QStringLiteral("Untitled"), format);
    QTextCursor cursor(&document);
    cursor.setPosition(2);
    cursor.insertText(QString(1 << 21, u'x'));
    for (const bool takeBack : {false, true}) {
        if (takeBack)
            document.undo();
        journal.noteEdited(document);
        journal.flush();
        QCOMPARE(onlyEntry(journal).value_or(JournalEntry{}).bytes, savedBytes(document, format));
    }
    QTextCursor(&document).insertText(QStringLiteral("\n"));
    journal.noteEdited(document);
    journal.flush();
    QCOMPARE(onlyEntry(journal).value_or(JournalEntry{}).bytes, QByteArray("\r\na\r\nb\nc\r\n"));
}

// An unchanged large file is kept packed until its first change, and the copy starts from it
// unpacked: line ends of every kind and a Latin-1 letter come back as they were.
void TestRecoveryJournal::aLargeFileWaitsPackedAndComesBackByteForByte() {
    QByteArray file;
    for (int line = 0; file.size() < 400 * 1024; ++line)
        file += "<p>caf\xe9 " + QByteArray::number(line) + (line % 3 ? "</p>\r\n" : "</p>\n");
    EditorDocument document;
    const TextFormat format = DocumentText::load(document, file);
    EditRecorder recorder(document, file, format);
    QTRY_VERIFY_WITH_TIMEOUT(recorder.holdsPackedFile(), 10000);
    QTextCursor cursor(&document);
    cursor.setPosition(20);
    cursor.insertText(QStringLiteral("typed\n"));
    TextReplica replica;
    QVERIFY(replica.apply(recorder.take()));
    QCOMPARE(replica.encode(format, nullptr).value_or("<refused>"), savedBytes(document, format));
}

// The copy finds a key typed far into a large file from a place it noted on the way: line ends of
// every kind, letters of several bytes and a pair split by the key come back as they were.
void TestRecoveryJournal::keysFarIntoALargeFileLandWhereTheyWereTyped() {
    const QByteArray lines(
        "ab\r\n\xf0\x9f\x98\x80\n\xe2\x80\xa9"
        "cd\r");
    const QByteArray file = lines.repeated(6000);
    EditorDocument document;
    const TextFormat format = DocumentText::load(document, file);
    EditRecorder recorder(document, file, format);
    TextReplica replica;
    QVERIFY(replica.apply(recorder.take()));
    QRandomGenerator random(8);
    for (int key = 0; key < 40; ++key) {
        QTextCursor cursor(&document);
        cursor.setPosition(random.bounded(document.characterCount()));
        cursor.insertText(QStringLiteral("x"));
        QVERIFY(replica.apply(recorder.take()));
        const QByteArray expected = savedBytes(document, format);
        // A pair split by the key cannot be saved: that key is taken back, and every second one,
        // so that pieces join again and later keys split them afresh.
        if (expected != "<refused>")
            QCOMPARE(replica.encode(format, nullptr).value_or("<refused>"), expected);
        if (key % 2 || expected == "<refused>")
            document.undo();
    }
    QVERIFY(replica.apply(recorder.take()));
    QCOMPARE(replica.encode(format, nullptr).value_or("<refused>"), savedBytes(document, format));
}

// Quiet for 80 ms after the last edit, and never later than 300 ms after the first unwritten one.
void TestRecoveryJournal::editsAreWrittenAfterAPauseOrAtTheLatestDelay() {
    EditorDocument document;
    RecoveryJournal journal(root());
    journal.setDelays(80, 300);
    QTextCursor cursor(&document);
    for (int key = 0; key < 30 && journal.entries().isEmpty(); ++key) {
        cursor.insertText(QStringLiteral("x"));
        journal.noteEdited(document);
        QTest::qWait(40);
    }
    QVERIFY2(!journal.entries().isEmpty(), "steady typing never reached the journal");
    cursor.insertText(QStringLiteral("end"));
    journal.noteEdited(document);
    QTRY_COMPARE_WITH_TIMEOUT(onlyEntry(journal).value_or(JournalEntry{}).bytes,
                              savedBytes(document, TextFormat{}), 2000);
}

void TestRecoveryJournal::saveAndCloseRemoveTheEntryAndACleanEndLeavesNothing() {
    EditorDocument saved;
    EditorDocument closed;
    RecoveryJournal journal(root());
    for (QTextDocument* document : {&saved, &closed}) {
        QTextCursor(document).insertText(QStringLiteral("text"));
        journal.noteEdited(*document);
    }
    journal.flush();
    QCOMPARE(journal.entries().size(), 2);
    journal.noteSaved(saved);
    journal.noteClosed(closed);
    journal.flush();
    QVERIFY(journal.entries().isEmpty());

    // A save does not stop the journal: the next edit comes back, exact.
    QTextCursor(&saved).insertText(QStringLiteral("more "));
    journal.noteEdited(saved);
    journal.flush();
    QCOMPARE(onlyEntry(journal).value_or(JournalEntry{}).bytes, QByteArray("more text"));

    journal.finish();
    QCOMPARE(QDir(root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TestRecoveryJournal::anUncleanEndLeavesEntriesThatANewRunAdopts() {
    {
        EditorDocument document;
        RecoveryJournal lost(root());
        lost.describe(document, QString(), QStringLiteral("Untitled 2"), TextFormat{});
        QTextCursor(&document).insertText(QStringLiteral("kept"));
        lost.noteEdited(document);
        lost.flush();
    }  // no finish(): the run ends as a crash would leave it, lock released
    RecoveryJournal journal(root());
    OrphanedJournals orphans(root());
    QCOMPARE(orphans.entries().size(), 1);
    EditorDocument restored;
    RecoverableEntry kept = orphans.entries().first();
    QString problem;
    QVERIFY(kept.readText(&problem));
    DocumentText::load(restored, kept.entry.bytes, kept.entry.keptFormat());
    QVERIFY(journal.adopt(restored, kept));
    orphans.resolve({RecoveryAnswer::Restore}, [](const RecoverableEntry&) { return true; });
    QCOMPARE(onlyEntry(journal).value_or(JournalEntry{}).caption, QStringLiteral("Untitled 2"));
    QVERIFY(OrphanedJournals(root()).isEmpty());

    // The adopted entry is the restored document's own from now on.
    QTextCursor(&restored).insertText(QStringLiteral("still "));
    journal.noteEdited(restored);
    journal.flush();
    QCOMPARE(onlyEntry(journal).value_or(JournalEntry{}).bytes, QByteArray("still kept"));
}

// A journal that cannot write says why in full, tries again with no further edit, and says so
// once a write works.
void TestRecoveryJournal::aFailureIsExplainedRetriedAndMadeGood_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("message");
    QTest::newRow("a file where the folder goes")
        << Fault::FolderBlocked << QStringLiteral("^The recovery folder .*: Not a directory\\.$");
    QTest::newRow("disk full at start")
        << Fault::DiskFullAtStart
        << QStringLiteral("^No lock file can be made in .*: No space left on device\\.$");
    QTest::newRow("disk full while writing")
        << Fault::DiskFullWhileWriting
        << QStringLiteral("^The recovery copy of /site/page.html .*: No space left on device\\.$");
}

void TestRecoveryJournal::aFailureIsExplainedRetriedAndMadeGood() {
    QFETCH(Fault, fault);
    QFETCH(QString, message);
    SmallDisk disk;
    const bool blocked = fault == Fault::FolderBlocked;
    if (!blocked && !disk.mounted())
        QSKIP("Mounting a small disk needs the right to");
    const QString blocker = blocked ? root() + QStringLiteral("/blocker") : disk.path("filler");
    EditorDocument document;
    RecoveryJournal journal(blocked ? blocker + QStringLiteral("/recovery") : disk.path("journal"));
    journal.setDelays(10, 50, 100);
    journal.describe(document, QStringLiteral("/site/page.html"), QString(), TextFormat{});
    QSignalSpy failed(&journal, &RecoveryJournal::writeFailed);
    QSignalSpy recovered(&journal, &RecoveryJournal::writeRecovered);
    QTextCursor cursor(&document);
    if (fault == Fault::DiskFullWhileWriting) {
        cursor.insertText(QStringLiteral("first"));
        journal.noteEdited(document);
        journal.flush();
    }
    QVERIFY(blocked ? QFile(blocker).open(QIODevice::WriteOnly) : disk.fillLeaving(0));
    cursor.insertText(QString(10000, u'x'));
    journal.noteEdited(document);
    QTRY_COMPARE(failed.size(), 1);
    QVERIFY2(QRegularExpression(message).match(journal.lastFailure()).hasMatch(),
             qPrintable(journal.lastFailure()));
    QVERIFY(QFile::remove(blocker));
    QTRY_COMPARE(recovered.size(), 1);
    QCOMPARE(failed.size(), 1);
    QCOMPARE(journal.lastFailure(), QString());
    QCOMPARE(onlyEntry(journal).value_or(JournalEntry{}).bytes, savedBytes(document, {}));
}

QTEST_MAIN(TestRecoveryJournal)
#include "tst_recoveryjournal.moc"
