// Record Keystrokes and Stop Recording: what was typed comes back from a user menu exactly, and
// whatever a script could not repeat ends the recording.
#include "support/FrameFixture.h"

#include "app/StatusLine.h"
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "state/UserMenuFile.h"
#include "tags/UserMenus.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <memory>

namespace {

// Presses keys in the active editor: key sequences such as "Shift+Left", or "=text" to type.
void press(FrameFixture& fx, const QStringList& keys) {
    for (const QString& key : keys) {
        if (key.startsWith(u'=')) {
            fx.typeText(key.sliced(1));
            continue;
        }
        const QKeyCombination combination = QKeySequence(key)[0];
        QTest::keyClick(fx.editor(), combination.key(), combination.keyboardModifiers());
    }
}

void load(FrameFixture& fx, const QString& text, int caret) {
    fx.active()->loadBytes(text.toUtf8());
    QTextCursor cursor = fx.editor()->textCursor();
    cursor.setPosition(caret);
    fx.editor()->setTextCursor(cursor);
}

QAction* command(FrameFixture& fx, Command id) {
    fx.active()->refreshMenus();
    return fx.active()->action(id);
}

QString lastScriptAsked(FrameFixture& fx) {
    const auto& shown = fx.dialogs().shown();
    return shown.isEmpty() || shown.last().kind != ScriptedDialogService::Kind::UserMenu
               ? u"(not asked)"_qs
               : shown.last().script;
}

QString statusText(FrameFixture& fx) {
    return fx.frame().statusLine()->message()->text();
}

}  // namespace

class TestRecording : public QObject {
    Q_OBJECT
private slots:
    void aRecordedScriptTypesAgainWhatWasTyped() {
        FrameFixture fx;
        fx.start();
        const QString page = u"<ul>\n</ul>"_qs;
        load(fx, page, 4);
        QVERIFY(!command(fx, Command::ToolsStopRecording)->isEnabled());
        command(fx, Command::ToolsRecordKeystrokes)->trigger();
        QVERIFY(!command(fx, Command::ToolsRecordKeystrokes)->isEnabled());
        press(fx, {u"Return"_qs, u"Tab"_qs, u"=<li>{a}+b</li>"_qs, u"Left"_qs, u"Left"_qs,
                   u"Left"_qs, u"Left"_qs, u"Left"_qs, u"Shift+Left"_qs, u"Backspace"_qs, u"=c"_qs,
                   u"Home"_qs, u"Del"_qs, u"End"_qs, u"Ctrl+Home"_qs, u"Down"_qs});
        const QString typed = fx.text();
        const int caret = fx.caret();
        fx.dialogs().answerUserMenu(2);
        command(fx, Command::ToolsStopRecording)->trigger();
        const QString script =
            u"~{tab}<li>{{}a{}}{+}b</li>{left 5}+{left}{bs}c{home}{del}{end}"
            u"^{home}{down}"_qs;
        QCOMPARE(lastScriptAsked(fx), script);
        QVERIFY(command(fx, Command::ToolsRecordKeystrokes)->isEnabled());
        QVERIFY(!command(fx, Command::ToolsStopRecording)->isEnabled());

        // Written as entry 1 of menu 2 (line 11), the empty file before it kept as the backup.
        QFile file(fx.programDir() + u"/userdef.dat"_qs);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(UserMenuFile::parse(file.readAll()).entry(2, 1), script);
        QVERIFY(QFile::exists(fx.programDir() + u"/userdef.bak"_qs));
        QAction* entry = fx.active()->entry(UserMenus::entryName(2, 1));
        QCOMPARE(entry->data().toString(), script);

        load(fx, page, 4);
        entry->trigger();
        QCOMPARE(fx.text(), typed);
        QCOMPARE(fx.caret(), caret);
    }

    void whatAScriptCannotRepeatEndsTheRecording_data() {
        QTest::addColumn<int>("what");
        QTest::newRow("a key with no name in scripts") << 0;
        QTest::newRow("a click in the text") << 1;
        QTest::newRow("a command that edits") << 2;
    }

    void whatAScriptCannotRepeatEndsTheRecording() {
        QFETCH(int, what);
        FrameFixture fx;
        fx.start();
        load(fx, u"one two"_qs, 0);
        command(fx, Command::ToolsRecordKeystrokes)->trigger();
        fx.typeText(u"xy"_qs);
        // Pressed without their release, whose size report would write over the note.
        if (what == 0)
            QTest::keyPress(fx.editor(), Qt::Key_Right, Qt::ControlModifier);
        else if (what == 1)
            QTest::mousePress(fx.editor()->viewport(), Qt::LeftButton, {}, {40, 5});
        else
            fx.active()->action(Command::EditUndo)->trigger();
        QVERIFY2(statusText(fx).startsWith(u"Recording stopped: "_qs), qPrintable(statusText(fx)));
        fx.typeText(u"zz"_qs);
        QVERIFY(command(fx, Command::ToolsStopRecording)->isEnabled());
        command(fx, Command::ToolsStopRecording)->trigger();  // and cancelled
        QCOMPARE(lastScriptAsked(fx), u"xy"_qs);
        QVERIFY(command(fx, Command::ToolsRecordKeystrokes)->isEnabled());
    }

    void closingWhileRecordingEndsQuietly() {
        auto fx = std::make_unique<FrameFixture>();
        fx->start();
        command(*fx, Command::ToolsRecordKeystrokes)->trigger();
        fx->typeText(u"x"_qs);
        QVERIFY(command(*fx, Command::ToolsStopRecording)->isEnabled());
        fx.reset();  // the frame goes first, then the recording's document
    }

    void aFullMenuSaysSoAndKeepsTheRecording() {
        FrameFixture fx;
        QFile file(fx.programDir() + u"/userdef.dat"_qs);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(10, '\n') + QByteArray("x\n").repeated(10));
        file.close();
        fx.start();
        command(fx, Command::ToolsRecordKeystrokes)->trigger();
        fx.typeText(u"ok"_qs);
        fx.dialogs().answerUserMenu(2);
        command(fx, Command::ToolsStopRecording)->trigger();
        QCOMPARE(fx.dialogs().messageTexts().size(), 1);
        QVERIFY(fx.dialogs().messageTexts().constFirst().startsWith(u"User Defined 2 has 10"_qs));
        fx.dialogs().answerUserMenu(3);
        command(fx, Command::ToolsStopRecording)->trigger();
        QVERIFY(file.open(QIODevice::ReadOnly));
        const UserMenuFile menus = UserMenuFile::parse(file.readAll());
        QCOMPARE(menus.entry(3, 1), u"ok"_qs);
        QCOMPARE(menus.entry(2, 10), u"x"_qs);
    }
};

QTEST_MAIN(TestRecording)
#include "tst_recording.moc"
