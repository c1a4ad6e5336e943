#include "support/FrameFixture.h"

#include "app/StatusLine.h"
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "files/DiskWatch.h"
#include "files/FileStamp.h"

#include <QAction>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

Q_DECLARE_METATYPE(DiskChangeAnswer)

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Writes over the file in place, as a tool that truncates and rewrites it does.
void rewrite(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot rewrite %s", qPrintable(path));
}

DocumentWindow* open(FrameFixture& fx, const QString& path) {
    return fx.program().files().openDocumentFile(path);
}

// Gives the watch time to hear from the system and to look; nothing may happen meanwhile.
void lookAgain(FrameFixture& fx) {
    fx.program().diskWatch().checkAllSoon();
    QTest::qWait(400);
}

}  // namespace

class TestDiskChanges : public QObject {
    Q_OBJECT
private slots:
    void anUnchangedDocumentReloadsKeepingItsLineAndScroll() {
        FrameFixture fx;
        QByteArray before, after;
        for (int line = 1; line <= 300; ++line) {
            before += "line " + QByteArray::number(line) + "\n";
            after += "Line " + QByteArray::number(line) + "!\n";
        }
        const QString path = fx.writeFile("page.html", before);
        fx.start();
        DocumentWindow* doc = open(fx, path);
        QTextCursor caret(doc->editor()->document()->findBlockByNumber(199));
        caret.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 3);
        doc->editor()->setTextCursor(caret);
        const int scrolled = doc->editor()->verticalScrollBar()->value();
        QVERIFY(scrolled > 0);

