#include "support/FrameFixture.h"

#include "app/StatusLine.h"
#include "app/Twips.h"
#include "commands/CommandTable.h"
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

namespace {

QStringList menuBarTitles(MainFrame& frame) {
    QStringList titles;
    for (QAction* entry : frame.menuBar()->actions())
        titles << entry->text();
    return titles;
}

QStringList captions(FrameFixture& fx) {
    QStringList list;
    for (DocumentWindow* doc : fx.documents().openWindows())
        list << doc->caption();
    return list;
}

}  // namespace

class TestMainFrame : public QObject {
    Q_OBJECT
private slots:
    void everyCommandOfTheTableIsBoundExactlyOnce() {
        FrameFixture fx;
        const Program program(fx.state(), fx.dialogs());
        for (int i = 0; i < kCommandCount; ++i) {
            const CommandRow& row = commandRow(static_cast<Command>(i));
            QVERIFY2(program.commands().bindingCount(row.id) == 1, row.name);
        }
        QCOMPARE(program.commands().faults(), QStringList());
    }

    void firstRunUsesTheDefaultGeometryAndOneUntitledWindow() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        QCOMPARE(frame.windowTitle(), QStringLiteral("Pagelark"));
        QCOMPARE(frame.size(), QSize(Twips::toPixels(7050), Twips::toPixels(5805)));
        QCOMPARE(captions(fx), QStringList{"Untitled"});
        QCOMPARE(fx.active()->slot(), 1);
        QVERIFY(!fx.active()->isChanged());
        QCOMPARE(frame.statusLine()->font()->text(), QString());
        QCOMPARE(frame.statusLine()->templateFile()->text(), QString());
        // The first window fills the frame's client area.
        QCOMPARE(fx.active()->subWindow()->size(), frame.mdiArea()->viewport()->size());
        QCOMPARE(menuBarTitles(frame), QStringList({"&File", "&Edit", "&Insert", "&Options",
                                                    "&View", "&Tools", "&Window", "&Help"}));
    }

    void storedGeometryIsRestoredWithTopAndLeftRaisedToZero() {
        FrameFixture fx;
        fx.prefs().save(QStringLiteral("Size"), QStringLiteral("main_top"), QStringLiteral("-300"));
        fx.prefs().save(QStringLiteral("Size"), QStringLiteral("main_left"), QStringLiteral("600"));
        fx.prefs().save(QStringLiteral("Size"), QStringLiteral("main_width"),
                        QStringLiteral("6000"));
        fx.prefs().save(QStringLiteral("Size"), QStringLiteral("main_height"),
                        QStringLiteral("4500"));
        MainFrame& frame = fx.start();
        QCOMPARE(frame.pos(), QPoint(Twips::toPixels(600), 0));
        QCOMPARE(frame.size(), QSize(Twips::toPixels(6000), Twips::toPixels(4500)));
    }

    void geometryOffEveryScreenIsIgnored() {
        FrameFixture fx;
        fx.prefs().save(QStringLiteral("Size"), QStringLiteral("main_top"),
                        QStringLiteral("9000000"));
        fx.prefs().save(QStringLiteral("Size"), QStringLiteral("main_left"),
                        QStringLiteral("9000000"));
        fx.prefs().save(QStringLiteral("Size"), QStringLiteral("main_width"),
                        QStringLiteral("6000"));
        fx.prefs().save(QStringLiteral("Size"), QStringLiteral("main_height"),
                        QStringLiteral("4500"));
        MainFrame& frame = fx.start();
        QCOMPARE(frame.pos(), QPoint(Twips::toPixels(1965), Twips::toPixels(2115)));
    }

    void quittingStoresTheGeometryForTheNextStart() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        frame.move(Twips::toPixels(1500), Twips::toPixels(900));
        frame.resize(Twips::toPixels(8100), Twips::toPixels(6000));
        fx.quit();
        QSettings onDisk(fx.settingsPath(), QSettings::IniFormat);
        QCOMPARE(onDisk.value("Size/main_left").toString(), QStringLiteral("1500"));
        QCOMPARE(onDisk.value("Size/main_top").toString(), QStringLiteral("900"));
        QCOMPARE(onDisk.value("Size/main_width").toString(), QStringLiteral("8100"));
        MainFrame& again = fx.start();
        QCOMPARE(again.size(), QSize(Twips::toPixels(8100), Twips::toPixels(6000)));
    }

    void storedFontIsAppliedAndDescribed() {
        FrameFixture fx;
        fx.prefs().save("Font", "Name", "DejaVu Sans Mono");
        fx.prefs().save("Font", "Size", "8.25");
        fx.prefs().save("Font", "Bold", "True");
        fx.prefs().save("Font", "Italic", "False");
        fx.prefs().save("Font", "Strikethru", "False");
        fx.prefs().save("Font", "Underline", "True");
        fx.prefs().save("Color", "BackColor", "255");
        fx.prefs().save("Color", "ForeColor", "16777215");
        MainFrame& frame = fx.start();
        QCOMPARE(frame.statusLine()->font()->text(),
                 QStringLiteral(" Font:  DejaVu Sans Mono Bold 8.25 pt"));
        const QFont font = fx.editor()->font();
        QCOMPARE(font.pointSizeF(), 8.25);
        QVERIFY(font.bold());
        QVERIFY(font.underline());
        QCOMPARE(fx.editor()->palette().color(QPalette::Base), QColor(255, 0, 0));
        QCOMPARE(fx.editor()->palette().color(QPalette::Text), QColor(255, 255, 255));
        QVERIFY(!fx.active()->isChanged());
        // New windows get the same appearance.
        fx.documents().newDocument();
        QCOMPARE(fx.editor()->font().pointSizeF(), 8.25);
        QVERIFY(!fx.active()->isChanged());
    }

    void commandLineFileOpensIntoTheFirstWindow() {
        FrameFixture fx;
        const QString file = fx.writeFile("Web Page.HTML", "<p>hello</p>\r\n");
        fx.start(file);
        QCOMPARE(captions(fx), QStringList{file});
        QCOMPARE(fx.text(), QStringLiteral("<p>hello</p>\n"));
        QVERIFY(!fx.active()->isChanged());
        QVERIFY(fx.dialogs().messageTexts().isEmpty());
    }

    void commandLineFileWithCancelNewFormIsClosedAgain() {
        FrameFixture fx;
        fx.prefs().save("Noform", "Checked", "True");
        const QString file = fx.writeFile("page.htm", "<p>hello</p>");
        MainFrame& frame = fx.start(file);
        QVERIFY(!fx.state().documents().anyDocumentsLeft());
        QVERIFY(frame.toolsHidden());
        QVERIFY(frame.action(Command::OptionsStartWithoutDocument)->isChecked());
        QVERIFY(menuBarTitles(frame).contains(QStringLiteral("&File")));
        QVERIFY(!menuBarTitles(frame).contains(QStringLiteral("&Insert")));
    }

    void missingCommandLineFileIsReportedAndCancelNewFormNotApplied() {
        FrameFixture fx;
        fx.prefs().save("Noform", "Checked", "True");
        const QString missing = fx.path("no such file.html");
        MainFrame& frame = fx.start(missing);
        QCOMPARE(fx.dialogs().messageTexts(), QStringList{"Can't open : " + missing});
        QCOMPARE(fx.dialogs().shown().first().message.title, QStringLiteral("Pagelark"));
        QCOMPARE(captions(fx), QStringList{"Untitled"});
        QVERIFY(!frame.action(Command::OptionsStartWithoutDocument)->isChecked());
    }

    void aFileTooLargeForTheEditorIsRefusedWithoutReadingIt() {
        FrameFixture fx;
        // Sparse: 2 GiB on paper, nothing on the disk.
        const QString huge = fx.writeFile("huge.html", "<p>");
        QVERIFY(QFile::resize(huge, qint64(1) << 31));
        fx.start(huge);
        QCOMPARE(fx.dialogs().messageTexts(), QStringList{"The file is too large to open."});
        QCOMPARE(captions(fx), QStringList{"Untitled"});
        QCOMPARE(fx.text(), QString());
    }

    void aFolderIsNotOpenedAsAFile() {
        FrameFixture fx;
        fx.start(fx.programDir());
        QCOMPARE(fx.dialogs().messageTexts(), QStringList{"Can't open : " + fx.programDir()});
    }

    void newWindowsTakeTheLowestFreeSlot() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        fx.documents().newDocument();
        DocumentWindow* second = fx.active();
        fx.documents().newDocument();
        QCOMPARE(captions(fx), QStringList({"Untitled", "Untitled:2", "Untitled:3"}));
        QVERIFY(second->closeDocument());
        QCOMPARE(fx.documents().newDocument()->caption(), QStringLiteral("Untitled:2"));
        QCOMPARE(fx.state().documents().upperBound(), 3);
        QVERIFY(fx.documents().window(1)->closeDocument());
        frame.action(Command::FileNew);  // the frame's own entry exists
        QCOMPARE(fx.documents().newDocument()->caption(), QStringLiteral("Untitled:1"));
    }

    void closingTheLastWindowHidesTheToolsAndShowsTheFrameMenus() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        QVERIFY(!frame.toolsHidden());
        fx.active()->action(Command::FileClose)->trigger();
        QVERIFY(!fx.state().documents().anyDocumentsLeft());
        QVERIFY(frame.toolsHidden());
        QCOMPARE(menuBarTitles(frame), QStringList({"&File", "&Options", "&Help"}));
        frame.action(Command::FileNew)->trigger();
        QCOMPARE(captions(fx), QStringList{"Untitled:1"});
        QVERIFY(!frame.toolsHidden());
    }

    void editsMarkTheDocumentChangedButCaretMovesDoNot() {
        FrameFixture fx;
        fx.start();
        fx.editor()->setFocus();
        QVERIFY(!fx.active()->isChanged());
        fx.active()->loadBytes("abc\ndef");
        fx.active()->setChanged(false);
        QTest::keyClick(fx.editor(), Qt::Key_Right);
        QTest::keyClick(fx.editor(), Qt::Key_End);
        QVERIFY(!fx.active()->isChanged());
        fx.typeText("x");
        QVERIFY(fx.active()->isChanged());
        QCOMPARE(fx.text(), QStringLiteral("abcx\ndef"));
    }

    void sizeReportCountsLineBreaksAsTheFileDoes() {
        FrameFixture fx;
        fx.start();
        fx.active()->loadBytes(QByteArray("ab\r\ncd\r\n") + QByteArray(989, 'x'));
        // 2 + 2 + 2 + 2 + 989 = 997 bytes in the file.
        QTest::keyClick(fx.editor(), Qt::Key_End);
        QCOMPARE(fx.frame().statusLine()->message()->text(), QStringLiteral(" 997 bytes"));
        fx.typeText("xyz");
        QCOMPARE(fx.frame().statusLine()->message()->text(), QStringLiteral(" 1.000 KB"));
        QTest::keyClick(fx.editor(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(fx.frame().statusLine()->message()->text(), QStringLiteral(" 1.000 KB selected"));
    }

    void wrapTextSwitchesBoxesEachWithItsOwnCaret() {
        FrameFixture fx;
        fx.start();
        DocumentWindow* doc = fx.active();
        doc->loadBytes("one two three");
        QVERIFY(doc->action(Command::EditWrapText)->isChecked());
        QVERIFY(doc->editor()->wraps());
        fx.editor()->moveCursor(QTextCursor::End);
        doc->action(Command::EditWrapText)->trigger();
        QVERIFY(!doc->action(Command::EditWrapText)->isChecked());
        QVERIFY(!doc->editor()->wraps());
        QCOMPARE(fx.caret(), 0);
        fx.typeText("X");
        doc->action(Command::EditWrapText)->trigger();
        QVERIFY(doc->editor()->wraps());
        QCOMPARE(fx.caret(), 14);
        QCOMPARE(fx.text(), QStringLiteral("Xone two three"));
    }

    void clearPreferencesAsksAndEmptiesTheStore() {
        FrameFixture fx;
        fx.prefs().save("Noform", "Checked", "False");
        fx.prefs().save("Template", "Checked", "1");
        MainFrame& frame = fx.start();
        QVERIFY(frame.action(Command::OptionsTemplate)->isChecked());
        QVERIFY(fx.active()->action(Command::OptionsTemplate)->isChecked());

        fx.dialogs().answerMessage(MessageAnswer::Cancel);
        frame.action(Command::OptionsClearPreferences)->trigger();
        QCOMPARE(fx.dialogs().messageTexts(),
                 QStringList{"Clear Pagelark Registry Settings.\nAre You sure?"});
        QVERIFY(!fx.state().preferencesCleared());
        QCOMPARE(fx.prefs().get("Noform", "Checked"), QStringLiteral("False"));

        fx.dialogs().answerMessage(MessageAnswer::Ok);
        fx.active()->action(Command::OptionsClearPreferences)->trigger();
        QVERIFY(fx.state().preferencesCleared());
        QVERIFY(fx.active()->action(Command::OptionsClearPreferences)->isChecked());
        QVERIFY(!frame.action(Command::OptionsTemplate)->isChecked());
        QVERIFY(!fx.active()->action(Command::OptionsTemplate)->isChecked());
        QCOMPARE(fx.prefs().get("Noform", "Checked"), QString());

        // A window made now shows the mark; quitting writes nothing.
        fx.documents().newDocument();
        QVERIFY(fx.active()->action(Command::OptionsClearPreferences)->isChecked());
        fx.quit();
        QSettings onDisk(fx.settingsPath(), QSettings::IniFormat);
        QVERIFY(onDisk.allKeys().isEmpty());
    }

    void clearPreferencesChosenAgainSwitchesTheModeOffWithoutAsking() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        fx.dialogs().answerMessage(MessageAnswer::Ok);
        frame.action(Command::OptionsClearPreferences)->trigger();
        QVERIFY(fx.state().preferencesCleared());
        frame.action(Command::OptionsClearPreferences)->trigger();
        QVERIFY(!fx.state().preferencesCleared());
        QCOMPARE(fx.dialogs().messageTexts().size(), 1);
        fx.active()->action(Command::FileExit)->trigger();
        QSettings onDisk(fx.settingsPath(), QSettings::IniFormat);
        QVERIFY(!onDisk.value("Size/main_top").toString().isEmpty());
    }

    void startWithoutDocumentIsStoredUnlessPreferencesAreCleared() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        fx.active()->action(Command::OptionsStartWithoutDocument)->trigger();
        QCOMPARE(fx.prefs().get("Noform", "Checked"), QStringLiteral("True"));
        QVERIFY(frame.action(Command::OptionsStartWithoutDocument)->isChecked());
        frame.action(Command::OptionsStartWithoutDocument)->trigger();
        QCOMPARE(fx.prefs().get("Noform", "Checked"), QStringLiteral("False"));

        fx.dialogs().answerMessage(MessageAnswer::Ok);
        frame.action(Command::OptionsClearPreferences)->trigger();
        fx.active()->action(Command::OptionsStartWithoutDocument)->trigger();
        QCOMPARE(fx.prefs().get("Noform", "Checked"), QString());
    }

    void shutdownBacksUpTheUserMenuFile() {
        FrameFixture fx;
        fx.writeFile("program/userdef.dat", "<b></b>{left 4}\n");
        fx.start();
        fx.quit();
        QFile backup(fx.programDir() + "/userdef.bak");
        QVERIFY(backup.open(QIODevice::ReadOnly));
        QCOMPARE(backup.readAll(), QByteArray("<b></b>{left 4}\n"));
    }

    void failedBackupLeavesItsNoteInTheStatusLine() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        QVERIFY(QFile::remove(fx.programDir() + "/userdef.dat"));
        QVERIFY(!fx.program().userMenuFile().backUp());
        QCOMPARE(frame.statusLine()->message()->text(),
                 QStringLiteral("Backing up userdef.dat file"));
        QVERIFY(!QFile::exists(fx.programDir() + "/userdef.bak"));
    }

    void frameExitStoresGeometryAndEnds() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        fx.active()->closeDocument();
        frame.action(Command::FileExit)->trigger();
        QVERIFY(!frame.isVisible());
        QVERIFY(!fx.prefs().get("Size", "main_width").isEmpty());
    }

    void statusTimerClearsTheMessage() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        frame.setStatusMessage(" hint");
        frame.statusLine()->restartTimer();
        QCOMPARE(frame.statusLine()->timer()->interval(), 3000);
        frame.statusLine()->timer()->setInterval(1);
        frame.statusLine()->restartTimer();
        QTRY_COMPARE(frame.statusLine()->message()->text(), QString());
        QVERIFY(!frame.statusLine()->timer()->isActive());
    }
};

QTEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"
