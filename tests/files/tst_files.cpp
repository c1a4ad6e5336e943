#include "support/FileBytes.h"
#include "support/FrameFixture.h"

#include "app/AboutBox.h"
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "files/DocumentFiles.h"

#include <unistd.h>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>

namespace {

QStringList storedRecent(FrameFixture& fx) {
    QStringList files;
    for (int k = 1; k <= 4; ++k)
        files << fx.prefs().get("Recent Files", QStringLiteral("RecentFile%1").arg(k));
    return files;
}

QStringList visibleEntries(const QList<QAction*>& entries) {
    QStringList shown;
    for (QAction* entry : entries) {
        if (entry->isVisible())
            shown << (entry->isSeparator() ? QStringLiteral("-") : entry->data().toString());
    }
    return shown;
}

QStringList frameRecent(MainFrame& frame) {
    QList<QAction*> entries;
    for (int p = 1; p <= 4; ++p)
        entries << frame.entry(QStringLiteral("recent_file_%1").arg(p));
    return visibleEntries(entries);
}

QStringList windowRecent(DocumentWindow* doc) {
    QList<QAction*> entries{doc->entry(QStringLiteral("recent_files_separator"))};
    for (int p = 1; p <= 4; ++p)
        entries << doc->entry(QStringLiteral("recent_file_%1").arg(p));
    return visibleEntries(entries);
}

}  // namespace

class TestFiles : public QObject {
    Q_OBJECT

