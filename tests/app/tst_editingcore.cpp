#include "support/FrameFixture.h"

#include "app/StatusLine.h"
#include "commands/CommandMenus.h"
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "find/ReplaceDialog.h"
#include "syntax/SyntaxColoring.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <limits>

Q_DECLARE_METATYPE(std::optional<LineColumn>)

namespace {

// A started frame whose active editor has the keyboard focus, as a user typing would have it.
void startFocused(FrameFixture& fx) {
    MainFrame& frame = fx.start();
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    fx.editor()->setFocus();
    QCOMPARE(QApplication::focusWidget(), fx.editor());
}

bool isColoured(const DocumentWindow* doc) {
    return doc->editor()->document()->findChild<SyntaxColoring*>() != nullptr;
}

bool showsLineNumbers(const DocumentWindow* doc) {
    const auto* gutter = doc->editor()->findChild<QWidget*>(QStringLiteral("line_numbers"));
    return gutter && gutter->isVisibleTo(doc->editor());
}

QStringList entryNames(const QMenu* menu) {
    QStringList names;
    for (const QAction* entry : menu->actions())
        names << (entry->isSeparator() ? QStringLiteral("-") : entry->objectName());
    return names;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

}  // namespace

class TestEditingCore : public QObject {
    Q_OBJECT
private slots:
    void newEntriesSitBesideTheFramesOwn() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        for (Command id :
             {Command::EditUndo, Command::EditRedo, Command::EditReplace, Command::EditGoToLine,
              Command::OptionsOpenLargeFiles, Command::ViewSyntaxColouring,
              Command::ViewLineNumbers, Command::WindowNext, Command::WindowPrevious})
            QVERIFY(!frame.action(id));
        DocumentWindow* doc = fx.active();
        const QStringList edit = entryNames(doc->menu("edit_menu"));
        QCOMPARE(edit.mid(0, 3), QStringList({"edit_undo", "edit_redo", "-"}));
        QCOMPARE(edit.indexOf("edit_replace"), edit.indexOf("edit_find_next") + 1);
        QCOMPARE(edit.indexOf("edit_go_to_line"), edit.indexOf("edit_replace") + 1);
        QCOMPARE(entryNames(doc->menu("options_menu")).last(3),
                 QStringList({"options_clear_preferences", "-", "options_open_large_files"}));
        QStringList menus;
        for (const QMenu* menu : doc->menus())
            menus << menu->objectName();
        QCOMPARE(menus.indexOf("view_menu"), menus.indexOf("options_menu") + 1);
    }

