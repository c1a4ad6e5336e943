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
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A frame with `bytes` open from page.html, whose path `path` receives.
DocumentWindow* openPage(FrameFixture& fx, const QByteArray& bytes, QString& path) {
    path = fx.writeFile("page.html", bytes);
    fx.start();
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
    // Our own saves, each putting a new file in the old one's place, never ask; the watch
    // follows the new file, and the unchanged document reads it again.
    void ourSavesNeverAskAndAnUnchangedDocumentReloadsKeepingItsPlace() {
        FrameFixture fx;
        QByteArray before, after;
        for (int line = 1; line <= 300; ++line) {
            before += "line " + QByteArray::number(line) + "\n";
            after += "Line " + QByteArray::number(line) + "!\n";
        }
        QString path;
        DocumentWindow* doc = openPage(fx, before, path);
        quint64 inode = FileStamp::of(path).inode;
        QTextCursor caret(doc->editor()->document()->findBlockByNumber(199));
        caret.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 3);
        doc->editor()->setTextCursor(caret);
        for (const QString& typed : {QStringLiteral("one "), QStringLiteral("two ")}) {
            fx.typeText(typed);
            doc->action(Command::FileSave)->trigger();
            QVERIFY(std::exchange(inode, FileStamp::of(path).inode) != inode);
            lookAgain(fx);
        }
        QVERIFY(fx.dialogs().shown().isEmpty() && !doc->isChanged());
        const int scrolled = doc->editor()->verticalScrollBar()->value();
        QVERIFY(scrolled > 0);

        rewrite(path, after);  // heard through the system's report alone
        QTRY_COMPARE(fx.text(), QString::fromLatin1(after));
        QVERIFY(!doc->isChanged());
        QCOMPARE(doc->editor()->textCursor().blockNumber(), 199);
        QCOMPARE(doc->editor()->textCursor().positionInBlock(), 9);  // 11, on a shorter line
        QCOMPARE(doc->editor()->verticalScrollBar()->value(), scrolled);
        QCOMPARE(fx.frame().statusLine()->message()->text(),
                 QStringLiteral("Reloaded page.html: changed on disk"));
        QVERIFY(fx.dialogs().shown().isEmpty());
    }

    void anEditedDocumentAsksOncePerChangeAndSaveAsksBeforeWritingOverOne_data() {
        QTest::addColumn<DiskChangeAnswer>("answer");
        QTest::addColumn<DiskChangeAnswer>("saveAnswer");
        QTest::newRow("reload, overwrite")
            << DiskChangeAnswer::Reload << DiskChangeAnswer::Overwrite;
        QTest::newRow("keep my text, cancel")
            << DiskChangeAnswer::KeepText << DiskChangeAnswer::Cancel;
    }
    void anEditedDocumentAsksOncePerChangeAndSaveAsksBeforeWritingOverOne() {
        QFETCH(DiskChangeAnswer, answer);
        QFETCH(DiskChangeAnswer, saveAnswer);
        const bool reloads = answer == DiskChangeAnswer::Reload;
        const bool overwrites = saveAnswer == DiskChangeAnswer::Overwrite;
        FrameFixture fx;
        QString path;
        DocumentWindow* doc = openPage(fx, "<p>old</p>\n", path);
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
        QTRY_COMPARE(fx.dialogs().diskQuestions(), QList{DiskChangeQuestion::ReloadOrKeep});
        QVERIFY(fx.dialogs().shown().last().diskChange.text.contains(path));
        QCOMPARE(fx.text(), reloads ? QStringLiteral("<p>theirs</p>\n") : mine);
        QCOMPARE(doc->isChanged(), !reloads);
        fx.typeText(QStringLiteral("more "));
        lookAgain(fx);
        doc->action(Command::FileSave)->trigger();  // the answered change is no surprise
        QCOMPARE(fx.dialogs().diskQuestions().size(), 1);
        QCOMPARE(readAll(path), fx.text().toUtf8());

        fx.typeText(QStringLiteral("x"));
        rewrite(path, "<p>newer</p>\n");
        fx.dialogs().answerDiskChange(saveAnswer);
        doc->action(Command::FileSave)->trigger();  // before the watch has had a look
        QCOMPARE(fx.dialogs().diskQuestions().last(), DiskChangeQuestion::OverwriteOrCancel);
        QCOMPARE(readAll(path), overwrites ? fx.text().toUtf8() : QByteArray("<p>newer</p>\n"));
        QCOMPARE(doc->isChanged(), !overwrites);
        // Refused, the change is still news to the edited document.
        lookAgain(fx);
        QCOMPARE(fx.dialogs().diskQuestions().size(), overwrites ? 2 : 3);
    }

    void aFileThatIsGoneIsReportedAndSaveWritesItBack_data() {
        QTest::addColumn<bool>("moved");
        QTest::newRow("deleted") << false;
        QTest::newRow("moved away") << true;
    }
    void aFileThatIsGoneIsReportedAndSaveWritesItBack() {
        QFETCH(bool, moved);
        FrameFixture fx;
        QString path;
        DocumentWindow* doc = openPage(fx, "<p>kept</p>\n", path);
        QVERIFY(moved ? QFile::rename(path, fx.path("elsewhere.html")) : QFile::remove(path));
        QTRY_COMPARE(fx.dialogs().messageTexts().size(), 1);
        QVERIFY(fx.dialogs().messageTexts().first().contains(path));
        QVERIFY(doc->isChanged());
        lookAgain(fx);
        doc->action(Command::FileSave)->trigger();
        QCOMPARE(readAll(path), QByteArray("<p>kept</p>\n"));
        QVERIFY(!doc->isChanged());
        QCOMPARE(fx.dialogs().shown().size(), 1);  // told once, and Save did not ask
    }
};

QTEST_MAIN(TestDiskChanges)
#include "tst_diskchanges.moc"