    // Opens `path` through File > Open of the active window.
    void openThroughDialog(FrameFixture& fx, const QString& path) {
        fx.dialogs().answerFile(FileDialogResult{path, 1});
        if (fx.active())
            fx.active()->action(Command::FileOpen)->trigger();
        else
            fx.frame().action(Command::FileOpen)->trigger();
    }

private slots:
    void unchangedFilesAreWrittenBackByteForByte_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("utf-8 lf") << QByteArray("<p>caf\xc3\xa9</p>\n<br>\n");
        QTest::newRow("crlf, no final line end") << QByteArray("<html>\r\n<body>\r\n</html>");
        QTest::newRow("cr") << QByteArray("one\rtwo\r");
        QTest::newRow("latin-1") << QByteArray("caf\xe9 \xa0 \x80\x9f\xff\n");
        QTest::newRow("no-break spaces") << QByteArray("a\xc2\xa0\xc2\xa0z\n");
        QTest::newRow("nul bytes") << QByteArray("a\0b\0\0c\n", 8);
        QTest::newRow("mixed line ends") << QByteArray("a\r\nb\nc\rd\r\n");
        QTest::newRow("utf-8 bom") << QByteArray("\xef\xbb\xbf<p>x</p>\n");
        QTest::newRow("empty") << QByteArray();
    }

    void unchangedFilesAreWrittenBackByteForByte() {
        QFETCH(QByteArray, bytes);
        FrameFixture fx;
        const QString path = fx.writeFile("page.html", bytes);
        fx.start();
        openThroughDialog(fx, path);
        QCOMPARE(fx.active()->caption(), path);
        QVERIFY(!fx.active()->isChanged());
        fx.active()->action(Command::FileSave)->trigger();
        QCOMPARE(readAll(path), bytes);
        QVERIFY(fx.dialogs().messageTexts().isEmpty());
    }

    void theOpenCommandRefusesFilesOver65000Bytes() {
        FrameFixture fx;
        const QString fits = fx.writeFile("fits.txt", QByteArray(65000, 'a'));
        const QString over = fx.writeFile("over.txt", QByteArray(65001, 'a'));
        fx.start();
        openThroughDialog(fx, over);
        QCOMPARE(fx.dialogs().messageTexts(), QStringList{"The file is too large to open."});
        QCOMPARE(fx.documents().openWindows().size(), 1);
        openThroughDialog(fx, fits);
        QCOMPARE(fx.active()->caption(), fits);
        QCOMPARE(fx.editor()->document()->characterCount(), 65001);
    }

    void theOpenDialogRemembersTheFileType() {
        FrameFixture fx;
        QDir().mkpath(fx.path("web"));
        const QString htm = fx.writeFile("web/index.htm", "x");
        const QString bat = fx.writeFile("run.BAT", "x");
        const QString shtm = fx.writeFile("inc.shtm", "x");
        fx.start();
        openThroughDialog(fx, htm);
        QVERIFY(fx.active()->caption().endsWith("web/index.htm"));
        QCOMPARE(fx.prefs().get("Files", "Type"), QStringLiteral("2"));
        openThroughDialog(fx, shtm);
        QCOMPARE(fx.prefs().get("Files", "Type"), QStringLiteral("2"));
        QCOMPARE(fx.dialogs().shown().last().file.filterIndex, 2);
        QCOMPARE(fx.dialogs().shown().last().file.filter, DocumentFiles::kOpenFilter);
        QCOMPARE(fx.dialogs().shown().last().file.fileName, QString());
        openThroughDialog(fx, bat);
        QCOMPARE(fx.prefs().get("Files", "Type"), QStringLiteral("5"));
        openThroughDialog(fx, htm);
        QCOMPARE(fx.dialogs().shown().last().file.filterIndex, 5);

        fx.dialogs().answerMessage(MessageAnswer::Ok);
        fx.frame().action(Command::OptionsClearPreferences)->trigger();
        openThroughDialog(fx, bat);
        QCOMPARE(fx.prefs().get("Files", "Type"), QString());
    }

    void typeIndexByEnding_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("index");
        QTest::newRow("htm") << "/a/b.htm" << 2;
        QTest::newRow("HTML") << "/a/b.HTML" << 2;
        QTest::newRow("shtml") << "/a/b.shtml" << 3;
        QTest::newRow("shtm matches nothing") << "/a/b.shtm" << 0;
        QTest::newRow("txt") << "b.txt" << 4;
        QTest::newRow("bat") << "b.Bat" << 5;
        QTest::newRow("css") << "b.css" << 0;
    }

    void typeIndexByEnding() {
        QFETCH(QString, path);
        QFETCH(int, index);
        QCOMPARE(DocumentFiles::typeIndexFor(path), index);
    }

    void untitledDocumentsOfferTheirDefaultNames() {
        FrameFixture fx;
        fx.start();
        fx.active()->action(Command::FileSave)->trigger();
        QCOMPARE(fx.dialogs().shown().last().file.fileName, QString());
        QCOMPARE(fx.dialogs().shown().last().file.filter, DocumentFiles::kSaveFilter);
        QCOMPARE(fx.dialogs().shown().last().file.filterIndex, 1);
        fx.active()->action(Command::FileSaveAs)->trigger();
        QCOMPARE(fx.dialogs().shown().last().file.fileName, QStringLiteral("Untitled.html"));
        fx.typeText("x");
        fx.dialogs().answerMessage(MessageAnswer::Yes);
        QVERIFY(!fx.active()->closeDocument());
        QCOMPARE(fx.dialogs().shown().last().file.fileName, QStringLiteral("untitled.html"));
        QVERIFY(storedRecent(fx).first().isEmpty());
    }

    void saveAsNamesTheWindowAndListsTheFile() {
        FrameFixture fx;
        fx.start();
        fx.typeText("<p>");
        const QString path = fx.path("Saved Page.html");
        fx.dialogs().answerFile(FileDialogResult{path, 1});
        fx.active()->action(Command::FileSaveAs)->trigger();
        QCOMPARE(readAll(path), QByteArray("<p></p>"));  // typing "<p>" added its end tag
        QCOMPARE(fx.active()->caption(), path);
        QVERIFY(!fx.active()->isChanged());
        QCOMPARE(storedRecent(fx).first(), path);
    }

    void closePromptAnswers() {
        FrameFixture fx;
        const QString path = fx.writeFile("a.html", "old");
        fx.start(path);
        fx.typeText("new ");
        fx.dialogs().answerMessage(MessageAnswer::Cancel);
        QVERIFY(!fx.active()->closeDocument());
        const auto prompt = fx.dialogs().shown().last().message;
        QCOMPARE(prompt.text,
                 "The text in [" + path + "] has changed.\n\rDo you want to save the changes?");
        QCOMPARE(prompt.title, QStringLiteral("Pagelark"));
        QCOMPARE(prompt.buttons, MessageButtons::YesNoCancel);
        QCOMPARE(prompt.icon, MessageIcon::Exclamation);
        QCOMPARE(fx.text(), QStringLiteral("new old"));

        fx.dialogs().answerMessage(MessageAnswer::Yes);
        QVERIFY(fx.active()->closeDocument());
        QCOMPARE(readAll(path), QByteArray("new old"));

        fx.documents().newDocument();
        fx.typeText("lost");
        fx.dialogs().answerMessage(MessageAnswer::No);
        QVERIFY(fx.active()->closeDocument());
        QVERIFY(!fx.state().documents().anyDocumentsLeft());
    }

    void exitAsksForEveryChangedWindowAndCancelKeepsTheProgram() {
        FrameFixture fx;
        const QString a = fx.writeFile("a.html", "");
        const QString b = fx.writeFile("b.html", "");
        MainFrame& frame = fx.start(a);
        fx.typeText("A");
        fx.program().files().openDocumentFile(b);
        fx.typeText("B");
        fx.dialogs().answerMessage(MessageAnswer::Yes);
        fx.dialogs().answerMessage(MessageAnswer::Cancel);
        fx.active()->action(Command::FileExit)->trigger();
        QVERIFY(frame.isVisible());
        // Cancel keeps every window: the one saved on the way is open and clean.
        QCOMPARE(fx.documents().openWindows().size(), 2);
        QVERIFY(!fx.documents().window(1)->isChanged());
        QCOMPARE(readAll(a), QByteArray("A"));
        QVERIFY(fx.dialogs().messageTexts().at(0).contains("[" + a + "]"));
        QVERIFY(fx.dialogs().messageTexts().at(1).contains("[" + b + "]"));

        fx.dialogs().answerMessage(MessageAnswer::Yes);
        fx.active()->action(Command::FileExit)->trigger();
        QVERIFY(!frame.isVisible());
        QCOMPARE(readAll(b), QByteArray("B"));
    }

    void cancelDuringShutdownKeepsAWindowAlreadyAnsweredNo() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        fx.typeText("first");
        fx.documents().newDocument();
        fx.typeText("second");
        fx.dialogs().answerMessage(MessageAnswer::No);
        fx.dialogs().answerMessage(MessageAnswer::Cancel);
        frame.close();
        QVERIFY(frame.isVisible());
        QCOMPARE(fx.documents().openWindows().size(), 2);
        QVERIFY(fx.documents().window(1)->isChanged());
        QCOMPARE(fx.dialogs().messageTexts().size(), 2);
    }

    void yesWithACancelledSaveDialogKeepsTheWindowAndItsText() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        fx.typeText("keep me");
        fx.dialogs().answerMessage(MessageAnswer::Yes);
        fx.dialogs().answerFile(std::nullopt);
        frame.close();
        QVERIFY(frame.isVisible());
        QCOMPARE(fx.text(), QStringLiteral("keep me"));
        QVERIFY(fx.active()->isChanged());
    }

    void aFailedSaveKeepsTheOldFileAndTheChangedWindow() {
        FrameFixture fx;
        const QString path = fx.writeFile("latin.html", "caf\xe9\n");
        fx.start(path);
        fx.editor()->moveCursor(QTextCursor::End);
        fx.typeText(QStringLiteral("\u20ac"));
        fx.active()->action(Command::FileSave)->trigger();
        QCOMPARE(readAll(path), QByteArray("caf\xe9\n"));
        QVERIFY(fx.active()->isChanged());
        QCOMPARE(fx.active()->caption(), path);
        QCOMPARE(fx.dialogs().shown().last().message.icon, MessageIcon::Exclamation);
        QVERIFY(fx.dialogs().shown().last().message.text.startsWith("Can't save file: \n" + path +
                                                                    "\nLine 2 holds"));

        // Without the euro sign, a name in a folder that does not exist: the folder is named.
        QTest::keyClick(fx.editor(), Qt::Key_Backspace);
        const QString nowhere = fx.path("no/such/folder/x.html");
        fx.dialogs().answerFile(FileDialogResult{nowhere, 1});
        fx.active()->action(Command::FileSaveAs)->trigger();
        QCOMPARE(fx.active()->caption(), path);
        QVERIFY(!QFile::exists(nowhere));
        QCOMPARE(fx.dialogs().messageTexts().size(), 2);
        QVERIFY2(fx.dialogs().messageTexts()[1].startsWith(
                     "Can't save file: \n" + nowhere + "\nThe folder " + fx.path("no/such/folder") +
                     " no longer exists. ("),
                 qPrintable(fx.dialogs().messageTexts()[1]));
    }

    void aReadOnlyFolderAndFileRefuseTheSave() {
        // (A file that may be written is written over, in place, in a read-only folder.)
        if (geteuid() == 0)
            QSKIP("the superuser writes into read-only folders");
        FrameFixture fx;
        QDir().mkpath(fx.path("locked"));
        const QString path = fx.writeFile("locked/page.html", "old");
        QFile::setPermissions(path, QFile::ReadOwner);
        QFile::setPermissions(fx.path("locked"), QFile::ReadOwner | QFile::ExeOwner);
        fx.start(path);
        fx.typeText("new");
        fx.active()->action(Command::FileSave)->trigger();
        QFile::setPermissions(fx.path("locked"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(readAll(path), QByteArray("old"));
        QVERIFY(fx.active()->isChanged());
    }

    void foldersAndMissingFilesAreNotOpened() {
        FrameFixture fx;
        fx.start();
        QVERIFY(!fx.program().files().openDocumentFile(fx.programDir()));
        QVERIFY(!fx.program().files().openDocumentFile(fx.path("gone.html")));
        QCOMPARE(fx.dialogs().messageTexts(),
                 QStringList({"Can't open file: \n" + fx.programDir(),
                              "Can't open file: \n" + fx.path("gone.html")}));
        QCOMPARE(fx.documents().openWindows().size(), 1);
    }

    void recentFilesKeepTheLastFour() {
        FrameFixture fx;
        QStringList paths;
        for (const char* name : {"A.html", "B.html", "C.html", "D.html", "E.html"})
            paths << fx.writeFile(name, name);
        fx.start();
        for (const QString& path : paths)
            openThroughDialog(fx, path);
        QCOMPARE(storedRecent(fx), QStringList({paths[4], paths[3], paths[2], paths[1]}));
        openThroughDialog(fx, paths[2]);
        QCOMPARE(storedRecent(fx), QStringList({paths[4], paths[3], paths[2], paths[1]}));
        fx.dialogs().answerFile(FileDialogResult{paths[4], 1});
        fx.active()->action(Command::FileSaveAs)->trigger();
        QCOMPARE(storedRecent(fx).first(), paths[4]);
        QCOMPARE(frameRecent(fx.frame()), QStringList({paths[4], paths[3], paths[2], paths[1]}));
        QCOMPARE(windowRecent(fx.active()),
                 QStringList({"-", paths[4], paths[3], paths[2], paths[1]}));
    }

    void recentEntriesAppearInNewWindowsOnlyAfterTheNextRebuild() {
        FrameFixture fx;
        const QString a = fx.writeFile("a.html", "a");
        const QString b = fx.writeFile("b.html", "b");
        fx.start();
        QCOMPARE(windowRecent(fx.active()), QStringList());
        openThroughDialog(fx, a);
        DocumentWindow* fresh = fx.documents().newDocument();
        QCOMPARE(windowRecent(fresh), QStringList());
        openThroughDialog(fx, b);
        QCOMPARE(windowRecent(fresh), QStringList({"-", b, a}));
    }

    void choosingARecentEntryOpensAnotherWindow() {
        FrameFixture fx;
        const QString big = fx.writeFile("big.html", QByteArray(70000, 'x'));
        fx.prefs().save("Recent Files", "RecentFile1", big);
        MainFrame& frame = fx.start();
        QCOMPARE(frameRecent(frame), QStringList{big});
        fx.active()->entry("recent_file_1")->trigger();
        fx.active()->entry("recent_file_1")->trigger();
        QCOMPARE(fx.documents().openWindows().size(), 3);
        QCOMPARE(fx.active()->caption(), big);
        QCOMPARE(storedRecent(fx), QStringList({big, "", "", ""}));
        fx.active()->closeDocument();
        fx.active()->closeDocument();
        fx.active()->closeDocument();
        frame.entry("recent_file_1")->trigger();
        QCOMPARE(fx.active()->caption(), big);
    }

    void readmeOpensAsAnOrdinaryDocument() {
        FrameFixture fx;
        const QString readme = fx.programDir() + "/readme.txt";
        QFile::copy(fx.writeFile("r.txt", "Read me.\n"), readme);
        MainFrame& frame = fx.start();
        fx.active()->action(Command::HelpReadme)->trigger();
        frame.action(Command::HelpReadme);
        fx.active()->action(Command::HelpReadme)->trigger();
        QCOMPARE(fx.documents().openWindows().size(), 3);
        QCOMPARE(fx.active()->caption(), readme);
        QCOMPARE(fx.text(), QStringLiteral("Read me.\n"));
        QCOMPARE(storedRecent(fx).first(), QString());
        QFile::remove(readme);
        fx.active()->action(Command::HelpReadme)->trigger();
        QCOMPARE(fx.dialogs().messageTexts(), QStringList{"Can't open file: \n" + readme});
    }

    void aboutIsOneWindow() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        fx.active()->action(Command::HelpAbout)->trigger();
        fx.active()->action(Command::HelpAbout)->trigger();
        const auto boxes = frame.findChildren<AboutBox*>();
        QCOMPARE(boxes.size(), 1);
        AboutBox* box = boxes.first();
        QCOMPARE(box->windowTitle(), QStringLiteral("About Pagelark"));
        QVERIFY(box->findChild<QLabel*>("release_label")->text().contains("Release Version 1.03"));
        QVERIFY(box->findChild<QLabel*>("user_menu_file_label")
                    ->text()
                    .endsWith(fx.programDir() + "/userdef.dat"));
        QPushButton* cancel = box->findChild<QPushButton*>("cancel_button");
        QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
        cancel->click();
        QTRY_VERIFY(frame.findChildren<AboutBox*>().isEmpty());
    }
};

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