    void shortcutsReachTheirCommandsFromTheEditor_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<Command>("command");
        const int ctrl = Qt::ControlModifier;
        const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        QTest::newRow("Ctrl+N") << int(Qt::Key_N) << ctrl << Command::FileNew;
        QTest::newRow("Ctrl+O") << int(Qt::Key_O) << ctrl << Command::FileOpen;
        QTest::newRow("Ctrl+S") << int(Qt::Key_S) << ctrl << Command::FileSave;
        QTest::newRow("Ctrl+Shift+S") << int(Qt::Key_S) << ctrlShift << Command::FileSaveAs;
        QTest::newRow("Ctrl+W") << int(Qt::Key_W) << ctrl << Command::FileClose;
        QTest::newRow("Ctrl+F4") << int(Qt::Key_F4) << ctrl << Command::FileClose;
        QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << ctrl << Command::FileExit;
        QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << ctrl << Command::EditUndo;
        QTest::newRow("Ctrl+Shift+Z") << int(Qt::Key_Z) << ctrlShift << Command::EditRedo;
        QTest::newRow("Ctrl+Y") << int(Qt::Key_Y) << ctrl << Command::EditRedo;
        QTest::newRow("Ctrl+F") << int(Qt::Key_F) << ctrl << Command::EditFind;
        QTest::newRow("F3") << int(Qt::Key_F3) << 0 << Command::EditFindNext;
        QTest::newRow("Ctrl+H") << int(Qt::Key_H) << ctrl << Command::EditReplace;
        QTest::newRow("Ctrl+G") << int(Qt::Key_G) << ctrl << Command::EditGoToLine;
        QTest::newRow("Ctrl+Tab") << int(Qt::Key_Tab) << ctrl << Command::WindowNext;
        // Shift+Tab arrives as Backtab.
        QTest::newRow("Ctrl+Shift+Tab")
            << int(Qt::Key_Backtab) << ctrlShift << Command::WindowPrevious;
    }

    void shortcutsReachTheirCommandsFromTheEditor() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(Command, command);
        FrameFixture fx;
        startFocused(fx);
        // Something to undo and something to redo, so that both entries can be chosen.
        fx.typeText("a");
        fx.active()->entry("insert_h1")->trigger();
        fx.editor()->undo();
        // The commands are only recorded, not run: Exit would end the frame.
        auto* commands = fx.active()->findChild<CommandMenus*>();
        QObject::disconnect(commands, &CommandMenus::triggered, fx.active(), nullptr);
        QList<Command> ran;
        connect(commands, &CommandMenus::triggered, this, [&ran](Command id) { ran << id; });
        QTest::keyClick(fx.editor(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(ran, QList<Command>{command});
    }

    void undoAndRedoFollowTheHistoryOneInsertionAtATime() {
        FrameFixture fx;
        startFocused(fx);
        QAction* undo = fx.active()->action(Command::EditUndo);
        QAction* redo = fx.active()->action(Command::EditRedo);
        QVERIFY(!undo->isEnabled());
        QVERIFY(!redo->isEnabled());
        fx.typeText("ab");
        fx.active()->entry("insert_h1")->trigger();
        const QString withTag = fx.text();
        QVERIFY(undo->isEnabled());
        undo->trigger();
        QCOMPARE(fx.text(), QStringLiteral("ab"));
        QVERIFY(redo->isEnabled());
        QTest::keyClick(fx.editor(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(fx.text(), QString());
        QVERIFY(!undo->isEnabled());
        QTest::keyClick(fx.editor(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(fx.text(), QStringLiteral("ab"));
        redo->trigger();
        QCOMPARE(fx.text(), withTag);
        QVERIFY(!redo->isEnabled());
    }

    void replaceAllFromTheMenuIsOneUndoStepAndCounted() {
        FrameFixture fx;
        fx.start();
        fx.active()->loadBytes("a1 b22\nc333");
        fx.active()->action(Command::EditReplace)->trigger();
        auto* dialog = fx.frame().findChild<ReplaceDialog*>(QStringLiteral("replace_dialog"));
        QVERIFY(dialog && dialog->isVisible());
        dialog->findChild<QLineEdit*>(QStringLiteral("replace_find_text"))->setText("(\\d+)");
        dialog->findChild<QLineEdit*>(QStringLiteral("replace_with_text"))->setText("<\\1>");
        dialog->findChild<QCheckBox*>(QStringLiteral("replace_regular_expression"))
            ->setChecked(true);
        dialog->findChild<QPushButton*>(QStringLiteral("replace_all"))->click();
        QCOMPARE(fx.text(), QStringLiteral("a<1> b<22>\nc<333>"));
        QCOMPARE(fx.frame().statusLine()->message()->text(),
                 QStringLiteral("Replaced 3 occurrences."));
        QVERIFY(fx.active()->isChanged());
        fx.active()->action(Command::EditUndo)->trigger();
        QCOMPARE(fx.text(), QStringLiteral("a1 b22\nc333"));
        QVERIFY(!fx.active()->action(Command::EditUndo)->isEnabled());
    }

    void goToLineAsksThroughTheDialogSeam_data() {
        QTest::addColumn<std::optional<LineColumn>>("answer");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("place");
        QTest::newRow("line and column") << std::optional(LineColumn{2, 3}) << 6 << "Ln 2, Col 3";
        QTest::newRow("past the last line")
            << std::optional(LineColumn{840, 1}) << 8 << "Ln 3, Col 1";
        QTest::newRow("cancelled") << std::optional<LineColumn>() << 0 << "Ln 1, Col 1";
    }

    void goToLineAsksThroughTheDialogSeam() {
        QFETCH(std::optional<LineColumn>, answer);
        QFETCH(int, caret);
        QFETCH(QString, place);
        FrameFixture fx;
        fx.start();
        fx.active()->loadBytes("one\ntwo\nthree");
        fx.dialogs().answerGoToLine(answer);
        fx.active()->action(Command::EditGoToLine)->trigger();
        QCOMPARE(fx.dialogs().shown().size(), 1);
        QCOMPARE(fx.dialogs().shown().first().lineCount, 3);
        QCOMPARE(fx.caret(), caret);
        // The caret's place follows it in the status line, after the message, font and template
        // labels.
        const StatusLine* status = fx.frame().statusLine();
        QCOMPARE(status->caretPlace()->text(), place);
        QVERIFY(status->caretPlace()->x() >= status->templateFile()->geometry().right());
    }

    void openLargeFilesDecidesWhatFileOpenTakes_data() {
        QTest::addColumn<bool>("on");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("opens");
        QTest::newRow("off, at the limit") << false << qint64(65000) << true;
        QTest::newRow("off, over the limit") << false << qint64(65001) << false;
        QTest::newRow("on, over the limit") << true << qint64(70000) << true;
        // Sparse, so the test writes nothing: refused before a byte is read.
        QTest::newRow("on, beyond what the editor holds")
            << true << qint64(std::numeric_limits<int>::max()) + 1 << false;
    }

    void openLargeFilesDecidesWhatFileOpenTakes() {
        QFETCH(bool, on);
        QFETCH(qint64, size);
        QFETCH(bool, opens);
        FrameFixture fx;
        fx.start();
        if (on)
            fx.active()->action(Command::OptionsOpenLargeFiles)->trigger();
        QCOMPARE(fx.active()->action(Command::OptionsOpenLargeFiles)->isChecked(), on);
        QFile file(fx.path(QStringLiteral("page.html")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(size));
        file.close();
        fx.dialogs().answerFile(FileDialogResult{file.fileName(), 1});
        fx.active()->action(Command::FileOpen)->trigger();
        QCOMPARE(fx.documents().openWindows().size(), opens ? 2 : 1);
        QCOMPARE(fx.dialogs().messageTexts(),
                 opens ? QStringList() : QStringList("The file is too large to open."));
        // The choice outlives the run.
        fx.restart();
        QCOMPARE(fx.active()->action(Command::OptionsOpenLargeFiles)->isChecked(), on);
    }

    void viewSwitchesApplyToEveryOpenWindowAndAreStored() {
        FrameFixture fx;
        fx.start();
        DocumentWindow* page = fx.active();
        DocumentWindow* notes = fx.program().files().openDocumentFile(
            fx.writeFile(QStringLiteral("notes.txt"), "<b>as typed</b>"));
        QVERIFY(isColoured(page));
        QVERIFY(!isColoured(notes));
        QVERIFY(showsLineNumbers(page) && showsLineNumbers(notes));

        notes->action(Command::ViewSyntaxColouring)->trigger();
        QVERIFY(!isColoured(page));
        QVERIFY(!page->action(Command::ViewSyntaxColouring)->isChecked());
        page->action(Command::ViewLineNumbers)->trigger();
        QVERIFY(!showsLineNumbers(page) && !showsLineNumbers(notes));
        QVERIFY(!notes->action(Command::ViewLineNumbers)->isChecked());

        fx.restart();
        QVERIFY(!isColoured(fx.active()));
        QVERIFY(!showsLineNumbers(fx.active()));
        fx.active()->action(Command::ViewSyntaxColouring)->trigger();
        fx.active()->action(Command::ViewLineNumbers)->trigger();
        QVERIFY(isColoured(fx.active()) && showsLineNumbers(fx.active()));

        // A new name decides again: a text file is not coloured.
        fx.dialogs().answerFile(FileDialogResult{fx.path(QStringLiteral("page.txt")), 1});
        fx.active()->action(Command::FileSaveAs)->trigger();
        QVERIFY(!isColoured(fx.active()));
        fx.dialogs().answerFile(FileDialogResult{fx.path(QStringLiteral("page.shtml")), 1});
        fx.active()->action(Command::FileSaveAs)->trigger();
        QVERIFY(isColoured(fx.active()));
    }

    void typingAidsSwitchThroughTheViewMenuAndTheMatchingTagIsReached() {
        FrameFixture fx;
        startFocused(fx);
        EditorBox* editor = fx.editor();
        QTest::keyClicks(editor, QStringLiteral("<em>"));
        QCOMPARE(editor->toPlainText(), QStringLiteral("<em></em>"));
        QTextCursor inStartTag = editor->textCursor();
        inStartTag.setPosition(2);
        editor->setTextCursor(inStartTag);
        fx.active()->action(Command::EditGoToMatchingTag)->trigger();
        QCOMPARE(editor->textCursor().position(), 4);

        editor->selectAll();
        fx.active()->action(Command::ViewAutoCloseTags)->trigger();
        fx.active()->action(Command::ViewTagCompletion)->trigger();
        QTest::keyClicks(editor, QStringLiteral("<em>"));
        QCOMPARE(editor->toPlainText(), QStringLiteral("<em>"));
        QVERIFY(!editor->findChild<QWidget*>(QStringLiteral("tag_completion_list")) ||
                !editor->findChild<QWidget*>(QStringLiteral("tag_completion_list"))->isVisible());

        fx.restart();
        QVERIFY(!fx.active()->action(Command::ViewAutoCloseTags)->isChecked());
        QVERIFY(!fx.active()->action(Command::ViewTagCompletion)->isChecked());
    }

    void colouredTextKeepsItsLineEndsThroughTypingUndoAndSave() {
        FrameFixture fx;
        startFocused(fx);
        const QByteArray bytes =
            "<p class=\"a\">one</p>\r\n<!-- two\n three -->\r"
            "<script>var x = 1;\xE2\x80\xA9</script>\r\n";
        const QString path = fx.writeFile(QStringLiteral("mixed.html"), bytes);
        DocumentWindow* doc = fx.program().files().openDocumentFile(path);
        auto* coloring = doc->editor()->document()->findChild<SyntaxColoring*>();
        QVERIFY(coloring);
        QTRY_VERIFY(coloring->isComplete());
        doc->editor()->viewport()->repaint();
        QVERIFY(!coloring->spansOf(doc->editor()->document()->firstBlock())->isEmpty());

        doc->editor()->setFocus();
        QTextCursor cursor(doc->editor()->document()->findBlockByNumber(2));
        doc->editor()->setTextCursor(cursor);
        fx.typeText("<i>");
        QTest::keyClick(doc->editor(), Qt::Key_Return);
        doc->action(Command::FileSave)->trigger();
        QCOMPARE(fileBytes(path), QByteArray("<p class=\"a\">one</p>\r\n<!-- two\n<i>\r\n three "
                                             "-->\r<script>var x = 1;\xE2\x80\xA9</script>\r\n"));
        while (doc->action(Command::EditUndo)->isEnabled())
            doc->action(Command::EditUndo)->trigger();
        doc->action(Command::FileSave)->trigger();
        QCOMPARE(fileBytes(path), bytes);
    }
};

QTEST_MAIN(TestEditingCore)
#include "tst_editingcore.moc"
