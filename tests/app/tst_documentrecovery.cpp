#include "support/FrameFixture.h"

#include "app/StatusLine.h"
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "text/DocumentText.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

namespace {

const QByteArray kRefused("<refused>");

void settle() {
    QCoreApplication::processEvents();
}

// The start-up offers shown so far.
QList<RecoveryRequest> offers(FrameFixture& fx) {
    QList<RecoveryRequest> found;
    for (const ScriptedDialogService::Shown& shown : fx.dialogs().shown()) {
        if (shown.kind == ScriptedDialogService::Kind::Recovery)
            found.append(shown.recovery);
    }
    return found;
}

// Types into the active document and waits until the journal has kept it.
void typeAndKeep(FrameFixture& fx, const QString& text) {
    fx.typeText(text);
    QTest::keyClick(fx.editor(), Qt::Key_Return);
    fx.journal().flush();
}

QString onlyEntryFile(FrameFixture& fx) {
    const QStringList names = fx.journal().entries();
    return names.size() == 1
               ? fx.journal().folder() + u'/' + names.first() + JournalStore::entrySuffix()
               : QString();
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestDocumentRecovery : public QObject {
    Q_OBJECT
private slots:
    void typedTextComesBackAfterACrash_data();
    void typedTextComesBackAfterACrash();
    void closingWithNoAndACleanExitLeaveNothing();
    void aRunningProgramKeepsItsEntriesFromASecondOne();
    void aTruncatedEntryIsSkippedWithANote();
    void restoredUntitledDocumentsKeepCaptionsOfTheirOwn_data();
    void restoredUntitledDocumentsKeepCaptionsOfTheirOwn();
    void aJournalThatCannotWriteKeepsAMarkUntilItCan();
};

namespace {

QStringList openCaptions(FrameFixture& fx) {
    QStringList captions;
    for (DocumentWindow* doc : fx.documents().openWindows())
        captions << doc->caption();
    return captions;
}

}  // namespace

// The start-up window gives way to the first restored document; every other untitled one gets
// the caption File > New would give it. Unchecked documents wait for the next start.
void TestDocumentRecovery::restoredUntitledDocumentsKeepCaptionsOfTheirOwn_data() {
    QTest::addColumn<QList<bool>>("chosen");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<int>("offeredNextTime");
    QTest::newRow("both") << QList<bool>{} << QStringList{"Untitled", "Untitled:2"} << 0;
    QTest::newRow("the second only") << QList<bool>{false, true} << QStringList{"Untitled"} << 1;
}

void TestDocumentRecovery::restoredUntitledDocumentsKeepCaptionsOfTheirOwn() {
    QFETCH(QList<bool>, chosen);
    QFETCH(QStringList, captions);
    QFETCH(int, offeredNextTime);
    FrameFixture fx;
    fx.start();
    typeAndKeep(fx, QStringLiteral("first"));
    fx.active()->action(Command::FileNew)->trigger();
    typeAndKeep(fx, QStringLiteral("second"));
    fx.crash();

    fx.dialogs().answerRecovery(RecoveryChoice{RecoveryAnswer::Restore, chosen});
    fx.start();
    settle();
    QCOMPARE(openCaptions(fx), captions);
    for (DocumentWindow* doc : fx.documents().openWindows())
        QVERIFY(doc->isChanged());
    QCOMPARE(fx.text(), QStringLiteral("second\n"));
    // Left with No: only what was not chosen is offered again.
    for (int i = 0; i < 2; ++i)
        fx.dialogs().answerMessage(MessageAnswer::No);
    fx.restart();
    settle();
    QCOMPARE(offers(fx).size(), offeredNextTime ? 2 : 1);
    if (offeredNextTime)
        QCOMPARE(offers(fx).last().items.size(), offeredNextTime);
}

void TestDocumentRecovery::aJournalThatCannotWriteKeepsAMarkUntilItCan() {
    FrameFixture fx;
    // A file where the recovery folder should be.
    const QString blocked = fx.writeFile("blocked", "x");
    fx.setJournalRoot(blocked + QStringLiteral("/recovery"));
    fx.start();
    typeAndKeep(fx, QStringLiteral("kept?"));
    const QLabel* mark = fx.frame().statusLine()->recoveryMark();
    QTRY_VERIFY(mark->isVisible());
    QVERIFY2(mark->toolTip().contains(blocked), qPrintable(mark->toolTip()));
    QVERIFY(QFile::remove(blocked));
    typeAndKeep(fx, QStringLiteral("now"));
    QTRY_VERIFY(!mark->isVisible());
    QCOMPARE(fx.journal().entries().size(), 1);
}

// The restored document has the path or caption it had, is marked changed, and saves the
// typed text in its file's own encoding and line ends; saving it removes its entry.
void TestDocumentRecovery::typedTextComesBackAfterACrash_data() {
    QTest::addColumn<QByteArray>("file");  // empty: an untitled document
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("saved");  // or kRefused
    // Typing the start tag added its end tag after the caret.
    QTest::newRow("untitled") << QByteArray() << QStringLiteral("<p>\u00e9")
                              << QByteArray("<p>\xc3\xa9\n</p>");
    QTest::newRow("latin-1, crlf, an odd lf")
        << QByteArray("caf\xe9\r\nx\ny\r\n") << QStringLiteral("\u00e9")
        << QByteArray("\xe9\r\ncaf\xe9\r\nx\ny\r\n");
    // Kept as UTF-8, yet still a Latin-1 document: Save refuses as it did before the crash.
    QTest::newRow("latin-1 with a letter it cannot hold")
        << QByteArray("caf\xe9\r\n") << QStringLiteral("\u03bb") << kRefused;
}

void TestDocumentRecovery::typedTextComesBackAfterACrash() {
    QFETCH(QByteArray, file);
    QFETCH(QString, typed);
    QFETCH(QByteArray, saved);
    FrameFixture fx;
    const QString path = file.isEmpty() ? QString() : fx.writeFile("page.html", file);
    fx.start(path);
    const TextFormat format = fx.active()->textFormat();
    typeAndKeep(fx, typed);
    const QString text = fx.text();
    fx.crash();

    fx.dialogs().answerRecovery(RecoveryAnswer::Restore);
    fx.start();
    settle();
    DocumentWindow* doc = fx.active();
    QCOMPARE(doc->caption(), file.isEmpty() ? QStringLiteral("Untitled") : path);
    QVERIFY(doc->isChanged());
    QCOMPARE(doc->textFormat(), format);
    QCOMPARE(fx.text(), text);
    QCOMPARE(DocumentText::save(*doc->editor()->document(), format).value_or(kRefused), saved);

    fx.dialogs().answerFile(FileDialogResult{fx.path("untitled.html"), 1});
    doc->action(Command::FileSave)->trigger();
    fx.journal().flush();
    QCOMPARE(fx.journal().entries().isEmpty(), saved != kRefused);
    if (saved != kRefused)
        QCOMPARE(fileBytes(file.isEmpty() ? fx.path("untitled.html") : path), saved);
}

void TestDocumentRecovery::closingWithNoAndACleanExitLeaveNothing() {
    FrameFixture fx;
    fx.start();
    typeAndKeep(fx, QStringLiteral("first"));
    fx.active()->action(Command::FileNew)->trigger();
    typeAndKeep(fx, QStringLiteral("second"));
    QCOMPARE(fx.journal().entries().size(), 2);
    fx.dialogs().answerMessage(MessageAnswer::No);
    fx.active()->closeDocument();
    fx.journal().flush();
    QCOMPARE(fx.journal().entries().size(), 1);

    fx.dialogs().answerMessage(MessageAnswer::No);
    fx.quit();
    QCOMPARE(QDir(fx.journalRoot()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList());
}

// Its entries are offered only once the program that kept them is gone.
void TestDocumentRecovery::aRunningProgramKeepsItsEntriesFromASecondOne() {
    FrameFixture first;
    first.start();
    typeAndKeep(first, QStringLiteral("mine"));
    FrameFixture second;
    second.setJournalRoot(first.journalRoot());
    second.start();
    settle();
    QCOMPARE(offers(second).size(), 0);
    QCOMPARE(first.journal().entries().size(), 1);

    first.crash();
    second.restart();
    settle();
    QCOMPARE(offers(second).size(), 1);
    QCOMPARE(offers(second).first().items.size(), 1);
}

void TestDocumentRecovery::aTruncatedEntryIsSkippedWithANote() {
    FrameFixture fx;
    fx.start();
    typeAndKeep(fx, QStringLiteral("cut off"));
    const QString entry = onlyEntryFile(fx);
    fx.crash();
    QVERIFY(QFile::resize(entry, QFileInfo(entry).size() - 3));

    fx.dialogs().answerRecovery(RecoveryAnswer::Discard);
    fx.start();
    settle();
    QCOMPARE(offers(fx).size(), 1);
    QCOMPARE(offers(fx).first().items.size(), 0);
    QCOMPARE(offers(fx).first().notes,
             QStringList{QStringLiteral("Untitled could not be recovered: it is cut short.")});
    QCOMPARE(fx.documents().openWindows().size(), 1);
    QVERIFY(!QFile::exists(entry));
}

QTEST_MAIN(TestDocumentRecovery)
#include "tst_documentrecovery.moc"
