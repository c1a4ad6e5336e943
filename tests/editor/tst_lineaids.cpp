#include "support/FrameFixture.h"

#include "document/DocumentWindow.h"
#include "document/EditOperations.h"
#include "editor/EditorAppearance.h"
#include "editor/EditorBox.h"
#include "syntax/SyntaxColoring.h"
#include "tags/TextEditBuffer.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QPaintEvent>
#include <QTest>
#include <QTextBlock>

namespace {

// Collects what a widget repaints.
class PaintedRegion : public QObject {
public:
    explicit PaintedRegion(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            region += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
    QRegion region;
};

// A shown editor holding `text`, the caret at `caret`.
void showEditor(EditorBox& editor, const QString& text, int caret) {
    editor.resize(400, 300);
    editor.setPlainText(text);
    QTextCursor cursor(editor.document());
    cursor.setPosition(caret);
    editor.setTextCursor(cursor);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
}

QRect lineRect(const EditorBox& editor, int line) {
    return editor.shownRect(editor.document()->findBlockByNumber(line)).toRect();
}

// The colour right of the text on a line, where only its background shows.
QColor backgroundOf(EditorBox& editor, int line) {
    const QRect rect = lineRect(editor, line);
    return editor.viewport()->grab().toImage().pixelColor(editor.viewport()->width() - 5,
                                                          rect.center().y());
}

void pressEnter(EditorBox& editor) {
    QTest::keyClick(&editor, Qt::Key_Return);
}

}  // namespace

class TestLineAids : public QObject {
    Q_OBJECT
private slots:
    void theCaretsLineHasAFaintBackgroundOfItsOwn_data() {
        QTest::addColumn<bool>("coloured");
        QTest::addColumn<QColor>("base");
        QTest::addColumn<QColor>("text");
        QTest::newRow("light") << false << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("dark, coloured") << true << QColor(30, 30, 30) << QColor(220, 220, 220);
        QTest::newRow("chosen colours") << false << QColor(0, 0, 128) << QColor(255, 255, 0);
    }
    void theCaretsLineHasAFaintBackgroundOfItsOwn() {
        QFETCH(bool, coloured);
        QFETCH(QColor, base);
        QFETCH(QColor, text);
        EditorBox editor;
        EditorAppearance::setBackColor(editor, base);
        EditorAppearance::setForeColor(editor, text);
        if (coloured)
            new SyntaxColoring(editor);
        showEditor(editor, QStringLiteral("<p>a</p>\n<p>b</p>\n<p>c</p>"), 0);
        editor.setCurrentLineShown(true);
        QCoreApplication::processEvents();
        const QColor line = backgroundOf(editor, 0);
        QCOMPARE(backgroundOf(editor, 1), base);
        QVERIFY(line != base);
        // Faint: far nearer the background than the text, whatever the colours.
        const auto distance = [](const QColor& a, const QColor& b) {
            return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) +
                   qAbs(a.blue() - b.blue());
        };
        QVERIFY(distance(line, base) * 6 < distance(line, text));

        // Another line: only it and the line left are painted again (the caret's own repaint
        // reaches a pixel past its line).
        PaintedRegion painted(editor.viewport());
        editor.moveCursor(QTextCursor::Down);
        QCoreApplication::processEvents();
        QVERIFY(painted.region.contains(lineRect(editor, 0)));
        QVERIFY(painted.region.contains(lineRect(editor, 1)));
        QVERIFY(!painted.region.intersects(lineRect(editor, 2).adjusted(0, 1, 0, 0)));
        QCOMPARE(backgroundOf(editor, 0), base);
        QCOMPARE(backgroundOf(editor, 1), line);

        editor.setCurrentLineShown(false);
        QCoreApplication::processEvents();
        QCOMPARE(backgroundOf(editor, 1), base);
    }