        rewrite(path, after);  // heard through the system's report alone
        QTRY_COMPARE(fx.text(), QString::fromLatin1(after));
        QVERIFY(!doc->isChanged());
        QCOMPARE(doc->editor()->textCursor().blockNumber(), 199);
        QCOMPARE(doc->editor()->textCursor().positionInBlock(), 3);
        QCOMPARE(doc->editor()->verticalScrollBar()->value(), scrolled);
        QCOMPARE(fx.frame().statusLine()->message()->text(),
                 QStringLiteral("Reloaded page.html: changed on disk"));
        QVERIFY(fx.dialogs().shown().isEmpty());
    }

    void anEditedDocumentAsksOncePerChange_data() {
        QTest::addColumn<DiskChangeAnswer>("answer");
        QTest::addColumn<bool>("reloads");
        QTest::newRow("reload and lose the edits") << DiskChangeAnswer::Reload << true;
        QTest::newRow("keep my text") << DiskChangeAnswer::KeepText << false;
    }
    void anEditedDocumentAsksOncePerChange() {
        QFETCH(DiskChangeAnswer, answer);
        QFETCH(bool, reloads);
        FrameFixture fx;
        const QString path = fx.writeFile("page.html", "<p>old</p>\n");
        fx.start();
        DocumentWindow* doc = open(fx, path);
        fx.typeText(QStringLiteral("mine "));
        const QString mine = fx.text();

        // Touched, or written again with the same bytes: no change at all.
        QFile touched(path);
        QVERIFY(touched.open(QIODevice::ReadWrite));
        QVERIFY(touched.setFileTime(QDateTime::currentDateTime().addSecs(3600),
                                    QFileDevice::FileModificationTime));
        touched.close();
        lookAgain(fx);
        QVERIFY(fx.dialogs().shown().isEmpty());

        fx.dialogs().answerDiskChange(answer);
        rewrite(path, "<p>theirs</p>\n");
        QTRY_COMPARE(fx.dialogs().diskQuestions(),
                     QList<DiskChangeQuestion>{DiskChangeQuestion::ReloadOrKeep});
        QVERIFY(fx.dialogs().shown().last().diskChange.text.contains(path));
        QCOMPARE(fx.text(), reloads ? QStringLiteral("<p>theirs</p>\n") : mine);
        QCOMPARE(doc->isChanged(), !reloads);
        lookAgain(fx);
        QCOMPARE(fx.dialogs().diskQuestions().size(), 1);

        // The answered change is no surprise to Save; the next change asks again.
        fx.typeText(QStringLiteral("more "));
        doc->action(Command::FileSave)->trigger();
        QCOMPARE(fx.dialogs().diskQuestions().size(), 1);
        QCOMPARE(readAll(path), fx.text().toUtf8());
        rewrite(path, "<p>newer still</p>\n");
        fx.typeText(QStringLiteral("x"));
        QTRY_COMPARE(fx.dialogs().diskQuestions().size(), 2);
    }

    void aFileThatIsGoneIsReportedAndSaveWritesItBack_data() {
        QTest::addColumn<bool>("moved");
        QTest::newRow("deleted") << false;
        QTest::newRow("moved away") << true;
    }
    void aFileThatIsGoneIsReportedAndSaveWritesItBack() {
        QFETCH(bool, moved);
        FrameFixture fx;
        const QString path = fx.writeFile("page.html", "<p>kept</p>\n");
        fx.start();
        DocumentWindow* doc = open(fx, path);
        QVERIFY(moved ? QFile::rename(path, fx.path("elsewhere.html")) : QFile::remove(path));
        QTRY_COMPARE(fx.dialogs().messageTexts().size(), 1);
        QVERIFY(fx.dialogs().messageTexts().first().contains(path));
        QVERIFY(doc->isChanged());
        lookAgain(fx);
        QCOMPARE(fx.dialogs().shown().size(), 1);  // told once

        doc->action(Command::FileSave)->trigger();
        QCOMPARE(readAll(path), QByteArray("<p>kept</p>\n"));
        QVERIFY(!doc->isChanged());
        QCOMPARE(fx.dialogs().shown().size(), 1);
    }

    void saveAsksBeforeWritingOverAFileChangedOnDisk_data() {
        QTest::addColumn<DiskChangeAnswer>("answer");
        QTest::newRow("overwrite") << DiskChangeAnswer::Overwrite;
        QTest::newRow("cancel") << DiskChangeAnswer::Cancel;
    }
    void saveAsksBeforeWritingOverAFileChangedOnDisk() {
        QFETCH(DiskChangeAnswer, answer);
        FrameFixture fx;
        const QString path = fx.writeFile("page.html", "<p>old</p>\n");
        fx.start();
        DocumentWindow* doc = open(fx, path);
        fx.typeText(QStringLiteral("mine "));
        // Saved before the watch has had a look.
        rewrite(path, "<p>theirs</p>\n");
        fx.dialogs().answerDiskChange(answer);
        doc->action(Command::FileSave)->trigger();
        QCOMPARE(fx.dialogs().diskQuestions(),
                 QList<DiskChangeQuestion>{DiskChangeQuestion::OverwriteOrCancel});
        const bool overwrites = answer == DiskChangeAnswer::Overwrite;
        QCOMPARE(readAll(path), overwrites ? fx.text().toUtf8() : QByteArray("<p>theirs</p>\n"));
        QCOMPARE(doc->isChanged(), !overwrites);
    }

    void ourOwnSavesNeverAskAndTheWatchFollowsTheNewFile() {
        FrameFixture fx;
        const QString path = fx.writeFile("page.html", "<p>old</p>\n");
        fx.start();
        DocumentWindow* doc = open(fx, path);
        const FileStamp read = FileStamp::of(path);
        for (const QString& typed : {QStringLiteral("one "), QStringLiteral("two ")}) {
            fx.typeText(typed);
            doc->action(Command::FileSave)->trigger();
            lookAgain(fx);
        }
        // Each save put a new file in the old one's place.
        QVERIFY(FileStamp::of(path).inode != read.inode);
        QVERIFY(fx.dialogs().shown().isEmpty());
        QVERIFY(!doc->isChanged());

        rewrite(path, "<p>theirs</p>\n");  // heard on the new file
        QTRY_COMPARE(fx.text(), QStringLiteral("<p>theirs</p>\n"));
        QVERIFY(fx.dialogs().shown().isEmpty());
    }
};

QTEST_MAIN(TestDiskChanges)
#include "tst_diskchanges.moc"