    void enterKeepsTheLinesLeadingBlanks_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("anchor");
        QTest::addColumn<QString>("typed");  // the text after Enter, then "x"
        QTest::newRow("blanks") << "    <li>a" << 9 << 9 << "    <li>a\n    x";
        QTest::newRow("tabs and blanks") << "\t <td>" << 6 << 6 << "\t <td>\n\t x";
        QTest::newRow("caret within the blanks") << "    a" << 2 << 2 << "  \n  x  a";
        QTest::newRow("a selection replaced") << "  abc" << 5 << 3 << "  a\n  x";
        QTest::newRow("no blanks") << "abc" << 3 << 3 << "abc\nx";
        QTest::newRow("second line") << "a\n  b" << 5 << 5 << "a\n  b\n  x";
    }
    void enterKeepsTheLinesLeadingBlanks() {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(int, anchor);
        QFETCH(QString, typed);
        EditorBox editor;
        editor.setAutoIndent(true);
        showEditor(editor, text, anchor);
        QTextCursor selection = editor.textCursor();
        selection.setPosition(caret, QTextCursor::KeepAnchor);
        editor.setTextCursor(selection);
        pressEnter(editor);
        QTest::keyClick(&editor, Qt::Key_X);
        QCOMPARE(editor.toPlainText(), typed);

        // Undo takes back the typing, then Enter with its blanks in one step.
        editor.undo();
        editor.undo();
        QCOMPARE(editor.toPlainText(), text);
    }

    void scriptsPastesAndTheSwitchedOffEditorTypeAsBefore() {
        EditorBox editor;
        showEditor(editor, QStringLiteral("    <ul>"), 8);
        editor.setAutoIndent(true);
        // A script's line break (~) and a pasted one add nothing.
        TextEditBuffer::typeScript(&editor, QStringLiteral("~<li>"));
        QGuiApplication::clipboard()->setText(QStringLiteral("\n<li>"));
        EditOperations::pasteClipboard(&editor);
        QCOMPARE(editor.toPlainText(), QStringLiteral("    <ul>\n<li>\n<li>"));
        editor.undo();
        editor.undo();
        QCOMPARE(editor.toPlainText(), QStringLiteral("    <ul>"));

        editor.setAutoIndent(false);
        editor.moveCursor(QTextCursor::End);
        pressEnter(editor);
        QCOMPARE(editor.toPlainText(), QStringLiteral("    <ul>\n"));
    }

    void theViewSwitchesApplyToEveryWindowAndAreStored() {
        FrameFixture fx;
        fx.start();
        DocumentWindow* first = fx.active();
        DocumentWindow* second = fx.documents().newDocument();
        const QList<QAction*> entries = first->menu("view_menu")->actions();
        QCOMPARE(entries.at(2)->objectName(), QStringLiteral("view_highlight_current_line"));
        QCOMPARE(entries.at(3)->objectName(), QStringLiteral("view_auto_indent"));
        for (DocumentWindow* doc : {first, second}) {
            QVERIFY(doc->editor()->currentLineShown() && doc->editor()->autoIndents());
            QVERIFY(doc->action(Command::ViewHighlightCurrentLine)->isChecked());
            QVERIFY(doc->action(Command::ViewAutoIndent)->isChecked());
        }
        second->action(Command::ViewHighlightCurrentLine)->trigger();
        second->action(Command::ViewAutoIndent)->trigger();
        for (DocumentWindow* doc : {first, second})
            QVERIFY(!doc->editor()->currentLineShown() && !doc->editor()->autoIndents());
        QCOMPARE(fx.prefs().get("View", "HighlightCurrentLine"), QStringLiteral("False"));
        QCOMPARE(fx.prefs().get("View", "AutoIndent"), QStringLiteral("False"));

        fx.restart();
        QVERIFY(!fx.editor()->currentLineShown() && !fx.editor()->autoIndents());
        QVERIFY(!fx.active()->action(Command::ViewAutoIndent)->isChecked());
    }
};

QTEST_MAIN(TestLineAids)
#include "tst_lineaids.moc"
